#include "Reading.h"

#include <iterator>

namespace modCorvaneNumerology {

namespace {

constexpr const char* LineBreak = "\r\n";

struct Section {
    const char* heading;
    std::int16_t number;
    const std::string& paragraph;
    Rgb colour;
};

} // namespace

std::string chartTitle(const std::string& name)
{
    return "Halden Corvane Numerology Chart for " + name;
}

std::vector<ReadingRun> composeReadingRuns(const ChartRecord& record)
{
    std::vector<ReadingRun> runs;
    runs.push_back({chartTitle(record.Name) + LineBreak + LineBreak, 12, Rgb{0, 0, 0}, true});

    const Section sections[] = {
        {"Path: ", record.Path, PathTexts.at(record.Path), Rgb{128, 0, 128}},
        {"Soul: ", record.Soul, SoulTexts.at(record.Soul), Rgb{0, 0, 128}},
        {"Knowledge: ", record.Knowledge, DestinyTexts.at(record.Knowledge), Rgb{0, 128, 0}},
        {"Gift: ", record.Gift, GiftTexts.at(record.Gift), Rgb{255, 0, 0}},
        {"Karma: ", record.Karma, KarmaTexts.at(record.Karma), Rgb{128, 0, 0}},
    };
    const Section& last = sections[std::size(sections) - 1];
    for (const Section& section : sections) {
        // Only Gift can be 0 (years 1900 and 2000): such a section has no heading line.
        if (section.number != 0)
            runs.push_back({section.heading + std::to_string(section.number) + LineBreak, 10,
                            section.colour, true});
        std::string paragraph = section.paragraph;
        if (&section != &last)
            paragraph += std::string(LineBreak) + LineBreak;
        runs.push_back({paragraph, 10, section.colour, true});
    }
    return runs;
}

} // namespace modCorvaneNumerology
