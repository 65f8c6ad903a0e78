// The one-second tick: the clock, the alarm at its minute and the night-tariff indicator.
#include "Drive.h"
#include "Fixture.h"
#include "clock/ClockPart.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "platform/Clock.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QDateTime at(const QString& time) {
    return QDateTime(QDate(2024, 5, 1), QTime::fromString(time, u"HH:mm:ss"_s));
}

void setMoment(const QDateTime& moment) {
    platform::setClock([moment] { return moment; });
}

} // namespace

class ClockTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void clockShowsTheMomentFromTheLoadOn();
    void indicator_data();
    void indicator();
    void alarm_data();
    void alarm();
    void focusHopsBetweenTheAlarmFields();
};

void ClockTest::initTestCase() {
    platform::setUpDesktop();
}

void ClockTest::cleanup() {
    platform::setClock({});
}

void ClockTest::clockShowsTheMomentFromTheLoadOn() {
    ProgramFolder folder;
    setMoment(at(u"07:05:09"_s));
    Main main;
    QCOMPARE(main.clock().Lab_Time->caption(), u"2024/05/01 7:05:09"_s); // the load's own tick
    QCOMPARE(main.TLH->caption(), u"テレホーダイ"_s);

    setMoment(QDateTime(QDate(2025, 12, 31), QTime(23, 0, 59)));
    QTRY_COMPARE(main.clock().Lab_Time->caption(), u"2025/12/31 23:00:59"_s); // Timer1 runs
    QCOMPARE(main.TLH->caption(), u"Ｎｏｔテレホーダイ"_s);
}

void ClockTest::indicator_data() {
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("night");
    QTest::newRow("07:59") << u"07:59:59"_s << true;
    QTest::newRow("08:00") << u"08:00:00"_s << false;
    QTest::newRow("23:00") << u"23:00:59"_s << false;
    QTest::newRow("23:01") << u"23:01:00"_s << true;
    QTest::newRow("23:59") << u"23:59:59"_s << true;
    QTest::newRow("00:00") << u"00:00:00"_s << true;
}

void ClockTest::indicator() {
    QFETCH(QString, time);
    QFETCH(bool, night);
    ProgramFolder folder;
    Main main;
    main.Timer1->stop();
    // Start from the other state, so both caption and colour must change.
    setMoment(at(night ? u"12:00:00"_s : u"01:00:00"_s));
    main.clock().Timer1_Timer();
    setMoment(at(time));
    main.clock().Timer1_Timer();
    if (night) {
        QCOMPARE(main.TLH->caption(), u"テレホーダイ"_s);
        QVERIFY(!main.TLH->foreColorIsSystem());
        QCOMPARE(main.TLH->foreColor(), QColor(255, 0, 0));
    } else {
        QCOMPARE(main.TLH->caption(), u"Ｎｏｔテレホーダイ"_s);
        QVERIFY(main.TLH->foreColorIsSystem());
        QCOMPARE(main.TLH->foreColor(), QApplication::palette().color(QPalette::ButtonText));
    }
}

void ClockTest::alarm_data() {
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("sounds");
    QTest::newRow("7 and 5") << u"7"_s << u"5"_s << u"07:05:00"_s << true;
    QTest::newRow("07 and 05") << u"07"_s << u"05"_s << u"07:05:00"_s << true;
    QTest::newRow("a fraction rounds") << u"1"_s << u".6"_s << u"01:01:00"_s << true;
    QTest::newRow("blanks around") << u" 9"_s << u"0 "_s << u"09:00:00"_s << true;
    QTest::newRow("second 01") << u"7"_s << u"5"_s << u"07:05:01"_s << false;
    QTest::newRow("evening") << u"7"_s << u"5"_s << u"19:05:00"_s << false;
    QTest::newRow("hour 24") << u"24"_s << u"0"_s << u"00:00:00"_s << false;
    QTest::newRow("minute 60") << u"6"_s << u"60"_s << u"07:00:00"_s << false;
    QTest::newRow("empty hour") << u""_s << u"5"_s << u"00:05:00"_s << false;
    QTest::newRow("not a number") << u"7"_s << u"x"_s << u"07:00:00"_s << false;
    QTest::newRow("negative") << u"-1"_s << u"5"_s << u"01:05:00"_s << false;
}

void ClockTest::alarm() {
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(QString, time);
    QFETCH(bool, sounds);
    ProgramFolder folder;
    Main main;
    main.Timer1->stop();
    main.clock().Txt_A_1->setText(hour);
    main.clock().Txt_A_2->setText(minute);
    setMoment(at(time));
    // Two ticks within the alarm's second sound it twice. The alarm leaves the outcome of its
    // sound in Ret.
    for (int tick = 0; tick < 2; ++tick) {
        Mod1::Ret.clear();
        main.clock().Timer1_Timer();
        QCOMPARE(!Mod1::Ret.isEmpty(), sounds);
    }
}

void ClockTest::focusHopsBetweenTheAlarmFields() {
    ProgramFolder folder;
    Main main;
    startMain(main);
    ClockPart& clock = main.clock();
    QCOMPARE(main.focusWidget(), clock.Txt_A_1);

    QTest::keyClicks(clock.Txt_A_1, u"1"_s);
    QCOMPARE(main.focusWidget(), clock.Txt_A_1); // one character: it stays
    QTest::keyClicks(clock.Txt_A_1, u"2"_s);
    QCOMPARE(main.focusWidget(), clock.Txt_A_2);
    QTest::keyClicks(clock.Txt_A_2, u"34"_s);
    QCOMPARE(main.focusWidget(), clock.Txt_A_1);
    QCOMPARE(clock.Txt_A_1->text(), u"12"_s);
    QCOMPARE(clock.Txt_A_2->text(), u"34"_s);

    // A key that changes nothing, in a full field, still hands the focus on.
    QTest::keyClick(clock.Txt_A_1, Qt::Key_Right);
    QCOMPARE(main.focusWidget(), clock.Txt_A_2);
    QTest::keyClick(clock.Txt_A_2, Qt::Key_Backspace);
    QCOMPARE(main.focusWidget(), clock.Txt_A_2);
}

QTEST_MAIN(ClockTest)
#include "test_clock.moc"
