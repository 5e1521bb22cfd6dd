#include "app/tray_menu.h"

#include "about/form7.h"
#include "app/form3.h"
#include "app/program.h"
#include "build_config.h"
#include "countdown/form1.h"
#include "platform/shell.h"

#include <QApplication>

namespace {

// The windows Show/Hide hides; the alert window is never among them.
bool hiddenByShowHide(const QString& window) {
    static const QStringList names{"Form1", "Form2", "Form4", "Form5", "Form6", "Form7"};
    return names.contains(window);
}

} // namespace

TrayMenu::TrayMenu(Program& program) : QMenu("Popup"), program_(program) {
    setObjectName("mnuPopup");
    showhide = addAction("Show/Hide", this, &TrayMenu::showhide_Click);
    aboutme = addAction("About", this, &TrayMenu::aboutme_Click);
    extra = addMenu("Extra");
    website = extra->addAction("Visit Our Website", this, &TrayMenu::website_Click);
    email = extra->addAction("E-Mail", this, &TrayMenu::email_Click);
    exitme = addAction("Exit", this, &TrayMenu::exitme_Click);
}

void TrayMenu::showhide_Click() {
    Form1* bar = program_.loadedForm1();
    if (!bar) {
        return;
    }
    // The toggle keeps its own state (the bar "minimised" is the bar hidden
    // by it): once a window manager has withdrawn the hidden bar, Qt no longer
    // reports it minimised, and asking the window manager to minimise a
    // window about to be withdrawn races with showing it again.
    windowsHidden_ = !windowsHidden_;
    if (windowsHidden_) {
        barPlace_ = bar->twipsGeometry();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (hiddenByShowHide(window->objectName())) {
                window->hide();
            }
        }
    } else {
        // Only the bar comes back, where it was; an open panel waits to be
        // opened again.
        bar->setTwipsGeometry(barPlace_);
        bar->show();
    }
}

void TrayMenu::aboutme_Click() {
    Form7& about = program_.form7();
    about.show();
    about.raise();
    about.activateWindow();
}

void TrayMenu::website_Click() {
    program_.services().shell.openUrl(std::string(BuildConfig::siteUrl) + "/");
}

void TrayMenu::email_Click() {
    program_.services().shell.openUrl(std::string("mailto:") + BuildConfig::mail);
}

void TrayMenu::exitme_Click() {
    Form3& controller = program_.form3();
    controller.RemoveTrayIcon();
    controller.Form_Unload();
}
