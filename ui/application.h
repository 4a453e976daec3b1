#pragma once

class QWidget;

namespace golexorb {

// Application name, version, icon and the embedded fonts. Call once, after
// the QApplication exists and before any window is made.
void setupApplication();

// The designs give sizes in points at 96 dots per inch; fix every widget's
// font to that many pixels so the windows look the same at any resolution.
void applyDesignFontSizes(QWidget* root);

// Draws the shared background picture unscaled at the top-left corner.
void paintBackground(QWidget* window);

} // namespace golexorb
