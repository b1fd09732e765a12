#pragma once

#include "WindowSlot.h"

#include <QMainWindow>

#include <array>
#include <memory>

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

protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload

private:
    friend class WindowSlot<frmCorvaneNumerology>;
    friend void FillChartWindow();
    friend void ComposeReading();
    frmCorvaneNumerology();

    void setCaption(const QString& title);
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuAbout_Click();

    std::unique_ptr<Ui::frmCorvaneNumerology> ui;
    int designedCaptionLeft = 0; // where a title that fits starts
    bool closingForBack = false; // Back (button or menu) leads to the main window instead
    // Label 2k names a number and 2k+1 shows it: 0/1 Soul, 2/3 Karma, 4/5 Gift,
    // 6/7 Knowledge, 8/9 Path.
    std::array<QLabel*, 10> lblLabel{};
    // Paragraph boxes: 0 Path, 1 Soul, 2 Gift, 3 Knowledge, 4 Karma.
    std::array<QPlainTextEdit*, 5> txtResult{};
};

// Stores the date in the chart record, computes the chart, loads the paragraphs and fills
// the chart window (creating it hidden if needed). The window is not shown.
void PrepareChart(qint16 day, qint16 month, qint16 year);
// Captions, numbers and paragraphs of the number page, then the reading.
void FillChartWindow();
// Replaces the whole rich text of the reading page.
void ComposeReading();
