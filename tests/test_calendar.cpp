// The month calendar: the grid of a month, moving between months and the selected date.
#include "Drive.h"
#include "calendar/CalendarFrame.h"
#include "platform/Clock.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QWheelEvent>

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

void addRow(const char* name, const QString& steps, const QString& shown, const QStringList& cells,
            const QString& selected = u"2026/1/7"_s) {
    QTest::newRow(name) << steps.split(u' ', Qt::SkipEmptyParts) << shown << cells << selected;
}

} // namespace

class CalendarTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        platform::setUpDesktop();
        platform::setClock([] { return QDateTime(QDate(2026, 1, 7), QTime(9, 30)); });
    }
    void months_data();
    void months();
};

// Steps as a person takes them: "Y2024" / "M2" pick an entry from the year / month list with
// the mouse, "y:text" / "m:text" type into the box and press Return there (no pick), "F" / "R"
// / "N" click next month / previous month / today, "D4" clicks Cmd_Day(4), "wY" / "wM" turn the
// wheel one notch down over the year / month box, and "A" goes to a message window and back to
// the main window.
void CalendarTest::months_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shown"); // the boxes' texts
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("selected");
    addRow("today", u""_s, u"2026/1"_s, month(4, 31));
    addRow("February 2024 from a Thursday", u"Y2024 M2"_s, u"2024/2"_s, month(4, 29));
    addRow("March 2026 from a Sunday, day 5", u"Y2026 M3 D4"_s, u"2026/3"_s, month(0, 31), u"2026/3/5"_s);
    addRow("December to January", u"Y2025 M12 F"_s, u"2026/1"_s, month(4, 31));
    addRow("January to December", u"R"_s, u"2025/12"_s, month(1, 31));
    addRow("an empty cell", u"Y2026 M3 D31"_s, u"2026/3"_s, month(0, 31));
    addRow("back to the main window", u"Y2024 M2 D10 A A"_s, u"2026/1"_s, month(4, 31));
    // Typed text, even an entry of the list, runs nothing until an entry is picked, and a day
    // belongs to the month on the grid.
    addRow("typed, then picked", u"y:2024 M2"_s, u"2024/2"_s, month(4, 29));
    addRow("typed, then a day", u"Y2026 M3 y:2027 D4"_s, u"2026/3"_s, month(0, 31), u"2026/3/5"_s);
    // What cannot be a month puts the month on view back into the boxes; usable numbers are
    // taken and shown plainly.
    addRow("month 13", u"m:13 Y2030"_s, u"2026/1"_s, month(4, 31));
    addRow("past year 9999", u"y:9999 m:12 F"_s, u"2026/1"_s, month(4, 31));
    addRow("leading zero", u"m:03 Y2030 D7"_s, u"2030/3"_s, month(5, 31), u"2030/3/3"_s);
    // A wheel notch moves one entry from the month on view.
    addRow("a wheel notch over the year", u"wY"_s, u"2027/1"_s, month(5, 31));
    addRow("a wheel notch over the month after a move", u"F wM"_s, u"2026/3"_s, month(0, 31));
}

void CalendarTest::months() {
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    QFETCH(QStringList, cells);
    QFETCH(QString, selected);
    ProgramFolder folder;
    Main main;
    startMain(main);
    CalendarFrame& c = main.calendar();
    const QHash<QString, QPushButton*> buttons{{u"F"_s, c.Cmd_F}, {u"R"_s, c.Cmd_R}, {u"N"_s, c.Cmd_Now}};
    for (const QString& step : steps) {
        QComboBox* box = step.back().toLower() == u'y' || step.front().toLower() == u'y' ? c.Cmb_Year : c.Cmb_Month;
        if (buttons.contains(step)) {
            click(buttons[step]);
        } else if (step.front() == u'D') {
            click(c.Cmd_Day[step.mid(1).toInt()]);
        } else if (step.front() == u'w') {
            QWheelEvent notch(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &notch);
        } else if (step == u"A"_s) {
            ModalScript script;
            script.press(u"Cmd_OK"_s);
            const int before = activations(main);
            runAsHandler(&main, [&] { Mod1::ShowMessage(u"x"_s, 0, &main, 0); });
            QTRY_COMPARE(activations(main), before + 1);
        } else if (step.at(1) == u':') {
            box->setFocus();
            box->lineEdit()->selectAll();
            typeText(box->lineEdit(), step.mid(2));
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        } else {
            QAbstractItemView* view = box->view();
            const QModelIndex entry = view->model()->index(box->findText(step.mid(1)), 0);
            QVERIFY2(entry.isValid(), qPrintable(step));
            box->showPopup();
            view->scrollTo(entry);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
        }
    }
    c.Cmd_Now->setFocus(); // leaving a box after typing is no pick either
    QCOMPARE(c.Cmb_Year->currentText() + u'/' + c.Cmb_Month->currentText(), shown);
    QStringList grid;
    for (auto* day : c.Cmd_Day)
        grid.append(day->text());
    QCOMPARE(grid, cells);
    QCOMPARE(c.ClickDate->text(), selected);
    QCOMPARE(c.Cmb_Year->count() + c.Cmb_Month->count(), 213); // listed once, however often rebuilt
    QVERIFY(c.Cmb_Year->view()->minimumWidth() >= c.Cmb_Year->view()->sizeHintForColumn(0)); // years read whole
}

QTEST_MAIN(CalendarTest)
#include "test_calendar.moc"
