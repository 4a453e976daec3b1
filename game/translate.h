#pragma once

// The texts the player reads, in the player's language. The game holds no
// Qt: it asks for each text through translate(), which lupdate reads as
// QCoreApplication::translate, and the window layer installs the translator
// (Qt's). Without one, as in the game's own tests, every text is the source.

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text kept in a table or a constant, translated where it is shown
// (lupdate reads it as QT_TRANSLATE_NOOP).
#define GAME_TRANSLATE_NOOP(context, text) text

namespace game {

// context and source as marked, n for the plural forms (-1 when none);
// returns UTF-8.
using Translator = std::string (*)(const char* context, const char* source, int n);
void setTranslator(Translator translator);

// The text in the player's language, with %n written as n (as Qt does).
// A source with plural forms is written as Qt's convention has it, "%n
// minute(s)": where no translation gives the forms, English ones are made.
std::string translate(const char* context, const char* source, const char* disambiguation = nullptr, int n = -1);

// "(s)" as English has it for n: "" for one, "s" otherwise.
std::string englishPlural(std::string text, int n);

// The pattern with %1 to %9 each replaced by its argument, once, in one pass:
// an argument's own %1 stays as it is.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace game
