#pragma once

#include "addressbook/AddressExport.h"
#include "addressbook/AddressImport.h"

#include <QString>
#include <limits>
#include <vector>

// Phone-book files as the menu and the command line handle them. File trouble is thrown as
// core::FileError, the engine's as EngineError.
namespace addressbook {

// The records of a vCard or CSV file (either CSV form reads both encodings).
std::vector<IncomingEntry> readAddressFile(const QString& path, AddressFormat format);

// Writes every record to the file in the form; returns how many.
qsizetype exportAddressFile(const QString& path, AddressFormat format);

// An import's outcome for the user: the four counts on one line, then a line for each refused
// record with why and for each record written without some of its file's content, at most
// `listed` of them (the rest counted).
QString summaryText(const ImportSummary& summary, qsizetype listed = std::numeric_limits<qsizetype>::max());

// Names for a message: at most `listed`, the rest counted.
QString someNames(const QStringList& names, qsizetype listed);

} // namespace addressbook
