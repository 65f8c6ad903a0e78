// The controls of the entry window, at their places inside its frame (twips).
#include "addressbook/AddressControls.h"
#include "addressbook/DataCreate.h"
#include "platform/Controls3D.h"
#include "platform/MultiLineBox.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

using namespace Qt::StringLiterals;
using addressbook::captionPanel;
using addressbook::pictureButton;
using addressbook::textBox;
using platform::ImeMode;

namespace {

constexpr double wide = 3300;
constexpr double narrow = 1365;
constexpr double buttonTop = 7875;
constexpr double buttonSize = 915;

} // namespace

void DataCreate::buildControls() {
    setObjectName(u"DataCreate"_s);
    setWindowTitle(u"Tamoru ～ マスター登録 ～"_s);
    platform::setClientSizeTwips(this, 8115, 9120);
    SSFrame1 = addressbook::windowFrame(this, u"マスタ登録"_s, 8070, 8880);
    QWidget* frame = SSFrame1;

    LS = addressbook::nameList(frame, 90, 315, 2760, 7485);

    addressbook::layRows(
        frame, 3060, 4635,
        {
            {u"SSPanel3"_s, u"フリガナ"_s, &Txt_Furigana, u"Txt_Furigana"_s, 315, wide, ImeMode::KatakanaHalf},
            {u"SSPanel1"_s, u"名前"_s, &Txt_Name_1, u"Txt_Name_1"_s, 630, wide, ImeMode::Hiragana},
            {u"SSPanel2"_s, u"ニックネーム"_s, &Txt_Name_2, u"Txt_Name_2"_s, 945, wide, ImeMode::Hiragana},
            {u"SSPanel5(2)"_s, u"性別"_s, &Cmb_Sex, u"Cmb_Sex"_s, 1260, 1140},
            {u"SSPanel5(3)"_s, u"誕生日"_s, &Cmb_Nengou, u"Cmb_Nengou"_s, 1575, 870},
            {u"SSPanel4"_s, u"郵便番号"_s, &Txt_Yubin, u"Txt_Yubin"_s, 1890, 825, ImeMode::Disabled},
            {u"SSPanel5(0)"_s, u"住所"_s, &Txt_Zyusyo, u"Txt_Zyusyo"_s, 2205, wide, ImeMode::Hiragana, 555},
            {u"SSPanel7"_s, u"電話番号"_s, &Txt_Tel_1, u"Txt_Tel_1"_s, 2790, narrow, ImeMode::Disabled},
            {u"SSPanel8"_s, u"ＦＡＸ"_s, &Txt_Fax, u"Txt_Fax"_s, 3105, narrow, ImeMode::Disabled},
            {u"SSPanel22"_s, u"ポケットベル"_s, &Txt_PB, u"Txt_PB"_s, 3420, narrow, ImeMode::Disabled},
            {u"SSPanel6"_s, u"携帯"_s, &Txt_Handy_1, u"Txt_Handy_1"_s, 3735, narrow, ImeMode::Disabled},
            {u"SSPanel9"_s, u"ＰＨＳ"_s, &Txt_Handy_2, u"Txt_Handy_2"_s, 4050, narrow, ImeMode::Disabled},
            {u"SSPanel16"_s, u"会社名"_s, &Txt_K_Name, u"Txt_K_Name"_s, 4365, wide, ImeMode::Hiragana},
            {u"SSPanel18"_s, u"会社郵便番号"_s, &Txt_K_Yubin, u"Txt_K_Yubin"_s, 4680, 825, ImeMode::Disabled},
            {u"SSPanel15"_s, u"会社住所"_s, &Txt_K_Address, u"Txt_K_Address"_s, 4995, wide, ImeMode::Hiragana, 600},
            {u"SSPanel14"_s, u"会社電話番号"_s, &Txt_K_Tel, u"Txt_K_Tel"_s, 5625, 1185, ImeMode::Disabled},
            {u"SSPanel13"_s, u"会社ＦＡＸ"_s, &Txt_K_Fax, u"Txt_K_Fax"_s, 5940, 1185, ImeMode::Disabled},
            {u"SSPanel12"_s, u"E_Mail"_s, &Txt_Email, u"Txt_Email"_s, 6255, wide, ImeMode::Off},
            {u"SSPanel11"_s, u"会社 E_Mail"_s, &Txt_K_Email, u"Txt_K_Email"_s, 6570, wide, ImeMode::Off},
            {u"SSPanel10"_s, u"ＨＰ"_s, &Txt_HP_Address, u"Txt_HP_Address"_s, 6885, wide, ImeMode::Off},
            {u"SSPanel17"_s, u"備考"_s, &Txt_Bikou, u"Txt_Bikou"_s, 7200, wide, ImeMode::NoControl, 555},
        });
    Cmb_Nengou->addItems({u"昭和"_s, u"平成"_s});
    Cmb_Nengou->setEditText(u"昭和"_s);
    // The date boxes follow the era box on its row, each followed by the panel of its unit.
    const auto date = [frame](QLineEdit*& box, const QString& name, double left, const QString& panel,
                              const QString& unit) {
        box = textBox(frame, name, ImeMode::Disabled, left, 1575, 285);
        captionPanel(frame, panel, unit, left + 285, 1575, 255, 270);
    };
    date(Txt_Y, u"Txt_Y"_s, 5490, u"SSPanel20"_s, u"年"_s);
    date(Txt_M, u"Txt_M"_s, 6030, u"SSPanel21"_s, u"月"_s);
    date(Txt_D, u"Txt_D"_s, 6660, u"SSPanel19"_s, u"日"_s);

    Cmd_Clear =
        pictureButton(frame, u"Cmd_Clear"_s, u"クリア"_s, u"edit-clear"_s, 3060, buttonTop, buttonSize, buttonSize);
    Cmd_Insert =
        pictureButton(frame, u"Cmd_Insert"_s, u"追加"_s, u"list-add"_s, 4005, buttonTop, buttonSize, buttonSize);
    Cmd_Update =
        pictureButton(frame, u"Cmd_Update"_s, u"修正"_s, u"document-save"_s, 4950, buttonTop, buttonSize, buttonSize);
    Cmd_Delete =
        pictureButton(frame, u"Cmd_Delete"_s, u"削除"_s, u"edit-delete"_s, 5895, buttonTop, buttonSize, buttonSize);
    Cmd_EXIT =
        pictureButton(frame, u"Cmd_EXIT"_s, u"EXIT"_s, u"application-exit"_s, 7020, buttonTop, buttonSize, buttonSize);

    // The Tab key passes over "クリア", "修正" and "削除"; a click still reaches them.
    for (QWidget* skipped :
         {static_cast<QWidget*>(Cmd_Clear), static_cast<QWidget*>(Cmd_Update), static_cast<QWidget*>(Cmd_Delete)})
        skipped->setFocusPolicy(Qt::ClickFocus);
    addressbook::chainTabOrder({Txt_Name_1, Txt_Furigana, Txt_Name_2,  Cmb_Sex,     Cmb_Nengou,     Txt_Y,
                                Txt_M,      Txt_D,        Txt_Yubin,   Txt_Zyusyo,  Txt_Tel_1,      Txt_Fax,
                                Txt_PB,     Txt_Handy_1,  Txt_Handy_2, Txt_K_Name,  Txt_K_Yubin,    Txt_K_Address,
                                Txt_K_Tel,  Txt_K_Fax,    Txt_Email,   Txt_K_Email, Txt_HP_Address, Txt_Bikou,
                                Cmd_Insert, LS,           Cmd_EXIT});
}
