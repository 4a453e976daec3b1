#pragma once
// Logging out, `kill`, a closed terminal or Ctrl+C (SIGTERM, SIGHUP, SIGINT)
// end the game the orderly way: the main window closes as if the player had
// closed it, which removes the temporary copy of the word list, and the
// process then ends by that signal, so whoever started it sees why. A second
// signal while the first is being handled ends the process at once.

class QWidget;

namespace golexorb {

// Call once, before start-up writes the word list. A signal that comes
// before `window` is first shown closes it as soon as it is.
void closeOnShutdownSignals(QWidget* window);

} // namespace golexorb
