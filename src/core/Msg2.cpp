#include "core/Msg2.h"

#include "core/MessagePlacement.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/ImeMode.h"
#include "platform/Twips.h"

#include <QLineEdit>
#include <QStyle>

using namespace Qt::StringLiterals;
using platform::placeTwips;

Msg2::Msg2(QWidget* parent) : QDialog(parent) {
    setObjectName(u"Msg2"_s);
    setWindowTitle(u"Tamoru ～ メッセージ ～"_s);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    platform::setClientSizeTwips(this, 4650, 1530);

    LB_Msg = new platform::Panel3D(this);
    LB_Msg->setObjectName(u"LB_Msg"_s);
    placeTwips(LB_Msg, 45, 45, 4560, 600);

    Txt_Msg = new QLineEdit(this);
    Txt_Msg->setObjectName(u"Txt_Msg"_s);
    Txt_Msg->setEchoMode(QLineEdit::Password);
    Txt_Msg->setStyleSheet(u"QLineEdit { lineedit-password-character: 42; }"_s); // "*"
    platform::setImeMode(Txt_Msg, platform::ImeMode::Disabled);
    placeTwips(Txt_Msg, 45, 675, 4560, 285);

    Cmd_OK =
        new platform::Button3D(QString(15, u' ') + u"確認"_s, style()->standardIcon(QStyle::SP_DialogOkButton), this);
    Cmd_OK->setObjectName(u"Cmd_OK"_s);
    Cmd_OK->setDefault(true);
    placeTwips(Cmd_OK, 45, 1035, 4560, 465);
    Cmd_OK->hide();

    setTabOrder(Txt_Msg, Cmd_OK);
    connect(Cmd_OK, &QPushButton::clicked, this, &Msg2::Cmd_OK_Click);

    Form_Load();
}

void Msg2::Form_Load() {
    core::centreOverOwner(this, Mod1::MsgOwner);
    Cmd_OK->show();
    LB_Msg->setCaption(Mod1::MsgText);
    Txt_Msg->setFocus();
}

void Msg2::Cmd_OK_Click() {
    Mod1::MsgText = Txt_Msg->text();
    accept();
}
