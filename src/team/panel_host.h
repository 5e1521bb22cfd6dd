#pragma once

class TwipsWindow;

// The bar the team panel belongs to, as the panel sees it: the panel sits
// beside the bar's window and tells the bar when it comes and goes.
class PanelHost {
public:
    virtual const TwipsWindow& barWindow() const = 0;
    // The panel's window is loaded; its handle counts as the bar's for the focus fade.
    virtual void panelLoaded(int handle) = 0;
    // The panel has grown open.
    virtual void panelOpened() = 0;
    // The panel is unloaded.
    virtual void panelClosed() = 0;

protected:
    ~PanelHost() = default;
};
