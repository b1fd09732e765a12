// Build tool: decodes the window icon's pictures once, at build time, into a header of their
// pixels, so that the program shows its icon without decoding pictures at every start.
//
//   hcn-icon-pixels OUTPUT.h PICTURE.png...
//
// Each picture is kept exactly as Qt reads it (a 16-bit picture stays 16-bit), so the icon the
// program hands to the window system is the same, pixel for pixel, as when it read the files.
// Only the pictures' gamma label is left behind, which neither painting nor the window system
// uses.

#include <QFile>
#include <QImageReader>

#include <cstdio>

namespace {

// The name of the format in the header, or nullptr for a format this tool does not write.
const char* formatName(QImage::Format format)
{
    switch (format) {
    case QImage::Format_RGBA64:
        return "QImage::Format_RGBA64";
    case QImage::Format_RGBA64_Premultiplied:
        return "QImage::Format_RGBA64_Premultiplied";
    case QImage::Format_ARGB32:
        return "QImage::Format_ARGB32";
    case QImage::Format_ARGB32_Premultiplied:
        return "QImage::Format_ARGB32_Premultiplied";
    case QImage::Format_RGB32:
        return "QImage::Format_RGB32";
    default:
        return nullptr;
    }
}

// One picture's pixels as an array of whole values (16-bit channels, or 32-bit pixels), which
// the compiler lays out in the target's own byte order, as QImage expects.
QByteArray pixelArray(const QImage& image, const QByteArray& name)
{
    const bool wide = image.depth() == 64;
    QByteArray text =
        "alignas(8) const " + QByteArray(wide ? "quint16 " : "quint32 ") + name + "[] = {";
    for (int y = 0; y < image.height(); ++y) {
        text += "\n   ";
        if (wide) {
            const auto* line = reinterpret_cast<const quint16*>(image.constScanLine(y));
            for (int i = 0; i < image.width() * 4; ++i)
                text += ' ' + QByteArray::number(line[i]) + ',';
        } else {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int i = 0; i < image.width(); ++i)
                text += " 0x" + QByteArray::number(line[i], 16) + ',';
        }
    }
    return text + "\n};\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: hcn-icon-pixels OUTPUT.h PICTURE.png...\n", stderr);
        return 1;
    }
    QByteArray arrays;
    QByteArray table = "const IconPicture iconPictures[] = {\n";
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "hcn-icon-pixels: cannot read %s: %s\n", argv[i],
                         qPrintable(reader.errorString()));
            return 1;
        }
        const char* format = formatName(image.format());
        if (!format) {
            std::fprintf(stderr,
                         "hcn-icon-pixels: %s has a pixel format this tool does not write\n",
                         argv[i]);
            return 1;
        }
        const QByteArray name = "picture" + QByteArray::number(i - 2);
        arrays += pixelArray(image, name);
        table += "    {" + QByteArray::number(image.width()) + ", " +
                 QByteArray::number(image.height()) + ", " +
                 QByteArray::number(image.width() * image.depth() / 8) + ", " + format + ", " +
                 name + "},\n";
    }
    table += "};\n";

    QFile output(QString::fromLocal8Bit(argv[1]));
    const QByteArray header =
        "// Made by hcn-icon-pixels from the icon's pictures; not to be edited.\n"
        "#pragma once\n\n#include <QImage>\n\nnamespace {\n\n"
        "struct IconPicture {\n    int width;\n    int height;\n"
        "    qsizetype bytesPerLine;\n    QImage::Format format;\n"
        "    const void* bits;\n};\n\n" +
        arrays + '\n' + table + "\n} // namespace\n";
    if (!output.open(QIODevice::WriteOnly) || output.write(header) != header.size() ||
        !output.flush()) {
        std::fprintf(stderr, "hcn-icon-pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
