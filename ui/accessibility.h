#pragma once
// What lets every player read and hear the windows, set up once for the
// whole application: a named drop-down list keeps its name, the news of a
// round reaches screen readers (see announcer.h), and tooltips come in the
// desktop's tooltip colours.

namespace golexorb {

// Call once, after the QApplication exists.
void setUpAccessibility();

} // namespace golexorb
