#pragma once

#include "WindowSlot.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// Name, version, a short description and two links to the product web site.
class frmAbout : public QDialog, public WindowSlot<frmAbout> {
    Q_OBJECT
public:
    ~frmAbout() override;

    // Shows it modally over the window that opens it (nullptr: none); returns once it has
    // been closed.
    static void showModal(QWidget* opener);

private:
    friend class WindowSlot<frmAbout>;
    frmAbout();

    void cmdOK_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};
