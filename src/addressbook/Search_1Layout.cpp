// The controls of the search window, at their places inside its frame (twips).
#include "addressbook/AddressControls.h"
#include "addressbook/Search_1.h"
#include "platform/Controls3D.h"
#include "platform/MultiLineBox.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

constexpr double wide = 3300;
constexpr double narrow = 1365;

} // namespace

void Search_1::buildControls() {
    setObjectName(u"Search_1"_s);
    setWindowTitle(u"Tamoru ～ 検索条件 ～"_s);
    platform::setClientSizeTwips(this, 5235, 6225);
    using enum platform::Kind;
    using enum platform::ImeMode;
    const QFont box = addressbook::boxFont();
    platform::layOut(this, {{Frame, u"SSFrame1"_s, {45, 0, 5145, 6180}, {.text = u"検索条件"_s, .to = &SSFrame1}}},
                     addressbook::windowFont());
    const QList<platform::Control> controls{
        {Panel, u"SSPanel1"_s, {135, 315, 1500, 270}, {.text = u"フリガナ"_s}},
        {TextBox, u"Txt_Furigana"_s, {1710, 315, wide, 285}, {.font = box, .ime = KatakanaHalf, .to = &Txt_Furigana}},
        {Panel, u"SSPanel2"_s, {135, 630, 1500, 270}, {.text = u"名前"_s}},
        {TextBox, u"Txt_Name_1"_s, {1710, 630, wide, 285}, {.font = box, .ime = Hiragana, .to = &Txt_Name_1}},
        {Panel, u"SSPanel3"_s, {135, 945, 1500, 270}, {.text = u"ニックネーム"_s}},
        {TextBox, u"Txt_Name_2"_s, {1710, 945, wide, 285}, {.font = box, .ime = Hiragana, .to = &Txt_Name_2}},
        {Panel, u"SSPanel4"_s, {135, 1260, 1500, 270}, {.text = u"性別"_s}},
        {ComboBox, u"Cmb_Sex"_s, {1710, 1260, 1140, 285}, {.font = box, .to = &Cmb_Sex}},
        {Panel, u"SSPanel5"_s, {135, 1575, 1500, 270}, {.text = u"住所"_s}},
        {LinesBox, u"Txt_Zyusyo"_s, {1710, 1575, wide, 555}, {.font = box, .ime = Hiragana, .to = &Txt_Zyusyo}},
        {Panel, u"SSPanel6"_s, {135, 2205, 1500, 270}, {.text = u"電話番号"_s}},
        {TextBox, u"Txt_Tel_1"_s, {1710, 2205, narrow, 285}, {.font = box, .ime = Disabled, .to = &Txt_Tel_1}},
        {Panel, u"SSPanel7"_s, {135, 2520, 1500, 270}, {.text = u"ＦＡＸ"_s}},
        {TextBox, u"Txt_Fax"_s, {1710, 2520, narrow, 285}, {.font = box, .ime = Disabled, .to = &Txt_Fax}},
        {Panel, u"SSPanel8"_s, {135, 2835, 1500, 270}, {.text = u"ポケットベル"_s}},
        {TextBox, u"Txt_PB"_s, {1710, 2835, narrow, 285}, {.font = box, .ime = Disabled, .to = &Txt_PB}},
        {Panel, u"SSPanel9"_s, {135, 3150, 1500, 270}, {.text = u"携帯"_s}},
        {TextBox, u"Txt_Handy_1"_s, {1710, 3150, narrow, 285}, {.font = box, .ime = Disabled, .to = &Txt_Handy_1}},
        {Panel, u"SSPanel10"_s, {135, 3465, 1500, 270}, {.text = u"ＰＨＳ"_s}},
        {TextBox, u"Txt_Handy_2"_s, {1710, 3465, narrow, 285}, {.font = box, .ime = Disabled, .to = &Txt_Handy_2}},
        {Panel, u"SSPanel11"_s, {135, 3780, 1500, 270}, {.text = u"会社名"_s}},
        {TextBox, u"Txt_K_Name"_s, {1710, 3780, wide, 285}, {.font = box, .ime = Hiragana, .to = &Txt_K_Name}},
        {Panel, u"SSPanel12"_s, {135, 4095, 1500, 270}, {.text = u"E_Mail"_s}},
        {TextBox, u"Txt_Email"_s, {1710, 4095, wide, 285}, {.font = box, .ime = Off, .to = &Txt_Email}},
        {Panel, u"SSPanel13"_s, {135, 4410, 1500, 270}, {.text = u"会社 E_Mail"_s}},
        {TextBox, u"Txt_K_Email"_s, {1710, 4410, wide, 285}, {.font = box, .ime = Off, .to = &Txt_K_Email}},
        {Panel, u"SSPanel14"_s, {135, 4725, 1500, 270}, {.text = u"ＨＰ"_s}},
        {TextBox, u"Txt_HP_Address"_s, {1710, 4725, wide, 285}, {.font = box, .ime = Off, .to = &Txt_HP_Address}},
        {PictureButton,
         u"Cmd_Clear"_s,
         {1710, 5130, 915, 915},
         {.text = u"クリア"_s, .icon = u"edit-clear"_s, .to = &Cmd_Clear}},
        {PictureButton,
         u"Cmd_Insert"_s,
         {3105, 5130, 915, 915},
         {.text = u"EXIT"_s, .icon = u"application-exit"_s, .to = &Cmd_Insert}},
        {PictureButton,
         u"Cmd_Search"_s,
         {4050, 5130, 915, 915},
         {.text = u"検索"_s, .icon = u"system-search"_s, .to = &Cmd_Search}},
    };
    platform::layOut(SSFrame1, controls, addressbook::windowFont());

    platform::chainTabOrder({Txt_Name_1, Txt_Furigana, Txt_Name_2, Cmb_Sex, Txt_Zyusyo, Txt_Tel_1, Txt_Fax, Txt_PB,
                             Txt_Handy_1, Txt_Handy_2, Txt_K_Name, Txt_Email, Txt_K_Email, Txt_HP_Address, Cmd_Clear,
                             Cmd_Insert, Cmd_Search});
}
