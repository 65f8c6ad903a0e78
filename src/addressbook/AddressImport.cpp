#include "addressbook/AddressImport.h"

#include "addressbook/AddressRecord.h"
#include "addressbook/EraDate.h"
#include "core/Mod1.h"
#include "core/Text.h"
#include "platform/SqlText.h"

#include <QSet>

using namespace Qt::StringLiterals;
using platform::sqlText;

namespace addressbook {

namespace {

// The sex code to store, given as a code or a name of Mst_Sex; empty for none. Nothing when
// Mst_Sex does not know it.
std::optional<QString> sexCode(const QString& sex, const QMap<QString, QString>& sexes) {
    const QString given = sex.trimmed();
    if (given.isEmpty() || sexes.contains(given))
        return given;
    const QString code = sexes.key(given);
    if (code.isEmpty())
        return std::nullopt;
    return code;
}

// Why a record cannot be written; empty when it can. Puts the sex as its code.
QString refusal(AddressEntry& entry, const QMap<QString, QString>& sexes) {
    if (core::trimBlanks(entry[Column::Name_1]).isEmpty())
        return u"名前がありません。"_s;
    const std::optional<QString> code = sexCode(entry[Column::Sex_cd], sexes);
    if (!code)
        return u"性別「%1」は登録されていません。"_s.arg(entry[Column::Sex_cd]);
    entry[Column::Sex_cd] = *code;
    const QString& birth = entry[Column::Birth];
    if (!birth.isEmpty() && !storedBirthDate(birth))
        return u"誕生日「%1」が日付ではありません。"_s.arg(birth);
    return {};
}

QString value(const AddressEntry& entry, Column column) {
    if (column == Column::Sex_cd)
        return entry[column].isEmpty() ? u"Null"_s : entry[column];
    return u"'"_s + sqlText(entry[column]) + u"'"_s;
}

QString insertStatement(const AddressEntry& entry) {
    QStringList names, values;
    for (std::size_t i = 0; i < columnCount; ++i) {
        names.append(columnName(Column(i)));
        values.append(value(entry, Column(i)));
    }
    return u"INSERT INTO Mst_Address("_s + names.join(u',') + u") Values("_s + values.join(u" , "_s) + u");"_s;
}

// Every column but the name, which stays.
QString updateStatement(const AddressEntry& entry) {
    QStringList settings;
    for (std::size_t i = 1; i < columnCount; ++i)
        settings.append(columnName(Column(i)) + u" = "_s + value(entry, Column(i)));
    return u"UPDATE Mst_Address SET "_s + settings.join(u" , "_s) + u" Where Name_1 = '"_s +
           sqlText(entry[Column::Name_1]) + u"';"_s;
}

// The names in the book, as the engine stores them.
QSet<QString> storedNames() {
    Mod1::Sql = u"select Name_1 from Mst_Address"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    QSet<QString> names;
    names.reserve(Mod1::Rs->rowCount());
    for (; !Mod1::Rs->atEnd(); Mod1::Rs->moveNext())
        names.insert(fieldText(u"Name_1"_s));
    return names;
}

} // namespace

QStringList namesInBook(const std::vector<IncomingEntry>& entries) {
    const QSet<QString> stored = storedNames();
    QSet<QString> listed;
    QStringList names;
    for (const IncomingEntry& in : entries) {
        const QString& name = in.entry[Column::Name_1];
        const QString key = platform::storedText(name);
        if (stored.contains(key) && !listed.contains(key)) {
            listed.insert(key);
            names.append(name);
        }
    }
    return names;
}

ImportSummary importEntries(const std::vector<IncomingEntry>& entries, OnExisting onExisting) {
    platform::Transaction transaction(*Mod1::Db);
    const QMap<QString, QString> sexes = sexNames();
    QSet<QString> names = storedNames();
    ImportSummary summary;
    for (const IncomingEntry& in : entries) {
        AddressEntry entry = in.entry;
        const QString& name = entry[Column::Name_1];
        const QString reason = refusal(entry, sexes);
        if (!reason.isEmpty()) {
            summary.refused.append({in.line, name, reason});
            continue;
        }
        const QString stored = platform::storedText(name);
        if (names.contains(stored) && onExisting == OnExisting::Skip) {
            summary.skipped.append(name);
            continue;
        }
        const bool replacing = names.contains(stored);
        Mod1::Sql = replacing ? updateStatement(entry) : insertStatement(entry);
        Mod1::Db->execute(Mod1::Sql);
        (replacing ? summary.replaced : summary.added).append(name);
        names.insert(stored);
        if (!in.leftOut.isEmpty())
            summary.leftOut.append({in.line, name, u"取り込まなかった項目: "_s + in.leftOut.join(u", "_s)});
    }
    transaction.commit();
    return summary;
}

} // namespace addressbook
