#pragma once
// What the game logic needs from the outside world. The window layer gives the
// real thing; tests give a scripted one.

#include <string>
#include <string_view>

namespace game {

class Platform {
public:
    virtual ~Platform() = default;

    // Re-seeds the random source from the clock.
    virtual void randomize() = 0;
    // Next uniform fraction r, 0 <= r < 1.
    virtual double rnd() = 0;

    // Modal message box with an OK button only; returns when dismissed.
    virtual void msgBox(std::string_view text) = 0;

    // Lets pending paint, timer and input events run once. The window layer
    // first brings the widgets in line with the state.
    virtual void doEvents() = 0;

    // Bytes of the embedded resource of the given type and name, read where
    // they lie: they stay valid and unchanged until they are handed to
    // releaseResData, and must not be read after that. Throws
    // std::runtime_error when it cannot be read.
    virtual std::string_view loadResData(std::string_view type, std::string_view name) = 0;

    // Gives back the memory that holds `bytes`, a view loadResData returned,
    // once nothing needs them any more: reading them afterwards is an error
    // (the pages may be gone, or read back from the program file at a cost).
    virtual void releaseResData(std::string_view bytes) { (void)bytes; }

    // A short warning sound: a typed letter that no cell can take.
    virtual void beep() {}
};

} // namespace game
