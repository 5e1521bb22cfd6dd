#include "reminders/reminder_match.h"

#include "app/form3.h"
#include "app/program.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "reminders/form8.h"
#include "reminders/reminder_rules.h"
#include "widgets/caption_label.h"

namespace ReminderMatch {

namespace {

void CheckReminder(Program& program, std::string_view entry, const LocalDateTime& now) {
    const auto alert = dueReminder(entry, now);
    if (!alert) {
        return;
    }
    Form8& window = program.form8();
    window.show();
    window.raise();
    window.Teams->setCaption(QString::fromStdString(alert->teams));
    window.DateAndTime->setCaption(QString::fromStdString(alert->dateAndTime));
    window.Countdown->setCaption(QString::fromStdString(alert->kickOff));
    window.Setup();
}

} // namespace

void AddReminder(Program& program, std::string& text) {
    const auto key = reminderKey(text);
    if (!key) {
        return;
    }
    Form3& controller = program.form3();
    if (controller.Reminders.find(*key) != std::string::npos) {
        program.services().messageBox.show("You already have a match alert setup for this match.",
                                           "Kickoff Timer", MessageBox::Buttons::Ok);
        return;
    }
    controller.Reminders += *key + "\r\n";
    controller.RemindersChanged();
}

void CheckMatchs(Program& program, std::string_view store) {
    const LocalDateTime now = program.services().clock.now();
    for (const std::string_view entry : reminderEntries(store)) {
        CheckReminder(program, entry, now);
    }
}

} // namespace ReminderMatch
