#include "addressbook/PhoneBookFrame.h"

#include "addressbook/DataCreate.h"
#include "addressbook/Search_1.h"
#include "platform/Controls3D.h"
#include "platform/ModalWindows.h"
#include "platform/Twips.h"

using namespace Qt::StringLiterals;
using platform::placeTwips;

PhoneBookFrame::PhoneBookFrame(QWidget* frame) : QObject(frame) {
    const auto button = [frame](const QString& name, const QString& iconName, double left) {
        auto* b = new platform::Button3D({}, QIcon::fromTheme(iconName), frame);
        b->setObjectName(name);
        placeTwips(b, left, 270, 330, 330);
        return b;
    };
    const auto panel = [frame](const QString& name, const QString& caption, double left, double width) {
        auto* p = new platform::Panel3D(caption, frame);
        p->setObjectName(name);
        placeTwips(p, left, 270, width, 330);
        return p;
    };
    Cmd_T1 = button(u"Cmd_T1"_s, u"x-office-address-book"_s, 90);
    Lab_T1 = panel(u"Lab_T1"_s, u"マスタ登録"_s, 450, 1080);
    Cmd_T2 = button(u"Cmd_T2"_s, u"system-search"_s, 1620);
    Lab_T2 = panel(u"Lab_T2"_s, u"一覧照会"_s, 1980, 1050);

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
