#pragma once
// Saved-reading files (.num): six text lines, of which lines 4 to 6 hold the scrambled month
// name, day and year. The program only ever reads them.

#include <QByteArray>
#include <QString>

#include <optional>

struct SavedDate {
    QString month; // "January" ... as the file holds them, unscrambled
    QString day;
    QString year;
};

// Six short lines need far less; anything beyond this is never read.
constexpr qint64 SavedReadingLimit = 64 * 1024;

// Lines 4 to 6 of the file's first bytes, unscrambled; nullopt when one of them is missing.
// Lines end with CR LF, a lone CR or a lone LF. complete says whether bytes holds the whole
// file: if not, a last line without its end may go on beyond it and is not used.
std::optional<SavedDate> parseSavedReading(const QByteArray& bytes, bool complete = true);

// The same for a file: nullopt when the path is not a regular file or cannot be read.
// Reads at most SavedReadingLimit bytes, so a huge file costs no more than a small one.
std::optional<SavedDate> readSavedReading(const QString& path);
