#pragma once

#include "platform/tray_icon.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

class Program;
class TrayMenu;

// The hidden controller window, alive for the whole run: it holds the
// schedule text, the reminder store and the settings text, and its load runs
// the start-up steps in order.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(Program& program);
    ~Form3() override;

    void Form_Load();
    // Ends the program; other windows' closing steps do not run.
    void Form_Unload();
    // The program ends: the tray icon goes.
    void Form_Terminate();

    // Puts up the tray icon, and takes it away; taking away an icon that is
    // gone is harmless.
    void AddTrayIcon();
    void RemoveTrayIcon();
    // An event of the tray icon, by its code.
    void TrayIcon_Callback(std::uint32_t code);

    // Starts the accepted update's download; the program ends inside it.
    void DownloaderTimer_Timer();
    // Writes the dial-up estimates for `size` kilobytes into the download window.
    void DownloadTime(std::string size);
    // Downloads the archive into the program folder, opens the help page and
    // ends the program.
    void DownloadUpdate(const std::string& URL);

    std::string RichTextBox1; // the schedule text
    std::string Reminders;    // the reminder store's text
    std::string Settings;     // the text of settings.dsl

    std::string URL;            // the update archive's address
    short DownloadTimeSize = 0; // the update archive's size in kilobytes

    QTimer CheckMatchs; // the reminder check, until the first alert
    QTimer DownloaderTimer;

    void CheckMatchs_Timer();
    // The store was loaded or has grown: it is checked again shortly.
    void RemindersChanged();

    // The tray icon's record, filled once, and its popup menu.
    NotifyIconData nid;
    std::unique_ptr<TrayMenu> mnuPopup;

    // Whether an ending may write Reminders back: RemindMe.dsl was read in
    // this run, or was missing.
    bool remindersLoaded = false;
    // RemindMe.dsl is there but could not be read: it is moved aside before
    // the first save with reminders in it.
    bool remindersUnreadable = false;
    // Writes the reminder store to RemindMe.dsl, when it was loaded.
    void SaveReminders();

protected:
    bool event(QEvent* event) override;

private:
    // False when no schedule answer came; the error page then stays.
    bool FetchSchedule();
    // True when the user accepted an update, which ends the load.
    bool UpdateAccepted();

    Program& program_;
};
