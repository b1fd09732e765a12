#include "frmCorvaneNumerology.h"

#include "ClipboardGuard.h"
#include "Reading.h"
#include "WindowSupport.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "modCorvaneNumerology.h"
#include "modHelp.h"
#include "ui_frmCorvaneNumerology.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QTextCursor>

using namespace modCorvaneNumerology;

frmCorvaneNumerology::frmCorvaneNumerology() : ui(std::make_unique<Ui::frmCorvaneNumerology>())
{
    ui->setupUi(this);
    designedCaptionLeft = ui->lblCaption->x();
    lblLabel = {ui->lblLabel_0, ui->lblLabel_1, ui->lblLabel_2, ui->lblLabel_3, ui->lblLabel_4,
                ui->lblLabel_5, ui->lblLabel_6, ui->lblLabel_7, ui->lblLabel_8, ui->lblLabel_9};
    txtResult = {ui->txtResult_0, ui->txtResult_1, ui->txtResult_2, ui->txtResult_3,
                 ui->txtResult_4};
    for (QPlainTextEdit* box : txtResult)
        ClipboardGuard::Protect(box);
    ClipboardGuard::Protect(ui->RTB);

    connect(ui->cmdComprehensive, &QPushButton::clicked, this,
            &frmCorvaneNumerology::ShowReadingPage);
    connect(ui->cmdBackToBack, &QPushButton::clicked, this, &frmCorvaneNumerology::ShowNumberPage);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmCorvaneNumerology::cmdBack_Click);
    connect(ui->mnuBack, &QAction::triggered, this, &frmCorvaneNumerology::cmdBack_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmCorvaneNumerology::cmdExit_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmCorvaneNumerology::cmdExit_Click);
    connect(ui->mnuAbout, &QAction::triggered, this, &frmCorvaneNumerology::mnuAbout_Click);
    connect(ui->mnuOnline, &QAction::triggered, this, &modHelp::OpenOnlineHelpPage);
    connect(ui->mnuVisit, &QAction::triggered, this, &modHelp::OpenHomePage);
    connect(ui->mnuUpdate, &QAction::triggered, this, &modHelp::OpenDownloadPage);
    connect(ui->mnuDonate, &QAction::triggered, this, &modHelp::OpenDonatePage);
    connect(ui->mnuMakeMoney, &QAction::triggered, this, &modHelp::OpenFullBrandPage);
    connect(ui->Label14, &LinkLabel::clicked, this, &modHelp::OpenHomePage);
    connect(ui->lblCobrand, &LinkLabel::clicked, this, &modHelp::OpenCoBrandPage);
    connect(ui->lblFullBrand, &LinkLabel::clicked, this, &modHelp::OpenFullBrandPage);

    ui->cmdExit->setFocus();
    CentreOnScreen(this);
}

frmCorvaneNumerology::~frmCorvaneNumerology() = default;

void frmCorvaneNumerology::ShowNumberPage() { ui->Frame1->raise(); }

void frmCorvaneNumerology::ShowReadingPage() { ui->Frame2->raise(); }

// The title has one line above the Path row. It grows to the right from its designed place
// and moves left when the page's width runs out; a title wider than the page is set in a
// smaller size until it fits, and only one too long even at the smallest size is shortened
// in the middle, with the whole title as its tool tip.
void frmCorvaneNumerology::SetCaption(const QString& title)
{
    constexpr int margin = 8;
    constexpr int designedPixels = 15;
    constexpr int smallestPixels = 7;
    QLabel* caption = ui->lblCaption;
    const int available = ui->Frame1->width() - 2 * margin;
    caption->ensurePolished();
    QFont font = caption->font();
    int pixels = designedPixels;
    font.setPixelSize(pixels);
    while (pixels > smallestPixels && QFontMetrics(font).horizontalAdvance(title) > available)
        font.setPixelSize(--pixels);
    const QFontMetrics metrics(font);
    const QString shown = metrics.elidedText(title, Qt::ElideMiddle, available);
    // The window's fonts come from style sheets, which outrank setFont.
    caption->setStyleSheet(
        QStringLiteral("font: bold %1px \"Verdana\"; color: rgb(0, 0, 128);").arg(pixels));
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
        frmNagScreen2::instance()->ShowFarewell();
    event->accept();
}

void frmCorvaneNumerology::cmdExit_Click() { close(); }

void frmCorvaneNumerology::mnuAbout_Click() { frmAbout::ShowModal(); }

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

    window->SetCaption(QString::fromStdString(ChartTitle(Chart.Name)));
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
    for (const ReadingRun& run : ComposeReadingRuns(Chart)) {
        QTextCharFormat format;
        format.setFontPointSize(run.pointSize);
        format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
        format.setFontWeight(run.emphasis ? QFont::Bold : QFont::Normal);
        cursor.insertText(QString::fromStdString(run.text), format);
    }
    rtb->setTextCursor(cursor); // the insertion point stays at the end of the reading
}
