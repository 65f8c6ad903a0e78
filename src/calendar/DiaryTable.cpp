#include "calendar/DiaryTable.h"

#include "core/Mod1.h"
#include "platform/SqlText.h"

using namespace Qt::StringLiterals;
using platform::sqlText;

namespace calendar {

namespace {

qint64 total() {
    return Mod1::Rs->field(u"TOTAL"_s).toLongLong();
}

// The user, and with it the user's diary, can be deleted by another copy of the program.
platform::EngineError rowGone(const QString& date, const QString& user) {
    return platform::EngineError(u"The diary row of %1 for %2 is gone."_s.arg(date, user),
                                 platform::EngineError::Trouble::RowGone);
}

} // namespace

bool passwordMatches(const QString& user, const QString& password) {
    Mod1::Sql = u"select count(*) as [TOTAL] FROM Mst_User"_s + u" WHERE UserName = '"_s + sqlText(user) + u"'"_s +
                u" AND UserPass = '"_s + sqlText(password) + u"'"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql);
    if (total() > 0)
        return true;
    if (!password.isEmpty())
        return false;
    Mod1::Sql = u"select count(*) as [TOTAL] FROM Mst_User"_s + u" WHERE UserName = '"_s + sqlText(user) + u"'"_s +
                u" AND UserPass Is Null"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql);
    return total() > 0;
}

void makeDiaryRow(const QString& date, const QString& user) {
    Mod1::Sql = u"select count(*) as [TOTAL] FROM TMP_Sche"_s + u" WHERE Date_Data = '"_s + sqlText(date) + u"'"_s +
                u" AND UserName = '"_s + sqlText(user) + u"'"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql);
    if (total() > 0)
        return;
    Mod1::Sql = u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('"_s + sqlText(date) + u"' , '' , '"_s +
                sqlText(user) + u"')"_s;
    Mod1::Db->execute(Mod1::Sql);
}

DiaryRow readDiaryRow(const QString& date, const QString& user) {
    Mod1::Sql = u"SELECT * FROM TMP_Sche"_s + u" WHERE Date_Data = '"_s + sqlText(date) + u"'"_s +
                u" And UserName = '"_s + sqlText(user) + u"'"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql);
    if (Mod1::Rs->atEnd())
        throw rowGone(date, user);
    return {Mod1::Rs->field(u"date_data"_s).toString(), Mod1::Rs->field(u"UserName"_s).toString(),
            Mod1::Rs->field(u"Daily_Data"_s).toString()};
}

void writeDiaryText(const QString& date, const QString& user, const QString& text) {
    Mod1::Sql = u"UPDATE TMP_Sche"_s + u" SET Daily_Data = '"_s + sqlText(text) + u"'"_s + u" Where Date_Data = '"_s +
                sqlText(date) + u"'"_s + u" And UserName = '"_s + sqlText(user) + u"'"_s;
    Mod1::Db->execute(Mod1::Sql);
}

} // namespace calendar
