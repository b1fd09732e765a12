#include "PlatformStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// Fusion's own frame picture, read without guessing its format.
QPixmap fusionGroupBoxFrame()
{
    QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/"
                                       "fusion_groupbox.png"),
                        "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

PlatformStyle::PlatformStyle(const QString& baseStyle)
    : QProxyStyle(baseStyle),
      fusion(this->baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
{
    if (fusion)
        groupBoxFrame = fusionGroupBoxFrame();
}

void PlatformStyle::install()
{
    QApplication::setStyle(new PlatformStyle(QApplication::style()->name()));
}

QIcon PlatformStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                  const QWidget* widget) const
{
    if (fusion &&
        (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton))
        return {};
    return QProxyStyle::standardIcon(icon, option, widget);
}

void PlatformStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    if (element != PE_FrameGroupBox || groupBoxFrame.isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's geometry: the frame starts below the title, or a few pixels down without one.
    constexpr int topMargin = 3;
    int top = topMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                      groupBoxFrame);
}
