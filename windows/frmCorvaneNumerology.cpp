#include "frmCorvaneNumerology.h"

#include "Appearance.h"
#include "ClipboardGuard.h"
#include "Placement.h"
#include "Reading.h"
#include "SiteMenus.h"
#include "TitleFrame.h"
#include "WebLinks.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "modCorvaneNumerology.h"
#include "ui_frmCorvaneNumerology.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QTextCursor>

using namespace modCorvaneNumerology;

namespace {

constexpr int CaptionPixels = 15; // the title's designed size; a long one is set smaller

void applyDesign(frmCorvaneNumerology* window, Ui::frmCorvaneNumerology& ui)
{
    using namespace Appearance;
    setMenuLook(window);
    ui.Frame2->setTitleFont(font(Family::Verdana, 13, Bold));
    setFont(ui.lblCaption, Family::Verdana, CaptionPixels, Bold);
    setTextColour(ui.lblCaption, QColor(0, 0, 128));
    setFont(ui.cmdComprehensive, Family::Verdana, 19, Bold);

    // Each number in its colour: its name, its value and its paragraph.
    struct Row {
        QLabel* name;
        QLabel* value;
        int valuePixels;
        QPlainTextEdit* paragraph;
        QColor colour;
    };
    const Row rows[] = {
        {ui.lblLabel_8, ui.lblLabel_9, 19, ui.txtResult_0, QColor(128, 0, 128)}, // Path
        {ui.lblLabel_0, ui.lblLabel_1, 15, ui.txtResult_1, QColor(0, 0, 192)},   // Soul
        {ui.lblLabel_4, ui.lblLabel_5, 15, ui.txtResult_2, QColor(255, 0, 0)},   // Gift
        {ui.lblLabel_6, ui.lblLabel_7, 15, ui.txtResult_3, QColor(0, 128, 0)},   // Knowledge
        {ui.lblLabel_2, ui.lblLabel_3, 15, ui.txtResult_4, QColor(128, 0, 0)},   // Karma
    };
    for (const Row& row : rows) {
        setFont(row.name, Family::Verdana, 19, Bold);
        setFont(row.value, Family::Verdana, row.valuePixels, Bold);
        for (QWidget* widget : {static_cast<QWidget*>(row.name), static_cast<QWidget*>(row.value),
                                static_cast<QWidget*>(row.paragraph)})
            setTextColour(widget, row.colour);
    }
}

} // namespace

frmCorvaneNumerology::frmCorvaneNumerology() : ui(std::make_unique<Ui::frmCorvaneNumerology>())
{
    Appearance::pinDesignPalette(this);
    Appearance::setWindowFont(this, Appearance::Family::Verdana, 11);
    ui->setupUi(this);
    QAction* mnuAbout = addSiteMenus(ui->menubar, QStringLiteral("Check for Software &Update"));
    applyDesign(this, *ui);
    designedCaptionLeft = ui->lblCaption->x();
    lblLabel = {ui->lblLabel_0, ui->lblLabel_1, ui->lblLabel_2, ui->lblLabel_3, ui->lblLabel_4,
                ui->lblLabel_5, ui->lblLabel_6, ui->lblLabel_7, ui->lblLabel_8, ui->lblLabel_9};
    txtResult = {ui->txtResult_0, ui->txtResult_1, ui->txtResult_2, ui->txtResult_3,
                 ui->txtResult_4};
    for (QPlainTextEdit* box : txtResult)
        ClipboardGuard::protect(box);
    ClipboardGuard::protect(ui->RTB);

    connect(ui->cmdComprehensive, &QPushButton::clicked, this,
            &frmCorvaneNumerology::showReadingPage);
    connect(ui->cmdBackToBack, &QPushButton::clicked, this, &frmCorvaneNumerology::showNumberPage);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmCorvaneNumerology::cmdBack_Click);
    connect(ui->mnuBack, &QAction::triggered, this, &frmCorvaneNumerology::cmdBack_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmCorvaneNumerology::cmdExit_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmCorvaneNumerology::cmdExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmCorvaneNumerology::mnuAbout_Click);
    connectWebLinks(this);

    ui->cmdExit->setFocus();
    centreOnScreen(this);
}

frmCorvaneNumerology::~frmCorvaneNumerology() = default;

void frmCorvaneNumerology::showNumberPage() { ui->Frame1->raise(); }

void frmCorvaneNumerology::showReadingPage() { ui->Frame2->raise(); }

// The title has one line above the Path row. It grows to the right from its designed place
// and moves left when the page's width runs out; a title wider than the page is set in a
// smaller size until it fits, and only one too long even at the smallest size is shortened
// in the middle, with the whole title as its tool tip.
void frmCorvaneNumerology::setCaption(const QString& title)
{
    constexpr int margin = 8;
    constexpr int smallestPixels = 6; // where hinting rounds widths up, 60 letters still fit
    QLabel* caption = ui->lblCaption;
    const int available = ui->Frame1->width() - 2 * margin;
    QFont font = caption->font();
    int pixels = CaptionPixels;
    font.setPixelSize(pixels);
    while (pixels > smallestPixels && QFontMetrics(font).horizontalAdvance(title) > available)
        font.setPixelSize(--pixels);
    const QFontMetrics metrics(font);
    const QString shown = metrics.elidedText(title, Qt::ElideMiddle, available);
    caption->setFont(font);
    caption->setText(shown);
    caption->setToolTip(shown == title ? QString() : title);
    const int width = qMin(available, metrics.horizontalAdvance(shown) + 2);
    const int left = qMin(designedCaptionLeft, ui->Frame1->width() - margin - width);
    caption->setGeometry(left, caption->y(), width, caption->height());
}

void frmCorvaneNumerology::cmdBack_Click()
{
    frmMain::instance()->show();
    closingForBack = true;
    close();
    if (frmNagScreen2* farewell = frmNagScreen2::loaded())
        farewell->hide();
}

void frmCorvaneNumerology::closeEvent(QCloseEvent* event)
{
    if (!closingForBack)
        frmNagScreen2::instance()->showFarewell();
    event->accept();
}

void frmCorvaneNumerology::cmdExit_Click() { close(); }

void frmCorvaneNumerology::mnuAbout_Click() { frmAbout::showModal(this); }

void PrepareChart(qint16 day, qint16 month, qint16 year)
{
    Chart.Day = day;
    Chart.Month = month;
    Chart.Year = year;
    CalculateChart(Chart);
    LoadInterpretations();
    FillChartWindow();
}

void FillChartWindow()
{
    frmCorvaneNumerology* window = frmCorvaneNumerology::instance();
    auto& lblLabel = window->lblLabel;
    auto& txtResult = window->txtResult;
    const auto text = [](const std::string& paragraph) {
        return QString::fromStdString(paragraph);
    };

    window->setCaption(QString::fromStdString(chartTitle(Chart.Name)));
    lblLabel[1]->setText(QString::number(Chart.Soul));
    lblLabel[3]->setText(QString::number(Chart.Karma));
    if (Chart.Gift != 0) {
        lblLabel[4]->setVisible(true);
        lblLabel[5]->setVisible(true);
        lblLabel[5]->setText(QString::number(Chart.Gift));
    } else {
        lblLabel[5]->setVisible(false);
        lblLabel[4]->setVisible(false);
    }
    lblLabel[7]->setText(QString::number(Chart.Knowledge));
    lblLabel[9]->setText(QString::number(Chart.Path));
    txtResult[0]->setPlainText(text(PathTexts.at(Chart.Path)));
    txtResult[1]->setPlainText(text(SoulTexts.at(Chart.Soul)));
    if (Chart.Gift != 0) {
        txtResult[2]->setVisible(true);
        txtResult[2]->setPlainText(text(GiftTexts.at(Chart.Gift)));
    } else {
        txtResult[2]->setVisible(false);
    }
    txtResult[3]->setPlainText(text(DestinyTexts.at(Chart.Knowledge)));
    txtResult[4]->setPlainText(text(KarmaTexts.at(Chart.Karma)));
    ComposeReading();
}

void ComposeReading()
{
    QTextEdit* rtb = frmCorvaneNumerology::instance()->ui->RTB;
    rtb->clear();
    QTextCursor cursor(rtb->document());
    for (const ReadingRun& run : composeReadingRuns(Chart)) {
        QTextCharFormat format;
        format.setFontPointSize(run.pointSize);
        format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
        format.setFontWeight(run.emphasis ? QFont::Bold : QFont::Normal);
        cursor.insertText(QString::fromStdString(run.text), format);
    }
    rtb->setTextCursor(cursor); // the insertion point stays at the end of the reading
}
