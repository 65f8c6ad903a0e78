#pragma once

#include "addressbook/AddressEntry.h"
#include "addressbook/CsvFile.h"

#include <QByteArray>
#include <vector>

// The phone book written out for other programs. Engine errors reach the caller as thrown.
namespace addressbook {

// Every address record as stored, in reading order (reading, then name); Null reads as empty.
std::vector<AddressEntry> storedEntries();

// Every record as vCard 3.0 (see VCard.h).
QByteArray exportVCards();
// Every record as CSV (see CsvFile.h); throws ExchangeError for code page 932 when a record
// holds a character it lacks.
QByteArray exportCsv(CsvEncoding encoding);

} // namespace addressbook
