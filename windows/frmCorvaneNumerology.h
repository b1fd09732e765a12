#pragma once

#include "Reading.h"
#include "WindowSlot.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class QLabel;
class QPlainTextEdit;
namespace Ui {
class frmCorvaneNumerology;
}

// The chart window: the number page (Frame1) and the comprehensive reading (Frame2),
// two pages in one rectangle, brought to the front in turn.
class frmCorvaneNumerology : public QMainWindow, public WindowSlot<frmCorvaneNumerology> {
    Q_OBJECT
public:
    ~frmCorvaneNumerology() override;

    void showNumberPage();
    void showReadingPage();
    // The title, numbers and paragraphs of the number page, one row of the kinds table each.
    void showChart(const modCorvaneNumerology::ChartRecord& record);
    // Replaces the whole rich text of the reading page.
    void showReading(const std::vector<modCorvaneNumerology::ReadingRun>& runs);

protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload

private:
    friend class WindowSlot<frmCorvaneNumerology>;
    frmCorvaneNumerology();

    void applyDesign();
    void setCaption(const QString& title);
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuAbout_Click();

    std::unique_ptr<Ui::frmCorvaneNumerology> ui;
    int designedCaptionLeft = 0; // where a title that fits starts
    bool closingForBack = false; // Back (button or menu) leads to the main window instead
    // Which kind each control shows is written once, in the kinds table of the .cpp file.
    std::array<QLabel*, 10> lblLabel{};
    std::array<QPlainTextEdit*, 5> txtResult{};
};

// Stores the date in the chart record, computes the chart, loads the paragraphs and fills
// the chart window (creating it hidden if needed). The window is not shown.
void PrepareChart(qint16 day, qint16 month, qint16 year);
// Captions, numbers and paragraphs of the number page, then the reading.
void FillChartWindow();
// Replaces the whole rich text of the reading page.
void ComposeReading();
