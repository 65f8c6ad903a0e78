// The diary button of the calendar frame: the password check and the diary row of the day.
#include "calendar/CalendarFrame.h"
#include "calendar/MEMO.h"
#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "core/Msg2.h"
#include "platform/ModalWindows.h"
#include "platform/SqlText.h"

#include <QLabel>

using namespace Qt::StringLiterals;
using platform::sqlText;

namespace {

qint64 total() {
    return Mod1::Rs->field(u"TOTAL"_s).toLongLong();
}

bool passwordMatches(const QString& user, const QString& password) {
    Mod1::Sql = u"select count(*) as [TOTAL] FROM Mst_User"_s + u" WHERE UserName = '"_s + sqlText(user) + u"'"_s +
                u" AND UserPass = '"_s + sqlText(password) + u"'"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql);
    if (total() > 0)
        return true;
    if (!password.isEmpty())
        return false;
    // A user whose password was never set (Null) has the empty password.
    Mod1::Sql = u"select count(*) as [TOTAL] FROM Mst_User"_s + u" WHERE UserName = '"_s + sqlText(user) + u"'"_s +
                u" AND UserPass Is Null"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql);
    return total() > 0;
}

} // namespace

void CalendarFrame::Cmd_Edit_Click() {
    const QString user = m_currentUser();
    if (user == u"Guest"_s) {
        Mod1::ShowMessage(u"Guestの方は日記を登録できません。"_s, Mod1::KindNotice, &m_window, Mod1::FocusOk);
        return;
    }

    Mod1::MsgOwner = &m_window;
    Mod1::MsgText = u"[ "_s + user + u" ]"_s + u"さんのパスワードを入力して下さい。"_s;
    {
        Msg2 prompt;
        platform::ModalWindows::exec(prompt);
    }
    const QString password = Mod1::MsgText;
    if (!passwordMatches(user, password)) {
        Mod1::ShowMessage(u"パスワードが間違っています。"_s, Mod1::KindNotice, &m_window, Mod1::FocusOk);
        return;
    }

    const QString date = ClickDate->text();
    Mod1::Sql = u"select count(*) as [TOTAL] FROM TMP_Sche"_s + u" WHERE Date_Data = '"_s + sqlText(date) + u"'"_s +
                u" AND UserName = '"_s + sqlText(user) + u"'"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql);
    if (total() == 0) {
        Mod1::Sql = u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('"_s + sqlText(date) +
                    u"' , '' , '"_s + sqlText(user) + u"')"_s;
        Mod1::Db->execute(Mod1::Sql);
    }

    MEMO editor(date, user);
    platform::ModalWindows::exec(editor);
}
