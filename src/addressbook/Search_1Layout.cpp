// The controls of the search window, at their places inside its frame (twips).
#include "addressbook/AddressControls.h"
#include "addressbook/Search_1.h"
#include "platform/Controls3D.h"
#include "platform/MultiLineBox.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using addressbook::pictureButton;
using platform::ImeMode;

namespace {

constexpr double wide = 3300;
constexpr double narrow = 1365;
constexpr double buttonTop = 5130;
constexpr double buttonSize = 915;

} // namespace

void Search_1::buildControls() {
    setObjectName(u"Search_1"_s);
    setWindowTitle(u"Tamoru ～ 検索条件 ～"_s);
    platform::setClientSizeTwips(this, 5235, 6225);
    SSFrame1 = addressbook::windowFrame(this, u"検索条件"_s, 5145, 6180);
    QWidget* frame = SSFrame1;

    addressbook::layRows(
        frame, 135, 1710,
        {
            {u"SSPanel1"_s, u"フリガナ"_s, &Txt_Furigana, u"Txt_Furigana"_s, 315, wide, ImeMode::KatakanaHalf},
            {u"SSPanel2"_s, u"名前"_s, &Txt_Name_1, u"Txt_Name_1"_s, 630, wide, ImeMode::Hiragana},
            {u"SSPanel3"_s, u"ニックネーム"_s, &Txt_Name_2, u"Txt_Name_2"_s, 945, wide, ImeMode::Hiragana},
            {u"SSPanel4"_s, u"性別"_s, &Cmb_Sex, u"Cmb_Sex"_s, 1260, 1140},
            {u"SSPanel5"_s, u"住所"_s, &Txt_Zyusyo, u"Txt_Zyusyo"_s, 1575, wide, ImeMode::Hiragana, 555},
            {u"SSPanel6"_s, u"電話番号"_s, &Txt_Tel_1, u"Txt_Tel_1"_s, 2205, narrow, ImeMode::Disabled},
            {u"SSPanel7"_s, u"ＦＡＸ"_s, &Txt_Fax, u"Txt_Fax"_s, 2520, narrow, ImeMode::Disabled},
            {u"SSPanel8"_s, u"ポケットベル"_s, &Txt_PB, u"Txt_PB"_s, 2835, narrow, ImeMode::Disabled},
            {u"SSPanel9"_s, u"携帯"_s, &Txt_Handy_1, u"Txt_Handy_1"_s, 3150, narrow, ImeMode::Disabled},
            {u"SSPanel10"_s, u"ＰＨＳ"_s, &Txt_Handy_2, u"Txt_Handy_2"_s, 3465, narrow, ImeMode::Disabled},
            {u"SSPanel11"_s, u"会社名"_s, &Txt_K_Name, u"Txt_K_Name"_s, 3780, wide, ImeMode::Hiragana},
            {u"SSPanel12"_s, u"E_Mail"_s, &Txt_Email, u"Txt_Email"_s, 4095, wide, ImeMode::Off},
            {u"SSPanel13"_s, u"会社 E_Mail"_s, &Txt_K_Email, u"Txt_K_Email"_s, 4410, wide, ImeMode::Off},
            {u"SSPanel14"_s, u"ＨＰ"_s, &Txt_HP_Address, u"Txt_HP_Address"_s, 4725, wide, ImeMode::Off},
        });

    Cmd_Clear =
        pictureButton(frame, u"Cmd_Clear"_s, u"クリア"_s, u"edit-clear"_s, 1710, buttonTop, buttonSize, buttonSize);
    Cmd_Insert = pictureButton(frame, u"Cmd_Insert"_s, u"EXIT"_s, u"application-exit"_s, 3105, buttonTop, buttonSize,
                               buttonSize);
    Cmd_Search =
        pictureButton(frame, u"Cmd_Search"_s, u"検索"_s, u"system-search"_s, 4050, buttonTop, buttonSize, buttonSize);

    addressbook::chainTabOrder({Txt_Name_1, Txt_Furigana, Txt_Name_2, Cmb_Sex, Txt_Zyusyo, Txt_Tel_1, Txt_Fax, Txt_PB,
                                Txt_Handy_1, Txt_Handy_2, Txt_K_Name, Txt_Email, Txt_K_Email, Txt_HP_Address, Cmd_Clear,
                                Cmd_Insert, Cmd_Search});
}
