// The one-second tick: the clock, the alarm at its minute and the night-tariff indicator.
#include "Drive.h"
#include "clock/ClockPart.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>

namespace {

// One tick of the stopped timer at a time ("hh:mm:ss") of an ordinary day.
void tickAt(Main& main, const QString& time) {
    const QDateTime moment(QDate(2024, 5, 1), QTime::fromString(time, u"HH:mm:ss"_s));
    platform::setClock([moment] { return moment; });
    main.clock().Timer1_Timer();
}

// Which widget painted which rectangle, as "name x,y wxh".
class PaintLog : public QObject {
public:
    PaintLog() { qApp->installEventFilter(this); }
    QStringList painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QRect r = static_cast<QPaintEvent*>(event)->rect();
            painted.append(
                u"%1 %2,%3 %4x%5"_s.arg(watched->objectName()).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
        }
        return false;
    }
};

// The alarm fields, the time of the tick, whether the alarm sounds and the tariff is the night's.
const struct TickCase {
    const char* tag;
    QString hour, minute, time;
    bool sounds, night;
} tickCases[] = {{"07:59", u""_s, u""_s, u"07:59:59"_s, false, true},
                 {"08:00", u""_s, u""_s, u"08:00:00"_s, false, false},
                 {"23:00", u""_s, u""_s, u"23:00:59"_s, false, false},
                 {"23:01", u""_s, u""_s, u"23:01:00"_s, false, true},
                 {"alarm 7 and 5", u"7"_s, u"5"_s, u"07:05:00"_s, true, true},
                 {"alarm, a fraction rounds", u"13"_s, u".6"_s, u"13:01:00"_s, true, false},
                 {"alarm at second 01", u"7"_s, u"5"_s, u"07:05:01"_s, false, true},
                 {"alarm in the evening", u"7"_s, u"5"_s, u"19:05:00"_s, false, false},
                 {"alarm, not a number", u"7"_s, u"x"_s, u"07:00:00"_s, false, true}};

} // namespace

class ClockTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void cleanup() { platform::setClock({}); }
    // Two ticks within the alarm's second sound it twice; each leaves the sound's outcome in
    // Ret. The indicator starts from the other state, so caption and colour must both change.
    void tick_data() { addCases(tickCases); }
    void tick() {
        const TickCase& c = currentCase(tickCases);
        ProgramFolder folder;
        Main main;
        main.Timer1->stop();
        tickAt(main, c.night ? u"12:00:30"_s : u"01:00:30"_s);
        main.clock().Txt_A_1->setText(c.hour);
        main.clock().Txt_A_2->setText(c.minute);
        for (int tick = 0; tick < 2; ++tick) {
            Mod1::Ret.clear();
            tickAt(main, c.time);
            QCOMPARE(!Mod1::Ret.isEmpty(), c.sounds);
        }
        QCOMPARE(main.clock().Lab_Time->caption(),
                 u"2024/05/01 "_s + QString::number(c.time.left(2).toInt()) + c.time.mid(2));
        QCOMPARE(main.TLH->caption(), c.night ? u"テレホーダイ"_s : u"Ｎｏｔテレホーダイ"_s);
        QCOMPARE(main.TLH->foreColor(),
                 c.night ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::ButtonText));
    }
    // The clock repaints every second: only the inside of its panel, and nothing while the
    // second stands.
    void aTickRepaintsTheTimeAlone() {
        ProgramFolder folder;
        Main main;
        main.Timer1->stop();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        tickAt(main, u"12:00:30"_s);
        QCoreApplication::processEvents();
        const QRect inside = main.clock().Lab_Time->contentsRect();
        const QString time =
            u"Lab_Time %1,%2 %3x%4"_s.arg(inside.x()).arg(inside.y()).arg(inside.width()).arg(inside.height());
        for (const auto& [at, painted] : {std::pair{u"12:00:30"_s, QStringList{}}, {u"12:00:31"_s, {time}}}) {
            PaintLog log;
            tickAt(main, at);
            QCoreApplication::processEvents();
            QCOMPARE(log.painted, painted);
        }
    }
    // Four digits typed in a row fill hour and minute and leave the cursor in the hour.
    void typingHopsBetweenTheAlarmFields() {
        ProgramFolder folder;
        Main main;
        main.show();
        QLineEdit* hour = main.clock().Txt_A_1;
        QLineEdit* minute = main.clock().Txt_A_2;
        hour->setFocus();
        QStringList focus;
        for (const QString& key : {u"0"_s, u"7"_s, u"3"_s, u"0"_s}) {
            QTest::keyClicks(main.focusWidget(), key);
            focus.append(main.focusWidget()->objectName());
        }
        QCOMPARE(focus, (QStringList{u"Txt_A_1"_s, u"Txt_A_2"_s, u"Txt_A_2"_s, u"Txt_A_1"_s}));
        QCOMPARE(hour->text() + minute->text(), u"0730"_s);
    }
};

QTEST_MAIN(ClockTest)
#include "test_clock.moc"
