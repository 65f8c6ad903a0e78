#include "calendar/CalendarFrame.h"

#include "core/EngineGuard.h"
#include "platform/Clock.h"
#include "platform/Controls3D.h"
#include "platform/ListPick.h"
#include "platform/TextFit.h"
#include "platform/WindowLayout.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString buttonFont = u"ＭＳ Ｐゴシック"_s;
const QString labelFont = u"ＭＳ Ｐ明朝"_s;

// A whole number typed as decimal digits (full-width digits too), blanks around it allowed.
std::optional<int> wholeNumber(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 6)
        return std::nullopt;
    int value = 0;
    for (const QChar c : digits) {
        const int digit = c.digitValue();
        if (digit < 0)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// A filled triangle pointing left or right: the desktop's own arrows are drawn too faint for
// these small buttons.
QIcon arrowPicture(Qt::ArrowType direction, const QColor& color) {
    QPixmap pixmap(28, 28);
    pixmap.setDevicePixelRatio(2.0);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const QPolygonF left{{3.5, 7.0}, {10.5, 2.5}, {10.5, 11.5}};
    const QPolygonF right{{10.5, 7.0}, {3.5, 2.5}, {3.5, 11.5}};
    painter.drawPolygon(direction == Qt::LeftArrow ? left : right);
    return QIcon(pixmap);
}

QString dateText(int year, int month, int day) {
    return u"%1/%2/%3"_s.arg(year).arg(month).arg(day);
}

} // namespace

CalendarFrame::CalendarFrame(QWidget& window, QWidget* frame, std::function<QString()> currentUser)
    : QObject(&window), m_window(window), m_currentUser(std::move(currentUser)) {
    using enum platform::Kind;
    QStyle* style = frame->style();
    const QIcon edit = QIcon::fromTheme(u"accessories-text-editor"_s, style->standardIcon(QStyle::SP_FileIcon));
    const QIcon today = QIcon::fromTheme(u"x-office-calendar"_s, style->standardIcon(QStyle::SP_BrowserReload));
    const QColor arrowColor = frame->palette().color(QPalette::ButtonText);
    const QIcon back = arrowPicture(Qt::LeftArrow, arrowColor);
    const QIcon forward = arrowPicture(Qt::RightArrow, arrowColor);
    // The boxes are narrow: a slim arrow leaves room for a four-digit year.
    const QString slimArrow = u"QComboBox { padding: 0px 1px 0px 2px; } QComboBox::drop-down { width: 12px; }"_s;
    const QList<platform::Control> controls{
        {Button, u"Cmd_Edit"_s, {90, 270, 300, 300}, {.tip = u"日記"_s, .icon = edit, .iconSize = 14, .to = &Cmd_Edit}},
        {Button,
         u"Cmd_Now"_s,
         {360, 270, 300, 300},
         {.tip = u"今月に戻る"_s, .icon = today, .iconSize = 14, .to = &Cmd_Now}},
        {Button, u"Cmd_R"_s, {630, 270, 300, 300}, {.tip = u"前の月"_s, .icon = back, .iconSize = 14, .to = &Cmd_R}},
        {Button, u"Cmd_F"_s, {900, 270, 300, 300}, {.tip = u"次の月"_s, .icon = forward, .iconSize = 14, .to = &Cmd_F}},
        {DropList, u"Cmb_Year"_s, {1260, 270, 735, 300}, {.style = slimArrow, .to = &Cmb_Year}},
        {DropList, u"Cmb_Month"_s, {1980, 270, 555, 300}, {.style = slimArrow, .to = &Cmb_Month}},
        // A frame without caption: its border runs half a line below its top, clear of the
        // buttons above it, which stay on top where the two overlap.
        {Frame, u"Frame1"_s, {45, 495, 2490, 1995}, {.lowered = true, .to = &Frame1}},
    };
    platform::layOut(frame, controls);
    for (QComboBox* box : {Cmb_Year, Cmb_Month})
        box->setMaxVisibleItems(12);
    platform::onListPick(Cmb_Year, this, [this] { Cmb_Year_Click(); });
    platform::onListPick(Cmb_Month, this, [this] { Cmb_Month_Click(); });

    // The month grid. The cells are small: the caption needs all of the button.
    const QFont cellFont(buttonFont, 9);
    const QFont labels(labelFont, 9);
    const QString cell = u"QPushButton { padding: 0px; }"_s;
    const QString weekdays[] = {u"日"_s, u"月"_s, u"火"_s, u"水"_s, u"木"_s, u"金"_s, u"土"_s};
    QList<platform::Control> cells;
    for (int i = 0; i < 7; ++i)
        cells.append({Button,
                      u"Cmd_DoW(%1)"_s.arg(i),
                      {135 + 315.0 * i, 180, 330, 240},
                      {.text = weekdays[i], .font = cellFont, .style = cell, .to = &Cmd_DoW[i]}});
    for (int i = 0; i < 42; ++i)
        cells.append({Button,
                      u"Cmd_Day(%1)"_s.arg(i),
                      {135 + 315.0 * (i % 7), 405 + 225.0 * (i / 7), 330, 240},
                      {.font = cellFont, .style = cell, .to = &Cmd_Day[i]}});
    cells += {Label, u"Label1"_s, {765, 1755, 600, 195}, {.text = u"選択日："_s, .font = labels, .to = &Label1}};
    cells += {Label, u"ClickDate"_s, {1395, 1755, 960, 195}, {.font = labels, .to = &ClickDate}};
    platform::layOut(Frame1, cells);
    for (int i = 0; i < 42; ++i)
        connect(Cmd_Day[i], &QPushButton::clicked, this, [this, i] { Cmd_Day_Click(i); });

    core::connectGuarded(Cmd_Edit, &QPushButton::clicked, this, &CalendarFrame::Cmd_Edit_Click, &m_window);
    Mnu_ExportDiary = new QAction(u"日記をテキスト ファイルに書き出す..."_s, Cmd_Edit);
    Mnu_ExportDiary->setObjectName(u"Mnu_ExportDiary"_s);
    Cmd_Edit->addAction(Mnu_ExportDiary);
    Cmd_Edit->setContextMenuPolicy(Qt::ActionsContextMenu);
    core::connectGuarded(Mnu_ExportDiary, &QAction::triggered, this, &CalendarFrame::Mnu_ExportDiary_Click, &m_window);
    connect(Cmd_Now, &QPushButton::clicked, this, &CalendarFrame::Cmd_Now_Click);
    connect(Cmd_R, &QPushButton::clicked, this, &CalendarFrame::Cmd_R_Click);
    connect(Cmd_F, &QPushButton::clicked, this, &CalendarFrame::Cmd_F_Click);
}

void CalendarFrame::BuildMonth() {
    Cmb_Year->clear();
    Cmb_Month->clear();
    const QDate today = platform::now().date();
    // The lists first: the first entry added to an empty box would replace its text.
    for (int y = 1900; y <= 2100; ++y)
        Cmb_Year->addItem(QString::number(y));
    for (int m = 1; m <= 12; ++m)
        Cmb_Month->addItem(QString::number(m));
    // The boxes are narrow; their lists are as wide as the entries need.
    for (QComboBox* box : {Cmb_Year, Cmb_Month})
        box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) +
                                     box->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    showMonthInBoxes(today.year(), today.month());
    layOutMonth(today.year(), today.month());
    selectDate(dateText(today.year(), today.month(), today.day()));
}

void CalendarFrame::selectDate(const QString& date) {
    ClickDate->setText(date);
    platform::fitCaption(ClickDate); // "2026/12/31" is wider than the label in our fonts
}

void CalendarFrame::layOutMonth(int year, int month) {
    const QDate first(year, month, 1);
    const int firstCell = first.dayOfWeek() % 7; // Sunday is the first column
    const int length = first.daysInMonth();
    for (int i = 0; i < 42; ++i) {
        const int day = i - firstCell + 1;
        Cmd_Day[i]->setText(day >= 1 && day <= length ? QString::number(day) : QString());
    }
    m_year = year;
    m_month = month;
}

void CalendarFrame::showMonthInBoxes(int year, int month) {
    // The list position follows the text, so a wheel notch or an arrow key moves one entry
    // from the month on view (a year outside the list has no position).
    for (const auto& [box, value] : {std::pair{Cmb_Year, year}, std::pair{Cmb_Month, month}}) {
        const QString text = QString::number(value);
        box->setCurrentIndex(box->findText(text));
        box->setEditText(text);
    }
}

std::optional<QDate> CalendarFrame::monthInBoxes() {
    if (Cmb_Year->currentText().isEmpty() || Cmb_Month->currentText().isEmpty())
        return std::nullopt;
    const auto y = wholeNumber(Cmb_Year->currentText());
    const auto m = wholeNumber(Cmb_Month->currentText());
    if (!y || !m || *y < 100 || *y > 9999 || *m < 1 || *m > 12) {
        showMonthInBoxes(m_year, m_month);
        return std::nullopt;
    }
    return QDate(*y, *m, 1);
}

void CalendarFrame::Cmb_Year_Click() {
    const auto first = monthInBoxes();
    if (!first)
        return;
    showMonthInBoxes(first->year(), first->month()); // as plain numbers, so the selected date has no leading zeros
    layOutMonth(first->year(), first->month());
}

void CalendarFrame::Cmb_Month_Click() {
    Cmb_Year_Click();
}

void CalendarFrame::moveMonth(int step) {
    const auto first = monthInBoxes();
    if (!first)
        return;
    // A move past the years the boxes take is put back by the click like a typed one.
    const QDate moved = first->addMonths(step);
    showMonthInBoxes(moved.year(), moved.month());
    Cmb_Year_Click();
}

void CalendarFrame::Cmd_F_Click() {
    moveMonth(+1);
}

void CalendarFrame::Cmd_R_Click() {
    moveMonth(-1);
}

void CalendarFrame::Cmd_Now_Click() {
    BuildMonth();
}

void CalendarFrame::Cmd_Day_Click(int Index) {
    const QString day = Cmd_Day[Index]->text();
    if (day.isEmpty())
        return;
    // The day belongs to the month on the grid, whatever was typed into the boxes since.
    showMonthInBoxes(m_year, m_month);
    selectDate(dateText(m_year, m_month, day.toInt()));
}
