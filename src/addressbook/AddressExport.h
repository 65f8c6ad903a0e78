#pragma once

#include "addressbook/AddressEntry.h"

#include <QByteArray>
#include <vector>

// The phone book written out for other programs. Engine errors reach the caller as thrown.
namespace addressbook {

// The forms the book is written in and read from: vCard 3.0 (see VCard.h), and CSV (see
// CsvFile.h) in UTF-8 or, for spreadsheet programs that expect it, in Shift_JIS (code page 932).
// Reading tells the two CSV encodings apart by itself.
enum class AddressFormat { VCard, Csv, CsvShiftJis };

// Every address record as stored, in reading order (reading, then name); Null reads as empty.
std::vector<AddressEntry> storedEntries();

struct Exported {
    QByteArray data;
    qsizetype count = 0; // records written
};
// Every record in the form; throws core::FileError for Shift_JIS when a record holds a
// character it lacks.
Exported exportAddresses(AddressFormat format);

} // namespace addressbook
