// Design from a housing: every drive a brute-force search over all tooth counts finds, and no
// other, with the turner's warnings the form itself gives after HESAPLA; the two shop examples;
// why nothing fits.

#include "calc/design.h"
#include "calc/jobsheet.h"
#include "calc/turnerfigures.h"
#include "calc/wormdrive.h"
#include "formtesting.h"
#include "model/fieldvalues.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <numeric>
#include <tuple>

namespace {

using Drive = std::tuple<double, int, int>; // m, z1, Z2

// Every whole tooth count from 1 up to where d1 would be negative, tested with nothing shared
// with the search but the rules it is asked for.
QList<Drive> everyFittingDrive(const DesignAsk& ask) {
    QList<Drive> drives;
    for (const double m : ask.modules) {
        for (const int z1 : ask.starts) {
            for (int z2 = 1; z2 * m < 2 * ask.centreDistance; ++z2) {
                const double error = std::abs((double(z2) / z1 - ask.ratio) / ask.ratio * 100);
                const double q = (2 * ask.centreDistance - z2 * m) / m;
                if (error <= ask.tolerance + 1e-9 && q >= ask.qLow - 1e-9 &&
                    q <= ask.qHigh + 1e-9) {
                    drives.append({m, z1, z2});
                }
            }
        }
    }
    std::sort(drives.begin(), drives.end());
    return drives;
}

// The turner's warnings as the form gives them once the row is typed in and HESAPLA pressed.
QList<WarningKind> formWarnings(const DesignRow& row) {
    RecordingSink sink;
    FormState form(comma, sink);
    form.Form_Load();
    const auto type = [&form](FieldId field, double x) {
        form.setText(field, FieldValues::writeNumber(x, comma));
    };
    type(FieldId::m_t, row.module);
    type(FieldId::Z2_t, row.teeth);
    type(FieldId::da1_t, row.da1);
    type(FieldId::z1_t, row.starts);
    type(FieldId::N1_t, 1450);
    if (!HESAPLA_Click(form)) {
        return {};
    }
    const auto figures = turnerFigures(form, WireGauge{}, WireWork::Skip);
    QList<WarningKind> kinds;
    for (const BlankWarning& w : std::get<TurnerFigures>(figures).warnings) {
        kinds.append(w.kind);
    }
    return kinds;
}

DesignAsk ask(double a, double i, QList<int> starts, QList<double> modules = defaultModules()) {
    DesignAsk ask;
    ask.centreDistance = a;
    ask.ratio = i;
    ask.starts = std::move(starts);
    ask.modules = std::move(modules);
    ask.n1 = 1450;
    return ask;
}

} // namespace

Q_DECLARE_METATYPE(DesignAsk)
Q_DECLARE_METATYPE(DesignLimit)

class TestDesignDrives : public QObject {
    Q_OBJECT

private slots:
    void findsWhatTryingEveryToothCountFinds();
    void meetsTheShopsExamples_data();
    void meetsTheShopsExamples();
    void saysWhyNothingFits_data();
    void saysWhyNothingFits();
    void nearestDriveHasAWorm();
};

void TestDesignDrives::findsWhatTryingEveryToothCountFinds() {
    QRandomGenerator random(28);
    int rows = 0;
    for (int round = 0; round < 200; ++round) {
        DesignAsk a;
        a.centreDistance = round % 2 == 0
                               ? housingSeries().at(random.bounded(int(housingSeries().size())))
                               : 30 + random.bounded(470.0);
        a.ratio = 5 + random.bounded(95.0);
        // Whole and half percents put ratios exactly on the tolerance's ends.
        a.tolerance = random.bounded(13) / 2.0;
        a.qLow = 4 + random.bounded(9);
        a.qHigh = a.qLow + random.bounded(13);
        a.starts.clear();
        for (int z1 = 1; z1 <= 6; ++z1) {
            if (random.bounded(2) == 0) {
                a.starts.append(z1);
            }
        }
        if (a.starts.isEmpty()) {
            a.starts = {int(1 + random.bounded(6))};
        }
        a.n1 = 1450;
        const Design design = designDrives(a, {});
        QList<Drive> found;
        for (const DesignRow& row : design.rows) {
            found.append({row.module, row.starts, row.teeth});
            QCOMPARE(row.d1, 2 * a.centreDistance - row.teeth * row.module);
            QCOMPARE(row.commonFactor, std::gcd(row.teeth, row.starts));
            if (rows++ % 7 == 0) {
                QList<WarningKind> kinds;
                for (const BlankWarning& w : row.warnings) {
                    kinds.append(w.kind);
                }
                QCOMPARE(kinds, formWarnings(row));
            }
        }
        std::sort(found.begin(), found.end());
        QCOMPARE(found, everyFittingDrive(a));
        QCOMPARE(design.noFit.has_value(), design.rows.isEmpty());
    }
    QVERIFY(rows > 500);
}

void TestDesignDrives::meetsTheShopsExamples_data() {
    QTest::addColumn<DesignAsk>("ask");
    QTest::addColumn<double>("module");
    QTest::addColumn<int>("teeth");
    QTest::addColumn<double>("d1");
    QTest::addColumn<double>("q");
    QTest::addColumn<QString>("gamma");
    QTest::addColumn<bool>("coprime");

    QTest::newRow("a 100, i 20, z1 2: m 4, two starts share a factor with 40")
        << ask(100, 20, {2}) << 4.0 << 40 << 40.0 << 10.0 << QStringLiteral("11° 19′") << false;
    QTest::newRow("a 160, i 40, z1 1, m 6,3") << ask(160, 40, {1}, {6.3}) << 6.3 << 40 << 68.0
                                              << 68 / 6.3 << QStringLiteral("5° 18′") << true;
}

void TestDesignDrives::meetsTheShopsExamples() {
    QFETCH(DesignAsk, ask);
    QFETCH(double, module);
    QFETCH(int, teeth);
    QFETCH(double, d1);
    QFETCH(double, q);
    QFETCH(QString, gamma);
    QFETCH(bool, coprime);

    const Design design = designDrives(ask, {});
    const auto row = std::find_if(design.rows.begin(), design.rows.end(), [&](const DesignRow& r) {
        return r.module == module && r.teeth == teeth;
    });
    QVERIFY(row != design.rows.end());
    QCOMPARE(row->d1, d1);
    QCOMPARE(row->da1, d1 + 2 * row->module);
    QCOMPARE(row->q, q);
    QCOMPARE(degreesAndMinutes(leadAngleNotation(*row)), gamma);
    QCOMPARE(row->coprime(), coprime);
    QVERIFY(row->efficiency > 0);
    // The exact ratio comes first.
    QCOMPARE(design.rows.first().error, 0.0);
}

void TestDesignDrives::saysWhyNothingFits_data() {
    QTest::addColumn<DesignAsk>("ask");
    QTest::addColumn<QList<Hob>>("hobs");
    QTest::addColumn<DesignLimit>("limit");
    QTest::addColumn<int>("excluded");
    QTest::addColumn<int>("nearestTeeth");
    QTest::addColumn<double>("miss");

    // 40,5 teeth wanted: 40 and 41 miss by 1,23 %, both at q in range.
    DesignAsk tolerance = ask(100, 20.25, {2}, {4});
    tolerance.tolerance = 1;
    QTest::newRow("the tolerance: 40 and 41 teeth are 1,23 % off")
        << tolerance << QList<Hob>{} << DesignLimit::Tolerance << 2 << 40
        << (20.25 - 20) / 20.25 * 100 - 1;
    // 39, 40 and 41 teeth give q 11, 10 and 9; 38 teeth (q 12) is 5 % off.
    DesignAsk quotient = ask(100, 20, {2}, {4});
    quotient.qLow = 12;
    QTest::newRow("q: three counts within the ratio, the nearest at q 11")
        << quotient << QList<Hob>{} << DesignLimit::DiameterQuotient << 3 << 39 << 1.0;
    // At m 8 d1 would be below zero; m 3,5 and m 4 of the default list fit, three counts each.
    QTest::newRow("the modules: m 3,5 and m 4 would fit")
        << ask(100, 20, {2}, {8}) << QList<Hob>{} << DesignLimit::Modules << 6 << 40 << 0.0;
    DesignAsk hobbed = ask(100, 20, {2}, {4});
    hobbed.onlyHobs = true;
    Hob near;
    near.module = 4;
    near.starts = 2;
    near.pitchDiameter = 40.5;
    QTest::newRow("the hobs: the shop's is 0,5 mm off d1 40")
        << hobbed << QList<Hob>{near} << DesignLimit::Hobs << 3 << 40 << 0.5;
    QTest::newRow("only the shop's hobs, and it has none of m 4, z1 2: the hobs, no drive")
        << hobbed << QList<Hob>{} << DesignLimit::Hobs << 0 << 0 << 0.0;
}

void TestDesignDrives::saysWhyNothingFits() {
    QFETCH(DesignAsk, ask);
    QFETCH(QList<Hob>, hobs);
    QFETCH(DesignLimit, limit);
    QFETCH(int, excluded);
    QFETCH(int, nearestTeeth);
    QFETCH(double, miss);

    const Design design = designDrives(ask, hobs);
    QVERIFY(design.rows.isEmpty());
    QVERIFY(design.noFit);
    QCOMPARE(design.noFit->limit, limit);
    QCOMPARE(design.noFit->excluded, excluded);
    QCOMPARE(design.noFit->nearest.has_value(), nearestTeeth > 0);
    if (nearestTeeth == 0) {
        return;
    }
    QCOMPARE(design.noFit->nearest->teeth, nearestTeeth);
    if (limit != DesignLimit::Modules) {
        QVERIFY(design.noFit->miss);
        QVERIFY(std::abs(*design.noFit->miss - miss) < 1e-9);
    }
}

// m 1,25 and m 16 at a 100, i 20, z1 2, q from 11 to 12: no count fits q, and at m 16 the worm
// would be d1 −440 (q −27,5), nearer the range than m 1,25's q 120 but no worm at all. The
// nearest named is m 1,25's.
void TestDesignDrives::nearestDriveHasAWorm() {
    DesignAsk asked = ask(100, 20, {2}, {1.25, 16});
    asked.qLow = 11;
    asked.qHigh = 12;

    const Design design = designDrives(asked, {});

    QVERIFY(design.noFit);
    QCOMPARE(design.noFit->limit, DesignLimit::DiameterQuotient);
    QVERIFY(design.noFit->nearest);
    QCOMPARE(design.noFit->nearest->module, 1.25);
}

QTEST_GUILESS_MAIN(TestDesignDrives)
#include "tst_designdrives.moc"
