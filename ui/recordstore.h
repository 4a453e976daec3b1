#pragma once
// The player's records files, records.txt in the game's data folder for
// English and records-CODE.txt for each other board language (the same
// format: each language's scores and Progress apart). Each
// round is entered under a lock file, read, merged and written back whole
// through a temporary file, so two copies of the game finishing rounds at
// once both count and a crash never leaves half a file. The lock is never
// waited for: a round that finds it held waits in a file of its own.
//
// Paths are kept as the file system's bytes: a folder name need not be
// UTF-8, and a name decoded to text and encoded back would be another.

#include "records.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace golexorb {

class RecordStore {
public:
    // An empty folder means the game's data folder, looked up when used.
    explicit RecordStore(QString folder = {});

    // The game's data folder: $XDG_DATA_HOME/golexorb when XDG_DATA_HOME is
    // an absolute path (the XDG rules ignore any other), otherwise
    // $HOME/.local/share/golexorb. Empty when HOME is not set either: the
    // records are off.
    static std::string defaultFolder();
    std::string folder() const;

    // Enters a finished round (when it is recordable) and tells how it
    // compares, with the rounds of its length. Problems are reported on
    // standard error and leave the note marked unavailable; a file that
    // cannot be read as records is renamed aside, never overwritten, and
    // the records start afresh. It never waits: when another copy of the
    // game holds the records' lock, the round waits in a file of its own
    // (records.pending-XXXXXX) and counts in the note as if entered, and
    // waiting() is true until enterWaiting() has entered it. Rounds left
    // waiting are entered with the next round entered, by any copy.
    game::RecordNote finishRound(const game::Round& round, std::string_view language = "en");
    // The file of a board language's records in the folder: records.txt for English.
    static std::string fileName(std::string_view language);

    // Enters the rounds waiting in the folder, of every board language,
    // unless another copy holds the lock: false then, to be tried again
    // later. Never waits.
    bool enterWaiting();
    // A round of this store's waits to be entered.
    bool waiting() const { return waiting_; }

    // What the last finishRound or enterWaiting said on standard error;
    // empty when nothing.
    const std::string& said() const { return said_; }

private:
    void warn(const std::string& text);
    std::optional<game::Records> load(const std::string& path, bool locked);
    bool save(const std::string& path, game::Records& records);
    static game::RecordNote noteFor(game::Records& records, const game::Round& round, game::RecordNote note);
    static std::optional<std::string> writePending(const std::string& dir, const game::Round& round,
                                                   std::string_view language, std::string& problem);
    std::vector<std::string> enterPending(const std::string& dir, std::string_view language, game::Records& records,
                                          bool locked, const std::string& skip);
    void finishPending(const std::string& dir, const std::vector<std::string>& entered);

    std::string folder_;
    bool saidOff_ = false; // records off: said once
    bool waiting_ = false;
    std::string said_;
};

} // namespace golexorb
