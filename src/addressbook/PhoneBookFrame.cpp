#include "addressbook/PhoneBookFrame.h"

#include "addressbook/DataCreate.h"
#include "addressbook/PhoneBookMenu.h"
#include "addressbook/Search_1.h"
#include "platform/Controls3D.h"
#include "platform/ModalWindows.h"
#include "platform/WindowLayout.h"

using namespace Qt::StringLiterals;

PhoneBookFrame::PhoneBookFrame(QWidget* frame) : QObject(frame) {
    using enum platform::Kind;
    const QList<platform::Control> controls{
        {Button,
         u"Cmd_T1"_s,
         {90, 270, 330, 330},
         {.tip = u"マスタ登録"_s, .icon = u"x-office-address-book"_s, .to = &Cmd_T1}},
        {Panel, u"Lab_T1"_s, {450, 270, 1080, 330}, {.text = u"マスタ登録"_s, .to = &Lab_T1}},
        {Button, u"Cmd_T2"_s, {1620, 270, 330, 330}, {.tip = u"一覧照会"_s, .icon = u"system-search"_s, .to = &Cmd_T2}},
        {Panel, u"Lab_T2"_s, {1980, 270, 1050, 330}, {.text = u"一覧照会"_s, .to = &Lab_T2}},
    };
    platform::layOut(frame, controls);

    new PhoneBookMenu(frame);

    connect(Cmd_T1, &QPushButton::clicked, this, &PhoneBookFrame::Cmd_T1_Click);
    connect(Cmd_T2, &QPushButton::clicked, this, &PhoneBookFrame::Cmd_T2_Click);
}

void PhoneBookFrame::Cmd_T1_Click() {
    DataCreate window;
    platform::ModalWindows::exec(window);
}

void PhoneBookFrame::Cmd_T2_Click() {
    Search_1 window;
    platform::ModalWindows::exec(window);
}
