#pragma once

#include <QDate>
#include <QObject>
#include <array>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;

namespace platform {
class Button3D;
class Frame3D;
} // namespace platform

// The calendar frame "カレンダー" of the main window: the month grid and the selected date.
// The month on view is the text of Cmb_Year and Cmb_Month; the selected date, which the diary
// opens, is the caption of ClickDate ("yyyy/m/d").
class CalendarFrame : public QObject {
    Q_OBJECT
public:
    // Builds the controls inside `frame` of `window`; `currentUser` names the user whose
    // diary the diary button opens.
    CalendarFrame(QWidget& window, QWidget* frame, std::function<QString()> currentUser);

    platform::Button3D* Cmd_Edit;
    platform::Button3D* Cmd_Now;
    platform::Button3D* Cmd_R;
    platform::Button3D* Cmd_F;
    QComboBox* Cmb_Year;
    QComboBox* Cmb_Month;
    platform::Frame3D* Frame1;
    std::array<QPushButton*, 7> Cmd_DoW{};
    std::array<QPushButton*, 42> Cmd_Day{};
    QLabel* Label1;
    QLabel* ClickDate;

    QAction* Mnu_ExportDiary; // the diary button's right-click menu

    // Opens the selected day's diary of the current user, behind the user's password.
    void Cmd_Edit_Click();
    // Writes the current user's diary, all of it or the days between two dates, to a text file
    // the user names, behind the user's password.
    void Mnu_ExportDiary_Click();
    void Cmb_Year_Click();
    void Cmb_Month_Click();
    void Cmd_F_Click();
    void Cmd_R_Click();
    void Cmd_Now_Click();
    void Cmd_Day_Click(int Index);

    // Shows the current month and selects today.
    void BuildMonth();

private:
    // Lays the month out on the grid, every cell outside it empty, and remembers it as the
    // month on view.
    void layOutMonth(int year, int month);
    // The first day of the month in the two boxes. None when a box is empty (nothing to do), or
    // when a text is not a year from 100 to 9999 or a month from 1 to 12: then the boxes show
    // the month on view again.
    std::optional<QDate> monthInBoxes();
    void showMonthInBoxes(int year, int month);
    // Shows the selected date ("yyyy/m/d") in ClickDate, in a font that lets it fit.
    void selectDate(const QString& date);
    void moveMonth(int step);
    // The current user, once the user has typed the user's password; nothing (after a notice)
    // for Guest, who has no diary, or a wrong password. `refusal` tells Guest why.
    std::optional<QString> userBehindPassword(const QString& refusal);

    QWidget& m_window;
    std::function<QString()> m_currentUser;
    int m_year = 0; // the month on view
    int m_month = 0;
};
