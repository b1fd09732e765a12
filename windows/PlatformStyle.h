#pragma once

#include <QPixmap>
#include <QProxyStyle>

// The platform's own style, with two of its pictures read the cheap way. Qt's Fusion style reads
// the frame of every group box and the arrow of a menu bar's overflow button from its resources
// by guessing their format, and the guess loads every image format plugin installed (GIF, ICO,
// JPEG...), none of which the program needs. Here the frame is read once, as the PNG it is, and
// drawn where Fusion draws it; the arrow is left out, as our menus always fit their windows,
// whose width is fixed. Any other style is left exactly as it is.
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

private:
    bool fusion = false;
    QPixmap groupBoxFrame; // empty where the base style is not Fusion
};
