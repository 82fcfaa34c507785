#include "calc/changegears.h"
#include "calc/geartrains.h"
#include "calc/wormstarts.h"

#include "formtesting.h"

#include <QTest>

#include <map>
#include <set>
#include <tuple>

namespace {
using Train = std::tuple<int, int, int, int>;

constexpr std::int64_t largestZ2 = 500;

// Every exact train for Z2 = 1..500 and a hob of z1 starts, found the slow way: every pair and
// every quadruple of different gears of the set, its ratio turned into the tooth count it
// indexes.
std::map<std::int64_t, std::set<Train>> bruteForce(int z1) {
    std::map<std::int64_t, std::set<Train>> found;
    const auto& set = changeGearSet;
    const std::int64_t k = 24LL * z1;
    for (const int a : set) {
        for (const int b : set) {
            if (a != b && (k * b) % a == 0 && k * b / a <= largestZ2) {
                found[k * b / a].insert({a, b, 0, 0});
            }
            for (const int c : set) {
                for (const int d : set) {
                    if (std::set<int>{a, b, c, d}.size() != 4) {
                        continue;
                    }
                    const std::int64_t driven = k * b * d;
                    const std::int64_t drivers = std::int64_t{a} * c;
                    if (driven % drivers == 0 && driven / drivers <= largestZ2) {
                        found[driven / drivers].insert(
                            {std::min(a, c), std::min(b, d), std::max(a, c), std::max(b, d)});
                    }
                }
            }
        }
    }
    return found;
}
} // namespace

class TestGearTrains : public QObject {
    Q_OBJECT

private slots:
    void agreesWithBruteForce_data();
    void agreesWithBruteForce();
    void byText_data();
    void byText();
};

void TestGearTrains::agreesWithBruteForce_data() {
    QTest::addColumn<int>("z1");
    for (int z1 = 1; z1 <= maxWormStarts; ++z1) {
        QTest::addRow("z1 = %d", z1) << z1;
    }
}

void TestGearTrains::agreesWithBruteForce() {
    QFETCH(int, z1);
    const auto expected = bruteForce(z1);
    std::size_t total = 0;
    for (std::int64_t z2 = 1; z2 <= largestZ2; ++z2) {
        const QList<GearTrain> trains = gearTrains(z2, z1);
        std::set<Train> got;
        for (qsizetype i = 0; i < trains.size(); ++i) {
            const GearTrain& t = trains[i];
            got.insert({t.a, t.b, t.c, t.d});
            if (i > 0) { // simple ones first, then in ascending order of teeth
                const GearTrain& before = trains[i - 1];
                QVERIFY(before.isCompound() <= t.isCompound());
                QVERIFY(before.isCompound() != t.isCompound() || before.teeth() <= t.teeth());
            }
        }
        QCOMPARE(got.size(), std::size_t(trains.size())); // none twice
        const auto it = expected.find(z2);
        QVERIFY2(got == (it == expected.end() ? std::set<Train>{} : it->second),
                 qPrintable(QStringLiteral("Z2 = %1").arg(z2)));
        total += got.size();
    }
    QVERIFY(total > 0);
}

void TestGearTrains::byText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("z2");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("first"); // the first trains listed
    QTest::addColumn<QString>("z1");

    const QString notACount =
        QStringLiteral("«DİŞLİ DİŞ SAYISI (Z2)» 1 veya daha büyük bir tam sayı olmalı.");
    QTest::newRow("40: one simple train")
        << point << "40"
        << "" << QStringList{"42 → 70", "20 → 25, 24 → 32"} << QStringLiteral("1");
    QTest::newRow("45: compound only")
        << point << "45"
        << "" << QStringList{"20 → 25, 32 → 48"} << QStringLiteral("1");
    QTest::newRow("97: none") << point << "97"
                              << "Z2 = 97 için tam dişli dizisi yok." << QStringList{}
                              << QStringLiteral("1");
    QTest::newRow("comma, 40,0") << comma << "40,0"
                                 << "" << QStringList{"42 → 70"} << QStringLiteral("1");
    QTest::newRow("huge") << point << "1e300"
                          << "Z2 = 1e300 için tam dişli dizisi yok." << QStringList{}
                          << QStringLiteral("1");
    QTest::newRow("zero") << point << "0" << notACount << QStringList{} << QStringLiteral("1");
    QTest::newRow("negative") << point << "-36" << notACount << QStringList{}
                              << QStringLiteral("1");
    QTest::newRow("fraction") << point << "36.5" << notACount << QStringList{}
                              << QStringLiteral("1");
    QTest::newRow("fraction, comma")
        << comma << "36,5" << notACount << QStringList{} << QStringLiteral("1");
    QTest::newRow("40, two starts: one simple train")
        << point << "40"
        << "Z2 = 40, z1 = 2 için 25 tam dizi: 1 basit, 24 bileşik." << QStringList{"24 → 20"}
        << QStringLiteral("2");
    QTest::newRow("starts out of range") << point << "40"
                                         << "Vida ağız sayısı için 1 ile 6 arasında bir tam "
                                            "sayı girin."
                                         << QStringList{} << QStringLiteral("7");
    QTest::newRow("not a number") << point << "abc"
                                  << "«DİŞLİ DİŞ SAYISI (Z2)» alanındaki değer bir sayı değil."
                                  << QStringList{} << QStringLiteral("1");
}

void TestGearTrains::byText() {
    QFETCH(QLocale, locale);
    QFETCH(QString, z2);
    QFETCH(QString, line);
    QFETCH(QStringList, first);
    QFETCH(QString, z1);

    const auto trains = gearTrainsFor(z2, z1, locale);

    if (!line.isEmpty()) {
        QCOMPARE(trainCountLine(trains, z2, z1, locale), line);
    }
    const auto* list = std::get_if<QList<GearTrain>>(&trains);
    QCOMPARE(list != nullptr, line.startsWith(QStringLiteral("Z2")) || line.isEmpty());
    for (qsizetype i = 0; i < first.size(); ++i) {
        QCOMPARE(list->at(i).text(locale), first[i]);
    }
}

QTEST_GUILESS_MAIN(TestGearTrains)
#include "tst_geartrains.moc"
