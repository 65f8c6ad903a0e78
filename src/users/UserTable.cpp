#include "users/UserTable.h"

#include "core/Mod1.h"
#include "platform/SqlText.h"

using namespace Qt::StringLiterals;
using platform::sqlText;

namespace users {

QStringList userNames() {
    Mod1::Sql = u"select * from Mst_User order by UserName"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    QStringList names;
    while (!Mod1::Rs->atEnd()) {
        names.append(Mod1::Rs->field(u"UserName"_s).toString());
        Mod1::Rs->moveNext();
    }
    Mod1::Rs->close();
    return names;
}

std::optional<QString> storedPassword(const QString& name) {
    // By the exact name: a user added with blanks at either end can be read, changed and
    // deleted like any other.
    Mod1::Sql = u"select * from Mst_User"_s + u" Where UserName = '"_s + sqlText(name) + u"' "_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    if (Mod1::Rs->atEnd())
        return std::nullopt;
    return Mod1::Rs->field(u"UserPass"_s).toString();
}

void insertUser(const QString& name, const QString& password) {
    Mod1::Sql = u"INSERT INTO Mst_User(UserName , UserPass)"_s + u" Values('"_s + sqlText(name) + u"'"_s + u" , '"_s +
                sqlText(password) + u"')"_s;
    Mod1::Db->execute(Mod1::Sql);
}

bool changePassword(const QString& name, const QString& loaded, const QString& password) {
    platform::Transaction change(*Mod1::Db);
    const std::optional<QString> stored = storedPassword(name);
    if (!stored)
        throw platform::EngineError(u"The user %1 is gone."_s.arg(name), platform::EngineError::Trouble::RowGone);
    if (*stored != loaded)
        return false;
    Mod1::Sql = u"UPDATE Mst_User"_s + u" SET UserPass = '"_s + sqlText(password) + u"'"_s + u" Where UserName = '"_s +
                sqlText(name) + u"'"_s;
    Mod1::Db->execute(Mod1::Sql);
    change.commit();
    return true;
}

void deleteUserWithDiary(const QString& name) {
    platform::Transaction both(*Mod1::Db);
    Mod1::Sql = u"delete from mst_user where username = '"_s + sqlText(name) + u"';"_s;
    Mod1::Db->execute(Mod1::Sql);
    Mod1::Sql = u"delete from TMP_Sche where username = '"_s + sqlText(name) + u"';"_s;
    Mod1::Db->execute(Mod1::Sql);
    both.commit();
}

} // namespace users
