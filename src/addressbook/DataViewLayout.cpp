// The controls of the results window, at their places inside its frame (twips).
#include "addressbook/AddressControls.h"
#include "addressbook/DataView.h"
#include "platform/Controls3D.h"
#include "platform/Twips.h"

#include <QListWidget>

using namespace Qt::StringLiterals;

void DataView::buildControls() {
    setObjectName(u"DataView"_s);
    setWindowTitle(u"Tamoru ～ 検索結果 ～"_s);
    platform::setClientSizeTwips(this, 8115, 9015);

    SSFrame1 = new platform::Frame3D(u"検索結果"_s, this);
    SSFrame1->setObjectName(u"SSFrame1"_s);
    SSFrame1->setFont(addressbook::windowFont());
    platform::placeTwips(SSFrame1, 45, 0, 8070, 8970);
    QWidget* frame = SSFrame1;

    LS = addressbook::nameList(frame, 90, 360, 2760, 8385);

    // Each row: a caption panel, numbered from the top, and the value panel beside it.
    int panelNumber = 0;
    const auto row = [frame, &panelNumber](const QString& caption, const QString& name, double top,
                                           double height = 270) {
        addressbook::captionPanel(frame, u"SSPanel%1"_s.arg(++panelNumber), caption, 3060, top, 1500, 270);
        return addressbook::valuePanel(frame, name, 4635, top, 3345, height);
    };
    Lab01 = row(u"フリガナ"_s, u"Lab01"_s, 315);
    Lab02 = row(u"名前"_s, u"Lab02"_s, 630);
    Lab03 = row(u"ニックネーム"_s, u"Lab03"_s, 945);
    Lab04 = row(u"性別"_s, u"Lab04"_s, 1260);
    Lab05 = row(u"誕生日"_s, u"Lab05"_s, 1575);
    Lab06 = row(u"郵便番号"_s, u"Lab06"_s, 1890);
    Lab07 = row(u"住所"_s, u"Lab07"_s, 2205, 555);
    Lab08 = row(u"電話番号"_s, u"Lab08"_s, 2790);
    Lab09 = row(u"ＦＡＸ"_s, u"Lab09"_s, 3105);
    Lab21 = row(u"ポケットベル"_s, u"Lab21"_s, 3420);
    Lab10 = row(u"携帯"_s, u"Lab10"_s, 3735);
    Lab11 = row(u"ＰＨＳ"_s, u"Lab11"_s, 4050);
    Lab12 = row(u"会社名"_s, u"Lab12"_s, 4365);
    Lab13 = row(u"会社郵便番号"_s, u"Lab13"_s, 4680);
    Lab14 = row(u"会社住所"_s, u"Lab14"_s, 4995, 600);
    Lab15 = row(u"会社電話番号"_s, u"Lab15"_s, 5625);
    Lab16 = row(u"会社ＦＡＸ"_s, u"Lab16"_s, 5940);
    Lab17 = row(u"E_Mail"_s, u"Lab17"_s, 6255);
    Lab18 = row(u"会社 E_Mail"_s, u"Lab18"_s, 6570);
    Lab19 = row(u"ＨＰ"_s, u"Lab19"_s, 6885);
    Lab20 = row(u"備考"_s, u"Lab20"_s, 7200, 645);
    // The panels that copy show a pointing hand.
    for (platform::Panel3D* copying : {Lab17, Lab18, Lab19})
        copying->setCursor(Qt::PointingHandCursor);
    for (platform::Panel3D* lines : {Lab07, Lab14, Lab20})
        lines->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    SSCommand1 =
        addressbook::pictureButton(frame, u"SSCommand1"_s, u"条件再セット"_s, u"edit-undo"_s, 5805, 7920, 1230, 915);
    EXIT = addressbook::pictureButton(frame, u"EXIT"_s, u"EXIT"_s, u"application-exit"_s, 7065, 7920, 915, 915);
}
