#include "ApplicationIcon.h"

#include <QImageReader>
#include <QPixmap>

QIcon applicationIcon()
{
    // The pictures live in a static library, whose resources are not registered by themselves.
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(registered);

    QIcon icon;
    for (int pixels : {16, 32, 48}) {
        QImageReader reader(QStringLiteral(":/icons/app-%1.png").arg(pixels), "png");
        // Read as what they are: guessing would load every image format plugin to ask it.
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
