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
#include "reminders/reminder_store_ui.h"
#include "schedule/group_split.h"
#include "update/download_estimate.h"
#include "update/form6.h"
#include "update/schedule_fetch.h"
#include "update/update_marker.h"
#include "update/update_texts.h"
#include "widgets/elements.h"
#include "widgets/picture.h"

#include <QCoreApplication>
#include <QCursor>

#include <algorithm>

namespace {

std::string siteAddress(const char* host, const char* path) {
    return std::string(host) + path;
}

} // namespace

Form3::Form3(Program& program)
    : mnuPopup(std::make_unique<TrayMenu>(program)),
      reminderStore_(std::make_unique<ReminderStore>(program, Reminders, CheckMatchs)),
      program_(program) {
    setObjectName("Form3");
    setWindowTitle("Kickoff Clock");
    setWindowIcon(iconPicture("KickoffClock"));
    nameTimer(CheckMatchs, this, "CheckMatchs");
    DownloaderTimer.setInterval(600);
    connect(&DownloaderTimer, &QTimer::timeout, this, &Form3::DownloaderTimer_Timer);
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

    reminderStore_->LoadReminders();

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
    if (!offersUpdate(URL, BuildConfig::siteUrl)) {
        return false;
    }
    const auto answer = program_.services().messageBox.show(
        UpdateTexts::offerText, UpdateTexts::offerTitle, MessageBox::Buttons::YesNo);
    if (answer != MessageBox::Answer::Yes) {
        return false;
    }
    DownloaderTimer.start();
    // Creating the alert window stops the reminder check. It stays hidden
    // until the download shows it; its countdown, given no kick-off time,
    // shows nothing and stops at its first tick.
    program_.form8();
    return true;
}

void Form3::DownloaderTimer_Timer() {
    // The download lets events run while it waits; this must not tick again.
    DownloaderTimer.stop();
    // Closing the download window ends the download (see eventFilter).
    program_.form8().installEventFilter(this);
    if (const auto size = fileSizeMarker(RichTextBox1)) {
        DownloadTimeSize = *size;
        DownloadTime(std::to_string(DownloadTimeSize));
    } else {
        program_.form8().showDownload(UpdateTexts::downloadHeadline, unknownSizeEstimate());
    }
    DownloadUpdate(URL);
}

void Form3::DownloadTime(std::string size) {
    program_.form8().showDownload(UpdateTexts::downloadHeadline,
                                  downloadTime(size).value_or(unknownSizeEstimate()));
}

void Form3::DownloadUpdate(const std::string& URL) {
    // Once, so that the download window shows its texts before the wait.
    QCoreApplication::processEvents();
    Services& services = program_.services();
    const auto archive = services.http.getBytes(URL);
    if (program_.ended()) {
        return; // the download window was closed meanwhile
    }
    const std::string path =
        programFilePath(services.files.downloadFolder(), UpdateTexts::archiveName);
    // Half an archive is worse than none: only a whole one is written, and
    // an earlier one stays as it was otherwise.
    if (archive && services.files.write(path, *archive)) {
        services.shell.openUrl(siteAddress(BuildConfig::siteUrl, UpdateTexts::helpPath));
    } else {
        services.messageBox.show(UpdateTexts::downloadFailedText, UpdateTexts::downloadFailedTitle,
                                 MessageBox::Buttons::Ok);
    }
    Form_Unload();
}

void Form3::Form_Unload() {
    RemoveTrayIcon();
    // A store never read in this run (an update's run, say) is not written.
    reminderStore_->SaveReminders();
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

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    // Closing the download window gives the update up and ends the program;
    // the archive is written only once it has come whole, so nothing is yet.
    if (event->type() == QEvent::Close && watched == program_.loadedForm8()) {
        Form_Unload();
    }
    return QWidget::eventFilter(watched, event);
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
