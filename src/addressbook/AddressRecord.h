#pragma once

#include <QMap>
#include <QString>
#include <QVariantList>
#include <optional>

class QComboBox;

namespace platform {
class NameList;
}

namespace addressbook {

// Opens into Mod1::Rs the address record named by an entry of a name list, together with
// its sex row, and leaves Rs on that record's row. The lookup is by the entry without blanks
// at either end, joined to Mst_Sex; when that finds no row that is this very record (its sex
// code has no Mst_Sex row, or its name has blanks at either end), the record is read by its
// exact name with the sex columns Null. False when there is no such record any more.
bool openAddressRecord(const QString& entry);

// Every column of the address record named exactly `name`, as stored; nothing when there is
// no such record.
std::optional<QVariantList> storedRecord(const QString& name);

// The text of a column of the current row of Mod1::Rs; Null reads as empty text.
QString fieldText(const QString& column);

// Fills a list with the names of the address records a statement ("select * from
// Mst_Address ...") finds, in its order; nothing is chosen.
void fillNames(platform::NameList* list, const QString& statement);

// Adds the rows of Mst_Sex to a sex box, as code and name ("1 男性"), by code.
void addSexes(QComboBox* box);

// The rows of Mst_Sex: each code, as text ("1"), with its name.
QMap<QString, QString> sexNames();

} // namespace addressbook
