// The month calendar: the grid of a month, moving between months and the selected date.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "calendar/CalendarFrame.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "platform/Clock.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The 42 captions of a month whose first day stands in `firstCell`.
QStringList month(int firstCell, int length) {
    QStringList cells;
    for (int i = 0; i < 42; ++i) {
        const int day = i - firstCell + 1;
        cells.append(day >= 1 && day <= length ? QString::number(day) : QString());
    }
    return cells;
}

} // namespace

class CalendarTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init();
    void cleanup();
    void months_data();
    void months();
    void todayAfterEachActivation();
    void dayClicks_data();
    void dayClicks();

private:
    CalendarFrame& calendar() { return m_main->calendar(); }
    void run(const QStringList& steps);
    QString shown() { return calendar().Cmb_Year->currentText() + u'/' + calendar().Cmb_Month->currentText(); }
    QStringList grid();

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<Main> m_main;
};

void CalendarTest::init() {
    platform::setClock([] { return QDateTime(QDate(2026, 1, 7), QTime(9, 30)); });
    m_folder = std::make_unique<ProgramFolder>();
    m_main = std::make_unique<Main>();
    startMain(*m_main);
}

void CalendarTest::cleanup() {
    m_main.reset();
    m_folder.reset();
    platform::setClock({});
}

QStringList CalendarTest::grid() {
    QStringList cells;
    for (auto* day : calendar().Cmd_Day)
        cells.append(day->text());
    return cells;
}

// Steps as a person takes them: "Y2024" / "M2" pick an entry from the year / month list with
// the mouse, "y:text" / "m:text" type into the box without picking, "Return" presses it
// there, "F" / "R" click next / previous month.
void CalendarTest::run(const QStringList& steps) {
    for (const QString& step : steps) {
        QComboBox* box = step.front().toLower() == u'y' ? calendar().Cmb_Year : calendar().Cmb_Month;
        if (step == u"F"_s || step == u"R"_s) {
            QTest::mouseClick(step == u"F"_s ? calendar().Cmd_F : calendar().Cmd_R, Qt::LeftButton);
        } else if (step == u"Return"_s) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (step.at(1) == u':') {
            box->setFocus();
            box->lineEdit()->selectAll();
            QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
            typeText(box->lineEdit(), step.mid(2));
        } else {
            QAbstractItemView* view = box->view();
            const QModelIndex entry = view->model()->index(box->findText(step.mid(1)), 0);
            QVERIFY2(entry.isValid(), qPrintable(step));
            box->showPopup();
            view->scrollTo(entry);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
        }
    }
    calendar().Cmd_Now->setFocus(); // leaving a box after typing is no pick either
}

void CalendarTest::months_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shownMonth"); // the boxes' texts
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("February 2024 from a Thursday") << QStringList{u"Y2024"_s, u"M2"_s} << u"2024/2"_s << month(4, 29);
    QTest::newRow("March 2025, six rows") << QStringList{u"Y2025"_s, u"M3"_s} << u"2025/3"_s << month(6, 31);
    QTest::newRow("March 2026 from a Sunday") << QStringList{u"Y2026"_s, u"M3"_s} << u"2026/3"_s << month(0, 31);
    QTest::newRow("six rows, then four") << QStringList{u"Y2025"_s, u"M3"_s, u"Y2026"_s, u"M2"_s} << u"2026/2"_s
                                         << month(0, 28);
    QTest::newRow("December to January") << QStringList{u"Y2025"_s, u"M12"_s, u"F"_s} << u"2026/1"_s << month(4, 31);
    QTest::newRow("January to December") << QStringList{u"R"_s} << u"2025/12"_s << month(1, 31);
    QTest::newRow("past the year list") << QStringList{u"Y2100"_s, u"M12"_s, u"F"_s} << u"2101/1"_s << month(6, 31);
    // Typed text, even an entry of the list, runs nothing until an entry is picked.
    QTest::newRow("typed") << QStringList{u"y:2024"_s, u"Return"_s, u"m:2"_s} << u"2024/2"_s << month(4, 31);
    QTest::newRow("typed, then picked") << QStringList{u"y:2024"_s, u"M2"_s} << u"2024/2"_s << month(4, 29);
    // What cannot be a month puts the month on view back into the boxes; usable numbers are
    // taken and shown plainly.
    QTest::newRow("month 13") << QStringList{u"m:13"_s, u"Y2030"_s} << u"2026/1"_s << month(4, 31);
    QTest::newRow("month in words") << QStringList{u"m:三月"_s, u"Y2030"_s} << u"2026/1"_s << month(4, 31);
    QTest::newRow("year 99") << QStringList{u"y:99"_s, u"F"_s} << u"2026/1"_s << month(4, 31);
    QTest::newRow("past year 9999") << QStringList{u"y:9999"_s, u"m:12"_s, u"F"_s} << u"2026/1"_s << month(4, 31);
    QTest::newRow("full-width digits") << QStringList{u"m:３"_s, u"Y2030"_s} << u"2030/3"_s << month(5, 31);
    QTest::newRow("leading zero") << QStringList{u"m:03"_s, u"Y2030"_s} << u"2030/3"_s << month(5, 31);
}

void CalendarTest::months() {
    QFETCH(QStringList, steps);
    QFETCH(QString, shownMonth);
    QFETCH(QStringList, cells);
    run(steps);
    QCOMPARE(shown(), shownMonth);
    QCOMPARE(grid(), cells);
    QCOMPARE(calendar().ClickDate->text(), u"2026/1/7"_s); // moving keeps the selected date
}

// Cmd_Now and every return to the main window show today's month again, with each year and
// month listed once.
void CalendarTest::todayAfterEachActivation() {
    QCOMPARE(shown(), u"2026/1"_s);
    QCOMPARE(grid(), month(4, 31));
    QCOMPARE(calendar().ClickDate->text(), u"2026/1/7"_s); // no leading zeros
    run({u"Y2024"_s, u"M2"_s});
    QTest::mouseClick(calendar().Cmd_Day[10], Qt::LeftButton);
    QTest::mouseClick(calendar().Cmd_Now, Qt::LeftButton);
    QCOMPARE(shown(), u"2026/1"_s);
    QCOMPARE(calendar().ClickDate->text(), u"2026/1/7"_s);

    run({u"Y2024"_s, u"M2"_s});
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    runAsHandler(m_main.get(), [&] { Mod1::ShowMessage(u"x"_s, 0, m_main.get(), 0); });
    QTRY_COMPARE(m_main->activationCount(), 2);
    QCOMPARE(shown(), u"2026/1"_s);
    QCOMPARE(grid(), month(4, 31));
    QCOMPARE(calendar().Cmb_Year->count(), 201);
    QCOMPARE(calendar().Cmb_Year->itemText(200), u"2100"_s);
    QCOMPARE(calendar().Cmb_Month->count(), 12);
}

void CalendarTest::dayClicks_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("steps"); // after March 2026 is shown
    QTest::addColumn<QString>("selected");
    QTest::newRow("day 5") << 4 << QStringList() << u"2026/3/5"_s;
    QTest::newRow("day 31") << 30 << QStringList() << u"2026/3/31"_s;
    QTest::newRow("an empty cell") << 31 << QStringList() << u"2026/1/7"_s;
    QTest::newRow("a typed year is not on view") << 4 << QStringList{u"y:2027"_s} << u"2026/3/5"_s;
}

void CalendarTest::dayClicks() {
    QFETCH(int, index);
    QFETCH(QStringList, steps);
    QFETCH(QString, selected);
    run(QStringList{u"Y2026"_s, u"M3"_s} + steps);
    QTest::mouseClick(calendar().Cmd_Day[index], Qt::LeftButton);
    QCOMPARE(calendar().ClickDate->text(), selected);
}

QTEST_MAIN(CalendarTest)
#include "test_calendar.moc"
