#include "app/form3.h"

#include "app/program.h"
#include "countdown/form1.h"
#include "schedule/group_split.h"

Form3::Form3(Program& program) : program_(program) {
    setObjectName("Form3");
    setWindowTitle("Kickoff Clock");
}

void Form3::Form_Load() {
    // Start-up steps, in this order: schedule fetch and update check (an
    // accepted update ends the load there), reminders, tray icon, group
    // split, countdown window. The first three join as they are built.

    // A schedule that cannot be read leaves the tables as far as they got;
    // the bar is shown all the same.
    XMLParsing::splitGroups(RichTextBox1, program_.groupTables());

    Form1& bar = program_.form1();
    if (!program_.ended()) {
        bar.show();
    }
}
