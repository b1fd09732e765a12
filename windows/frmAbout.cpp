#include "frmAbout.h"

#include "Appearance.h"
#include "Identity.h"
#include "Placement.h"
#include "WebLinks.h"
#include "ui_frmAbout.h"

#include <QWindow>

namespace {

void applyDesign(frmAbout* window, Ui::frmAbout& ui)
{
    using namespace Appearance;
    const QColor green(0, 192, 0);
    setBackground(window, QColor(128, 128, 128));
    setFont(window, Family::Verdana, 11);
    setFont(ui.Label2, Family::Verdana, 19, Bold);
    setTextColour(ui.Label2, green);
    setFont(ui.Label3, Family::Verdana, 11, Bold);
    setTextColour(ui.Label3, green);
    // White links, one line each, on the window's grey.
    for (LinkLabel* link : {ui.lblHomePage, ui.lblCoBrand}) {
        setFont(link, Family::Verdana, 11, Underline);
        setTextColour(link, Qt::white);
        link->setWordWrap(false);
        link->setAutoFillBackground(false);
    }
    setBackground(ui.Line1_2, Qt::black);
    ui.Picture1->setPixmap(window->windowIcon().pixmap(32, 32));
}

} // namespace

frmAbout::frmAbout() : ui(std::make_unique<Ui::frmAbout>())
{
    Appearance::pinDesignPalette(this);
    ui->setupUi(this);
    setWindowTitle(QString::fromUtf8(Identity::WindowTitle));
    ui->Label2->setText(windowTitle());
    applyDesign(this, *ui);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connectWebLinks(this);
    ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::showModal(QWidget* opener)
{
    frmAbout* about = instance();
    centreOnScreen(about);
    // The slot owns the window, so the opener becomes only its transient parent: that is what
    // makes a compositor that places windows itself (Wayland) put it over the opener. winId()
    // makes the native window that carries it.
    if (opener) {
        about->winId();
        about->windowHandle()->setTransientParent(opener->window()->windowHandle());
    }
    about->exec(); // application-modal: the opener takes no input until this returns
}

void frmAbout::cmdOK_Click() { close(); }
