#include "app/form3.h"

#include "app/program.h"
#include "app/tray_menu.h"
#include "build_config.h"
#include "common/program_path.h"
#include "countdown/form1.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/http.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/tray_icon.h"
#include "reminders/form8.h"
#include "reminders/reminder_file.h"
#include "reminders/reminder_match.h"
#include "reminders/reminder_rules.h"
#include "schedule/group_split.h"
#include "update/download_estimate.h"
#include "update/form6.h"
#include "update/schedule_fetch.h"
#include "update/update_marker.h"
#include "update/update_texts.h"
#include "widgets/caption_label.h"
#include "widgets/picture.h"

#include <QCoreApplication>
#include <QCursor>

#include <algorithm>

namespace {

std::string siteAddress(const char* host, const char* path) {
    return std::string(host) + path;
}

} // namespace

Form3::Form3(Program& program) : mnuPopup(std::make_unique<TrayMenu>(program)), program_(program) {
    setObjectName("Form3");
    setWindowTitle("Kickoff Clock");
    setWindowIcon(iconPicture("KickoffClock"));
    DownloaderTimer.setInterval(600);
    connect(&DownloaderTimer, &QTimer::timeout, this, &Form3::DownloaderTimer_Timer);
    // The check is rescheduled after every tick (see nextCheckDelay), so the
    // idle program wakes for it about once a minute rather than every 600 ms.
    CheckMatchs.setSingleShot(true);
    CheckMatchs.setTimerType(Qt::PreciseTimer);
    connect(&CheckMatchs, &QTimer::timeout, this, &Form3::CheckMatchs_Timer);
    CheckMatchs.start(ReminderMatch::checkInterval);
}

Form3::~Form3() {
    Form_Terminate();
}

void Form3::Form_Load() {
    // Start-up steps, in this order: schedule fetch and update check (an
    // accepted update ends the load there), reminders, tray icon, group
    // split, countdown window. A failed fetch skips the update check.
    if (FetchSchedule() && UpdateAccepted()) {
        return;
    }

    ReminderMatch::StoreFile store = ReminderMatch::readStore(program_.services().files);
    Reminders = std::move(store.text);
    remindersLoaded = store.writable;
    remindersUnreadable = !store.writable;
    RemindersChanged();

    AddTrayIcon();

    // A schedule that cannot be read leaves the tables as far as they got;
    // the bar is shown all the same.
    XMLParsing::splitGroups(RichTextBox1, program_.groupTables());

    Form1& bar = program_.form1();
    if (!program_.ended()) {
        bar.show();
        addConversionToolKey(bar, program_);
    }
}

bool Form3::FetchSchedule() {
    Http& http = program_.services().http;
    const auto answer = http.getText(siteAddress(BuildConfig::siteUrl, UpdateTexts::schedulePath));
    if (!answer) {
        return false;
    }
    RichTextBox1 = *answer;
    if (isErrorPage(RichTextBox1)) {
        // Only an error page sends us to the mirror, never a dead site.
        const auto mirrored =
            http.getText(siteAddress(BuildConfig::mirrorUrl, UpdateTexts::schedulePath));
        if (!mirrored) {
            return false;
        }
        RichTextBox1 = *mirrored;
    }
    while (http.stillExecuting()) {
        QCoreApplication::processEvents();
    }
    return true;
}

bool Form3::UpdateAccepted() {
    const auto content = updateMarkerContent(RichTextBox1);
    if (!content) {
        return false;
    }
    URL = *content;
    if (!offersUpdate(URL)) {
        return false;
    }
    const auto answer = program_.services().messageBox.show(
        UpdateTexts::offerText, UpdateTexts::offerTitle, MessageBox::Buttons::YesNo);
    if (answer != MessageBox::Answer::Yes) {
        return false;
    }
    DownloaderTimer.start();
    // Creating the alert window stops the reminder check; it stays hidden
    // until the download shows it.
    program_.form8().CountTimer.stop();
    return true;
}

void Form3::DownloaderTimer_Timer() {
    // The download lets events run while it waits; this must not tick again.
    DownloaderTimer.stop();
    Form8& window = program_.form8();
    window.setAccessibleName(UpdateTexts::downloadHeadline);
    window.show();
    window.CountTimer.stop();

    if (const auto size = fileSizeMarker(RichTextBox1)) {
        DownloadTimeSize = *size;
        DownloadTime(std::to_string(DownloadTimeSize));
    } else {
        const DownloadEstimate estimate = unknownSizeEstimate();
        window.DateAndTime->setCaption(QString::fromStdString(estimate.at56k));
        window.Countdown->setCaption(QString::fromStdString(estimate.at128k));
    }
    window.Teams->setCaption(UpdateTexts::downloadHeadline);
    DownloadUpdate(URL);
}

void Form3::DownloadTime(std::string size) {
    Form8& window = program_.form8();
    const DownloadEstimate estimate = downloadTime(size).value_or(unknownSizeEstimate());
    window.DateAndTime->setCaption(QString::fromStdString(estimate.at56k));
    window.Countdown->setCaption(QString::fromStdString(estimate.at128k));
    window.CountTimer.stop();
}

void Form3::DownloadUpdate(const std::string& URL) {
    // Once, so that the download window shows its texts before the wait.
    QCoreApplication::processEvents();
    Services& services = program_.services();
    const auto archive = services.http.getBytes(URL);
    const std::string path =
        programFilePath(services.files.downloadFolder(), UpdateTexts::archiveName);
    // Half an archive is worse than none: only a whole one is written, and
    // an earlier one stays as it was otherwise.
    if (archive && services.files.write(path, *archive)) {
        services.shell.open(siteAddress(BuildConfig::siteUrl, UpdateTexts::helpPath));
    } else {
        services.messageBox.show(UpdateTexts::downloadFailedText, UpdateTexts::downloadFailedTitle,
                                 MessageBox::Buttons::Ok);
    }
    Form_Unload();
}

void Form3::SaveReminders() {
    // An unreadable store is kept under another name once there is
    // something to save in its place.
    if (remindersUnreadable && !Reminders.empty()) {
        remindersUnreadable = false;
        remindersLoaded = ReminderMatch::moveUnreadableStoreAside(program_.services().files);
    }
    // A store that was never read in this run (an update's run, say) must
    // not replace the file.
    if (!remindersLoaded) {
        return;
    }
    ReminderMatch::writeStore(program_.services().files, Reminders);
}

void Form3::CheckMatchs_Timer() {
    ReminderMatch::CheckMatchs(program_, Reminders);
    // The first alert ends the check for the rest of the run.
    if (!program_.loadedForm8()) {
        CheckMatchs.start(ReminderMatch::nextCheckDelay(program_.services().clock.now()));
    }
}

void Form3::RemindersChanged() {
    if (!program_.loadedForm8()) {
        CheckMatchs.start(ReminderMatch::checkInterval);
    }
}

void Form3::Form_Unload() {
    RemoveTrayIcon();
    SaveReminders();
    program_.end();
}

void Form3::Form_Terminate() {
    RemoveTrayIcon();
}

void Form3::AddTrayIcon() {
    nid.cbSize = 88;
    nid.hWnd = this;
    nid.uID = 1;
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    // The icon's events arrive as mouse moves over this window.
    nid.uCallbackMessage = 0x200;
    nid.hIcon = windowIcon();
    const std::string tip = std::string("Kickoff Clock") + '\0';
    std::copy(tip.begin(), tip.end(), nid.szTip.begin());
    // A desktop without a notification area just shows no icon.
    program_.services().trayIcon.add(nid);
}

void Form3::RemoveTrayIcon() {
    program_.services().trayIcon.remove(nid);
}

bool Form3::event(QEvent* event) {
    if (event->type() == TrayCallbackEvent::kind()) {
        const auto* callback = static_cast<TrayCallbackEvent*>(event);
        if (callback->message == nid.uCallbackMessage) {
            TrayIcon_Callback(callback->code);
        }
        return true;
    }
    return QWidget::event(event);
}

void Form3::TrayIcon_Callback(std::uint32_t code) {
    if (code == TrayIcon::leftButtonDoubleClick) {
        mnuPopup->showhide_Click();
    } else if (code == TrayIcon::rightButtonDown) {
        mnuPopup->popup(QCursor::pos());
    }
}
