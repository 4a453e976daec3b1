#pragma once
// What a room asks of the main window, which implements it: RoomPlay
// reaches the window through this alone, and through the chat widgets it
// is handed.

#include "board.h"
#include "languages.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace golexorb {

class RoomWindow {
public:
    // Starts a round on the room's letters of `language` as Start would,
    // with `secondsLeft` on the clock; false while a round runs or while the
    // language's words are not loaded.
    virtual bool startRoomRound(const game::Board& letters, int minutes, int secondsLeft,
                                const wordlist::Language& language) = 0;
    // Letters drawn as Start draws them, shown nowhere, in the board language.
    virtual game::Board drawRoomLetters() = 0;
    // The board language Start draws in.
    virtual const wordlist::Language& boardLanguage() const = 0;
    // Whether the language's words are installed; whether they are loaded.
    virtual bool languageInstalled(const wordlist::Language& language) const = 0;
    virtual bool languageLoaded(const wordlist::Language& language) const = 0;
    // Loads the language's words for a round, as choosing it would, without
    // choosing it.
    virtual void loadLanguage(const wordlist::Language& language) = 0;
    // Whether this round's players may take hints: off unless the room's round allows them.
    virtual void setHelpAllowed(bool allowed) = 0;
    // Whether the player allows hints in the rounds they start in a room.
    virtual bool helpInRoomRounds() const = 0;
    // The words this board's last round accepted, in order, less those a hint gave.
    virtual std::vector<std::string> acceptedWords() const = 0;
    // The Game Time picked, in whole minutes; 0 when none is.
    virtual int pickedMinutes() const = 0;
    // Whether a round runs on this board.
    virtual bool roundRunning() const = 0;
    // Every word a board of `language` holds; nothing while its words are not loaded.
    virtual std::optional<std::set<std::string>> wordsOnBoard(const game::Board& board,
                                                              const wordlist::Language& language) const = 0;
    // Whether the window has the multiplayer height, the lower area in sight.
    virtual bool multiplayerHeight() const = 0;
    // The multiplayer height as "multiplaybtn" gives it, the window moved up
    // as far as needed for the lower area to show on the screen; or, off,
    // the one-player height as "oneplayerbtn" gives it.
    virtual void setMultiplayerHeight(bool on) = 0;
    // Says the text to a screen reader, when the spoken news is on.
    virtual void say(const std::string& text) = 0;

protected:
    ~RoomWindow() = default;
};

} // namespace golexorb
