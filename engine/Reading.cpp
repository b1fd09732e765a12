#include "Reading.h"

#include "Identity.h"

namespace modCorvaneNumerology {

namespace {

constexpr const char* LineBreak = "\r\n";

} // namespace

std::string chartTitle(const std::string& name)
{
    return std::string(Identity::ProductName) + " Chart for " + name;
}

std::vector<ReadingRun> composeReadingRuns(const ChartRecord& record)
{
    std::vector<ReadingRun> runs;
    runs.push_back({chartTitle(record.Name) + LineBreak + LineBreak, 12, Rgb{0, 0, 0}, true});

    const NumberKind& last = NumberKinds.back();
    for (const NumberKind& kind : NumberKinds) {
        const std::int16_t number = record.*kind.number;
        // Only Gift can be 0 (years 1900 and 2000): such a section has no heading line.
        if (number != 0)
            runs.push_back({std::string(kind.name) + ": " + std::to_string(number) + LineBreak, 10,
                            kind.readingColour, true});
        std::string paragraph = kind.texts->at(number);
        if (&kind != &last)
            paragraph += std::string(LineBreak) + LineBreak;
        runs.push_back({paragraph, 10, kind.readingColour, true});
    }
    return runs;
}

} // namespace modCorvaneNumerology
