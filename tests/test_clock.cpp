// The one-second tick: the clock, the alarm at its minute and the night-tariff indicator.
#include "Fixture.h"
#include "app/Main.h"
#include "clock/ClockPart.h"
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

// One tick of the stopped timer at a time ("hh:mm:ss") of an ordinary day.
void tickAt(Main& main, const QString& time) {
    const QDateTime moment(QDate(2024, 5, 1), QTime::fromString(time, u"HH:mm:ss"_s));
    platform::setClock([moment] { return moment; });
    main.clock().Timer1_Timer();
}

} // namespace

class ClockTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void cleanup() { platform::setClock({}); }
    void tick_data();
    void tick();
    void typingHopsBetweenTheAlarmFields();
};

void ClockTest::tick_data() {
    QTest::addColumn<QString>("hour"); // the alarm fields
    QTest::addColumn<QString>("minute");
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("sounds");
    QTest::addColumn<bool>("night");
    QTest::newRow("07:59") << u""_s << u""_s << u"07:59:59"_s << false << true;
    QTest::newRow("08:00") << u""_s << u""_s << u"08:00:00"_s << false << false;
    QTest::newRow("23:00") << u""_s << u""_s << u"23:00:59"_s << false << false;
    QTest::newRow("23:01") << u""_s << u""_s << u"23:01:00"_s << false << true;
    QTest::newRow("00:00") << u""_s << u""_s << u"00:00:00"_s << false << true;
    QTest::newRow("alarm 7 and 5") << u"7"_s << u"5"_s << u"07:05:00"_s << true << true;
    QTest::newRow("alarm 07 and 05") << u"07"_s << u"05"_s << u"07:05:00"_s << true << true;
    QTest::newRow("alarm, a fraction rounds") << u"13"_s << u".6"_s << u"13:01:00"_s << true << false;
    QTest::newRow("alarm at second 01") << u"7"_s << u"5"_s << u"07:05:01"_s << false << true;
    QTest::newRow("alarm in the evening") << u"7"_s << u"5"_s << u"19:05:00"_s << false << false;
    QTest::newRow("alarm hour 24") << u"24"_s << u"0"_s << u"00:00:00"_s << false << true;
    QTest::newRow("alarm minute 60") << u"6"_s << u"60"_s << u"07:00:00"_s << false << true;
    QTest::newRow("alarm, empty hour") << u""_s << u"5"_s << u"00:05:00"_s << false << true;
    QTest::newRow("alarm, not a number") << u"7"_s << u"x"_s << u"07:00:00"_s << false << true;
}

// Two ticks within the alarm's second sound it twice; each leaves the sound's outcome in Ret.
// The indicator starts from the other state, so caption and colour must both change.
void ClockTest::tick() {
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(QString, time);
    QFETCH(bool, sounds);
    QFETCH(bool, night);
    ProgramFolder folder;
    Main main;
    main.Timer1->stop();
    tickAt(main, night ? u"12:00:30"_s : u"01:00:30"_s);
    main.clock().Txt_A_1->setText(hour);
    main.clock().Txt_A_2->setText(minute);
    for (int tick = 0; tick < 2; ++tick) {
        Mod1::Ret.clear();
        tickAt(main, time);
        QCOMPARE(!Mod1::Ret.isEmpty(), sounds);
    }
    const QString clock = main.clock().Lab_Time->caption(); // the date and the time to the second
    QVERIFY2(clock.startsWith(u"2024/05/01 "_s) && clock.endsWith(time.right(5)), qPrintable(clock));
    QCOMPARE(main.TLH->caption(), night ? u"テレホーダイ"_s : u"Ｎｏｔテレホーダイ"_s);
    QCOMPARE(main.TLH->foreColorIsSystem(), !night);
    QCOMPARE(main.TLH->foreColor(), night ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::ButtonText));
}

// Four digits typed in a row fill hour and minute and leave the cursor in the hour.
void ClockTest::typingHopsBetweenTheAlarmFields() {
    ProgramFolder folder;
    Main main;
    main.show();
    QLineEdit* hour = main.clock().Txt_A_1;
    QLineEdit* minute = main.clock().Txt_A_2;
    hour->setFocus();
    QTest::keyClicks(hour, u"07"_s);
    QCOMPARE(main.focusWidget(), minute);
    QTest::keyClicks(minute, u"3"_s);
    QCOMPARE(main.focusWidget(), minute);
    QTest::keyClicks(minute, u"0"_s);
    QCOMPARE(main.focusWidget(), hour);
    QCOMPARE(hour->text() + minute->text(), u"0730"_s);
}

QTEST_MAIN(ClockTest)
#include "test_clock.moc"
