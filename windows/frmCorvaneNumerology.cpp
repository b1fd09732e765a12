#include "frmCorvaneNumerology.h"

#include "Appearance.h"
#include "ClipboardGuard.h"
#include "Identity.h"
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

// What the chart window shows of each number kind: its controls by their index in the
// control arrays, the size of its number and its colour on the number page (Soul's there is
// brighter than in the reading).
struct KindControls {
    Kind kind;
    int headingLabel; // lblLabel
    int numberLabel;  // lblLabel
    int paragraphBox; // txtResult
    int numberPixels;
    QColor pageColour;
};

// clang-format off
const KindControls KindTable[] = {
    {Kind::Path,      8, 9, 0, 19, QColor(128, 0, 128)},
    {Kind::Soul,      0, 1, 1, 15, QColor(0, 0, 192)},
    {Kind::Knowledge, 6, 7, 3, 15, QColor(0, 128, 0)},
    {Kind::Gift,      4, 5, 2, 15, QColor(255, 0, 0)},
    {Kind::Karma,     2, 3, 4, 15, QColor(128, 0, 0)},
};
// clang-format on

} // namespace

frmCorvaneNumerology::frmCorvaneNumerology() : ui(std::make_unique<Ui::frmCorvaneNumerology>())
{
    Appearance::pinDesignPalette(this);
    Appearance::setWindowFont(this, Appearance::Family::Verdana, 11);
    ui->setupUi(this);
    setWindowTitle(QString::fromUtf8(Identity::WindowTitle));
    QAction* mnuAbout = addSiteMenus(ui->menubar, QStringLiteral("Check for Software &Update"));
    lblLabel = {ui->lblLabel_0, ui->lblLabel_1, ui->lblLabel_2, ui->lblLabel_3, ui->lblLabel_4,
                ui->lblLabel_5, ui->lblLabel_6, ui->lblLabel_7, ui->lblLabel_8, ui->lblLabel_9};
    txtResult = {ui->txtResult_0, ui->txtResult_1, ui->txtResult_2, ui->txtResult_3,
                 ui->txtResult_4};
    applyDesign();
    designedCaptionLeft = ui->lblCaption->x();
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

void frmCorvaneNumerology::applyDesign()
{
    using namespace Appearance;
    setMenuLook(this);
    ui->Frame2->setTitleFont(Appearance::font(Family::Verdana, 13, Bold));
    Appearance::setFont(ui->lblCaption, Family::Verdana, CaptionPixels, Bold);
    setTextColour(ui->lblCaption, QColor(0, 0, 128));
    Appearance::setFont(ui->cmdComprehensive, Family::Verdana, 19, Bold);

    // Each number in its colour: its name, its value and its paragraph.
    for (const KindControls& row : KindTable) {
        QLabel* heading = lblLabel[row.headingLabel];
        QLabel* number = lblLabel[row.numberLabel];
        Appearance::setFont(heading, Family::Verdana, 19, Bold);
        Appearance::setFont(number, Family::Verdana, row.numberPixels, Bold);
        for (QWidget* widget : {static_cast<QWidget*>(heading), static_cast<QWidget*>(number),
                                static_cast<QWidget*>(txtResult[row.paragraphBox])})
            setTextColour(widget, row.pageColour);
    }
}

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

void frmCorvaneNumerology::showChart(const ChartRecord& record)
{
    setCaption(QString::fromStdString(chartTitle(record.Name)));
    for (const KindControls& row : KindTable) {
        const NumberKind& kind = numberKind(row.kind);
        const std::int16_t number = record.*kind.number;
        // Only Gift can be 0 (years 1900 and 2000): then its row is hidden and keeps its text.
        const bool shown = number != 0;
        lblLabel[row.headingLabel]->setVisible(shown);
        lblLabel[row.numberLabel]->setVisible(shown);
        txtResult[row.paragraphBox]->setVisible(shown);
        if (shown) {
            lblLabel[row.numberLabel]->setText(QString::number(number));
            txtResult[row.paragraphBox]->setPlainText(
                QString::fromStdString(kind.texts->at(number)));
        }
    }
}

void frmCorvaneNumerology::showReading(const std::vector<ReadingRun>& runs)
{
    QTextEdit* rtb = ui->RTB;
    rtb->clear();
    QTextCursor cursor(rtb->document());
    for (const ReadingRun& run : runs) {
        QTextCharFormat format;
        format.setFontPointSize(run.pointSize);
        format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
        format.setFontWeight(run.emphasis ? QFont::Bold : QFont::Normal);
        cursor.insertText(QString::fromStdString(run.text), format);
    }
    rtb->setTextCursor(cursor); // the insertion point stays at the end of the reading
}

void FillChartWindow()
{
    frmCorvaneNumerology::instance()->showChart(Chart);
    ComposeReading();
}

void ComposeReading() { frmCorvaneNumerology::instance()->showReading(composeReadingRuns(Chart)); }
