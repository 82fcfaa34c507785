#include "calc/changegears.h"
#include "calc/geartrains.h"
#include "calc/wormstarts.h"

#include "formtesting.h"

#include <QTest>

#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace {
using Train = std::tuple<int, int, int, int>;

constexpr std::int64_t largestZ2 = 500;

// What the slow way finds for one Z2: every train by its gears' counts (drivers A ≤ C, driven
// B ≤ D), and whether any order of it fits the quadrant.
using Found = std::map<std::int64_t, std::map<Train, bool>>;

// A train of ratio num ÷ den (driven over drivers) under the tooth count it indexes with each
// of the machine's constants that applies there.
void record(Found& found, const Machine& machine, int z1, std::int64_t num, std::int64_t den,
            const Train& train, bool fit) {
    for (const int k :
         {machine.indexConstant, machine.largeWheel ? machine.largeWheel->indexConstant : 0}) {
        if (k == 0 || (std::int64_t{k} * z1 * num) % den != 0) {
            continue;
        }
        const std::int64_t z2 = std::int64_t{k} * z1 * num / den;
        if (z2 >= 1 && z2 <= largestZ2 && effectiveConstant(machine, double(z2)) == k) {
            found[z2][train] = found[z2][train] || fit;
        }
    }
}

// Every exact train for Z2 = 1..500, found the slow way: every pair and every quadruple of
// different physical gears of the box.
Found bruteForce(const Machine& machine, int z1) {
    Found found;
    const QList<int>& g = machine.gears;
    const auto record = [&](std::int64_t num, std::int64_t den, const Train& train, bool fit) {
        ::record(found, machine, z1, num, den, train, fit);
    };
    for (qsizetype i = 0; i < g.size(); ++i) {
        for (qsizetype j = 0; j < g.size(); ++j) {
            if (i == j) {
                continue;
            }
            record(g[j], g[i], {g[i], g[j], 0, 0}, true);
            for (qsizetype k = 0; k < g.size(); ++k) {
                for (qsizetype l = 0; l < g.size(); ++l) {
                    if (k == i || k == j || l == i || l == j || l == k) {
                        continue;
                    }
                    const Train canonical = {std::min(g[i], g[k]), std::min(g[j], g[l]),
                                             std::max(g[i], g[k]), std::max(g[j], g[l])};
                    record(std::int64_t{g[j]} * g[l], std::int64_t{g[i]} * g[k], canonical,
                           fits(machine, g[i], g[j], g[k], g[l]));
                }
            }
        }
    }
    return found;
}
} // namespace

Q_DECLARE_METATYPE(Machine)

class TestGearTrains : public QObject {
    Q_OBJECT

private slots:
    void agreesWithBruteForce_data();
    void agreesWithBruteForce();
    void shopExample();
    void byText_data();
    void byText();
};

void TestGearTrains::agreesWithBruteForce_data() {
    QTest::addColumn<Machine>("machine");
    QTest::addColumn<int>("z1");
    for (int z1 = 1; z1 <= maxWormStarts; ++z1) {
        QTest::addRow("built-in machine, z1 = %d", z1) << builtInMachine() << z1;
    }
    QTest::newRow("two 25s, a clearance and a large-wheel constant") << tezgahB() << 1;
    QTest::newRow("the same, z1 = 2") << tezgahB() << 2;
    // A box of two gears has a single pair, and so no compound train to bound Z2 by.
    const auto box = [](QList<int> gears, std::optional<int> clearance = std::nullopt) {
        Machine m = builtInMachine();
        m.name = QStringLiteral("Küçük kutu");
        m.gears = std::move(gears);
        m.clearance = clearance;
        return m;
    };
    QTest::newRow("two gears, 20 and 80, z1 = 2") << box({20, 80}) << 2;
    QTest::newRow("two gears, 20 and 80, z1 = 6") << box({20, 80}) << 6;
    QTest::newRow("two equal gears") << box({30, 30}) << 1;
    QTest::newRow("three gears") << box({20, 45, 96}) << 1;
    QTest::newRow("three gears with a clearance") << box({20, 45, 96}, 30) << 3;
}

void TestGearTrains::agreesWithBruteForce() {
    QFETCH(Machine, machine);
    QFETCH(int, z1);
    const Found expected = bruteForce(machine, z1);
    const GearTrainFinder finder(machine);
    std::size_t total = 0;
    for (std::int64_t z2 = 1; z2 <= largestZ2; ++z2) {
        const TrainSearch search = finder.find(z2, z1);
        const QList<GearTrain>& trains = search.trains;
        std::map<Train, bool> got;
        for (qsizetype i = 0; i < trains.size(); ++i) {
            const GearTrain& t = trains[i];
            QVERIFY(fits(machine, t.a, t.b, t.c, t.d) || !t.isCompound());
            const Train canonical = t.isCompound() ? Train{std::min(t.a, t.c), std::min(t.b, t.d),
                                                           std::max(t.a, t.c), std::max(t.b, t.d)}
                                                   : Train{t.a, t.b, 0, 0};
            QVERIFY2(got.emplace(canonical, true).second, "a train listed twice");
            if (i > 0) { // simple ones first, then in ascending order of teeth
                const GearTrain& before = trains[i - 1];
                QVERIFY(before.isCompound() <= t.isCompound());
                QVERIFY(before.isCompound() != t.isCompound() || before.teeth() <= t.teeth());
            }
        }
        std::map<Train, bool> fitting;
        qsizetype unfit = 0;
        if (const auto it = expected.find(z2); it != expected.end()) {
            for (const auto& [train, fit] : it->second) {
                if (fit) {
                    fitting.emplace(train, true);
                } else {
                    ++unfit;
                }
            }
        }
        QVERIFY2(got == fitting, qPrintable(QStringLiteral("Z2 = %1").arg(z2)));
        QCOMPARE(search.unfit, unfit);
        total += got.size();
    }
    QVERIFY(total > 0);
}

// Z2 40 on the shop's machine: four simple trains; of the 41 exact compound ones, the 11 that
// fit the quadrant in no order are left out. Z2 30 needs both 25s.
void TestGearTrains::shopExample() {
    const GearTrainFinder finder(tezgahB());
    const TrainSearch search = finder.find(40, 1);
    QStringList simple;
    for (const GearTrain& t : search.trains) {
        if (!t.isCompound()) {
            simple.append(t.text(point));
        }
    }
    QCOMPARE(simple, (QStringList{"30 → 40", "45 → 60", "60 → 80", "75 → 100"}));
    QCOMPARE(search.trains.size() - simple.size(), 30);
    QCOMPARE(search.unfit, 11);
    QCOMPARE(finder.find(30, 1).trains.constFirst().text(point), QStringLiteral("25 → 25"));
    Machine oneOf25 = tezgahB();
    oneOf25.gears.removeOne(25);
    QVERIFY(GearTrainFinder(oneOf25).find(30, 1).trains.constFirst().isCompound());
}

void TestGearTrains::byText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("z2");
    QTest::addColumn<QString>("z1");
    QTest::addColumn<int>("count");         // how many trains; -1 where a fault refuses the texts
    QTest::addColumn<QStringList>("first"); // the first trains listed
    QTest::addColumn<QString>("fault");     // its message

    const QString notACount =
        QStringLiteral("«DİŞLİ DİŞ SAYISI (Z2)» 1 veya daha büyük bir tam sayı olmalı.");
    const auto found = [](const char* name, const QLocale& locale, const char* z2, const char* z1,
                          int count, const QStringList& first) {
        QTest::newRow(name) << locale << QString::fromUtf8(z2) << QString::fromUtf8(z1) << count
                            << first << QString();
    };
    const auto refused = [](const char* name, const QLocale& locale, const char* z2, const char* z1,
                            const QString& fault) {
        QTest::newRow(name) << locale << QString::fromUtf8(z2) << QString::fromUtf8(z1) << -1
                            << QStringList{} << fault;
    };
    found("40: one simple train", point, "40", "1", 19, {"42 → 70", "20 → 25, 24 → 32"});
    found("45: compound only", point, "45", "1", 17, {"20 → 25, 32 → 48"});
    found("97: none", point, "97", "1", 0, {});
    found("comma, 40,0", comma, "40,0", "1", 19, {"42 → 70"});
    found("huge", point, "1e300", "1", 0, {});
    found("40, two starts: one simple train", point, "40", "2", 25, {"24 → 20"});
    refused("zero", point, "0", "1", notACount);
    refused("negative", point, "-36", "1", notACount);
    refused("fraction", point, "36.5", "1", notACount);
    refused("fraction, comma", comma, "36,5", "1", notACount);
    refused("starts out of range", point, "40", "7",
            QStringLiteral("Vida ağız sayısı için 1 ile 6 arasında bir tam sayı girin."));
    refused("not a number", point, "abc", "1",
            QStringLiteral("«DİŞLİ DİŞ SAYISI (Z2)» alanındaki değer bir sayı değil."));
}

void TestGearTrains::byText() {
    QFETCH(QLocale, locale);
    QFETCH(QString, z2);
    QFETCH(QString, z1);
    QFETCH(int, count);
    QFETCH(QStringList, first);
    QFETCH(QString, fault);

    const auto trains = gearTrainsFor(z2, z1, builtInMachine(), locale);

    if (count < 0) {
        QCOMPARE(faultMessage(std::get<Fault>(trains), locale), fault);
        return;
    }
    const QList<GearTrain>& list = std::get<TrainSearch>(trains).trains;
    QCOMPARE(list.size(), count);
    for (qsizetype i = 0; i < first.size(); ++i) {
        QCOMPARE(list.at(i).text(locale), first[i]);
    }
}

QTEST_GUILESS_MAIN(TestGearTrains)
#include "tst_geartrains.moc"
