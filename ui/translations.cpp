#include "translations.h"

#include "languages.h"
#include "translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>
#include <memory>

namespace golexorb {

namespace {

// Kept for the whole run: the command line's application object and the
// window's each install them.
std::unique_ptr<QTranslator> g_game;
std::unique_ptr<QTranslator> g_qt;
QString g_loaded;

std::string translateForGame(const char* context, const char* source, int n)
{
    return QCoreApplication::translate(context, source, nullptr, n).toStdString();
}

// "de_DE.UTF-8@euro" asks for "de"; "C" and "POSIX" for none.
QString languageOf(QString locale)
{
    locale = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
}

// The board languages' English names and notes (wordlist/languages.cpp),
// for lupdate: the table is below the layer that knows Qt.
[[maybe_unused]] constexpr const char* kLanguageTexts[] = {
    QT_TRANSLATE_NOOP("Languages", "English"),
    QT_TRANSLATE_NOOP("Languages", "Catalan"),
    QT_TRANSLATE_NOOP("Languages", "Danish"),
    QT_TRANSLATE_NOOP("Languages", "German"),
    QT_TRANSLATE_NOOP("Languages", "Spanish"),
    QT_TRANSLATE_NOOP("Languages", "French"),
    QT_TRANSLATE_NOOP("Languages", "Italian"),
    QT_TRANSLATE_NOOP("Languages", "Dutch"),
    QT_TRANSLATE_NOOP("Languages", "Norwegian Bokmål"),
    QT_TRANSLATE_NOOP("Languages", "Norwegian Nynorsk"),
    QT_TRANSLATE_NOOP("Languages", "Polish"),
    QT_TRANSLATE_NOOP("Languages", "Portuguese"),
    QT_TRANSLATE_NOOP("Languages", "Brazilian Portuguese"),
    QT_TRANSLATE_NOOP("Languages", "Swedish"),
    QT_TRANSLATE_NOOP("Languages", "The smallest list, about 106,000 words: rarer verb forms are missing."),
    QT_TRANSLATE_NOOP("Languages", "About 113,000 words: compounds beyond the common ones are missing."),
};

} // namespace

QString languageName(const wordlist::Language& language)
{
    return QCoreApplication::translate("Languages", std::string(language.englishName).c_str());
}

QString languageNote(const wordlist::Language& language)
{
    return language.thin.empty() ? QString() : QCoreApplication::translate("Languages", std::string(language.thin).c_str());
}

QStringList shippedLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("it"),
            QStringLiteral("nl"), QStringLiteral("pt"), QStringLiteral("sv")};
}

QString chooseLanguage(const QString& option, const QProcessEnvironment& environment)
{
    const QStringList shipped = shippedLanguages();
    if (!option.isEmpty()) {
        const QString code = languageOf(option);
        return shipped.contains(code) ? code : QString();
    }
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QString::fromLatin1(name));
        if (!locale.isEmpty())
            break;
    }
    const QString base = languageOf(locale);
    if (base.isEmpty() || base == QLatin1String("c") || base == QLatin1String("posix"))
        return {};
    QStringList asked = environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    asked.append(locale);
    for (const QString& entry : std::as_const(asked)) {
        const QString code = languageOf(entry);
        if (code == QLatin1String("en"))
            return {};
        if (shipped.contains(code))
            return code;
    }
    return {};
}

void useLanguage(const QString& code)
{
    if (code.isEmpty()) {
        if (g_loaded.isEmpty())
            return; // English from the start: nothing loaded, nothing to do
        QCoreApplication::removeTranslator(g_game.get());
        QCoreApplication::removeTranslator(g_qt.get());
        game::setTranslator(nullptr);
        g_game.reset();
        g_qt.reset();
        g_loaded.clear();
        return;
    }
    if (g_loaded != code) {
        useLanguage(QString());
        g_game = std::make_unique<QTranslator>();
        if (!g_game->load(QStringLiteral(":/i18n/golexorb_%1.qm").arg(code))) {
            g_game.reset();
            return;
        }
        // Qt's own texts (the message boxes' buttons, the help's headings)
        // come from Debian's qt6-translations-l10n when it is installed.
        g_qt = std::make_unique<QTranslator>();
        if (!g_qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            g_qt.reset();
        g_loaded = code;
        game::setTranslator(translateForGame);
    }
    if (g_qt)
        QCoreApplication::installTranslator(g_qt.get());
    QCoreApplication::installTranslator(g_game.get());
}

bool translationLoaded()
{
    return !g_loaded.isEmpty();
}

QString languageArgument(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strncmp(arg, "--", 2) == 0)
            ++arg;
        if (std::strcmp(arg, "-ui-language") == 0)
            return i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        if (std::strncmp(arg, "-ui-language=", 13) == 0)
            return QString::fromLocal8Bit(arg + 13);
    }
    return {};
}

QString englishPlural(const QString& text, int n)
{
    if (!text.contains(QLatin1String("(s)")))
        return text;
    return QString(text).replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}

} // namespace golexorb
