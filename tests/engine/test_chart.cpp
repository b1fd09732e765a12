#include "TestEnvironment.h"
#include "modCorvaneNumerology.h"

#include <QtTest>

using namespace modCorvaneNumerology;

namespace {

// The reduction written out as its rule says, to compare against the engine.
int reduceByRule(int n)
{
    if (n == 11)
        return 11;
    const int t = n / 10 + n % 10;
    if (t == 10 || t == 11)
        return t;
    return t >= 12 ? t / 10 + t % 10 : t;
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
    void reduceFollowsTheRuleOnWholeRange()
    {
        for (int n = 0; n <= 99; ++n)
            QCOMPARE(int(ReduceNumber(static_cast<std::int16_t>(n))), reduceByRule(n));
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

    void everyValidDateFrom1900To2050()
    {
        int dates = 0;
        for (int year = 1900; year <= 2050; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 31; ++day) {
                    if (!QDate::isValid(year, month, day))
                        continue;
                    ++dates;
                    const ChartRecord c = chartFor(day, month, year);
                    const bool centuryYear = year % 100 == 0;
                    QVERIFY2(c.Soul >= 1 && c.Soul <= 11, "Soul out of range");
                    QVERIFY2(c.Karma >= 1 && c.Karma <= 11 && c.Karma != 10, "Karma wrong");
                    QVERIFY2(c.Knowledge >= 1 && c.Knowledge <= 11, "Knowledge out of range");
                    QVERIFY2(c.Path >= 1 && c.Path <= 11, "Path out of range");
                    QVERIFY2(c.Gift >= 0 && c.Gift <= 11, "Gift out of range");
                    QCOMPARE(c.Gift == 0, centuryYear);
                    QCOMPARE(int(c.Path), reduceByRule(c.Soul + c.Karma + c.Knowledge));
                }
            }
        }
        QCOMPARE(dates, 55152);
    }

    void nameDoesNotChangeNumbers()
    {
        ChartRecord a = chartFor(7, 3, 1985);
        ChartRecord b;
        b.Name = "Ada Lovelace";
        b.Day = 7;
        b.Month = 3;
        b.Year = 1985;
        CalculateChart(b);
        QCOMPARE(QList<int>({a.Soul, a.Karma, a.Gift, a.Knowledge, a.Path}),
                 QList<int>({b.Soul, b.Karma, b.Gift, b.Knowledge, b.Path}));
    }
};

HCN_TEST_MAIN(TestChart)
#include "test_chart.moc"
