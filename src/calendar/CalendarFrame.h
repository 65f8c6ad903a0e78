#pragma once

#include <QObject>

class Main;

// The calendar frame "カレンダー" of the main window: the month grid and the selected date.
class CalendarFrame : public QObject {
    Q_OBJECT
public:
    explicit CalendarFrame(Main& main);

private:
    Main& m_main;
};

namespace Mod1 {

// Shows the current month and selects today.
void BuildMonth();

} // namespace Mod1
