#include "languageload.h"

#include "langcache.h"

#include <QFile>
#include <QMetaObject>
#include <QResource>

#include <cstdio>

namespace golexorb {

LanguageLoader::LanguageLoader(QObject* parent)
    : QObject(parent)
{
}

LanguageLoader::~LanguageLoader() = default; // std::jthread asks the load to stop, then joins it

bool LanguageLoader::installed(const wordlist::Language& language)
{
    return language.english() || QFile::exists(QString::fromUtf8(language.listFile.data(), qsizetype(language.listFile.size())));
}

QByteArray LanguageLoader::blockText(const wordlist::Language& language)
{
    if (language.blockList.empty())
        return {};
    return QResource(QStringLiteral(":/blocklist/")
                     + QString::fromUtf8(language.blockList.data(), qsizetype(language.blockList.size())))
        .uncompressedData();
}

QString LanguageLoader::installLine(const wordlist::Language& language)
{
    return QStringLiteral("sudo apt install ") + QString::fromUtf8(language.package.data(), qsizetype(language.package.size()));
}

std::shared_ptr<const wordlist::Lexicon> LanguageLoader::loaded(const wordlist::Language& language) const
{
    const auto it = loaded_.find(language.code);
    return it == loaded_.end() ? nullptr : it->second;
}

bool LanguageLoader::load(const wordlist::Language& language)
{
    if (busy_)
        return false;
    busy_ = true;
    const QByteArray block = blockText(language);
    // The thread hands its result to this object on the window's thread;
    // this object waits for the thread when it goes, so it is there to take it.
    thread_ = std::jthread([this, language = &language, block](std::stop_token stop) {
        std::shared_ptr<const wordlist::Lexicon> lexicon;
        QString problem, note;
        try {
            wordlist::LoadReport report;
            lexicon = wordlist::loadLexicon(*language, wordlist::cacheFolder(),
                                            std::string_view(block.constData(), std::size_t(block.size())), &report,
                                            stop);
            note = QString::fromStdString(report.cacheProblem);
        } catch (const std::exception& e) {
            problem = QString::fromStdString(e.what());
        }
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(this, [this, language, lexicon, problem, note] { done(language, lexicon, problem, note); },
                                  Qt::QueuedConnection);
    });
    return true;
}

void LanguageLoader::done(const wordlist::Language* language, std::shared_ptr<const wordlist::Lexicon> lexicon,
                          const QString& problem, const QString& note)
{
    if (thread_.joinable())
        thread_.join();
    busy_ = false;
    if (lexicon)
        loaded_[std::string(language->code)] = std::move(lexicon);
    if (!note.isEmpty())
        std::fprintf(stderr, "golexorb: %s\n", qPrintable(note));
    emit finished(QString::fromUtf8(language->code.data(), qsizetype(language->code.size())), problem, note);
}

} // namespace golexorb
