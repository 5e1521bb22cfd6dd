#include "reminders/reminder_store_ui.h"

#include "app/program.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "reminders/form8.h"
#include "reminders/reminder_file_ui.h"
#include "reminders/reminder_rules.h"

#include <QTimer>

ReminderStore::ReminderStore(Program& program, std::string& reminders, QTimer& checkMatchs)
    : program_(program), reminders_(reminders), checkMatchs_(checkMatchs) {
    // The check is rescheduled after every tick (see nextCheckDelay), so the
    // idle program wakes for it about once a minute rather than every 600 ms.
    checkMatchs_.setSingleShot(true);
    checkMatchs_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&checkMatchs_, &QTimer::timeout, &checkMatchs_,
                     [this] { CheckMatchs_Timer(); });
    checkMatchs_.start(ReminderMatch::checkInterval);
}

void ReminderStore::LoadReminders() {
    ReminderMatch::StoreFile store = ReminderMatch::readStore(program_.services().files);
    reminders_ = std::move(store.text);
    writable_ = store.writable;
    unreadable_ = !store.writable;
    RemindersChanged();
}

void ReminderStore::AddReminder(std::string& text) {
    const auto key = ReminderMatch::reminderKey(text);
    if (!key) {
        return;
    }
    if (reminders_.find(*key) != std::string::npos) {
        program_.services().messageBox.show("You already have a match alert setup for this match.",
                                            "Kickoff Timer", MessageBox::Buttons::Ok);
        return;
    }
    reminders_ += *key + "\r\n";
    RemindersChanged();
}

void ReminderStore::CheckMatchs() {
    const LocalDateTime now = program_.services().clock.now();
    for (const std::string_view entry : ReminderMatch::reminderEntries(reminders_)) {
        if (const auto alert = ReminderMatch::dueReminder(entry, now)) {
            program_.form8().showReminder(*alert);
        }
    }
}

void ReminderStore::CheckMatchs_Timer() {
    CheckMatchs();
    // The first alert ends the check for the rest of the run.
    if (!program_.loadedForm8()) {
        checkMatchs_.start(ReminderMatch::nextCheckDelay(program_.services().clock.now()));
    }
}

void ReminderStore::RemindersChanged() {
    if (!program_.loadedForm8()) {
        checkMatchs_.start(ReminderMatch::checkInterval);
    }
}

bool ReminderStore::checking() const {
    return checkMatchs_.isActive();
}

void ReminderStore::StopChecking() {
    checkMatchs_.stop();
}

void ReminderStore::SaveReminders() {
    if (unreadable_ && !reminders_.empty()) {
        unreadable_ = false;
        writable_ = ReminderMatch::moveUnreadableStoreAside(program_.services().files);
    }
    if (writable_) {
        ReminderMatch::writeStore(program_.services().files, reminders_);
    }
}
