#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace wordlist {
struct Language;
}

namespace golexorb {

// The languages the windows are translated into, besides English (their
// .qm files are embedded as :/i18n/golexorb_CODE.qm).
QStringList shippedLanguages();

// The language of the windows: the code given to --ui-language when there
// is one, otherwise the first shipped one the environment asks for, as
// gettext reads it (LANGUAGE, a list, unless the locale is C or POSIX; then
// LC_ALL, LC_MESSAGES, LANG). Empty for English, which needs no translation.
QString chooseLanguage(const QString& option, const QProcessEnvironment& environment);

// Loads the language's translation (and Qt's own, where the system has it)
// into the application that exists now, and has the game's texts translated
// too. Loaded once; called again for a later application object, it installs
// the same translations there. English (an empty code) takes back whatever
// was loaded, and costs nothing when nothing was.
void useLanguage(const QString& code);

// A board language's name in the language of the windows ("German" in
// English, "Allemand" in French), and what its list lacks, if it is thin.
QString languageName(const wordlist::Language& language);
QString languageNote(const wordlist::Language& language);

// Whether the windows are in a language other than English.
bool translationLoaded();

// The value of --ui-language in the raw arguments, before any parsing: the
// help itself is written in that language.
QString languageArgument(int argc, char** argv);

// A text with plural forms written as Qt's convention has it ("%n
// second(s) left"), as tr() returned it for n: where no translation gave
// the forms, English ones.
QString englishPlural(const QString& text, int n);

} // namespace golexorb
