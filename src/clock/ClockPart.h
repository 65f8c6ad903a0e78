#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QTimer;
class QWidget;

namespace platform {
class Panel3D;
}

// The clock, the alarm fields (in the calendar frame) and the phone-rate indicator TLH,
// driven by the main window's one-second Timer1.
class ClockPart : public QObject {
    Q_OBJECT
public:
    // Builds the clock and the alarm inside `frame`; `timer` drives it, `TLH` shows the tariff.
    ClockPart(QWidget* frame, platform::Panel3D& TLH, QTimer& timer);

    platform::Panel3D* Lab_Time;
    QLabel* Label3;
    QLineEdit* Txt_A_1;
    QLabel* LABEL;
    QLineEdit* Txt_A_2;

    // One tick of Timer1: the clock, the alarm and the indicator, all of one moment.
    void Timer1_Timer();
    // The activation ends with the cursor in the alarm hour.
    void focusAlarmHour();

    void Txt_A_1_KeyUp();
    void Txt_A_2_KeyUp();

    // A text formatted with "00": a number rounded to a whole number and written with at
    // least two digits ("7" gives "07", "6.5" gives "07"); nothing when it is not a number.
    static std::optional<QString> formatTwoDigits(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::Panel3D& m_TLH;
};
