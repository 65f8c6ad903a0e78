#include "clock/ClockPart.h"

#include "core/Main.h"
#include "platform/Controls3D.h"
#include "platform/ImeMode.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace Qt::StringLiterals;
using platform::placeTwips;

ClockPart::ClockPart(Main& main) : QObject(&main), m_main(main) {
    QWidget* frame = main.SSFrame1;
    Lab_Time = new platform::Panel3D(frame, platform::Panel3D::Bevel::Inset);
    Lab_Time->setObjectName(u"Lab_Time"_s);
    placeTwips(Lab_Time, 45, 2520, 2490, 330);

    Label3 = new QLabel(u"アラーム"_s, frame);
    Label3->setObjectName(u"Label3"_s);
    placeTwips(Label3, 855, 2880, 780, 240);

    const auto alarmField = [frame](const char16_t* name, double left) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(QString::fromUtf16(name));
        box->setMaxLength(2);
        platform::setImeMode(box, platform::ImeMode::Off);
        placeTwips(box, left, 2835, 330, 270);
        return box;
    };
    Txt_A_1 = alarmField(u"Txt_A_1", 1665);
    LABEL = new QLabel(u"："_s, frame);
    LABEL->setObjectName(u"LABEL"_s);
    placeTwips(LABEL, 2025, 2880, 150, 195);
    Txt_A_2 = alarmField(u"Txt_A_2", 2160);

    connect(main.Timer1, &QTimer::timeout, this, &ClockPart::Timer1_Timer);
}

void ClockPart::Timer1_Timer() {
    // The clock, the alarm and the indicator join here with the clock's own work.
}

void ClockPart::focusAlarmHour() {
    Txt_A_1->setFocus();
}
