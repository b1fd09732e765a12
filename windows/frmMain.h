#pragma once

#include "WindowSlot.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class frmMain;
}

// The input window: a name, a date of birth from three lists, and the reading button.
class frmMain : public QMainWindow, public WindowSlot<frmMain> {
    Q_OBJECT
public:
    ~frmMain() override;

    // True when name and date may be used; otherwise the user has been told why.
    bool ValidateInput();
    void cmdNext_Click();
    // Sets the date lists from a saved reading the user picks, then runs the reading.
    void cmdOpen_Click();

    QWidget* cobrandLabel() const;
    QWidget* fullBrandLabel() const;

protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload

private:
    friend class WindowSlot<frmMain>;
    frmMain();

    void Form_Load();
    void mnuExit_Click();
    void mnuAbout_Click();

    std::unique_ptr<Ui::frmMain> ui;
    bool closingForReading = false; // the chart window takes over; the farewell waits hidden
};
