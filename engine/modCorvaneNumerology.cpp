#include "modCorvaneNumerology.h"

#include <string_view>

namespace modCorvaneNumerology {

namespace data {
extern const std::string_view soulFile;
extern const std::string_view karmaFile;
extern const std::string_view giftFile;
extern const std::string_view destinyFile;
extern const std::string_view pathFile;
} // namespace data

ChartRecord Chart;
TextTable SoulTexts;
TextTable KarmaTexts;
TextTable GiftTexts;
TextTable DestinyTexts;
TextTable PathTexts;

namespace {

std::int16_t DigitSum(int n)
{
    int sum = 0;
    for (; n > 0; n /= 10)
        sum += n % 10;
    return static_cast<std::int16_t>(sum);
}

// Line i of a text file (one paragraph per line) goes to entry i of the table.
void fillTable(TextTable& table, std::string_view file)
{
    std::size_t index = 1;
    while (index < table.size() && !file.empty()) {
        const std::size_t end = file.find('\n');
        table[index++] = std::string(file.substr(0, end));
        file = end == std::string_view::npos ? std::string_view{} : file.substr(end + 1);
    }
}

} // namespace

std::int16_t ReduceNumber(std::int16_t n)
{
    if (n == 11)
        return 11;
    const std::int16_t t = DigitSum(n);
    if (t == 10 || t == 11)
        return t;
    if (t >= 12)
        return DigitSum(t);
    return t;
}

void CalculateChart(ChartRecord& record)
{
    const int year = record.Year;
    const int lastTwoDigits = year % 100;
    const std::int16_t yearDigitSum = DigitSum(year);

    record.Soul = ReduceNumber(record.Day);
    record.Karma = ReduceNumber(record.Month);
    record.Gift = ReduceNumber(static_cast<std::int16_t>(lastTwoDigits));
    record.Knowledge = ReduceNumber(yearDigitSum);
    record.Path =
        ReduceNumber(static_cast<std::int16_t>(record.Karma + record.Soul + record.Knowledge));
}

void LoadInterpretations()
{
    fillTable(SoulTexts, data::soulFile);
    fillTable(KarmaTexts, data::karmaFile);
    fillTable(GiftTexts, data::giftFile);
    fillTable(DestinyTexts, data::destinyFile);
    fillTable(PathTexts, data::pathFile);
}

} // namespace modCorvaneNumerology
