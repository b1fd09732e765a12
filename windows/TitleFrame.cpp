#include "TitleFrame.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

TitleFrame::TitleFrame(QWidget* parent) : QGroupBox(parent) {}

void TitleFrame::setTitleFont(const QFont& font)
{
    titleFont = font;
    update();
}

void TitleFrame::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // The style measures the title with the option's metrics and draws it in the painter's font.
    painter.setFont(titleFont.resolve(font()));
    option.fontMetrics = QFontMetrics(painter.font());
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}
