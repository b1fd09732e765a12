#pragma once

#include "WindowSupport.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// Name, version, a short description and two links to the product web site.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    ~frmAbout() override;

    // The about window, created from its description when none exists.
    static frmAbout* instance();
    static bool isLoaded();
    // Shows it modally; returns once it has been closed.
    static void ShowModal();

private:
    friend frmAbout* LoadWindow<frmAbout>(QPointer<frmAbout>&);
    frmAbout();

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};
