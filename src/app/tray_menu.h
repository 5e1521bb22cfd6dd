#pragma once

#include "common/twips.h"

#include <QMenu>

class Program;

// The tray icon's popup menu "Popup" of the controller window, with its
// items' handlers.
class TrayMenu : public QMenu {
    Q_OBJECT
public:
    explicit TrayMenu(Program& program);

    void showhide_Click();
    void aboutme_Click();
    void website_Click();
    void email_Click();
    void exitme_Click();

    QAction* showhide;
    QAction* aboutme;
    QMenu* extra;
    QAction* website;
    QAction* email;
    QAction* exitme;

private:
    Program& program_;
    bool windowsHidden_ = false;
    TwipsRect barPlace_; // the bar's place and size when it was hidden
};
