// The controls of the entry window, at their places inside its frame (twips).
#include "addressbook/AddressControls.h"
#include "addressbook/DataCreate.h"
#include "platform/Controls3D.h"
#include "platform/MultiLineBox.h"
#include "platform/NameList.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

constexpr double wide = 3300;
constexpr double narrow = 1365;

} // namespace

void DataCreate::buildControls() {
    setObjectName(u"DataCreate"_s);
    setWindowTitle(u"Tamoru ～ マスター登録 ～"_s);
    platform::setClientSizeTwips(this, 8115, 9120);
    using enum platform::Kind;
    using enum platform::ImeMode;
    const QFont box = addressbook::boxFont();
    platform::layOut(this, {{Frame, u"SSFrame1"_s, {45, 0, 8070, 8880}, {.text = u"マスタ登録"_s, .to = &SSFrame1}}},
                     addressbook::windowFont());
    const QList<platform::Control> controls{
        {NameList, u"LS"_s, {90, 315, 2760, 7485}, {.font = addressbook::listFont(), .to = &LS}},
        {Panel, u"SSPanel3"_s, {3060, 315, 1500, 270}, {.text = u"フリガナ"_s}},
        {TextBox, u"Txt_Furigana"_s, {4635, 315, wide, 285}, {.font = box, .ime = KatakanaHalf, .to = &Txt_Furigana}},
        {Panel, u"SSPanel1"_s, {3060, 630, 1500, 270}, {.text = u"名前"_s}},
        {TextBox, u"Txt_Name_1"_s, {4635, 630, wide, 285}, {.font = box, .ime = Hiragana, .to = &Txt_Name_1}},
        {Panel, u"SSPanel2"_s, {3060, 945, 1500, 270}, {.text = u"ニックネーム"_s}},
        {TextBox, u"Txt_Name_2"_s, {4635, 945, wide, 285}, {.font = box, .ime = Hiragana, .to = &Txt_Name_2}},
        {Panel, u"SSPanel5(2)"_s, {3060, 1260, 1500, 270}, {.text = u"性別"_s}},
        {ComboBox, u"Cmb_Sex"_s, {4635, 1260, 1140, 285}, {.font = box, .to = &Cmb_Sex}},
        {Panel, u"SSPanel5(3)"_s, {3060, 1575, 1500, 270}, {.text = u"誕生日"_s}},
        {ComboBox, u"Cmb_Nengou"_s, {4635, 1575, 870, 285}, {.font = box, .to = &Cmb_Nengou}},
        {Panel, u"SSPanel4"_s, {3060, 1890, 1500, 270}, {.text = u"郵便番号"_s}},
        {TextBox, u"Txt_Yubin"_s, {4635, 1890, 825, 285}, {.font = box, .ime = Disabled, .to = &Txt_Yubin}},
        {Panel, u"SSPanel5(0)"_s, {3060, 2205, 1500, 270}, {.text = u"住所"_s}},
        {LinesBox, u"Txt_Zyusyo"_s, {4635, 2205, wide, 555}, {.font = box, .ime = Hiragana, .to = &Txt_Zyusyo}},
        {Panel, u"SSPanel7"_s, {3060, 2790, 1500, 270}, {.text = u"電話番号"_s}},
        {TextBox, u"Txt_Tel_1"_s, {4635, 2790, narrow, 285}, {.font = box, .ime = Disabled, .to = &Txt_Tel_1}},
        {Panel, u"SSPanel8"_s, {3060, 3105, 1500, 270}, {.text = u"ＦＡＸ"_s}},
        {TextBox, u"Txt_Fax"_s, {4635, 3105, narrow, 285}, {.font = box, .ime = Disabled, .to = &Txt_Fax}},
        {Panel, u"SSPanel22"_s, {3060, 3420, 1500, 270}, {.text = u"ポケットベル"_s}},
        {TextBox, u"Txt_PB"_s, {4635, 3420, narrow, 285}, {.font = box, .ime = Disabled, .to = &Txt_PB}},
        {Panel, u"SSPanel6"_s, {3060, 3735, 1500, 270}, {.text = u"携帯"_s}},
        {TextBox, u"Txt_Handy_1"_s, {4635, 3735, narrow, 285}, {.font = box, .ime = Disabled, .to = &Txt_Handy_1}},
        {Panel, u"SSPanel9"_s, {3060, 4050, 1500, 270}, {.text = u"ＰＨＳ"_s}},
        {TextBox, u"Txt_Handy_2"_s, {4635, 4050, narrow, 285}, {.font = box, .ime = Disabled, .to = &Txt_Handy_2}},
        {Panel, u"SSPanel16"_s, {3060, 4365, 1500, 270}, {.text = u"会社名"_s}},
        {TextBox, u"Txt_K_Name"_s, {4635, 4365, wide, 285}, {.font = box, .ime = Hiragana, .to = &Txt_K_Name}},
        {Panel, u"SSPanel18"_s, {3060, 4680, 1500, 270}, {.text = u"会社郵便番号"_s}},
        {TextBox, u"Txt_K_Yubin"_s, {4635, 4680, 825, 285}, {.font = box, .ime = Disabled, .to = &Txt_K_Yubin}},
        {Panel, u"SSPanel15"_s, {3060, 4995, 1500, 270}, {.text = u"会社住所"_s}},
        {LinesBox, u"Txt_K_Address"_s, {4635, 4995, wide, 600}, {.font = box, .ime = Hiragana, .to = &Txt_K_Address}},
        {Panel, u"SSPanel14"_s, {3060, 5625, 1500, 270}, {.text = u"会社電話番号"_s}},
        {TextBox, u"Txt_K_Tel"_s, {4635, 5625, 1185, 285}, {.font = box, .ime = Disabled, .to = &Txt_K_Tel}},
        {Panel, u"SSPanel13"_s, {3060, 5940, 1500, 270}, {.text = u"会社ＦＡＸ"_s}},
        {TextBox, u"Txt_K_Fax"_s, {4635, 5940, 1185, 285}, {.font = box, .ime = Disabled, .to = &Txt_K_Fax}},
        {Panel, u"SSPanel12"_s, {3060, 6255, 1500, 270}, {.text = u"E_Mail"_s}},
        {TextBox, u"Txt_Email"_s, {4635, 6255, wide, 285}, {.font = box, .ime = Off, .to = &Txt_Email}},
        {Panel, u"SSPanel11"_s, {3060, 6570, 1500, 270}, {.text = u"会社 E_Mail"_s}},
        {TextBox, u"Txt_K_Email"_s, {4635, 6570, wide, 285}, {.font = box, .ime = Off, .to = &Txt_K_Email}},
        {Panel, u"SSPanel10"_s, {3060, 6885, 1500, 270}, {.text = u"ＨＰ"_s}},
        {TextBox, u"Txt_HP_Address"_s, {4635, 6885, wide, 285}, {.font = box, .ime = Off, .to = &Txt_HP_Address}},
        {Panel, u"SSPanel17"_s, {3060, 7200, 1500, 270}, {.text = u"備考"_s}},
        {LinesBox, u"Txt_Bikou"_s, {4635, 7200, wide, 555}, {.font = box, .ime = NoControl, .to = &Txt_Bikou}},
        // The date boxes follow the era box on its row, each followed by the panel of its unit.
        {TextBox, u"Txt_Y"_s, {5490, 1575, 285, 285}, {.font = box, .ime = Disabled, .to = &Txt_Y}},
        {Panel, u"SSPanel20"_s, {5775, 1575, 255, 270}, {.text = u"年"_s}},
        {TextBox, u"Txt_M"_s, {6030, 1575, 285, 285}, {.font = box, .ime = Disabled, .to = &Txt_M}},
        {Panel, u"SSPanel21"_s, {6315, 1575, 255, 270}, {.text = u"月"_s}},
        {TextBox, u"Txt_D"_s, {6660, 1575, 285, 285}, {.font = box, .ime = Disabled, .to = &Txt_D}},
        {Panel, u"SSPanel19"_s, {6945, 1575, 255, 270}, {.text = u"日"_s}},
        {PictureButton,
         u"Cmd_Clear"_s,
         {3060, 7875, 915, 915},
         {.text = u"クリア"_s, .icon = u"edit-clear"_s, .to = &Cmd_Clear}},
        {PictureButton,
         u"Cmd_Insert"_s,
         {4005, 7875, 915, 915},
         {.text = u"追加"_s, .icon = u"list-add"_s, .to = &Cmd_Insert}},
        {PictureButton,
         u"Cmd_Update"_s,
         {4950, 7875, 915, 915},
         {.text = u"修正"_s, .icon = u"document-save"_s, .to = &Cmd_Update}},
        {PictureButton,
         u"Cmd_Delete"_s,
         {5895, 7875, 915, 915},
         {.text = u"削除"_s, .icon = u"edit-delete"_s, .to = &Cmd_Delete}},
        {PictureButton,
         u"Cmd_EXIT"_s,
         {7020, 7875, 915, 915},
         {.text = u"EXIT"_s, .icon = u"application-exit"_s, .to = &Cmd_EXIT}},
    };
    platform::layOut(SSFrame1, controls, addressbook::windowFont());
    Cmb_Nengou->addItems({u"大正"_s, u"昭和"_s, u"平成"_s, u"令和"_s});
    Cmb_Nengou->setEditText(u"昭和"_s);

    // The Tab key passes over "クリア", "修正" and "削除"; a click still reaches them.
    for (QWidget* skipped :
         {static_cast<QWidget*>(Cmd_Clear), static_cast<QWidget*>(Cmd_Update), static_cast<QWidget*>(Cmd_Delete)})
        skipped->setFocusPolicy(Qt::ClickFocus);
    platform::chainTabOrder({Txt_Name_1, Txt_Furigana, Txt_Name_2,  Cmb_Sex,     Cmb_Nengou,     Txt_Y,
                             Txt_M,      Txt_D,        Txt_Yubin,   Txt_Zyusyo,  Txt_Tel_1,      Txt_Fax,
                             Txt_PB,     Txt_Handy_1,  Txt_Handy_2, Txt_K_Name,  Txt_K_Yubin,    Txt_K_Address,
                             Txt_K_Tel,  Txt_K_Fax,    Txt_Email,   Txt_K_Email, Txt_HP_Address, Txt_Bikou,
                             Cmd_Insert, LS,           Cmd_EXIT});
}
