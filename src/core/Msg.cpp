#include "core/Msg.h"

#include "core/MessagePlacement.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"

#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

QString blanks(int count) {
    return QString(count, u' ');
}

} // namespace

Msg::Msg(QWidget* parent) : QDialog(parent) {
    setObjectName(u"Msg"_s);
    setWindowTitle(u"Tamoru ～ メッセージ ～"_s);
    platform::setClientSizeTwips(this, 4665, 1140);

    using enum platform::Kind;
    const QIcon ok = style()->standardIcon(QStyle::SP_DialogOkButton);
    const QIcon yes = style()->standardIcon(QStyle::SP_DialogYesButton);
    const QIcon no = style()->standardIcon(QStyle::SP_DialogNoButton);
    const QList<platform::Control> controls{
        {Panel, u"LB_Msg"_s, {45, 45, 4560, 600}, {.to = &LB_Msg}},
        {Button, u"Cmd_OK"_s, {45, 675, 4560, 465}, {.text = blanks(13) + u"確認"_s, .icon = ok, .to = &Cmd_OK}},
        {Button, u"Cmd_Yes"_s, {45, 675, 2265, 465}, {.text = blanks(14) + u"はい"_s, .icon = yes, .to = &Cmd_Yes}},
        {Button, u"Cmd_No"_s, {2340, 675, 2265, 465}, {.text = blanks(16) + u"いいえ"_s, .icon = no, .to = &Cmd_No}},
        {Button, u"Cmd_Yes2"_s, {45, 675, 1500, 465}, {.text = blanks(12) + u"はい"_s, .icon = yes, .to = &Cmd_Yes2}},
        {Button, u"Cmd_No2"_s, {1575, 675, 1500, 465}, {.text = blanks(14) + u"いいえ"_s, .icon = no, .to = &Cmd_No2}},
        {Button, u"Cmd_Cancel2"_s, {3105, 675, 1500, 465}, {.text = blanks(12) + u"ｷｬﾝｾﾙ"_s, .to = &Cmd_Cancel2}},
    };
    platform::layOut(this, controls);
    for (platform::Button3D* b : {Cmd_OK, Cmd_Yes, Cmd_No, Cmd_Yes2, Cmd_No2, Cmd_Cancel2})
        b->hide(); // each kind of message shows its own

    // The panel takes no focus, so the first visible button in this order has it by default.
    platform::chainTabOrder({Cmd_OK, Cmd_No, Cmd_Yes, Cmd_Yes2, Cmd_No2, Cmd_Cancel2});

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
    LB_Msg->setTextFit(platform::Panel3D::TextFit::Wrap);
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
