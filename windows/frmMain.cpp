#include "frmMain.h"

#include "Appearance.h"
#include "DateRules.h"
#include "Identity.h"
#include "OfferFrame.h"
#include "Placement.h"
#include "Platform.h"
#include "SavedReading.h"
#include "SiteMenus.h"
#include "TitleFrame.h"
#include "TrimBlanks.h"
#include "WebLinks.h"
#include "frmAbout.h"
#include "frmCorvaneNumerology.h"
#include "frmNagScreen2.h"
#include "modCorvaneNumerology.h"
#include "modHelp.h"
#include "ui_frmMain.h"

#include <QCloseEvent>

namespace {
const char* const MonthNames[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};

void applyDesign(frmMain* window, Ui::frmMain& ui)
{
    using namespace Appearance;
    const QColor navy(0, 0, 128);
    setMenuLook(window);
    ui.Frame1->setTitleFont(font(Family::Verdana, 11, Bold));
    setFont(ui.cmdNext, Family::Verdana, 11, Bold);
    for (QLabel* caption : {ui.lblLabel_0, ui.lblLabel_1, ui.lblLabel_2}) {
        setFont(caption, Family::Verdana, 11, Bold);
        setTextColour(caption, navy);
    }
    setFont(ui.cmdOpen, Family::Verdana, 13, Bold);
    setBackground(ui.fraBirthDay, Qt::white);
    setTextColour(ui.fraBirthDay, QColor(64, 64, 64));
    for (QLabel* caption : {ui.Label3, ui.Label6, ui.Label7}) {
        setFont(caption, Family::MsSansSerif, 11);
        setTextColour(caption, Qt::black);
    }
}

} // namespace

frmMain::frmMain() : ui(std::make_unique<Ui::frmMain>())
{
    Appearance::pinDesignPalette(this);
    Appearance::setWindowFont(this, Appearance::Family::Verdana, 11);
    ui->setupUi(this);
    setWindowTitle(QString::fromUtf8(Identity::WindowTitle));
    QAction* mnuAbout = addSiteMenus(ui->menubar, QStringLiteral("&Check for Software Update"));
    applyDesign(this, *ui);

    connect(ui->cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(ui->cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connectWebLinks(this);

    Form_Load();
    centreOnScreen(this);
}

frmMain::~frmMain() = default;

QWidget* frmMain::cobrandLabel() const { return ui->fraFullBrand->cobrandLabel(); }

QWidget* frmMain::fullBrandLabel() const { return ui->fraFullBrand->fullBrandLabel(); }

void frmMain::Form_Load()
{
    for (int day = 1; day <= 31; ++day)
        ui->cboDate->addItem(QString::number(day));
    for (const char* month : MonthNames)
        ui->cboMonth->addItem(QString::fromLatin1(month));
    for (int year = 1900; year <= 2050; ++year)
        ui->cboYear->addItem(QString::number(year));
    ui->cboMonth->setCurrentIndex(0);
    ui->cboDate->setCurrentIndex(0);
    ui->cboYear->setCurrentIndex(0);
    ui->txtName->setFocus();
}

bool frmMain::ValidateInput()
{
    if (ui->txtName->text().isEmpty()) {
        Platform::showMessage({QStringLiteral("Please Enter Your Name"), Platform::Icon::Critical});
        ui->txtName->setFocus();
        return false;
    }
    switch (checkDate(ui->cboDate->currentIndex(), ui->cboMonth->currentIndex(),
                      ui->cboYear->currentText().toInt())) {
    // The two date messages differ only by the blank before the "!" of the second; both are
    // the program's own wording and stay exactly as they are.
    case DateProblem::February:
        Platform::showMessage(
            {QStringLiteral("Please Enter Correct Date Or Month!"), Platform::Icon::Information});
        return false;
    case DateProblem::ThirtyDayMonth:
        Platform::showMessage(
            {QStringLiteral("Please Enter Correct Date Or Month !"), Platform::Icon::Information});
        return false;
    case DateProblem::None:
        break;
    }
    return true;
}

void frmMain::cmdNext_Click()
{
    if (!ValidateInput())
        return;
    modCorvaneNumerology::Chart.Name = trimBlanks(ui->txtName->text()).toStdString();
    const auto day = static_cast<qint16>(trimBlanks(ui->cboDate->currentText()).toShort());
    const auto month = static_cast<qint16>(ui->cboMonth->currentIndex() + 1);
    const auto year = static_cast<qint16>(trimBlanks(ui->cboYear->currentText()).toShort());
    PrepareChart(day, month, year);

    frmCorvaneNumerology* chart = frmCorvaneNumerology::instance();
    chart->showNumberPage();
    chart->show();
    closingForReading = true;
    close();
    // From here on this window is closed: no control of it may be touched.
}

void frmMain::cmdOpen_Click()
{
    const std::optional<QString> chosen = Platform::chooseFileToOpen(
        {QStringLiteral("Select the source file"),
         QStringLiteral("Halden Free Numerology Pro (*.num)"), QStringLiteral("num")});
    if (!chosen)
        return;
    const auto refuse = [] {
        Platform::showMessage({QStringLiteral("Please Check The File."), Platform::Icon::Critical});
    };
    if (!chosen->endsWith(QLatin1String("num"))) // letter case counts: "NUM" is refused
        return refuse();

    // All or nothing: a file that does not name a date of the lists changes none of them,
    // so no reading is ever shown for a date the file does not hold.
    const std::optional<SavedDate> saved = readSavedReading(*chosen);
    if (!saved)
        return refuse();
    const int month = ui->cboMonth->findText(saved->month);
    const int day = ui->cboDate->findText(saved->day);
    const int year = ui->cboYear->findText(saved->year);
    if (month < 0 || day < 0 || year < 0)
        return refuse();
    ui->cboMonth->setCurrentIndex(month);
    ui->cboDate->setCurrentIndex(day);
    ui->cboYear->setCurrentIndex(year);

    cmdNext_Click();
    // The reading may have closed this window: only the farewell window is touched now.
    if (frmNagScreen2* farewell = frmNagScreen2::loaded())
        farewell->hide();
}

// Leaving the main window leads to the farewell window, except when a reading replaces it:
// then the farewell window is only loaded, hidden, so it never flashes over the chart.
void frmMain::closeEvent(QCloseEvent* event)
{
    frmNagScreen2* farewell = frmNagScreen2::instance();
    if (closingForReading)
        farewell->hide();
    else
        farewell->showFarewell();
    event->accept();
}

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuAbout_Click() { frmAbout::showModal(this); }
