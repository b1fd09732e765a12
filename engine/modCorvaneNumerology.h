#pragma once
// The numerology engine: the chart record, the digit reduction, the five chart numbers
// and the interpretation tables. Plain standard C++, shared by every window.

#include <array>
#include <cstdint>
#include <string>

namespace modCorvaneNumerology {

struct ChartRecord {
    std::string Name;
    std::int16_t Day = 0;
    std::int16_t Month = 0;
    std::int16_t Year = 0;
    std::int16_t Soul = 0;
    std::int16_t Karma = 0;
    std::int16_t Gift = 0;
    std::int16_t Knowledge = 0;
    std::int16_t Path = 0;
};

// The one chart of the running program; every reading overwrites it.
extern ChartRecord Chart;

// Digit sum that keeps 10 and 11; defined for 0..99.
std::int16_t ReduceNumber(std::int16_t n);

// Sets Soul, Karma, Gift, Knowledge and Path from Day, Month and Year (1900..2050).
void CalculateChart(ChartRecord& record);

using TextTable = std::array<std::string, 12>;

// Indexed by the chart number; entry 0 stays empty (a Gift of 0 has no paragraph).
extern TextTable SoulTexts;
extern TextTable KarmaTexts;
extern TextTable GiftTexts;
extern TextTable DestinyTexts; // explains the Knowledge number
extern TextTable PathTexts;

// Fills entries 1..11 of the five tables from the compiled-in paragraphs.
void LoadInterpretations();

} // namespace modCorvaneNumerology
