#include "ApplicationIcon.h"

#include "ApplicationIconPixels.h"

#include <QPixmap>

QIcon applicationIcon()
{
    // The pictures were decoded when the program was built: decoding them here cost a
    // millisecond and more of every start, and the picture decoder's memory with it.
    QIcon icon;
    for (const IconPicture& picture : iconPictures)
        icon.addPixmap(
            QPixmap::fromImage(QImage(static_cast<const uchar*>(picture.bits), picture.width,
                                      picture.height, picture.bytesPerLine, picture.format)));
    return icon;
}
