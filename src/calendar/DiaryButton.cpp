// The diary button of the calendar frame: the password check and the diary row of the day.
#include "calendar/CalendarFrame.h"
#include "calendar/DiaryTable.h"
#include "calendar/MEMO.h"
#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "core/Msg2.h"
#include "platform/ModalWindows.h"

#include <QLabel>

using namespace Qt::StringLiterals;

std::optional<QString> CalendarFrame::userBehindPassword(const QString& refusal) {
    const QString user = m_currentUser();
    if (user == u"Guest"_s) {
        Mod1::ShowMessage(refusal, Mod1::KindNotice, &m_window, Mod1::FocusOk);
        return std::nullopt;
    }

    Mod1::MsgOwner = &m_window;
    Mod1::MsgText = u"[ "_s + user + u" ]"_s + u"さんのパスワードを入力して下さい。"_s;
    {
        Msg2 prompt;
        platform::ModalWindows::exec(prompt);
    }
    const QString password = Mod1::MsgText;
    if (!calendar::passwordMatches(user, password)) {
        Mod1::ShowMessage(u"パスワードが間違っています。"_s, Mod1::KindNotice, &m_window, Mod1::FocusOk);
        return std::nullopt;
    }
    return user;
}

void CalendarFrame::Cmd_Edit_Click() {
    const std::optional<QString> user = userBehindPassword(u"Guestの方は日記を登録できません。"_s);
    if (!user)
        return;
    const QString date = ClickDate->text();
    calendar::makeDiaryRow(date, *user);

    MEMO editor(date, *user);
    platform::ModalWindows::exec(editor);
}
