#pragma once
// The board languages as the window has them: loaded off the window's
// thread (from the cache, or made from the installed list the first time,
// which takes up to a few seconds), one at a time, and each kept once
// loaded for the rest of the run.

#include "lexicon.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <thread>

namespace golexorb {

class LanguageLoader : public QObject {
    Q_OBJECT
public:
    explicit LanguageLoader(QObject* parent = nullptr);
    // A load under way is stopped while it reads the list, and waited for.
    ~LanguageLoader() override;

    // Whether the language's list is installed where its package puts it
    // (English always is).
    static bool installed(const wordlist::Language& language);
    // The language's block list among the program's resources; empty when it has none.
    static QByteArray blockText(const wordlist::Language& language);
    // "sudo apt install wngerman"
    static QString installLine(const wordlist::Language& language);

    // The words of a language loaded this run, or null.
    std::shared_ptr<const wordlist::Lexicon> loaded(const wordlist::Language& language) const;
    bool busy() const { return busy_; }
    // Starts loading the language on a thread; finished() follows on the
    // window's thread. False, and nothing started, while another loads.
    bool load(const wordlist::Language& language);

signals:
    // `problem` is empty when the words are ready (loaded() has them), and
    // otherwise says why not; `note` says what happened to the cache when
    // it was not simply read.
    void finished(const QString& code, const QString& problem, const QString& note);

private:
    void done(const wordlist::Language* language, std::shared_ptr<const wordlist::Lexicon> lexicon,
              const QString& problem, const QString& note);

    std::map<std::string, std::shared_ptr<const wordlist::Lexicon>, std::less<>> loaded_;
    bool busy_ = false;
    std::jthread thread_;
};

} // namespace golexorb
