#pragma once
// Logging out, `kill`, a closed terminal or Ctrl+C (SIGTERM, SIGHUP, SIGINT)
// end the game the orderly way: the main window closes as if the player had
// closed it, which removes the temporary copy of the word list, and the
// process then ends by that signal, so whoever started it sees why. A second
// signal while the first is being handled ends the process at once.

class QWidget;

namespace golexorb {

// The first line of main: from here on a signal is never lost, whatever
// start-up is doing. A signal the game was started to ignore (nohup) stays
// ignored.
void catchShutdownSignals();

// Whether a signal has come.
bool shutdownRequested();

// Once the application object exists: a signal closes `window` as soon as
// it is shown (at once, if it is). A later call names another window (the
// box that says start-up failed) instead.
void closeOnShutdownSignals(QWidget* window);

// The last line of main, once all is cleaned up: ends the process by the
// signal that came, if one did.
void endByShutdownSignal();

} // namespace golexorb
