#pragma once

#include <QString>

#include <string>
#include <string_view>

class QLabel;
class QWidget;

namespace golexorb {

// Application name, version, icon and the embedded fonts. Call once, after
// the QApplication exists and before any window is made.
void setupApplication();

// The designs give sizes in points at 96 dots per inch; fix every widget's
// font to that many pixels so the windows look the same at any resolution.
void applyDesignFontSizes(QWidget* root);

// The free Small Fonts has one size only, a little larger than the design's,
// so a one-word caption may not fit its label; draw it slightly tighter then.
void tightenToFit(QLabel* label);

// The logic's text is single-byte, like the word list.
QString fromLatin1(std::string_view s);

// The game's message box: modal, OK only, no icon, the game's title.
void messageBox(QWidget* parent, const QString& text);

// Draws the shared background picture unscaled at the top-left corner.
void paintBackground(QWidget* window);

} // namespace golexorb
