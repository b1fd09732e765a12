#include "TestEnvironment.h"
#include "modCorvaneNumerology.h"

#include <QtTest>

using namespace modCorvaneNumerology;

namespace {

struct Slot {
    const char* opening;
    int length;
};

struct Table {
    const char* name;
    const TextTable* texts;
    Slot entries[11];
};

// Opening words and exact length of every paragraph, entry 1 first.
const Table Tables[] = {
    {"Soul",
     &SoulTexts,
     {{"You must keep in mind that the spirit", 449},
      {"The soul number two creates an urge to", 594},
      {"This soul number indicates that one's mind is", 567},
      {"The trickiest problem faced by persons with soul", 537},
      {"The most disturbing aspect of soul number five", 598},
      {"The soul number six indicates that in times", 488},
      {"Those affected by the negative side of soul", 423},
      {"This person is too fast to see the", 435},
      {"This person may have problem in recognizing his", 508},
      {"This person will lack the courage and determination", 515},
      {"Controlling one's impulses or one's entire being is", 560}}},
    {"Karma",
     &KarmaTexts,
     {{"As a logical and rational person you always", 497},
      {"Having number two as your karma number signifies", 634},
      {"The major problem of the people with karma", 673},
      {"Bubbling with partisan spirit, you never hesitate from", 520},
      {"Having karma number five indicates an insatiable appetite", 446},
      {"The positive vibe of karma number six makes", 511},
      {"The person with karma number seven may have", 542},
      {"The positive vibes of karma number eight reflects", 539},
      {"The positive energy of this number bestows elegance", 679},
      {"The good sign of karma number ten is", 537},
      {"The karma number eleven indicates that the person", 628}}},
    {"Gift",
     &GiftTexts,
     {{"Number one stands for creative genius and innovativeness.", 494},
      {"When it comes to communication skills, you are", 524},
      {"The loveliest thing about this person is the", 302},
      {"The Gift of number four indicates to a", 344},
      {"The gift number five points towards an inborn", 398},
      {"This person is blessed with exceptional power of", 208},
      {"This person can enchant everybody with his quicksilver", 285},
      {"The gift number eight indicated a fearless person", 374},
      {"The gift of nine makes one a very", 367},
      {"The gift of number ten indicates that this", 434},
      {"person with a gift number eleven will be", 199}}},
    {"Destiny",
     &DestinyTexts,
     {{"This destiny number refers to the course of", 322},
      {"Destiny Number two makes one a level headed", 349},
      {"The outstanding ability to appear as a cheerful", 397},
      {"The person born with a destiny number four", 301},
      {"This person will be blessed with multiple noble", 463},
      {"The destiny number six refers to the person's", 349},
      {"People with destiny number seven are blessed with", 202},
      {"This person is tenacious, hard working and never", 309},
      {"The destiny number nine indicates that the people", 338},
      {"A person with a destiny number ten will", 322},
      {"The will of God or the notions of", 365}}},
    {"Path",
     &PathTexts,
     {{"The person must follow the path of spirituality", 546},
      {"The path number two represents gaining knowledge and", 482},
      {"These people hate any kind of discrimination based", 450},
      {"The path number four represents resourcefulness and industriousness.", 415},
      {"The path number five directly relates to the", 452},
      {"The path of six indicates to the path", 487},
      {"The most valuable quality nurtured by persons with", 406},
      {"The path number eight shows that you would", 282},
      {"Flashy ways of exhibiting his skills or voicing", 444},
      {"The path of number ten signifies unflinching courage,", 468},
      {"The path of the god is the only", 412}}},
};

} // namespace

class TestInterpretations : public QObject {
    Q_OBJECT
    bool emptyAtStart = true;

private slots:
    // Seen before any test function loads the tables, whichever functions run and in what order.
    void initTestCase()
    {
        for (const Table& table : Tables)
            for (const std::string& entry : *table.texts)
                emptyAtStart &= entry.empty();
    }

    void tablesStartEmpty() { QVERIFY(emptyAtStart); }

    void everySlotHasItsOpeningAndLength_data()
    {
        LoadInterpretations();
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<int>("length");
        for (const Table& table : Tables)
            for (int i = 1; i <= 11; ++i)
                QTest::addRow("%s %d", table.name, i)
                    << QString::fromStdString((*table.texts)[std::size_t(i)])
                    << QString::fromLatin1(table.entries[i - 1].opening)
                    << table.entries[i - 1].length;
    }
    void everySlotHasItsOpeningAndLength()
    {
        QFETCH(QString, text);
        QFETCH(QString, opening);
        QFETCH(int, length);
        QVERIFY2(text.startsWith(opening), qPrintable(text.left(80)));
        QCOMPARE(text.size(), length);
        for (const QChar c : text)
            QVERIFY2(c.unicode() >= 32 && c.unicode() <= 126, "not printable ASCII");
        QVERIFY(!text.startsWith(' ') && !text.endsWith(' '));
    }

    void totalsAndDoubleBlanks()
    {
        LoadInterpretations();
        std::size_t total = 0;
        QStringList withDoubleBlank;
        for (const Table& table : Tables) {
            QVERIFY((*table.texts)[0].empty());
            for (int i = 1; i <= 11; ++i) {
                const std::string& text = (*table.texts)[std::size_t(i)];
                total += text.size();
                const std::size_t at = text.find("  ");
                if (at != std::string::npos) {
                    withDoubleBlank << QStringLiteral("%1 %2").arg(table.name).arg(i);
                    // One double blank, between two sentences, and no run of three.
                    QVERIFY(text.find("  ", at + 1) == std::string::npos);
                    QVERIFY(at > 0 && std::string(".!?").find(text[at - 1]) != std::string::npos);
                }
            }
        }
        QCOMPARE(total, std::size_t(24370));
        QCOMPARE(withDoubleBlank, QStringList({"Soul 6", "Path 1"}));
    }

    void paragraphsAreDistinct()
    {
        LoadInterpretations();
        QSet<QString> seen;
        for (const Table& table : Tables)
            for (int i = 1; i <= 11; ++i)
                seen.insert(QString::fromStdString((*table.texts)[std::size_t(i)]));
        QCOMPARE(seen.size(), 55);
    }

    void loadingTwiceChangesNothing()
    {
        LoadInterpretations();
        const TextTable soul = SoulTexts, karma = KarmaTexts, gift = GiftTexts,
                        destiny = DestinyTexts, path = PathTexts;
        LoadInterpretations();
        QVERIFY(soul == SoulTexts && karma == KarmaTexts && gift == GiftTexts &&
                destiny == DestinyTexts && path == PathTexts);
    }

    void sourceFilesHoldElevenLines_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : {"soul", "karma", "gift", "destiny", "path"})
            QTest::newRow(name) << QStringLiteral(HCN_TEXT_DIR "/%1.txt").arg(name);
    }
    void sourceFilesHoldElevenLines()
    {
        QFETCH(QString, file);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.endsWith('\n'));
        QVERIFY(!bytes.contains('\r') && !bytes.contains("\n\n"));
        QCOMPARE(bytes.count('\n'), 11);
    }

    void knowledgeTenIsTheDestinyText()
    {
        LoadInterpretations();
        QVERIFY(DestinyTexts[10].rfind("A person with a destiny number ten will", 0) == 0);
    }
};

HCN_TEST_MAIN(TestInterpretations)
#include "test_interpretations.moc"
