// The main window's part in board languages: Ctrl+L, the choice, and its
// loading. Kept apart from the designed window's handlers.

#include "mainfrm.h"

#include "application.h"
#include "languagefrm.h"
#include "languageload.h"
#include "languages.h"
#include "translations.h"

#include <QCoreApplication>
#include <QApplication>
#include <QSettings>
#include <QShortcut>

#include <cstdio>

namespace {

const QString kSettingKey = QStringLiteral("language");

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

void MainFrm::setUpLanguageKeys()
{
    languages_ = new golexorb::LanguageLoader(this);
    connect(languages_, &golexorb::LanguageLoader::finished, this,
            [this](const QString& code, const QString& problem) { languageLoaded(code, problem); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this,
            &MainFrm::openLanguages);
}

const wordlist::Language& MainFrm::language() const
{
    return logic_.lexicon() ? logic_.lexicon()->language() : wordlist::englishLanguage();
}

const wordlist::Language& MainFrm::rememberedLanguage()
{
    const QString code = golexorb::playerSettings().value(kSettingKey).toString();
    const wordlist::Language* l = wordlist::findLanguage(code.toStdString());
    return l ? *l : wordlist::englishLanguage();
}

void MainFrm::openLanguages()
{
    if (logic_.running() || languages_->busy() || findChild<LanguageFrm*>())
        return; // as Start Game: between rounds
    LanguageFrm window(text(language().code), this);
    if (window.exec() == QDialog::Accepted && window.chosen())
        chooseLanguage(*window.chosen(), true);
}

void MainFrm::chooseLanguage(const wordlist::Language& language, bool remember, std::function<void()> then)
{
    withLexicon(language, [this, &language, remember, then = std::move(then)](auto lexicon) {
        if (lexicon || language.english()) {
            logic_.setLexicon(std::move(lexicon));
            if (remember)
                golexorb::playerSettings().setValue(kSettingKey, text(language.code));
        }
        sync();
        if (then)
            then();
    });
}

void MainFrm::withLexicon(const wordlist::Language& language,
                          std::function<void(std::shared_ptr<const wordlist::Lexicon>)> then)
{
    if (language.english()) {
        then(nullptr);
        return;
    }
    if (auto lexicon = languages_->loaded(language)) {
        then(std::move(lexicon));
        return;
    }
    if (!golexorb::LanguageLoader::installed(language)) {
        golexorb::messageBox(this, QCoreApplication::translate("Languages", "%1 needs its word list, which is not installed:\n%2")
                                       .arg(text(language.name), golexorb::LanguageLoader::installLine(language)));
        then(nullptr);
        return;
    }
    if (languages_->busy()) {
        then(nullptr);
        return;
    }
    pendingLoad_ = PendingLoad{&language, std::move(then)};
    // The words are read on a thread; the window waits, painted, for them.
    // Disabled, it loses the focus: the keyboard player gets it back after.
    // All of this before the thread starts: showing a window may handle
    // events, and with them the end of a quick load.
    logic_.setLanguageLoading(true);
    focusBeforeLoading_ = focusWidget();
    setEnabled(false);
    sync();
    languages_->load(language);
}

void MainFrm::languageLoaded(const QString& code, const QString& problem)
{
    const auto pending = std::exchange(pendingLoad_, std::nullopt);
    logic_.setLanguageLoading(false);
    setEnabled(true);
    // Where it was, or, at start-up, where the design starts it: the Game Time box.
    QWidget* focus = focusBeforeLoading_ ? focusBeforeLoading_.data() : findChild<QWidget*>(QStringLiteral("Combo1"));
    if (focus)
        focus->setFocus();
    sync();
    if (!pending || text(pending->language->code) != code)
        return;
    auto lexicon = languages_->loaded(*pending->language);
    if (!lexicon) {
        const QString why = QCoreApplication::translate("Languages", "The words of %1 could not be read: %2").arg(text(pending->language->name), problem);
        std::fprintf(stderr, "golexorb: %s\n", qPrintable(why));
        golexorb::messageBox(this, why);
    }
    activateWindow();
    pending->then(std::move(lexicon));
}
