#pragma once

#include <QProxyStyle>

// The platform's own style, with the group box drawn our way where that style is Fusion.
// Fusion draws a group box's frame from a picture in its resources, read by guessing its
// format, which loads every image format plugin installed (GIF, ICO, JPEG...), none of which
// the program needs; and where it puts title and frame has changed between Qt versions. Here
// the title sits above a light rounded frame, painted from the palette, in the same place on
// every version. The arrow of a menu bar's overflow button, another such picture, is left out,
// as our menus always fit their windows, whose width is fixed. Any other style is left exactly
// as it is, and so is a checkable group box, which the program does not have.
class PlatformStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps the style of the given name (QStyleFactory's keys).
    explicit PlatformStyle(const QString& baseStyle);

    // Makes it the application's style, around the one Qt chose; before the first window.
    static void install();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;

private:
    bool ownsGroupBox(const QStyleOption* option) const;

    bool fusion = false;
};
