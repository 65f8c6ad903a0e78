#include "calendar/CalendarFrame.h"

#include "core/Main.h"

CalendarFrame::CalendarFrame(Main& main) : QObject(&main), m_main(main) {}

namespace Mod1 {

void BuildMonth() {
    // The month grid joins the calendar frame with the calendar's own work.
}

} // namespace Mod1
