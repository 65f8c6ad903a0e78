#pragma once

#include "addressbook/AddressEntry.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// Records read from a file (vCard or CSV) written into the phone book.
namespace addressbook {

// What becomes of a record whose name is already in the book.
enum class OnExisting { Skip, Replace };

struct RecordNote {
    int line = 0; // where the record starts in its file
    QString name;
    QString text; // in Japanese
};

struct ImportSummary {
    QStringList added, replaced, skipped; // names, in the file's order
    QList<RecordNote> refused;            // with the reason
    QList<RecordNote> leftOut;            // written without some of what the file held for them
};

// Writes the records in their order, in one transaction. A record is refused, with its reason,
// when its name is empty or blank, its sex is neither a code nor a name of Mst_Sex, or its
// birth is no date ("yyyy/m/d"); an empty sex is stored as Null, every other empty column as
// empty text. A record whose name the book already holds (an earlier one of the same file
// included) is skipped or replaced whole, as asked. An engine error undoes everything and is
// thrown on.
ImportSummary importEntries(const std::vector<IncomingEntry>& entries, OnExisting onExisting);

// The names among the records that the book already holds, each once, in the records' order.
QStringList namesInBook(const std::vector<IncomingEntry>& entries);

} // namespace addressbook
