#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Whole database files: copies for safekeeping and the check of a file before it is used.
// Every failure is thrown as an EngineError with the engine's words.
namespace platform {

// Writes a consistent copy of the database file `source` to `target`, even while other
// programs write to the source (the copy holds every change committed before it started, and
// those writers wait for it). The copy is made and synced under another name beside the
// target, then renamed over it, so a copy that fails leaves any earlier target as it was.
void copyDatabaseFile(const QString& source, const QString& target);

// The tables of a database file and the columns of each, once the engine's integrity check
// has passed. Throws Missing, NotADatabase or Corrupt (with the check's first finding).
QMap<QString, QStringList> inspectDatabaseFile(const QString& fileName);

} // namespace platform
