// parseSavedReading on any bytes: it never crashes, refuses exactly when the bytes hold fewer
// than six lines, and otherwise returns lines 4 to 6, each unscrambled from its Latin-1 text.
// The first input byte says whether the bytes are the whole file; the rest are the bytes.

#include "FuzzCheck.h"
#include "SavedReading.h"
#include "Scrambler.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// The lines found, split another way than the parser does: every CR LF and then every lone
// CR becomes an LF, and the text is cut at each LF. Only the first six lines matter.
std::vector<std::string> firstSixLines(std::string text, bool complete)
{
    std::string normalized;
    normalized.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            normalized += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            normalized += text[i];
        }
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (lines.size() < 6) {
        const std::size_t end = normalized.find('\n', start);
        if (end == std::string::npos) {
            // An unended last line counts only when nothing of the file comes after it.
            if (complete && start < normalized.size())
                lines.push_back(normalized.substr(start));
            break;
        }
        lines.push_back(normalized.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

QString expected(const std::string& line)
{
    return modHelp::UnscrambleText(
        QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool complete = (data[0] & 1) != 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::optional<SavedDate> date =
        parseSavedReading(QByteArray(text.data(), static_cast<qsizetype>(text.size())), complete);
    const std::vector<std::string> lines = firstSixLines(text, complete);

    FUZZ_REQUIRE(date.has_value() == (lines.size() == 6),
                 "a refusal exactly when fewer than six lines are found");
    if (date) {
        FUZZ_REQUIRE(date->month == expected(lines[3]), "month is line 4 unscrambled");
        FUZZ_REQUIRE(date->day == expected(lines[4]), "day is line 5 unscrambled");
        FUZZ_REQUIRE(date->year == expected(lines[5]), "year is line 6 unscrambled");
    }
    return 0;
}
