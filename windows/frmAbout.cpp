#include "frmAbout.h"

#include "WindowSupport.h"
#include "modHelp.h"
#include "ui_frmAbout.h"

frmAbout::frmAbout() : ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui->lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(ui->lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
    ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::ShowModal()
{
    frmAbout* about = instance();
    CentreOnScreen(about);
    about->exec(); // application-modal: the opener takes no input until this returns
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::lblHomePage_Click() { modHelp::OpenHomePage(); }

void frmAbout::lblCoBrand_Click() { modHelp::OpenFullBrandPage(); }
