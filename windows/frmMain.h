#pragma once

#include "WindowSupport.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class frmMain;
}

// The input window: a name, a date of birth from three lists, and the reading button.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    ~frmMain() override;

    // The main window, created (and its lists filled) when none exists.
    static frmMain* instance();
    static bool isLoaded();

    // True when name and date may be used; otherwise the user has been told why.
    bool ValidateInput();
    void cmdNext_Click();

    QWidget* cobrandLabel() const;
    QWidget* fullBrandLabel() const;

private:
    friend frmMain* LoadWindow<frmMain>(QPointer<frmMain>&);
    frmMain();

    void Form_Load();
    void mnuExit_Click();
    void mnuAbout_Click();

    std::unique_ptr<Ui::frmMain> ui;
};
