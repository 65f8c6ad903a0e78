// The controls of the results window, at their places inside its frame (twips).
#include "addressbook/AddressControls.h"
#include "addressbook/DataView.h"
#include "platform/Controls3D.h"
#include "platform/Twips.h"

#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr double valueWidth = 3345;

} // namespace

void DataView::buildControls() {
    setObjectName(u"DataView"_s);
    setWindowTitle(u"Tamoru ～ 検索結果 ～"_s);
    platform::setClientSizeTwips(this, 8115, 9015);
    SSFrame1 = addressbook::windowFrame(this, u"検索結果"_s, 8070, 8970);
    QWidget* frame = SSFrame1;

    LS = addressbook::nameList(frame, 90, 360, 2760, 8385);

    using platform::ImeMode;
    addressbook::layRows(
        frame, 3060, 4635,
        {
            {u"SSPanel1"_s, u"フリガナ"_s, &Lab01, u"Lab01"_s, 315, valueWidth},
            {u"SSPanel2"_s, u"名前"_s, &Lab02, u"Lab02"_s, 630, valueWidth},
            {u"SSPanel3"_s, u"ニックネーム"_s, &Lab03, u"Lab03"_s, 945, valueWidth},
            {u"SSPanel4"_s, u"性別"_s, &Lab04, u"Lab04"_s, 1260, valueWidth},
            {u"SSPanel5"_s, u"誕生日"_s, &Lab05, u"Lab05"_s, 1575, valueWidth},
            {u"SSPanel6"_s, u"郵便番号"_s, &Lab06, u"Lab06"_s, 1890, valueWidth},
            {u"SSPanel7"_s, u"住所"_s, &Lab07, u"Lab07"_s, 2205, valueWidth, ImeMode::NoControl, 555},
            {u"SSPanel8"_s, u"電話番号"_s, &Lab08, u"Lab08"_s, 2790, valueWidth},
            {u"SSPanel9"_s, u"ＦＡＸ"_s, &Lab09, u"Lab09"_s, 3105, valueWidth},
            {u"SSPanel10"_s, u"ポケットベル"_s, &Lab21, u"Lab21"_s, 3420, valueWidth},
            {u"SSPanel11"_s, u"携帯"_s, &Lab10, u"Lab10"_s, 3735, valueWidth},
            {u"SSPanel12"_s, u"ＰＨＳ"_s, &Lab11, u"Lab11"_s, 4050, valueWidth},
            {u"SSPanel13"_s, u"会社名"_s, &Lab12, u"Lab12"_s, 4365, valueWidth},
            {u"SSPanel14"_s, u"会社郵便番号"_s, &Lab13, u"Lab13"_s, 4680, valueWidth},
            {u"SSPanel15"_s, u"会社住所"_s, &Lab14, u"Lab14"_s, 4995, valueWidth, ImeMode::NoControl, 600},
            {u"SSPanel16"_s, u"会社電話番号"_s, &Lab15, u"Lab15"_s, 5625, valueWidth},
            {u"SSPanel17"_s, u"会社ＦＡＸ"_s, &Lab16, u"Lab16"_s, 5940, valueWidth},
            {u"SSPanel18"_s, u"E_Mail"_s, &Lab17, u"Lab17"_s, 6255, valueWidth},
            {u"SSPanel19"_s, u"会社 E_Mail"_s, &Lab18, u"Lab18"_s, 6570, valueWidth},
            {u"SSPanel20"_s, u"ＨＰ"_s, &Lab19, u"Lab19"_s, 6885, valueWidth},
            {u"SSPanel21"_s, u"備考"_s, &Lab20, u"Lab20"_s, 7200, valueWidth, ImeMode::NoControl, 645},
        });
    // The panels that copy show a pointing hand.
    for (platform::Panel3D* copying : {Lab17, Lab18, Lab19})
        copying->setCursor(Qt::PointingHandCursor);

    SSCommand1 =
        addressbook::pictureButton(frame, u"SSCommand1"_s, u"条件再セット"_s, u"edit-undo"_s, 5805, 7920, 1230, 915);
    EXIT = addressbook::pictureButton(frame, u"EXIT"_s, u"EXIT"_s, u"application-exit"_s, 7065, 7920, 915, 915);
}
