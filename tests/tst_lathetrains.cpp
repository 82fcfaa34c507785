#include "calc/lathetrains.h"

#include "formtesting.h"

#include <QRandomGenerator>
#include <QTest>

#include <map>
#include <numeric>
#include <set>
#include <tuple>

namespace {

// A lead of the plain enumeration, grouped by the ratio in lowest terms.
struct Expected {
    double error;
    double lead;
    int position;
    std::int64_t numerator;
    std::int64_t denominator;
    qsizetype trains;
    QList<int> positions = {};

    auto key() const { return std::tuple(error, lead, position, numerator, denominator); }
};

using Ratio = std::pair<std::int64_t, std::int64_t>;

// How many trains give each ratio in lowest terms: each physical train once, the gears by their
// place in the box, drivers and driven each as an unordered set, fitting in at least one order.
std::map<Ratio, qsizetype> everyTrain(const Lathe& lathe) {
    std::set<std::tuple<std::int64_t, std::int64_t, QList<int>, QList<int>>> seen;
    std::map<Ratio, qsizetype> trains;
    const auto add = [&](std::int64_t num, std::int64_t den, QList<int> drivers,
                         QList<int> driven) {
        const QList<int> all = drivers + driven;
        const bool reached = lathe.reaches(std::accumulate(all.begin(), all.end(), 0));
        std::sort(drivers.begin(), drivers.end());
        std::sort(driven.begin(), driven.end());
        const std::int64_t d = std::gcd(num, den);
        if (reached && seen.insert({num / d, den / d, drivers, driven}).second) {
            ++trains[{num / d, den / d}];
        }
    };
    const QList<int>& g = lathe.gears;
    const auto n = g.size();
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = 0; j < n; ++j) {
            if (i != j) {
                add(g[i], g[j], {g[i]}, {g[j]});
            }
            for (qsizetype k = 0; k < n && i != j; ++k) {
                for (qsizetype l = 0; l < n; ++l) {
                    const bool distinct = k != i && k != j && l != i && l != j && l != k;
                    const int a = g[i];
                    const int b = g[j];
                    const int c = g[k];
                    const int d = g[l];
                    if (distinct && (fits(lathe, a, b, c, d) || fits(lathe, a, d, c, b) ||
                                     fits(lathe, c, b, a, d) || fits(lathe, c, d, a, b))) {
                        add(std::int64_t{a} * c, std::int64_t{b} * d, {a, c}, {b, d});
                    }
                }
            }
        }
    }
    return trains;
}

// The slow way: every train at every position, nearest first, as the finder orders them; a
// lead that several positions give (to twelve digits) is one, shown for the first of them.
QList<Expected> plainEnumeration(const Lathe& lathe, double wanted, qsizetype count) {
    const std::map<Ratio, qsizetype> trains = everyTrain(lathe);
    QList<Expected> all;
    const QList<GearboxPosition> positions = lathe.positions();
    for (int p = 0; p < positions.size(); ++p) {
        const double scale = lathe.screw.pitch() * positions[p].ratio;
        for (const auto& [ratio, n] : trains) {
            const double lead = scale * double(ratio.first) / double(ratio.second);
            all.append({std::abs(lead - wanted), lead, p, ratio.first, ratio.second, n});
        }
    }
    std::sort(all.begin(), all.end(), [](const Expected& x, const Expected& y) {
        return std::tuple(x.lead, x.position) < std::tuple(y.lead, y.position);
    });
    QList<Expected> distinct;
    for (const Expected& e : all) {
        if (!distinct.isEmpty() && std::abs(distinct.back().lead - e.lead) <= 1e-12 * e.lead) {
            distinct.back().positions.append(e.position);
            continue;
        }
        distinct.append(e);
        distinct.back().positions = {e.position};
    }
    for (Expected& e : distinct) {
        std::sort(e.positions.begin(), e.positions.end());
    }
    // The first position's own ratio stands for the lead.
    for (Expected& e : distinct) {
        for (const Expected& x : all) {
            if (x.position == e.positions.constFirst() &&
                std::abs(x.lead - e.lead) <= 1e-12 * e.lead) {
                e = Expected{x.error,       x.lead,   x.position, x.numerator,
                             x.denominator, x.trains, e.positions};
                break;
            }
        }
    }
    std::sort(distinct.begin(), distinct.end(), [](const Expected& x, const Expected& y) {
        return std::tuple(x.error, x.lead) < std::tuple(y.error, y.lead);
    });
    return distinct.mid(0, count);
}

} // namespace

class TestLatheTrains : public QObject {
    Q_OBJECT

private slots:
    void agreesWithPlainEnumeration();
    void shopExamples_data();
    void shopExamples();
    void leadBeyondTheLathe_data();
    void leadBeyondTheLathe();
    void wormOutOfScaleIsRefused_data();
    void wormOutOfScaleIsRefused();
};

// Boxes of 3 to 8 gears, with doubled gears, a gearbox of two or three positions (two of them
// giving the same leads), a clearance and a reach, for random modules and starts.
void TestLatheTrains::agreesWithPlainEnumeration() {
    QRandomGenerator random(20261208);
    for (int round = 0; round < 60; ++round) {
        Lathe lathe;
        lathe.name = QStringLiteral("Deneme");
        lathe.screw = round % 3 == 0 ? LeadScrew{LeadScrew::Unit::ThreadsPerInch, 4}
                                     : LeadScrew{LeadScrew::Unit::Millimetre, 6};
        const int size = 3 + round % 6;
        for (int i = 0; i < size; ++i) {
            lathe.gears.append(i > 0 && random.bounded(4) == 0 ? lathe.gears.back()
                                                               : 20 + 5 * random.bounded(20));
        }
        std::sort(lathe.gears.begin(), lathe.gears.end());
        if (round % 2 == 1) {
            lathe.gearbox = {{QStringLiteral("A"), 1}, {QStringLiteral("B"), 0.5}};
        }
        if (round % 6 == 3) {
            lathe.gearbox.append({QStringLiteral("C"), 2});
        }
        if (round % 4 >= 2) {
            lathe.clearance = 15;
        }
        if (round % 5 == 1) {
            lathe.reach = 100 + 10 * random.bounded(10);
        }
        const double module = 0.5 + 0.25 * random.bounded(39);
        const int z1 = 1 + random.bounded(6);
        const double wanted = wormLead(module, z1);

        const QList<LeadRow> rows = LatheTrainFinder(lathe).nearest(wanted, 100.0);
        const QList<Expected> expected = plainEnumeration(lathe, wanted, 20);

        const QString what = QStringLiteral("round %1").arg(round);
        QCOMPARE(rows.size(), expected.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const LeadRow& r = rows[i];
            const Expected& e = expected[i];
            QVERIFY2(r.position == e.position && r.numerator == e.numerator &&
                         r.denominator == e.denominator,
                     qPrintable(what));
            QCOMPARE(r.positions, e.positions);
            QCOMPARE(r.lead, e.lead);
            QCOMPARE(std::abs(r.error), e.error);
            QCOMPARE(r.others, e.trains - 1);
            const GearTrain& t = r.train;
            const std::int64_t num = std::int64_t{t.a} * (t.isCompound() ? t.c : 1);
            const std::int64_t den = std::int64_t{t.b} * (t.isCompound() ? t.d : 1);
            QVERIFY2(num * e.denominator == den * e.numerator, qPrintable(what));
            QVERIFY(!t.isCompound() || fits(lathe, t.a, t.b, t.c, t.d));
            QVERIFY(lathe.reaches(t.a + t.b + t.c + t.d));
        }
    }
}

void TestLatheTrains::shopExamples_data() {
    QTest::addColumn<double>("module");
    QTest::addColumn<int>("z1");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("train");
    QTest::addColumn<double>("perHundred"); // µm per 100 mm, to 0.1
    QTest::addColumn<int>("others");
    QTest::addColumn<bool>("indexable");
    QTest::newRow("m 3: the nearest")
        << 3.0 << 1 << 0 << "95 → 55, 100 → 110" << -34.9 << 0 << false;
    QTest::newRow("m 3: the next, 22/7") << 3.0 << 1 << 1 << "110 → 70" << 40.2 << 15 << false;
    QTest::newRow("m 2") << 2.0 << 1 << 0 << "70 → 50, 95 → 127" << 4.4 << 1 << false;
    QTest::newRow("m 3, two starts") << 3.0 << 2 << 0 << "110 → 35" << 40.2 << 17 << true;
}

// The built-in lathe: a 6 mm screw and gears 20 to 100 by 5, 110, 120 and 127.
void TestLatheTrains::shopExamples() {
    QFETCH(double, module);
    QFETCH(int, z1);
    QFETCH(int, row);
    QFETCH(QString, train);
    QFETCH(double, perHundred);
    QFETCH(int, others);
    QFETCH(bool, indexable);

    const QList<LeadRow> rows =
        LatheTrainFinder(builtInLathe()).nearest(wormLead(module, z1), std::nullopt);

    QCOMPARE(rows.size(), 20);
    const LeadRow& r = rows.at(row);
    QCOMPARE(r.train.text(point), train);
    QCOMPARE(std::round(r.micronsPer100mm * 10) / 10, perHundred);
    QCOMPARE(r.others, others);
    QCOMPARE(r.indexable(z1), indexable);
    QCOMPARE(r.micronsOverLength, std::nullopt);
}

void TestLatheTrains::leadBeyondTheLathe_data() {
    QTest::addColumn<double>("module");
    QTest::addColumn<int>("z1");
    QTest::addColumn<bool>("inchLathe"); // 4 TPI with positions A 1 and B 2, else the built-in
    QTest::addColumn<bool>("cuts");
    QTest::newRow("m 3 on the built-in lathe") << 3.0 << 1 << false << true;
    QTest::newRow("m 16, z1 5 on the built-in lathe: 27 % short") << 16.0 << 5 << false << false;
    QTest::newRow("m 20, z1 6 on a 4 TPI lathe") << 20.0 << 6 << true << false;
    QTest::newRow("m 4, z1 2 on a 4 TPI lathe") << 4.0 << 2 << true << true;
}

// Beyond a 1 % miss, the nearest train cuts another worm.
void TestLatheTrains::leadBeyondTheLathe() {
    QFETCH(double, module);
    QFETCH(int, z1);
    QFETCH(bool, inchLathe);
    QFETCH(bool, cuts);
    Lathe lathe = builtInLathe();
    if (inchLathe) {
        lathe.screw = {LeadScrew::Unit::ThreadsPerInch, 4};
        lathe.gearbox = {{QStringLiteral("A"), 1}, {QStringLiteral("B"), 2}};
    }
    const double wanted = wormLead(module, z1);

    const QList<LeadRow> rows = LatheTrainFinder(lathe).nearest(wanted, std::nullopt);
    const auto miss = leadOutOfReach(rows, wanted);

    QCOMPARE(!miss.has_value(), cuts);
    if (miss) {
        QCOMPARE(*miss, std::abs(rows.constFirst().error) / wanted);
        QVERIFY(*miss > largestLeadMiss);
    }
}

void TestLatheTrains::wormOutOfScaleIsRefused_data() {
    QTest::addColumn<QString>("module");
    QTest::addColumn<bool>("refused");
    QTest::newRow("1e-320: every miss per 100 mm would be infinite")
        << QStringLiteral("1e-320") << true;
    QTest::newRow("1e-300: likewise") << QStringLiteral("1e-300") << true;
    QTest::newRow("1e308: the lead overflows") << QStringLiteral("1e308") << true;
    QTest::newRow("0,001 mm, a lead a lathe cannot cut but can name")
        << QStringLiteral("0.001") << false;
}

// A module whose lead leaves the lathe's figures no number is refused, naming m, and the rows
// for the smallest one kept are numbers.
void TestLatheTrains::wormOutOfScaleIsRefused() {
    QFETCH(QString, module);
    QFETCH(bool, refused);
    RecordingSink sink;
    FormState form(point, sink);
    form.Form_Load();
    form.setText(FieldId::m_t, module);

    const auto worm = latheWorm(form);

    QCOMPARE(std::holds_alternative<Fault>(worm), refused);
    if (refused) {
        QCOMPARE(std::get<Fault>(worm), (Fault{FieldId::m_t, FaultKind::OutOfScale}));
        return;
    }
    for (const LeadRow& row :
         LatheTrainFinder(builtInLathe()).nearest(std::get<LatheWorm>(worm).lead, std::nullopt)) {
        QVERIFY(std::isfinite(row.error) && std::isfinite(row.micronsPer100mm));
    }
}

QTEST_GUILESS_MAIN(TestLatheTrains)
#include "tst_lathetrains.moc"
