// The controls of the results window, at their places inside its frame (twips).
#include "addressbook/AddressControls.h"
#include "addressbook/DataView.h"
#include "platform/Controls3D.h"
#include "platform/NameList.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr double valueWidth = 3345;

} // namespace

void DataView::buildControls() {
    setObjectName(u"DataView"_s);
    setWindowTitle(u"Tamoru ～ 検索結果 ～"_s);
    platform::setClientSizeTwips(this, 8115, 9015);
    using enum platform::Kind;
    // A value of several lines shows from its first line.
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment top = Qt::AlignLeft | Qt::AlignTop;
    platform::layOut(this, {{Frame, u"SSFrame1"_s, {45, 0, 8070, 8970}, {.text = u"検索結果"_s, .to = &SSFrame1}}},
                     addressbook::windowFont());
    const QList<platform::Control> controls{
        {NameList, u"LS"_s, {90, 360, 2760, 8385}, {.font = addressbook::listFont(), .to = &LS}},
        {Panel, u"SSPanel1"_s, {3060, 315, 1500, 270}, {.text = u"フリガナ"_s}},
        {InsetPanel, u"Lab01"_s, {4635, 315, valueWidth, 270}, {.align = left, .to = &Lab01}},
        {Panel, u"SSPanel2"_s, {3060, 630, 1500, 270}, {.text = u"名前"_s}},
        {InsetPanel, u"Lab02"_s, {4635, 630, valueWidth, 270}, {.align = left, .to = &Lab02}},
        {Panel, u"SSPanel3"_s, {3060, 945, 1500, 270}, {.text = u"ニックネーム"_s}},
        {InsetPanel, u"Lab03"_s, {4635, 945, valueWidth, 270}, {.align = left, .to = &Lab03}},
        {Panel, u"SSPanel4"_s, {3060, 1260, 1500, 270}, {.text = u"性別"_s}},
        {InsetPanel, u"Lab04"_s, {4635, 1260, valueWidth, 270}, {.align = left, .to = &Lab04}},
        {Panel, u"SSPanel5"_s, {3060, 1575, 1500, 270}, {.text = u"誕生日"_s}},
        {InsetPanel, u"Lab05"_s, {4635, 1575, valueWidth, 270}, {.align = left, .to = &Lab05}},
        {Panel, u"SSPanel6"_s, {3060, 1890, 1500, 270}, {.text = u"郵便番号"_s}},
        {InsetPanel, u"Lab06"_s, {4635, 1890, valueWidth, 270}, {.align = left, .to = &Lab06}},
        {Panel, u"SSPanel7"_s, {3060, 2205, 1500, 270}, {.text = u"住所"_s}},
        {InsetPanel, u"Lab07"_s, {4635, 2205, valueWidth, 555}, {.align = top, .to = &Lab07}},
        {Panel, u"SSPanel8"_s, {3060, 2790, 1500, 270}, {.text = u"電話番号"_s}},
        {InsetPanel, u"Lab08"_s, {4635, 2790, valueWidth, 270}, {.align = left, .to = &Lab08}},
        {Panel, u"SSPanel9"_s, {3060, 3105, 1500, 270}, {.text = u"ＦＡＸ"_s}},
        {InsetPanel, u"Lab09"_s, {4635, 3105, valueWidth, 270}, {.align = left, .to = &Lab09}},
        {Panel, u"SSPanel10"_s, {3060, 3420, 1500, 270}, {.text = u"ポケットベル"_s}},
        {InsetPanel, u"Lab21"_s, {4635, 3420, valueWidth, 270}, {.align = left, .to = &Lab21}},
        {Panel, u"SSPanel11"_s, {3060, 3735, 1500, 270}, {.text = u"携帯"_s}},
        {InsetPanel, u"Lab10"_s, {4635, 3735, valueWidth, 270}, {.align = left, .to = &Lab10}},
        {Panel, u"SSPanel12"_s, {3060, 4050, 1500, 270}, {.text = u"ＰＨＳ"_s}},
        {InsetPanel, u"Lab11"_s, {4635, 4050, valueWidth, 270}, {.align = left, .to = &Lab11}},
        {Panel, u"SSPanel13"_s, {3060, 4365, 1500, 270}, {.text = u"会社名"_s}},
        {InsetPanel, u"Lab12"_s, {4635, 4365, valueWidth, 270}, {.align = left, .to = &Lab12}},
        {Panel, u"SSPanel14"_s, {3060, 4680, 1500, 270}, {.text = u"会社郵便番号"_s}},
        {InsetPanel, u"Lab13"_s, {4635, 4680, valueWidth, 270}, {.align = left, .to = &Lab13}},
        {Panel, u"SSPanel15"_s, {3060, 4995, 1500, 270}, {.text = u"会社住所"_s}},
        {InsetPanel, u"Lab14"_s, {4635, 4995, valueWidth, 600}, {.align = top, .to = &Lab14}},
        {Panel, u"SSPanel16"_s, {3060, 5625, 1500, 270}, {.text = u"会社電話番号"_s}},
        {InsetPanel, u"Lab15"_s, {4635, 5625, valueWidth, 270}, {.align = left, .to = &Lab15}},
        {Panel, u"SSPanel17"_s, {3060, 5940, 1500, 270}, {.text = u"会社ＦＡＸ"_s}},
        {InsetPanel, u"Lab16"_s, {4635, 5940, valueWidth, 270}, {.align = left, .to = &Lab16}},
        {Panel, u"SSPanel18"_s, {3060, 6255, 1500, 270}, {.text = u"E_Mail"_s}},
        {InsetPanel, u"Lab17"_s, {4635, 6255, valueWidth, 270}, {.align = left, .to = &Lab17}},
        {Panel, u"SSPanel19"_s, {3060, 6570, 1500, 270}, {.text = u"会社 E_Mail"_s}},
        {InsetPanel, u"Lab18"_s, {4635, 6570, valueWidth, 270}, {.align = left, .to = &Lab18}},
        {Panel, u"SSPanel20"_s, {3060, 6885, 1500, 270}, {.text = u"ＨＰ"_s}},
        {InsetPanel, u"Lab19"_s, {4635, 6885, valueWidth, 270}, {.align = left, .to = &Lab19}},
        {Panel, u"SSPanel21"_s, {3060, 7200, 1500, 270}, {.text = u"備考"_s}},
        {InsetPanel, u"Lab20"_s, {4635, 7200, valueWidth, 645}, {.align = top, .to = &Lab20}},
        {PictureButton,
         u"SSCommand1"_s,
         {5805, 7920, 1230, 915},
         {.text = u"条件再セット"_s, .icon = u"edit-undo"_s, .to = &SSCommand1}},
        {PictureButton,
         u"EXIT"_s,
         {7065, 7920, 915, 915},
         {.text = u"EXIT"_s, .icon = u"application-exit"_s, .to = &EXIT}},
    };
    platform::layOut(SSFrame1, controls, addressbook::windowFont());
    for (platform::Panel3D* value : SSFrame1->findChildren<platform::Panel3D*>(QRegularExpression(u"^Lab"_s)))
        value->setIndent(3);
    // The panels that copy show a pointing hand.
    for (platform::Panel3D* copying : {Lab17, Lab18, Lab19})
        copying->setCursor(Qt::PointingHandCursor);
}
