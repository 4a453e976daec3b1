#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <string>
#include <string_view>

class QDialog;
class QSettings;
class QFont;
class QLabel;
class QListWidgetItem;
class QWidget;

namespace golexorb {

// Application name, version, icon and the embedded fonts. Call once, after
// the QApplication exists and before any window is made.
void setupApplication();

// The designs give sizes in points at 96 dots per inch; fix every widget's
// font to that many pixels so the windows look the same at any resolution.
void applyDesignFontSizes(QWidget* root);

// Small Fonts has one size only, drawn from 11 px pictures: at a scale other
// than 1 its captions would come out tiny or blocky. There every widget whose
// font is such a bitmap font takes Tahoma at the same size instead; at 1 the
// windows keep their fonts exactly.
void useScalableFonts(QWidget* root);

// A top-aligned label puts its first line's baseline at the font's ascent,
// and Tahoma's capitals with an accent (Ä, Å, Ó) reach above it: their
// accents would be cut off. This gives the label room above its text for
// the tallest of `letters` in its font: a top margin of what reaches over,
// and none for A to Z, so English draws exactly as designed.
void makeRoomForAccents(QLabel* label, const QString& letters);
// After a label with that room changed its text: repaints the room too.
void repaintAccents(QLabel* label);
// How far the tallest of `letters` reaches above the ascent of `font`
// when drawn at `scale`, in pixels, with one to spare; 0 for none.
int accentOverflow(const QFont& font, const QString& letters, qreal scale = 1);
// The same room for a list's row: a row tall enough for its accents, the
// text in its middle; English rows keep their designed height.
void makeRoomForAccents(QListWidgetItem* item, const QFont& font, const QString& letters, qreal scale = 1);

// The free Small Fonts has one size only, a little larger than the design's,
// so a one-word caption may not fit its label; draw it slightly tighter then.
void tightenToFit(QLabel* label);
// In a translation, every one-line caption of the window that would not fit
// its label, drawn that way, by at most a pixel between letters: those
// needing more are worded shorter (the translations test checks). English
// captions fit as designed, and nothing is done for them.
void tightenTranslatedCaptions(QWidget* root);

// Text of the logic that is single-byte by design: the search box, fonts.
QString fromLatin1(std::string_view s);
// The board's letters and words: A to Z, and a board language's own
// letters (Ä, Ñ) in UTF-8.
QString fromUtf8(std::string_view s);

// The game's message box: modal, OK only, no icon, the game's title.
void messageBox(QWidget* parent, const QString& text);
// The same with Yes and No (No by default): whether Yes was chosen.
bool askYesNo(QWidget* parent, const QString& text);

// The look every window besides the main one shares: a fixed frame with a
// close button only, the design's font sizes at any scale, modal, white
// behind the picture.
void setUpDialog(QDialog* dialog);

// The primary screen's whole area, in pixels; 1024 x 768 when there is no
// screen at all.
QRect screenArea();

// The top-left corner that centres a rectangle of `size` on the screen area.
QPoint centredOnScreen(QSize size);

// The part of the primary screen that windows may take: its area less the
// desktop's panels and docks.
QRect availableArea();

// Opens an added window, one the player may resize, inside the available
// area: at `size` where the area allows, else smaller but never below
// `minimum`, with its client area at `clientTopLeft`, moved just enough
// that the window and its frame lie inside the area.
void placeInside(QWidget* window, QPoint clientTopLeft, QSize size, QSize minimum);

// Where an added window opens: left of the results window's place (which
// is right of the centred main window), level with it where the screen is
// tall enough.
QPoint addedWindowPlace(QSize size);

// The client area's top-left corner for a window of `size` beside `other`:
// to its right where that fits in the available area, else to its left,
// else as far right as it fits. Level with `other`.
QPoint beside(const QWidget* other, QSize size);

// The player's settings file (~/.config/golexorb/golexorb.conf).
QSettings playerSettings();

// Draws the shared background picture unscaled at the top-left corner; at
// any scale but 1, its twice-the-size drawing, smoothly resampled.
void paintBackground(QWidget* window);

} // namespace golexorb
