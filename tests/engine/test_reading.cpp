#include "Identity.h"
#include "Reading.h"
#include "TestEnvironment.h"

#include <QtTest>

using namespace modCorvaneNumerology;

namespace {

ChartRecord prepared(const char* name, int day, int month, int year)
{
    ChartRecord record;
    record.Name = name;
    record.Day = static_cast<std::int16_t>(day);
    record.Month = static_cast<std::int16_t>(month);
    record.Year = static_cast<std::int16_t>(year);
    CalculateChart(record);
    LoadInterpretations();
    return record;
}

std::string joined(const std::vector<ReadingRun>& runs)
{
    std::string all;
    for (const ReadingRun& run : runs)
        all += run.text;
    return all;
}

} // namespace

class TestReading : public QObject {
    Q_OBJECT
private slots:
    void sectionsInOrderWithTheirFormats()
    {
        const ChartRecord r = prepared("Ann Lee", 15, 8, 1985);
        const std::vector<ReadingRun> runs = composeReadingRuns(r);
        QCOMPARE(runs.size(), std::size_t(11));

        QCOMPARE(runs[0].text, std::string(Identity::ProductName) + " Chart for Ann Lee\r\n\r\n");
        QCOMPARE(runs[0].pointSize, 12);
        QVERIFY(runs[0].colour == (Rgb{0, 0, 0}));

        struct Expected {
            std::string heading;
            const std::string& paragraph;
            Rgb colour;
        };
        const Expected sections[] = {
            {"Path: 10", PathTexts[10], {128, 0, 128}},     {"Soul: 6", SoulTexts[6], {0, 0, 128}},
            {"Knowledge: 5", DestinyTexts[5], {0, 128, 0}}, {"Gift: 4", GiftTexts[4], {255, 0, 0}},
            {"Karma: 8", KarmaTexts[8], {128, 0, 0}},
        };
        for (std::size_t i = 0; i < std::size(sections); ++i) {
            const ReadingRun& heading = runs[1 + 2 * i];
            const ReadingRun& paragraph = runs[2 + 2 * i];
            QCOMPARE(heading.text, sections[i].heading + "\r\n");
            const bool last = i + 1 == std::size(sections);
            QCOMPARE(paragraph.text, sections[i].paragraph + (last ? "" : "\r\n\r\n"));
            for (const ReadingRun* run : {&heading, &paragraph}) {
                QCOMPARE(run->pointSize, 10);
                QVERIFY(run->colour == sections[i].colour);
                QVERIFY(run->emphasis);
            }
        }
        const std::string all = joined(runs);
        QCOMPARE(all.back(), KarmaTexts[8].back());
    }

    void giftZeroLeavesOnlyItsLineBreaks()
    {
        const ChartRecord r = prepared("", 1, 1, 2000);
        const std::string all = joined(composeReadingRuns(r));
        QVERIFY(all.find("Gift: ") == std::string::npos);
        QVERIFY(all.rfind(std::string(Identity::ProductName) + " Chart for \r\n\r\n", 0) == 0);
        const std::string between = DestinyTexts[r.Knowledge] + "\r\n\r\n\r\n\r\nKarma: 1\r\n";
        QVERIFY(all.find(between) != std::string::npos);
    }
};

HCN_TEST_MAIN(TestReading)
#include "test_reading.moc"
