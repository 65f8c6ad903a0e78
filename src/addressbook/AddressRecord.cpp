#include "addressbook/AddressRecord.h"

#include "core/Mod1.h"
#include "core/Text.h"
#include "platform/SqlText.h"

#include <QComboBox>
#include <QListWidget>

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

void fillNames(QListWidget* list, const QString& statement) {
    Mod1::Rs = Mod1::Db->openRecordset(statement, platform::Database::Dynaset);
    QStringList names;
    names.reserve(Mod1::Rs->rowCount());
    while (!Mod1::Rs->atEnd()) {
        names.append(fieldText(u"Name_1"_s));
        Mod1::Rs->moveNext();
    }
    list->clear();
    list->addItems(names);
}

void addSexes(QComboBox* box) {
    Mod1::Sql = u"select * from Mst_Sex order by Sex_Cd"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    while (!Mod1::Rs->atEnd()) {
        box->addItem(fieldText(u"Sex_Cd"_s) + u' ' + fieldText(u"Sex_Name"_s));
        Mod1::Rs->moveNext();
    }
}

} // namespace addressbook
