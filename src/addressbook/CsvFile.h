#pragma once

#include "addressbook/AddressEntry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <vector>

// Phone-book records as CSV (RFC 4180) for spreadsheet programs: a header row naming the
// columns as the entry window labels them, in the table's order, then a row a record with the
// sex by its name in Mst_Sex. A field with a comma, a double quote or a line break is quoted,
// its quotes doubled; rows end in CR LF, and line breaks inside fields stay as stored.
namespace addressbook {

enum class CsvEncoding { Utf8, Cp932 };

// UTF-8 begins with a byte order mark; code page 932 (Shift_JIS as Windows writes it) has
// none. `sexNames` gives the name of each sex code; a code without a name is written as it is.
// Throws core::FileError, naming the record, the column and the character, when code page 932
// lacks a character.
QByteArray writeCsv(const std::vector<AddressEntry>& entries, const QMap<QString, QString>& sexNames,
                    CsvEncoding encoding);

// Reads UTF-8 when the data begins with a byte order mark or is UTF-8 throughout, else code
// page 932. The header names columns by their labels, in any order; 名前 is needed, and a
// column left out reads as empty text. The sex stays as written (its name or its code). Rows
// of empty fields are passed over, and a row may have fewer fields than the header. Throws
// core::FileError for text in neither encoding, no header, a label that is unknown or repeated,
// a header without 名前, a row with more fields than the header, or a quoted field not closed
// right.
std::vector<IncomingEntry> readCsv(QByteArrayView data);

} // namespace addressbook
