#pragma once
// The comprehensive reading as data: the runs of text that the chart window inserts one
// after the other into its rich-text view, each with its own size, colour and emphasis.

#include "modCorvaneNumerology.h"

#include <cstdint>
#include <string>
#include <vector>

namespace modCorvaneNumerology {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

struct ReadingRun {
    std::string text; // may hold "\r\n" line breaks
    int pointSize = 10;
    Rgb colour;
    bool emphasis = true; // bold
};

// Title line, then Path, Soul, Knowledge, Gift and Karma sections, from the record and
// the loaded tables. A Gift of 0 leaves only its two line breaks; nothing follows Karma.
std::vector<ReadingRun> composeReadingRuns(const ChartRecord& record);

std::string chartTitle(const std::string& name);

} // namespace modCorvaneNumerology
