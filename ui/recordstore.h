#pragma once
// The player's records file, records.txt in the game's data folder. Each
// round is entered under a lock file, read, merged and written back whole
// through a temporary file, so two copies of the game finishing rounds at
// once both count and a crash never leaves half a file.

#include "records.h"

#include <QString>

namespace golexorb {

class RecordStore {
public:
    // An empty folder means the game's data folder, looked up when used.
    explicit RecordStore(QString folder = {});

    static QString defaultFolder();
    QString folder() const;
    QString filePath() const;

    // Enters a finished round (when it is recordable) and tells how it
    // compares, with the rounds of its length. Problems are reported on standard error and leave the note
    // marked unavailable; a file that cannot be read as records is renamed
    // aside, never overwritten, and the records start afresh.
    game::RecordNote finishRound(const game::Round& round);

private:
    QString folder_;
};

} // namespace golexorb
