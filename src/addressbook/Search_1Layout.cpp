// The controls of the search window, at their places inside its frame (twips).
#include "addressbook/AddressControls.h"
#include "addressbook/Search_1.h"
#include "platform/Controls3D.h"
#include "platform/MultiLineBox.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using addressbook::textBox;
using platform::ImeMode;

namespace {

constexpr double captionLeft = 135;
constexpr double boxLeft = 1710;
constexpr double wide = 3300;
constexpr double narrow = 1365;
constexpr double buttonTop = 5130;
constexpr double buttonSize = 915;

} // namespace

void Search_1::buildControls() {
    setObjectName(u"Search_1"_s);
    setWindowTitle(u"Tamoru ～ 検索条件 ～"_s);
    platform::setClientSizeTwips(this, 5235, 6225);

    SSFrame1 = new platform::Frame3D(u"検索条件"_s, this);
    SSFrame1->setObjectName(u"SSFrame1"_s);
    SSFrame1->setFont(addressbook::windowFont());
    platform::placeTwips(SSFrame1, 45, 0, 5145, 6180);
    QWidget* frame = SSFrame1;

    // The caption panels are numbered from the top.
    int panelNumber = 0;
    const auto caption = [frame, &panelNumber](const QString& text, double top) {
        addressbook::captionPanel(frame, u"SSPanel%1"_s.arg(++panelNumber), text, captionLeft, top, 1500, 270);
    };
    caption(u"フリガナ"_s, 315);
    Txt_Furigana = textBox(frame, u"Txt_Furigana"_s, ImeMode::KatakanaHalf, boxLeft, 315, wide);
    caption(u"名前"_s, 630);
    Txt_Name_1 = textBox(frame, u"Txt_Name_1"_s, ImeMode::Hiragana, boxLeft, 630, wide);
    caption(u"ニックネーム"_s, 945);
    Txt_Name_2 = textBox(frame, u"Txt_Name_2"_s, ImeMode::Hiragana, boxLeft, 945, wide);
    caption(u"性別"_s, 1260);
    Cmb_Sex = addressbook::comboBox(frame, u"Cmb_Sex"_s, boxLeft, 1260, 1140);
    caption(u"住所"_s, 1575);
    Txt_Zyusyo = addressbook::multiLineBox(frame, u"Txt_Zyusyo"_s, ImeMode::Hiragana, boxLeft, 1575, wide, 555);
    caption(u"電話番号"_s, 2205);
    Txt_Tel_1 = textBox(frame, u"Txt_Tel_1"_s, ImeMode::Disabled, boxLeft, 2205, narrow);
    caption(u"ＦＡＸ"_s, 2520);
    Txt_Fax = textBox(frame, u"Txt_Fax"_s, ImeMode::Disabled, boxLeft, 2520, narrow);
    caption(u"ポケットベル"_s, 2835);
    Txt_PB = textBox(frame, u"Txt_PB"_s, ImeMode::Disabled, boxLeft, 2835, narrow);
    caption(u"携帯"_s, 3150);
    Txt_Handy_1 = textBox(frame, u"Txt_Handy_1"_s, ImeMode::Disabled, boxLeft, 3150, narrow);
    caption(u"ＰＨＳ"_s, 3465);
    Txt_Handy_2 = textBox(frame, u"Txt_Handy_2"_s, ImeMode::Disabled, boxLeft, 3465, narrow);
    caption(u"会社名"_s, 3780);
    Txt_K_Name = textBox(frame, u"Txt_K_Name"_s, ImeMode::Hiragana, boxLeft, 3780, wide);
    caption(u"E_Mail"_s, 4095);
    Txt_Email = textBox(frame, u"Txt_Email"_s, ImeMode::Off, boxLeft, 4095, wide);
    caption(u"会社 E_Mail"_s, 4410);
    Txt_K_Email = textBox(frame, u"Txt_K_Email"_s, ImeMode::Off, boxLeft, 4410, wide);
    caption(u"ＨＰ"_s, 4725);
    Txt_HP_Address = textBox(frame, u"Txt_HP_Address"_s, ImeMode::Off, boxLeft, 4725, wide);

    Cmd_Clear = addressbook::pictureButton(frame, u"Cmd_Clear"_s, u"クリア"_s, u"edit-clear"_s, 1710, buttonTop,
                                           buttonSize, buttonSize);
    Cmd_Insert = addressbook::pictureButton(frame, u"Cmd_Insert"_s, u"EXIT"_s, u"application-exit"_s, 3105, buttonTop,
                                            buttonSize, buttonSize);
    Cmd_Search = addressbook::pictureButton(frame, u"Cmd_Search"_s, u"検索"_s, u"system-search"_s, 4050, buttonTop,
                                            buttonSize, buttonSize);

    const QList<QWidget*> tabOrder{Txt_Name_1,  Txt_Furigana,   Txt_Name_2,  Cmb_Sex,     Txt_Zyusyo, Txt_Tel_1,
                                   Txt_Fax,     Txt_PB,         Txt_Handy_1, Txt_Handy_2, Txt_K_Name, Txt_Email,
                                   Txt_K_Email, Txt_HP_Address, Cmd_Clear,   Cmd_Insert,  Cmd_Search};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}
