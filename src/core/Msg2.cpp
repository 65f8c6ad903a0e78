#include "core/Msg2.h"

#include "core/MessagePlacement.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"

#include <QLineEdit>
#include <QStyle>

using namespace Qt::StringLiterals;

Msg2::Msg2(QWidget* parent) : QDialog(parent) {
    setObjectName(u"Msg2"_s);
    setWindowTitle(u"Tamoru ～ メッセージ ～"_s);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    platform::setClientSizeTwips(this, 4650, 1530);

    using enum platform::Kind;
    const QIcon ok = style()->standardIcon(QStyle::SP_DialogOkButton);
    const QList<platform::Control> controls{
        {Panel, u"LB_Msg"_s, {45, 45, 4560, 600}, {.to = &LB_Msg}},
        {PasswordBox, u"Txt_Msg"_s, {45, 675, 4560, 285}, {.ime = platform::ImeMode::Disabled, .to = &Txt_Msg}},
        {Button,
         u"Cmd_OK"_s,
         {45, 1035, 4560, 465},
         {.text = QString(15, u' ') + u"確認"_s, .icon = ok, .hidden = true, .isDefault = true, .to = &Cmd_OK}},
    };
    platform::layOut(this, controls);

    setTabOrder(Txt_Msg, Cmd_OK);
    connect(Cmd_OK, &QPushButton::clicked, this, &Msg2::Cmd_OK_Click);

    Form_Load();
}

void Msg2::Form_Load() {
    core::centreOverOwner(this, Mod1::MsgOwner);
    Cmd_OK->show();
    LB_Msg->setTextFit(platform::Panel3D::TextFit::Wrap);
    LB_Msg->setCaption(Mod1::MsgText);
    Txt_Msg->setFocus();
}

void Msg2::Cmd_OK_Click() {
    Mod1::MsgText = Txt_Msg->text();
    accept();
}
