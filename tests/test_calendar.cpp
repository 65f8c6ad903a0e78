// The month calendar of the main window: the grid of a month, moving between months, the
// two month boxes and the selected date.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "calendar/CalendarFrame.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "platform/Clock.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/Twips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::twipsRect;

namespace {

// Opens the box's list and picks the entry with this text, as a person does with the mouse.
bool pickFromList(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    if (index < 0)
        return false;
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QModelIndex entry = view->model()->index(index, 0);
    view->scrollTo(entry);
    QTest::mouseMove(view->viewport(), view->visualRect(entry).center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    return !view->isVisible();
}

// Replaces the box's text by typing, without picking anything.
void typeInto(QComboBox* box, const QString& text) {
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    typeText(box->lineEdit(), text);
}

// The 42 captions of a month whose first day stands in `firstCell`.
QStringList expectedGrid(int firstCell, int length) {
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
    void initTestCase();
    void init();
    void cleanup();
    void controlsAtTheirPlaces();
    void activationShowsTodaysMonth();
    void monthLayouts_data();
    void monthLayouts();
    void noStaleDays();
    void crossingMonths_data();
    void crossingMonths();
    void listsHoldEachEntryOnce();
    void typedTextRunsNothing();
    void unusableTextRestoresTheMonth_data();
    void unusableTextRestoresTheMonth();
    void dayClicks_data();
    void dayClicks();
    void nowReturnsToToday();

private:
    CalendarFrame& calendar() { return m_main->calendar(); }
    QStringList grid();
    void showMonth(int year, int month);

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<Main> m_main;
};

void CalendarTest::initTestCase() {
    platform::setUpDesktop();
}

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
    for (QPushButton* day : calendar().Cmd_Day)
        cells.append(day->text());
    return cells;
}

void CalendarTest::showMonth(int year, int month) {
    QVERIFY(pickFromList(calendar().Cmb_Year, QString::number(year)));
    QVERIFY(pickFromList(calendar().Cmb_Month, QString::number(month)));
}

void CalendarTest::controlsAtTheirPlaces() {
    CalendarFrame& c = calendar();
    QCOMPARE(c.Cmd_Edit->parentWidget(), m_main->SSFrame1);
    QCOMPARE(c.Cmd_Edit->geometry(), twipsRect(90, 270, 300, 300));
    QCOMPARE(c.Cmd_Now->geometry(), twipsRect(360, 270, 300, 300));
    QCOMPARE(c.Cmd_R->geometry(), twipsRect(630, 270, 300, 300));
    QCOMPARE(c.Cmd_F->geometry(), twipsRect(900, 270, 300, 300));
    for (auto* b : {c.Cmd_Edit, c.Cmd_Now, c.Cmd_R, c.Cmd_F})
        QVERIFY2(!b->icon().isNull() && b->text().isEmpty(), qPrintable(b->objectName()));
    QCOMPARE(c.Cmb_Year->geometry(), twipsRect(1260, 270, 735, 300));
    QCOMPARE(c.Cmb_Month->geometry(), twipsRect(1980, 270, 555, 300));
    QVERIFY(c.Cmb_Year->isEditable() && c.Cmb_Month->isEditable());
    QCOMPARE(c.Frame1->geometry(), twipsRect(45, 495, 2490, 1995));
    QVERIFY(c.Frame1->title().isEmpty());

    const QStringList weekdays{u"日"_s, u"月"_s, u"火"_s, u"水"_s, u"木"_s, u"金"_s, u"土"_s};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(c.Cmd_DoW[i]->objectName(), u"Cmd_DoW(%1)"_s.arg(i));
        QCOMPARE(c.Cmd_DoW[i]->text(), weekdays[i]);
        QCOMPARE(c.Cmd_DoW[i]->geometry(), twipsRect(135 + 315 * i, 180, 330, 240));
    }
    for (int i = 0; i < 42; ++i) {
        QCOMPARE(c.Cmd_Day[i]->parentWidget(), c.Frame1);
        QCOMPARE(c.Cmd_Day[i]->objectName(), u"Cmd_Day(%1)"_s.arg(i));
        QCOMPARE(c.Cmd_Day[i]->geometry(), twipsRect(135 + 315 * (i % 7), 405 + 225 * (i / 7), 330, 240));
        QVERIFY(c.Cmd_Day[i]->isVisible() && c.Cmd_Day[i]->isEnabled());
        QCOMPARE(c.Cmd_Day[i]->font().family(), u"ＭＳ Ｐゴシック"_s);
    }
    QCOMPARE(c.Label1->text(), u"選択日："_s);
    QCOMPARE(c.Label1->geometry(), twipsRect(765, 1755, 600, 195));
    QCOMPARE(c.ClickDate->geometry(), twipsRect(1395, 1755, 960, 195));
    QCOMPARE(c.Label1->font().family(), u"ＭＳ Ｐ明朝"_s);
    QCOMPARE(c.ClickDate->font().family(), u"ＭＳ Ｐ明朝"_s);
}

void CalendarTest::activationShowsTodaysMonth() {
    CalendarFrame& c = calendar();
    QCOMPARE(c.Cmb_Year->currentText(), u"2026"_s);
    QCOMPARE(c.Cmb_Month->currentText(), u"1"_s);
    QCOMPARE(c.ClickDate->text(), u"2026/1/7"_s); // no leading zeros
    QCOMPARE(grid(), expectedGrid(4, 31));        // 2026-01-01 is a Thursday
}

void CalendarTest::monthLayouts_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("firstCell");
    QTest::addColumn<int>("length");
    QTest::newRow("February 2024, leap year from a Thursday") << 2024 << 2 << 4 << 29;
    QTest::newRow("March 2025, six rows from a Saturday") << 2025 << 3 << 6 << 31;
    QTest::newRow("March 2026, from a Sunday") << 2026 << 3 << 0 << 31;
    QTest::newRow("February 2026, four rows exactly") << 2026 << 2 << 0 << 28;
    QTest::newRow("February 1900, no leap year") << 1900 << 2 << 4 << 28;
    QTest::newRow("December 2100") << 2100 << 12 << 3 << 31;
}

void CalendarTest::monthLayouts() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, firstCell);
    QFETCH(int, length);
    showMonth(year, month);
    QCOMPARE(grid(), expectedGrid(firstCell, length));
    QCOMPARE(calendar().ClickDate->text(), u"2026/1/7"_s); // moving does not change the selection
}

void CalendarTest::noStaleDays() {
    showMonth(2025, 3); // six rows
    QCOMPARE(calendar().Cmd_Day[36]->text(), u"31"_s);
    showMonth(2026, 2); // four rows
    QCOMPARE(grid(), expectedGrid(0, 28));
    showMonth(2024, 2);
    QCOMPARE(grid(), expectedGrid(4, 29));
}

void CalendarTest::crossingMonths_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("shownYear");
    QTest::addColumn<QString>("shownMonth");
    QTest::addColumn<int>("firstCell");
    QTest::addColumn<int>("length");
    QTest::newRow("December to January") << 2025 << 12 << true << u"2026"_s << u"1"_s << 4 << 31;
    QTest::newRow("January to December") << 2026 << 1 << false << u"2025"_s << u"12"_s << 1 << 31;
    QTest::newRow("within a year, forward") << 2024 << 1 << true << u"2024"_s << u"2"_s << 4 << 29;
    QTest::newRow("within a year, back") << 2025 << 4 << false << u"2025"_s << u"3"_s << 6 << 31;
    QTest::newRow("past the year list") << 2100 << 12 << true << u"2101"_s << u"1"_s << 6 << 31;
    QTest::newRow("before the year list") << 1900 << 1 << false << u"1899"_s << u"12"_s << 5 << 31;
}

void CalendarTest::crossingMonths() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, forward);
    QFETCH(QString, shownYear);
    QFETCH(QString, shownMonth);
    QFETCH(int, firstCell);
    QFETCH(int, length);
    showMonth(year, month);
    QTest::mouseClick(forward ? calendar().Cmd_F : calendar().Cmd_R, Qt::LeftButton);
    QCOMPARE(calendar().Cmb_Year->currentText(), shownYear);
    QCOMPARE(calendar().Cmb_Month->currentText(), shownMonth);
    QCOMPARE(grid(), expectedGrid(firstCell, length));
    QCOMPARE(calendar().Cmb_Year->count(), 201); // the list stays as it was
}

void CalendarTest::listsHoldEachEntryOnce() {
    QTest::mouseClick(calendar().Cmd_Now, Qt::LeftButton);
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    runAsHandler(m_main.get(), [&] { Mod1::ShowMessage(u"x"_s, 0, m_main.get(), 0); });
    QTRY_COMPARE(m_main->activationCount(), 2);
    QVERIFY2(script.finished(), qPrintable(script.report()));

    QStringList years;
    for (int y = 1900; y <= 2100; ++y)
        years.append(QString::number(y));
    QStringList listed;
    for (int i = 0; i < calendar().Cmb_Year->count(); ++i)
        listed.append(calendar().Cmb_Year->itemText(i));
    QCOMPARE(listed, years);
    listed.clear();
    for (int i = 0; i < calendar().Cmb_Month->count(); ++i)
        listed.append(calendar().Cmb_Month->itemText(i));
    QCOMPARE(listed, (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"10"_s,
                                  u"11"_s, u"12"_s}));
    QCOMPARE(calendar().Cmb_Year->currentText(), u"2026"_s); // filling the lists keeps the texts
    QCOMPARE(calendar().Cmb_Month->currentText(), u"1"_s);
}

// Typing a year or month, even one in the list, confirmed with Return or by leaving the box,
// is no pick: the grid stays.
void CalendarTest::typedTextRunsNothing() {
    const QStringList before = grid();
    typeInto(calendar().Cmb_Year, u"2024"_s);
    QTest::keyClick(calendar().Cmb_Year->lineEdit(), Qt::Key_Return);
    typeInto(calendar().Cmb_Month, u"2"_s);
    QTest::keyClick(calendar().Cmb_Month->lineEdit(), Qt::Key_Tab);
    calendar().Cmd_Now->setFocus();
    QCOMPARE(grid(), before);
    QCOMPARE(calendar().Cmb_Year->currentText(), u"2024"_s);

    // Picking then shows what the boxes say.
    QVERIFY(pickFromList(calendar().Cmb_Month, u"2"_s));
    QCOMPARE(grid(), expectedGrid(4, 29));
}

void CalendarTest::unusableTextRestoresTheMonth_data() {
    QTest::addColumn<QString>("typedYear");
    QTest::addColumn<QString>("typedMonth");
    QTest::addColumn<QString>("action"); // pick the year 2030, next or previous month
    QTest::addColumn<QString>("shownYear");
    QTest::addColumn<QString>("shownMonth");
    QTest::addColumn<int>("firstCell");
    QTest::addColumn<int>("length");
    // The month on view is January 2026.
    const QString pick = u"pick"_s;
    QTest::newRow("month 13") << QString() << u"13"_s << pick << u"2026"_s << u"1"_s << 4 << 31;
    QTest::newRow("month 0") << QString() << u"0"_s << pick << u"2026"_s << u"1"_s << 4 << 31;
    QTest::newRow("month in words") << QString() << u"三月"_s << pick << u"2026"_s << u"1"_s << 4 << 31;
    QTest::newRow("month with a sign") << QString() << u"-3"_s << pick << u"2026"_s << u"1"_s << 4 << 31;
    QTest::newRow("year 99") << u"99"_s << QString() << u"next"_s << u"2026"_s << u"1"_s << 4 << 31;
    QTest::newRow("year 10000") << u"10000"_s << QString() << u"back"_s << u"2026"_s << u"1"_s << 4 << 31;
    QTest::newRow("year in letters") << u"abc"_s << QString() << u"next"_s << u"2026"_s << u"1"_s << 4 << 31;
    QTest::newRow("past year 9999") << u"9999"_s << u"12"_s << u"next"_s << u"2026"_s << u"1"_s << 4 << 31;
    QTest::newRow("before year 100") << u"100"_s << u"1"_s << u"back"_s << u"2026"_s << u"1"_s << 4 << 31;
    // Usable numbers are taken and shown plainly.
    QTest::newRow("full-width digits") << QString() << u"３"_s << pick << u"2030"_s << u"3"_s << 5 << 31;
    QTest::newRow("leading zero") << QString() << u"03"_s << pick << u"2030"_s << u"3"_s << 5 << 31;
    QTest::newRow("blanks around") << u" 2024 "_s << u"2"_s << u"next"_s << u"2024"_s << u"3"_s << 5 << 31;
    QTest::newRow("year 100") << u"100"_s << u"2"_s << u"back"_s << u"100"_s << u"1"_s << 5 << 31;
}

void CalendarTest::unusableTextRestoresTheMonth() {
    QFETCH(QString, typedYear);
    QFETCH(QString, typedMonth);
    QFETCH(QString, action);
    QFETCH(QString, shownYear);
    QFETCH(QString, shownMonth);
    QFETCH(int, firstCell);
    QFETCH(int, length);
    if (!typedYear.isNull())
        typeInto(calendar().Cmb_Year, typedYear);
    if (!typedMonth.isNull())
        typeInto(calendar().Cmb_Month, typedMonth);
    if (action == u"pick"_s)
        QVERIFY(pickFromList(calendar().Cmb_Year, u"2030"_s));
    else
        QTest::mouseClick(action == u"next"_s ? calendar().Cmd_F : calendar().Cmd_R, Qt::LeftButton);
    QCOMPARE(calendar().Cmb_Year->currentText(), shownYear);
    QCOMPARE(calendar().Cmb_Month->currentText(), shownMonth);
    QCOMPARE(grid(), expectedGrid(firstCell, length));
}

void CalendarTest::dayClicks_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typedYear"); // typed after the month was shown, never picked
    QTest::addColumn<QString>("selected");
    // March 2026 is on view.
    QTest::newRow("day 5") << 4 << QString() << u"2026/3/5"_s;
    QTest::newRow("day 31") << 30 << QString() << u"2026/3/31"_s;
    QTest::newRow("an empty cell") << 31 << QString() << u"2026/1/7"_s;
    QTest::newRow("a typed year is not on view") << 4 << u"2027"_s << u"2026/3/5"_s;
}

void CalendarTest::dayClicks() {
    QFETCH(int, index);
    QFETCH(QString, typedYear);
    QFETCH(QString, selected);
    showMonth(2026, 3);
    if (!typedYear.isNull())
        typeInto(calendar().Cmb_Year, typedYear);
    QTest::mouseClick(calendar().Cmd_Day[index], Qt::LeftButton);
    QCOMPARE(calendar().ClickDate->text(), selected);
    if (selected != u"2026/1/7"_s)
        QCOMPARE(calendar().Cmb_Year->currentText(), u"2026"_s); // the boxes agree with the date
}

void CalendarTest::nowReturnsToToday() {
    showMonth(2024, 2);
    QTest::mouseClick(calendar().Cmd_Day[10], Qt::LeftButton);
    QCOMPARE(calendar().ClickDate->text(), u"2024/2/7"_s);
    const int activations = m_main->activationCount();
    QTest::mouseClick(calendar().Cmd_Now, Qt::LeftButton);
    QCOMPARE(calendar().Cmb_Year->currentText(), u"2026"_s);
    QCOMPARE(calendar().Cmb_Month->currentText(), u"1"_s);
    QCOMPARE(grid(), expectedGrid(4, 31));
    QCOMPARE(calendar().ClickDate->text(), u"2026/1/7"_s);
    QCOMPARE(m_main->activationCount(), activations);
}

QTEST_MAIN(CalendarTest)
#include "test_calendar.moc"
