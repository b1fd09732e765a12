#pragma once
// The comprehensive reading as data: the runs of text that the chart window inserts one
// after the other into its rich-text view, each with its own size, colour and emphasis.

#include "modCorvaneNumerology.h"

#include <array>
#include <cstddef>
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

// What the engine knows of one number kind: its name, where the record keeps it, the table of
// its paragraphs and its colour in the reading. The windows refer to a row by its Kind.
struct NumberKind {
    const char* name;
    std::int16_t ChartRecord::*number;
    const TextTable* texts;
    Rgb readingColour;
};

enum class Kind : std::size_t { Path, Soul, Knowledge, Gift, Karma }; // the reading's order

inline constexpr std::array<NumberKind, 5> NumberKinds = {{
    {"Path", &ChartRecord::Path, &PathTexts, Rgb{128, 0, 128}},
    {"Soul", &ChartRecord::Soul, &SoulTexts, Rgb{0, 0, 128}},
    {"Knowledge", &ChartRecord::Knowledge, &DestinyTexts, Rgb{0, 128, 0}},
    {"Gift", &ChartRecord::Gift, &GiftTexts, Rgb{255, 0, 0}},
    {"Karma", &ChartRecord::Karma, &KarmaTexts, Rgb{128, 0, 0}},
}};

constexpr const NumberKind& numberKind(Kind kind)
{
    return NumberKinds[static_cast<std::size_t>(kind)];
}

struct ReadingRun {
    std::string text; // may hold "\r\n" line breaks
    int pointSize = 10;
    Rgb colour;
    bool emphasis = true; // bold
};

// Title line, then one section per kind in the order of NumberKinds, from the record and
// the loaded tables. A Gift of 0 leaves only its two line breaks; nothing follows Karma.
std::vector<ReadingRun> composeReadingRuns(const ChartRecord& record);

std::string chartTitle(const std::string& name);

} // namespace modCorvaneNumerology
