#include "users/UserFrame.h"

#include "core/AppSettings.h"
#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/ModalWindows.h"
#include "platform/ProgramEnd.h"
#include "platform/WindowLayout.h"
#include "users/SeqUser.h"
#include "users/UserTable.h"

#include <QComboBox>
#include <QFocusEvent>

using namespace Qt::StringLiterals;

UserFrame::UserFrame(QWidget& window, QWidget* frame, QPushButton* quit, QPushButton* minimise)
    : QObject(&window), m_window(window) {
    using enum platform::Kind;
    const QList<platform::Control> controls{
        {ComboBox, u"Cmb_User"_s, {90, 225, 2130, 285}, {.to = &Cmb_User}},
        {Button,
         u"FE_User"_s,
         {2250, 225, 285, 285},
         {.tip = u"ユーザー設定"_s, .icon = u"system-users"_s, .to = &FE_User}},
    };
    platform::layOut(frame, controls);
    Cmb_User->installEventFilter(this);

    core::connectGuarded(FE_User, &QPushButton::clicked, this, &UserFrame::FE_User_Click, &m_window);
    connect(quit, &QPushButton::clicked, this, &UserFrame::SSCommand1_Click);
    connect(minimise, &QPushButton::clicked, this, &UserFrame::SSCommand2_Click);
}

void UserFrame::FillUserList() {
    const QStringList names = users::userNames();
    Cmb_User->clear();
    Cmb_User->addItems(names);

    // A saved user who has been deleted since is not shown: Guest stands in.
    const QString saved = core::setting(u"User"_s);
    const bool known = Cmb_User->findText(saved, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
    Cmb_User->setEditText(saved.isEmpty() || saved == u"Guest"_s || !known ? u"Guest"_s : saved);
}

void UserFrame::saveCurrentUser() {
    core::saveSetting(u"User"_s, Cmb_User->currentText());
}

bool UserFrame::eventFilter(QObject* watched, QEvent* event) {
    // Opening the box's own list does not take the focus away from it.
    if (watched == Cmb_User && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        Cmb_User_LostFocus();
    return QObject::eventFilter(watched, event);
}

void UserFrame::Cmb_User_LostFocus() {
    saveCurrentUser();
}

void UserFrame::FE_User_Click() {
    SeqUser window;
    platform::ModalWindows::exec(window);
}

void UserFrame::SSCommand2_Click() {
    Mod1::TargetForm = &m_window;
    Mod1::TargetForm->setWindowState(Mod1::TargetForm->windowState() | Qt::WindowMinimized);
}

void UserFrame::SSCommand1_Click() {
    Mod1::Ret = QString::number(
        Mod1::ShowMessage(u"Tamoru　を終了してもよろしいですか？"_s, Mod1::KindQuestion, &m_window, Mod1::FocusNo));
    if (Mod1::Ret.toInt() != Mod1::AnswerNo)
        platform::endProgram();
}
