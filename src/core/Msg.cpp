#include "core/Msg.h"

#include "core/MessagePlacement.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Twips.h"

#include <QStyle>

using namespace Qt::StringLiterals;
using platform::placeTwips;

namespace {

QString blanks(int count) {
    return QString(count, u' ');
}

} // namespace

Msg::Msg(QWidget* parent) : QDialog(parent) {
    setObjectName(u"Msg"_s);
    setWindowTitle(u"Tamoru ～ メッセージ ～"_s);
    platform::setClientSizeTwips(this, 4665, 1140);

    LB_Msg = new platform::Panel3D(this);
    LB_Msg->setObjectName(u"LB_Msg"_s);
    placeTwips(LB_Msg, 45, 45, 4560, 600);

    const auto button = [this](const char16_t* name, const QString& caption, QStyle::StandardPixmap picture,
                               double left, double width) {
        auto* b = new platform::Button3D(caption, this);
        b->setObjectName(QString::fromUtf16(name));
        if (picture != QStyle::SP_CustomBase)
            b->setIcon(style()->standardIcon(picture));
        placeTwips(b, left, 675, width, 465);
        b->hide();
        return b;
    };
    Cmd_OK = button(u"Cmd_OK", blanks(13) + u"確認"_s, QStyle::SP_DialogOkButton, 45, 4560);
    Cmd_Yes = button(u"Cmd_Yes", blanks(14) + u"はい"_s, QStyle::SP_DialogYesButton, 45, 2265);
    Cmd_No = button(u"Cmd_No", blanks(16) + u"いいえ"_s, QStyle::SP_DialogNoButton, 2340, 2265);
    Cmd_Yes2 = button(u"Cmd_Yes2", blanks(12) + u"はい"_s, QStyle::SP_DialogYesButton, 45, 1500);
    Cmd_No2 = button(u"Cmd_No2", blanks(14) + u"いいえ"_s, QStyle::SP_DialogNoButton, 1575, 1500);
    Cmd_Cancel2 = button(u"Cmd_Cancel2", blanks(12) + u"ｷｬﾝｾﾙ"_s, QStyle::SP_CustomBase, 3105, 1500);

    // The panel takes no focus, so the first visible button in this order has it by default.
    setTabOrder(Cmd_OK, Cmd_No);
    setTabOrder(Cmd_No, Cmd_Yes);
    setTabOrder(Cmd_Yes, Cmd_Yes2);
    setTabOrder(Cmd_Yes2, Cmd_No2);
    setTabOrder(Cmd_No2, Cmd_Cancel2);

    connect(Cmd_OK, &QPushButton::clicked, this, [this] { answer(Mod1::AnswerOk); });
    connect(Cmd_Yes, &QPushButton::clicked, this, [this] { answer(Mod1::AnswerYes); });
    connect(Cmd_Yes2, &QPushButton::clicked, this, [this] { answer(Mod1::AnswerYes); });
    connect(Cmd_No, &QPushButton::clicked, this, [this] { answer(Mod1::AnswerNo); });
    connect(Cmd_No2, &QPushButton::clicked, this, [this] { answer(Mod1::AnswerNo); });
    connect(Cmd_Cancel2, &QPushButton::clicked, this, [this] { answer(Mod1::AnswerCancel); });

    Form_Load();
}

void Msg::Form_Load() {
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    if (Mod1::MsgKind != Mod1::KindQuestion)
        flags |= Qt::WindowCloseButtonHint;
    setWindowFlags(flags);

    switch (Mod1::MsgKind) {
    case Mod1::KindNotice:
        Cmd_OK->show();
        break;
    case Mod1::KindQuestion:
        Cmd_Yes->show();
        Cmd_No->show();
        break;
    case Mod1::KindQuestionCancel:
        Cmd_Yes2->show();
        Cmd_No2->show();
        Cmd_Cancel2->show();
        break;
    default:
        break;
    }
    LB_Msg->setCaption(Mod1::MsgText);
    fitText();
    core::centreOverOwner(this, Mod1::MsgOwner);
}

// A text longer than the panel holds makes the window taller, so nothing is cut off.
void Msg::fitText() {
    const int needed = LB_Msg->heightForWidth(LB_Msg->width());
    const int extra = needed - LB_Msg->height() + 2 * LB_Msg->frameWidth();
    if (extra <= 0)
        return;
    LB_Msg->resize(LB_Msg->width(), LB_Msg->height() + extra);
    for (auto* b : {Cmd_OK, Cmd_Yes, Cmd_No, Cmd_Yes2, Cmd_No2, Cmd_Cancel2})
        b->move(b->x(), b->y() + extra);
    setFixedSize(width(), height() + extra);
}

void Msg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void Msg::Form_Activate() {
    platform::Button3D* focus = nullptr;
    switch (Mod1::MsgKind) {
    case Mod1::KindNotice:
        focus = Cmd_OK;
        break;
    case Mod1::KindQuestion:
        focus = Mod1::MsgFocus == Mod1::FocusYes ? Cmd_Yes : Mod1::MsgFocus == Mod1::FocusNo ? Cmd_No : nullptr;
        break;
    case Mod1::KindQuestionCancel:
        focus = Mod1::MsgFocus == Mod1::FocusYes      ? Cmd_Yes2
                : Mod1::MsgFocus == Mod1::FocusNo     ? Cmd_No2
                : Mod1::MsgFocus == Mod1::FocusCancel ? Cmd_Cancel2
                                                      : nullptr;
        break;
    default:
        break;
    }
    if (!focus) { // the tab order decides
        for (auto* b : {Cmd_OK, Cmd_No, Cmd_Yes, Cmd_Yes2, Cmd_No2, Cmd_Cancel2}) {
            if (!b->isHidden()) {
                focus = b;
                break;
            }
        }
    }
    if (focus)
        focus->setFocus(Qt::ActiveWindowFocusReason);
}

void Msg::answer(qint16 code) {
    Mod1::MsgResult = code;
    done(code);
}

void Msg::reject() {
    if (Mod1::MsgKind == Mod1::KindNotice)
        Cmd_OK->click();
    else if (Mod1::MsgKind == Mod1::KindQuestionCancel)
        Cmd_Cancel2->click();
}
