#include "PlatformStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace {

constexpr int TitleTop = 1;
constexpr int TitleMinimumHeight = 15;
constexpr int TitleToFrame = 2; // between the title's box and the frame's top line
constexpr int UntitledFrameTop = 4;
constexpr int FrameInset = 1;      // the frame's line keeps one pixel from the box's sides
constexpr int ContentsPadding = 3; // inside the frame's line

int titleHeight(const QStyleOptionGroupBox& box)
{
    return qMax(box.fontMetrics.height() + 1, TitleMinimumHeight);
}

int frameTop(const QStyleOptionGroupBox& box)
{
    return box.text.isEmpty() ? UntitledFrameTop : TitleTop + titleHeight(box) + TitleToFrame;
}

} // namespace

PlatformStyle::PlatformStyle(const QString& baseStyle)
    : QProxyStyle(baseStyle),
      fusion(this->baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
{
}

void PlatformStyle::install()
{
    QApplication::setStyle(new PlatformStyle(QApplication::style()->name()));
}

bool PlatformStyle::ownsGroupBox(const QStyleOption* option) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    return fusion && box && !(box->subControls & SC_GroupBoxCheckBox);
}

QIcon PlatformStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                  const QWidget* widget) const
{
    if (fusion &&
        (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton))
        return {};
    return QProxyStyle::standardIcon(icon, option, widget);
}

QRect PlatformStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                    SubControl part, const QWidget* widget) const
{
    if (control != CC_GroupBox || !ownsGroupBox(option))
        return QProxyStyle::subControlRect(control, option, part, widget);
    const auto& box = *qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    const QRect frame = box.rect.adjusted(FrameInset, frameTop(box), -FrameInset, 0);
    switch (part) {
    case SC_GroupBoxFrame:
        return frame;
    case SC_GroupBoxLabel:
        return box.text.isEmpty()
                   ? QRect()
                   : QRect(box.rect.left(), box.rect.top() + TitleTop,
                           box.fontMetrics.horizontalAdvance(box.text) + 2, titleHeight(box));
    case SC_GroupBoxContents:
        return frame.adjusted(ContentsPadding, ContentsPadding, -ContentsPadding, -ContentsPadding);
    default:
        return {};
    }
}

void PlatformStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    if (element != PE_FrameGroupBox || !fusion) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A one-pixel line a shade darker than the ground, round at the corners, and a fainter one
    // inside it, around a ground a touch darker than the window's.
    const QColor window = option->palette.color(QPalette::Window);
    const auto shade = [&window](int steps) {
        return QColor::fromHsv(window.hsvHue(), window.hsvSaturation(),
                               qMax(0, window.value() - steps));
    };
    const QRectF line = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(window.darker(111));
    painter->setBrush(shade(3));
    painter->drawRoundedRect(line, 2, 2);
    painter->setPen(shade(7));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(line.adjusted(1, 1, -1, -1));
    painter->restore();
}

void PlatformStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const
{
    if (control != CC_GroupBox || !ownsGroupBox(option)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const auto& box = *qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (box.subControls & SC_GroupBoxFrame) {
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(box);
        frame.rect = subControlRect(control, option, SC_GroupBoxFrame, widget);
        drawPrimitive(PE_FrameGroupBox, &frame, painter, widget);
    }
    if ((box.subControls & SC_GroupBoxLabel) && !box.text.isEmpty()) {
        const QRect title = subControlRect(control, option, SC_GroupBoxLabel, widget);
        painter->save();
        if (box.textColor.isValid())
            painter->setPen(box.textColor);
        drawItemText(painter, title, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic,
                     box.palette, box.state & State_Enabled, box.text,
                     box.textColor.isValid() ? QPalette::NoRole : QPalette::WindowText);
        painter->restore();
    }
}
