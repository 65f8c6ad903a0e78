#pragma once

#include <QString>

namespace platform {

// Where TEL.mdb is. A TEL.mdb beside the program is used, as is the one of a portable program
// (one without a packaged data folder), present or not. An installed program otherwise uses
// the user's own, Tamoru/TEL.mdb in the per-user data folder; on its first start that file
// is due to be copied from the packaged starting database. When there is none to copy, the
// place is the packaged one, whose opening then says what is missing.
struct DatabasePlace {
    QString folder;       // the folder of the TEL.mdb to open
    QString startingCopy; // the packaged starting database to copy there first, or empty
};

DatabasePlace databasePlace();

// Copies the starting database that the place asks for into its folder, readable and
// writable by this user alone. False when the file was there already (another copy of the
// program put it there a moment ago). Throws EngineError when the folder takes no file.
bool copyStartingDatabase(const DatabasePlace& place);

} // namespace platform
