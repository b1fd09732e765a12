#include "SavedReading.h"

#include "Scrambler.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

std::optional<SavedDate> parseSavedReading(const QByteArray& bytes, bool complete)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size() && lines.size() < 6; ++i) {
        const char byte = bytes.at(i);
        if (byte != '\r' && byte != '\n')
            continue;
        lines << bytes.mid(start, i - start);
        if (byte == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (lines.size() < 6 && complete && start < bytes.size())
        lines << bytes.mid(start); // the last line of the file needs no line end
    if (lines.size() < 6)
        return std::nullopt;
    // Single-byte codes: each byte is the character of that Latin-1 code.
    const auto value = [&lines](int number) {
        return modHelp::UnscrambleText(QString::fromLatin1(lines.at(number - 1)));
    };
    return SavedDate{value(4), value(5), value(6)};
}

std::optional<SavedDate> readSavedReading(const QString& path)
{
    // Not a FIFO, device or folder: opening one could block or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(SavedReadingLimit);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parseSavedReading(bytes, file.atEnd());
}
