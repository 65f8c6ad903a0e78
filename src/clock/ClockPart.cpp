#include "clock/ClockPart.h"

#include "core/Mod1.h"
#include "platform/Clock.h"
#include "platform/Controls3D.h"
#include "platform/WindowLayout.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The date and the time to the second, as a Japanese desktop writes them by default.
const QString clockFormat = u"yyyy/MM/dd H:mm:ss"_s;

} // namespace

ClockPart::ClockPart(QWidget* frame, platform::Panel3D& TLH, QTimer& timer) : QObject(frame), m_TLH(TLH) {
    using enum platform::Kind;
    const QList<platform::Control> controls{
        {InsetPanel, u"Lab_Time"_s, {45, 2520, 2490, 330}, {.to = &Lab_Time}},
        {Label, u"Label3"_s, {855, 2880, 780, 240}, {.text = u"アラーム"_s, .to = &Label3}},
        {TextBox, u"Txt_A_1"_s, {1665, 2835, 330, 270}, {.ime = platform::ImeMode::Off, .to = &Txt_A_1}},
        {Label, u"LABEL"_s, {2025, 2880, 150, 195}, {.text = u"："_s, .to = &LABEL}},
        {TextBox, u"Txt_A_2"_s, {2160, 2835, 330, 270}, {.ime = platform::ImeMode::Off, .to = &Txt_A_2}},
    };
    platform::layOut(frame, controls);
    for (QLineEdit* box : {Txt_A_1, Txt_A_2}) {
        box->setMaxLength(2);
        box->installEventFilter(this);
    }

    QFont indicatorFont = TLH.font();
    indicatorFont.setPointSizeF(indicatorFont.pointSizeF() * 1.4);
    indicatorFont.setBold(true);
    TLH.setFont(indicatorFont);

    // Digits and separators need no text shaping; left out, the every-second repaint costs half.
    QFont timeFont = Lab_Time->font();
    timeFont.setStyleStrategy(QFont::PreferNoShaping);
    Lab_Time->setFont(timeFont);
    Lab_Time->setTextFit(platform::Panel3D::TextFit::Shrink); // the time is read whole
    connect(&timer, &QTimer::timeout, this, &ClockPart::Timer1_Timer);
}

std::optional<QString> ClockPart::formatTwoDigits(const QString& text) {
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value))
        return std::nullopt;
    const double whole = std::round(std::abs(value)); // halves away from zero
    const QString digits =
        whole < 1e15 ? u"%1"_s.arg(qint64(whole), 2, 10, QChar(u'0')) : QString::number(whole, 'f', 0);
    return value < 0 ? u"-"_s + digits : digits;
}

void ClockPart::Timer1_Timer() {
    const QDateTime moment = platform::now();
    Lab_Time->setCaption(moment.toString(clockFormat));
    const QTime time = moment.time();

    if (time.second() == 0) {
        const auto hour = formatTwoDigits(Txt_A_1->text());
        const auto minute = formatTwoDigits(Txt_A_2->text());
        if (hour && minute && *hour + u':' + *minute == moment.toString(u"HH:mm"_s))
            Mod1::Ret = Mod1::PlayWave(Mod1::WinDir + u"/THEMIC~1.WAV"_s) ? u"True"_s : u"False"_s;
    }

    // The night window of the flat-rate tariff runs from 23:01 to 07:59, minute by minute.
    // Colour and caption are written on every tick; the panel does nothing when they stand.
    const bool night = time >= QTime(23, 1) || time < QTime(8, 0);
    if (night)
        m_TLH.setForeColor(QColor(255, 0, 0));
    else
        m_TLH.setForeColor(QPalette::ButtonText);
    m_TLH.setCaption(night ? u"テレホーダイ"_s : u"Ｎｏｔテレホーダイ"_s);
}

void ClockPart::focusAlarmHour() {
    Txt_A_1->setFocus();
}

void ClockPart::Txt_A_1_KeyUp() {
    if (Txt_A_1->text().size() == 2)
        Txt_A_2->setFocus();
}

void ClockPart::Txt_A_2_KeyUp() {
    if (Txt_A_2->text().size() == 2)
        Txt_A_1->setFocus();
}

bool ClockPart::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        if (watched == Txt_A_1)
            Txt_A_1_KeyUp();
        else if (watched == Txt_A_2)
            Txt_A_2_KeyUp();
    }
    return QObject::eventFilter(watched, event);
}
