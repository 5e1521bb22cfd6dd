#include "calendar/open_calender_ui.h"

#include "app/program.h"
#include "calendar/form4.h"

namespace CalenderParsing {

void OpenCalender(Program& program, const std::string& selector) {
    Form4& calendar = program.form4();
    CalendarPage page = calendar.page();
    OpenCalender(page, program.groupTables(), selector);
    calendar.showPage(page);
    calendar.show();
    calendar.raise();
}

} // namespace CalenderParsing
