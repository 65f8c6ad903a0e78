#include "addressbook/AddressRecord.h"

#include "core/Mod1.h"
#include "core/Text.h"
#include "platform/NameList.h"
#include "platform/SqlText.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

namespace addressbook {

QString fieldText(const QString& column) {
    return Mod1::Rs->field(column).toString();
}

bool openAddressRecord(const QString& entry) {
    Mod1::Sql = u"select Mst_Address.* , Mst_Sex.* from Mst_Address , Mst_Sex"_s + u" Where Name_1 = '"_s +
                platform::sqlText(core::trimBlanks(entry)) + u"' "_s + u" AND Mst_Address.Sex_cd = Mst_Sex.sex_cd ;"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    // The trimmed name may also find another record, the one named without the blanks.
    while (!Mod1::Rs->atEnd()) {
        if (Mod1::Rs->field(u"Name_1"_s).toString() == entry)
            return true;
        Mod1::Rs->moveNext();
    }
    Mod1::Sql = u"select Mst_Address.* , Mst_Sex.* from Mst_Address left join Mst_Sex"_s +
                u" on Mst_Address.Sex_cd = Mst_Sex.sex_cd Where Name_1 = '"_s + platform::sqlText(entry) + u"' ;"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    return !Mod1::Rs->atEnd();
}

std::optional<QVariantList> storedRecord(const QString& name) {
    Mod1::Sql = u"select * from Mst_Address Where Name_1 = '"_s + platform::sqlText(name) + u"'"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    if (Mod1::Rs->atEnd())
        return std::nullopt;
    return Mod1::Rs->values();
}

void fillNames(platform::NameList* list, const QString& statement) {
    // A list shows nothing but names: only they are read, the statement's conditions and order
    // kept. The index of readings and names holds them in reading order, so the engine never
    // reads a record to list it.
    static const QString everyColumn = u"select * from "_s;
    QString names = statement;
    if (names.startsWith(everyColumn, Qt::CaseInsensitive))
        names.replace(0, everyColumn.size(), u"select Name_1 from "_s);
    list->setNames(Mod1::Db->openRecordset(names, platform::Database::Dynaset), u"Name_1"_s);
}

void addSexes(QComboBox* box) {
    Mod1::Sql = u"select * from Mst_Sex order by Sex_Cd"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    while (!Mod1::Rs->atEnd()) {
        box->addItem(fieldText(u"Sex_Cd"_s) + u' ' + fieldText(u"Sex_Name"_s));
        Mod1::Rs->moveNext();
    }
}

QMap<QString, QString> sexNames() {
    Mod1::Sql = u"select * from Mst_Sex"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    QMap<QString, QString> names;
    for (; !Mod1::Rs->atEnd(); Mod1::Rs->moveNext())
        names.insert(fieldText(u"Sex_Cd"_s), fieldText(u"Sex_Name"_s));
    return names;
}

} // namespace addressbook
