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
using addressbook::multiLineBox;
using addressbook::pictureButton;
using addressbook::textBox;
using platform::ImeMode;

namespace {

constexpr double captionLeft = 3060;
constexpr double captionWidth = 1500;
constexpr double captionHeight = 270;
constexpr double boxLeft = 4635;
constexpr double wide = 3300;
constexpr double buttonTop = 7875;
constexpr double buttonSize = 915;

} // namespace

void DataCreate::buildControls() {
    setObjectName(u"DataCreate"_s);
    setWindowTitle(u"Tamoru ～ マスター登録 ～"_s);
    platform::setClientSizeTwips(this, 8115, 9120);

    SSFrame1 = new platform::Frame3D(u"マスタ登録"_s, this);
    SSFrame1->setObjectName(u"SSFrame1"_s);
    SSFrame1->setFont(addressbook::windowFont());
    platform::placeTwips(SSFrame1, 45, 0, 8070, 8880);
    QWidget* frame = SSFrame1;

    LS = addressbook::nameList(frame, 90, 315, 2760, 7485);

    const auto caption = [frame](const QString& name, const QString& text, double top) {
        return captionPanel(frame, name, text, captionLeft, top, captionWidth, captionHeight);
    };
    SSPanel3 = caption(u"SSPanel3"_s, u"フリガナ"_s, 315);
    Txt_Furigana = textBox(frame, u"Txt_Furigana"_s, ImeMode::KatakanaHalf, boxLeft, 315, wide);
    SSPanel1 = caption(u"SSPanel1"_s, u"名前"_s, 630);
    Txt_Name_1 = textBox(frame, u"Txt_Name_1"_s, ImeMode::Hiragana, boxLeft, 630, wide);
    SSPanel2 = caption(u"SSPanel2"_s, u"ニックネーム"_s, 945);
    Txt_Name_2 = textBox(frame, u"Txt_Name_2"_s, ImeMode::Hiragana, boxLeft, 945, wide);

    SSPanel5[2] = caption(u"SSPanel5(2)"_s, u"性別"_s, 1260);
    Cmb_Sex = addressbook::comboBox(frame, u"Cmb_Sex"_s, boxLeft, 1260, 1140);
    SSPanel5[3] = caption(u"SSPanel5(3)"_s, u"誕生日"_s, 1575);
    Cmb_Nengou = addressbook::comboBox(frame, u"Cmb_Nengou"_s, boxLeft, 1575, 870);
    Cmb_Nengou->addItems({u"昭和"_s, u"平成"_s});
    Cmb_Nengou->setEditText(u"昭和"_s);
    // Each date box is followed by the panel of its unit.
    const auto unit = [frame](const QString& name, const QString& text, double left) {
        return captionPanel(frame, name, text, left, 1575, 255, captionHeight);
    };
    Txt_Y = textBox(frame, u"Txt_Y"_s, ImeMode::Disabled, 5490, 1575, 285);
    SSPanel20 = unit(u"SSPanel20"_s, u"年"_s, 5775);
    Txt_M = textBox(frame, u"Txt_M"_s, ImeMode::Disabled, 6030, 1575, 285);
    SSPanel21 = unit(u"SSPanel21"_s, u"月"_s, 6315);
    Txt_D = textBox(frame, u"Txt_D"_s, ImeMode::Disabled, 6660, 1575, 285);
    SSPanel19 = unit(u"SSPanel19"_s, u"日"_s, 6945);

    SSPanel4 = caption(u"SSPanel4"_s, u"郵便番号"_s, 1890);
    Txt_Yubin = textBox(frame, u"Txt_Yubin"_s, ImeMode::Disabled, boxLeft, 1890, 825);
    SSPanel5[0] = caption(u"SSPanel5(0)"_s, u"住所"_s, 2205);
    Txt_Zyusyo = multiLineBox(frame, u"Txt_Zyusyo"_s, ImeMode::Hiragana, boxLeft, 2205, wide, 555);
    SSPanel7 = caption(u"SSPanel7"_s, u"電話番号"_s, 2790);
    Txt_Tel_1 = textBox(frame, u"Txt_Tel_1"_s, ImeMode::Disabled, boxLeft, 2790, 1365);
    SSPanel8 = caption(u"SSPanel8"_s, u"ＦＡＸ"_s, 3105);
    Txt_Fax = textBox(frame, u"Txt_Fax"_s, ImeMode::Disabled, boxLeft, 3105, 1365);
    SSPanel22 = caption(u"SSPanel22"_s, u"ポケットベル"_s, 3420);
    Txt_PB = textBox(frame, u"Txt_PB"_s, ImeMode::Disabled, boxLeft, 3420, 1365);
    SSPanel6 = caption(u"SSPanel6"_s, u"携帯"_s, 3735);
    Txt_Handy_1 = textBox(frame, u"Txt_Handy_1"_s, ImeMode::Disabled, boxLeft, 3735, 1365);
    SSPanel9 = caption(u"SSPanel9"_s, u"ＰＨＳ"_s, 4050);
    Txt_Handy_2 = textBox(frame, u"Txt_Handy_2"_s, ImeMode::Disabled, boxLeft, 4050, 1365);
    SSPanel16 = caption(u"SSPanel16"_s, u"会社名"_s, 4365);
    Txt_K_Name = textBox(frame, u"Txt_K_Name"_s, ImeMode::Hiragana, boxLeft, 4365, wide);
    SSPanel18 = caption(u"SSPanel18"_s, u"会社郵便番号"_s, 4680);
    Txt_K_Yubin = textBox(frame, u"Txt_K_Yubin"_s, ImeMode::Disabled, boxLeft, 4680, 825);
    SSPanel15 = caption(u"SSPanel15"_s, u"会社住所"_s, 4995);
    Txt_K_Address = multiLineBox(frame, u"Txt_K_Address"_s, ImeMode::Hiragana, boxLeft, 4995, wide, 600);
    SSPanel14 = caption(u"SSPanel14"_s, u"会社電話番号"_s, 5625);
    Txt_K_Tel = textBox(frame, u"Txt_K_Tel"_s, ImeMode::Disabled, boxLeft, 5625, 1185);
    SSPanel13 = caption(u"SSPanel13"_s, u"会社ＦＡＸ"_s, 5940);
    Txt_K_Fax = textBox(frame, u"Txt_K_Fax"_s, ImeMode::Disabled, boxLeft, 5940, 1185);
    SSPanel12 = caption(u"SSPanel12"_s, u"E_Mail"_s, 6255);
    Txt_Email = textBox(frame, u"Txt_Email"_s, ImeMode::Off, boxLeft, 6255, wide);
    SSPanel11 = caption(u"SSPanel11"_s, u"会社 E_Mail"_s, 6570);
    Txt_K_Email = textBox(frame, u"Txt_K_Email"_s, ImeMode::Off, boxLeft, 6570, wide);
    SSPanel10 = caption(u"SSPanel10"_s, u"ＨＰ"_s, 6885);
    Txt_HP_Address = textBox(frame, u"Txt_HP_Address"_s, ImeMode::Off, boxLeft, 6885, wide);
    SSPanel17 = caption(u"SSPanel17"_s, u"備考"_s, 7200);
    Txt_Bikou = multiLineBox(frame, u"Txt_Bikou"_s, ImeMode::NoControl, boxLeft, 7200, wide, 555);

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
    const QList<QWidget*> tabOrder{Txt_Name_1, Txt_Furigana, Txt_Name_2,  Cmb_Sex,     Cmb_Nengou,     Txt_Y,
                                   Txt_M,      Txt_D,        Txt_Yubin,   Txt_Zyusyo,  Txt_Tel_1,      Txt_Fax,
                                   Txt_PB,     Txt_Handy_1,  Txt_Handy_2, Txt_K_Name,  Txt_K_Yubin,    Txt_K_Address,
                                   Txt_K_Tel,  Txt_K_Fax,    Txt_Email,   Txt_K_Email, Txt_HP_Address, Txt_Bikou,
                                   Cmd_Insert, LS,           Cmd_EXIT};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}
