#pragma once

#include <QObject>

class Main;
class QLabel;
class QLineEdit;

namespace platform {
class Panel3D;
}

// The clock, the alarm fields (in the calendar frame) and the phone-rate indicator TLH,
// driven by the main window's one-second Timer1.
class ClockPart : public QObject {
    Q_OBJECT
public:
    explicit ClockPart(Main& main);

    platform::Panel3D* Lab_Time;
    QLabel* Label3;
    QLineEdit* Txt_A_1;
    QLabel* LABEL;
    QLineEdit* Txt_A_2;

    // One tick of Timer1: the clock, the alarm and the indicator.
    void Timer1_Timer();
    // The activation ends with the cursor in the alarm hour.
    void focusAlarmHour();

private:
    Main& m_main;
};
