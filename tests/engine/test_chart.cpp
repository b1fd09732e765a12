#include "TestEnvironment.h"
#include "modCorvaneNumerology.h"

#include <QtTest>

using namespace modCorvaneNumerology;

namespace {

// The inputs whose reduction is 10 or 11; every other input reduces to 0..9.
const QList<int> GivesTen{19, 28, 37, 46, 55, 64, 73, 82, 91};
const QList<int> GivesEleven{11, 29, 38, 47, 56, 65, 74, 83, 92};

// What any correct reduction of n (0..99) to result satisfies, without computing it: the
// result lies in 0..11, is 0 only for 0, is 10 or 11 exactly for the inputs listed above, and
// keeps n's remainder by 9 (adding digits does not change it). Together these fix the result.
QString reductionFault(int n, int result)
{
    if (result < 0 || result > 11)
        return QStringLiteral("%1 gives %2, outside 0..11").arg(n).arg(result);
    if ((result == 0) != (n == 0))
        return QStringLiteral("%1 gives %2; only 0 gives 0").arg(n).arg(result);
    if ((result == 10) != GivesTen.contains(n) || (result == 11) != GivesEleven.contains(n))
        return QStringLiteral("%1 gives %2, against the lists of 10 and 11").arg(n).arg(result);
    if (result % 9 != n % 9)
        return QStringLiteral("%1 gives %2, another remainder by 9").arg(n).arg(result);
    return QString();
}

int digitSum(int n)
{
    int sum = 0;
    for (; n > 0; n /= 10)
        sum += n % 10;
    return sum;
}

ChartRecord chartFor(int day, int month, int year)
{
    ChartRecord record;
    record.Day = static_cast<std::int16_t>(day);
    record.Month = static_cast<std::int16_t>(month);
    record.Year = static_cast<std::int16_t>(year);
    CalculateChart(record);
    return record;
}

} // namespace

class TestChart : public QObject {
    Q_OBJECT
private slots:
    void reduceHasTheRulesPropertiesOnWholeRange()
    {
        for (int n = 0; n <= 99; ++n) {
            const QString fault = reductionFault(n, ReduceNumber(static_cast<std::int16_t>(n)));
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

    void reduceTellingValues_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("expected");
        const int table[][2] = {{0, 0},   {9, 9},  {10, 1},  {11, 11}, {12, 3},
                                {19, 10}, {20, 2}, {28, 10}, {29, 11}, {30, 3},
                                {38, 11}, {39, 3}, {55, 10}, {85, 4},  {99, 9}};
        for (const auto& row : table)
            QTest::addRow("%d", row[0]) << row[0] << row[1];
    }
    void reduceTellingValues()
    {
        QFETCH(int, n);
        QFETCH(int, expected);
        QCOMPARE(int(ReduceNumber(static_cast<std::int16_t>(n))), expected);
    }

    void knownCharts_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QList<int>>("soulKarmaGiftKnowledgePath");
        QTest::newRow("15 Aug 1985") << 15 << 8 << 1985 << QList<int>{6, 8, 4, 5, 10};
        QTest::newRow("29 Feb 2000") << 29 << 2 << 2000 << QList<int>{11, 2, 0, 2, 6};
        QTest::newRow("1 Jan 1900") << 1 << 1 << 1900 << QList<int>{1, 1, 0, 1, 3};
        QTest::newRow("11 Nov 1911") << 11 << 11 << 1911 << QList<int>{11, 11, 11, 3, 7};
        QTest::newRow("19 Oct 1929") << 19 << 10 << 1929 << QList<int>{10, 1, 11, 3, 5};
        QTest::newRow("5 Jun 1999") << 5 << 6 << 1999 << QList<int>{5, 6, 9, 10, 3};
        QTest::newRow("31 Dec 2050") << 31 << 12 << 2050 << QList<int>{4, 3, 5, 7, 5};
    }
    void knownCharts()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QList<int>, soulKarmaGiftKnowledgePath);
        const ChartRecord chart = chartFor(day, month, year);
        const QList<int> actual{chart.Soul, chart.Karma, chart.Gift, chart.Knowledge, chart.Path};
        QCOMPARE(actual, soulKarmaGiftKnowledgePath);
    }

    // Each number is the reduction of its own input, which the test takes from the date itself
    // (so only a year ending in 00 gives a 0, its Gift).
    void everyValidDateFrom1900To2050()
    {
        for (int year = 1900; year <= 2050; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 31; ++day) {
                    if (!QDate::isValid(year, month, day))
                        continue;
                    const ChartRecord c = chartFor(day, month, year);
                    const int inputs[][2] = {{day, c.Soul},
                                             {month, c.Karma},
                                             {year % 100, c.Gift},
                                             {digitSum(year), c.Knowledge},
                                             {c.Soul + c.Karma + c.Knowledge, c.Path}};
                    for (const auto& [input, number] : inputs) {
                        const QString fault = reductionFault(input, number);
                        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1-%2-%3: %4")
                                                                 .arg(year)
                                                                 .arg(month)
                                                                 .arg(day)
                                                                 .arg(fault)));
                    }
                }
            }
        }
    }
};

HCN_TEST_MAIN(TestChart)
#include "test_chart.moc"
