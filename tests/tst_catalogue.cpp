// The catalogue: a cell's figures against the hand rules they come from; its drive carries the
// most of the design's rows that keep the rules; a cell without a drive, or a speed without
// figures, says why.

#include "calc/catalogue.h"
#include "calc/cataloguetable.h"
#include "calc/jobsheet.h"
#include "calc/wormdrive.h"
#include "cataloguetesting.h"
#include "formtesting.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <numbers>

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void cellFiguresByHand();
    void chosenDriveCarriesTheMost_data();
    void chosenDriveCarriesTheMost();
    void cellWithoutADriveSaysWhy();
    void failedSpeedKeepsItsColumn();
    void chosenWormHoldsItsShaft();
    void largestHousingsHaveTheirModules();
};

// Each speed of the 100 mm, i 20 cell at an oil limit of 50 °C and 25 °C around it, worked by
// hand from the rules the figures stand for:
// - n2 = N1 · z1 ÷ Z2;
// - the mechanical torque = the rating's least limit over the service factor 1,25;
// - P1 = T2 · 2π · n2 ÷ 60 ÷ η, the power the output torque needs through the mesh;
// - P1,th = ħCR · A · Δt ÷ (1 − η): Shigley's housing loss (Mechanical Engineering Design,
//   ch. 15, the worm-gear heat balance), ħCR = n ÷ 6494 + 0,13 ft·lbf/(min·in²·°F) without a
//   fan, the AGMA least housing area A = 43,2 · C^1,7 in² (C in inches), Δt = 25 °C = 45 °F,
//   and 1 ft·lbf/min = 745,7 ÷ 33 000 W;
// - the unit carries the lesser of the mechanical torque and the torque at P1,th, T2 = P1,th·η ÷
//   ω2, and the one that governs is named; P1 is the input power for that T2.
void TestCatalogue::cellFiguresByHand() {
    CatalogueAsk ask = askOf({100}, {20}, {1400, 2800});
    ask.sumpLimit = 50;
    ask.ambient = 25;
    const CatalogueCell cell = catalogueOf(ask, {}).cells.constFirst();
    QVERIFY(cell.drive);
    QCOMPARE(cell.speeds.size(), 2);
    const double c = 100 / 25.4;
    const double area = 43.2 * std::pow(c, 1.7);
    constexpr double wattsPerFootPoundPerMinute = 745.69987 / 33000;
    QSet<int> governed;
    for (const CatalogueSpeed& s : cell.speeds) {
        QVERIFY(!s.fault);
        QCOMPARE(s.n2, s.n1 * cell.drive->starts / cell.drive->teeth);
        const auto rated = catalogueRating(*cell.drive, 100, s.n1, ask);
        QVERIFY(rated);
        QCOMPARE(s.mechanicalTorque, *rated->find(RatingFigureId::RatedTorque) / 1.25);
        const double eta = s.efficiency / 100;
        QVERIFY(eta > 0.5 && eta < 1);
        const double omega2 = 2 * std::numbers::pi * s.n2 / 60;
        const double hCr = s.n1 / 6494 + 0.13;
        const double thermal = hCr * area * 45 * wattsPerFootPoundPerMinute / (1 - eta) / 1000;
        QVERIFY2(std::abs(s.thermalPower / thermal - 1) < 1e-6,
                 qPrintable(QStringLiteral("%1 / %2").arg(s.thermalPower).arg(thermal)));
        const double thermalTorque = 1000 * thermal * eta / omega2;
        QVERIFY(std::abs(s.thermalTorque / thermalTorque - 1) < 1e-6);
        const bool hot = thermalTorque < s.mechanicalTorque;
        QCOMPARE(s.governs == Governs::Thermal, hot);
        QVERIFY(std::abs(s.ratedTorque / (hot ? thermalTorque : s.mechanicalTorque) - 1) < 1e-6);
        const double p1 = s.ratedTorque * omega2 / eta / 1000;
        QVERIFY2(std::abs(s.inputPower / p1 - 1) < 1e-6, qPrintable(QString::number(s.inputPower)));
        governed.insert(int(s.governs));
    }
    // An oil limit of 50 °C over 25 °C bounds this housing by its heat.
    QVERIFY(governed.contains(int(Governs::Thermal)));
}

void TestCatalogue::chosenDriveCarriesTheMost_data() {
    QTest::addColumn<double>("housing");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("worms");
    QTest::newRow("a 100, i 20, new worms") << 100.0 << 20.0 << int(WormChoice::NewDiameter);
    QTest::newRow("a 125, i 40, standard worms") << 125.0 << 40.0 << int(WormChoice::StandardWorms);
    QTest::newRow("a 160, i 10, new worms") << 160.0 << 10.0 << int(WormChoice::NewDiameter);
}

// The rule the choice is made by: the chosen drive keeps the rules, and none of the design's
// rows that keep them is rated to carry more at the first speed.
void TestCatalogue::chosenDriveCarriesTheMost() {
    QFETCH(double, housing);
    QFETCH(double, ratio);
    QFETCH(int, worms);
    CatalogueAsk ask = askOf({housing}, {ratio}, {1400});
    ask.design.worms = WormChoice(worms);
    DesignAsk design = ask.design;
    design.centreDistance = housing;
    design.ratio = ratio;
    design.n1 = 1400;
    const QList<DesignRow> rows = designDrives(design, {}).rows;

    const CatalogueCell cell = catalogueOf(ask, {}).cells.constFirst();

    QVERIFY(cell.drive && cell.drive->keepsTheRules());
    const double carried = *rankingTorque(*cell.drive, housing, ask);
    int others = 0;
    for (const DesignRow& row : rows) {
        if (row.keepsTheRules() && !(row == *cell.drive)) {
            ++others;
            QVERIFY(*rankingTorque(row, housing, ask) <= carried);
        }
    }
    QVERIFY(others > 0);
}

// Asked for the shop's hobs where it has none: "—", and the design's reason at the foot.
void TestCatalogue::cellWithoutADriveSaysWhy() {
    CatalogueAsk ask = askOf({80}, {20}, {1400});
    ask.design.worms = WormChoice::ShopHobs;

    const Catalogue catalogue = catalogueOf(ask, {});

    const CatalogueCell& cell = catalogue.cells.constFirst();
    QVERIFY(!cell.drive);
    QVERIFY(cell.noFit && cell.noFit->limit == DesignLimit::Hobs);
    const CatalogueTable table = catalogueTable(catalogue, ask, point);
    QCOMPARE(table.speeds.constFirst().rows.constFirst().at(2), QStringLiteral("—"));
    QCOMPARE(table.speeds.constFirst().foot,
             QStringList{QStringLiteral("a 80, i 20: ") + noDriveText(cell, point)});
    QVERIFY(noDriveText(cell, point).contains(QStringLiteral("azdırması yok")));
}

// A speed whose figures cannot be made keeps its own table: the speeds after it stay under
// their headings, and the failed one says why.
void TestCatalogue::failedSpeedKeepsItsColumn() {
    const CatalogueAsk ask = askOf({100}, {20}, {1400, 700, 2800});
    Catalogue catalogue = catalogueOf(ask, {});
    CatalogueCell& cell = catalogue.cells.first();
    QVERIFY(cell.drive);
    QCOMPARE(cell.speeds.size(), 3);
    cell.speeds[1].fault = SpeedFault::WormCannotDrive;

    const CatalogueTable table = catalogueTable(catalogue, ask, point);

    QCOMPARE(table.speeds.size(), 3);
    QCOMPARE(table.speeds.at(1).rows.constFirst().constLast(), QStringLiteral("—"));
    QVERIFY(
        table.speeds.at(1).foot.constFirst().endsWith(speedFaultText(SpeedFault::WormCannotDrive)));
    QCOMPARE(table.speeds.at(2).rows.constFirst().at(4),
             sheetNumber(cell.speeds.at(2).n2, point, 1));
    QVERIFY(table.speeds.at(2).foot.isEmpty());
}

QTEST_GUILESS_MAIN(TestCatalogue)
// The 100 mm housing at i 100 once chose a worm of d1 6 mm whose shaft bent hundreds of times
// beyond its allowable; now such a worm breaks AGMA's proportion, and with q allowed up to 30 the
// drive chosen has a worm inside the window whose shaft holds at the torque the cell gives.
void TestCatalogue::chosenWormHoldsItsShaft() {
    CatalogueAsk ask = askOf({100}, {100}, {1400});
    const CatalogueCell refused = catalogueOf(ask, {}).cells.constFirst();
    QVERIFY(!refused.drive);
    QCOMPARE(refused.firstBreaks.constFirst().rule, MakingRule::WormSize);

    ask.design.qHigh = 30;
    const CatalogueCell cell = catalogueOf(ask, {}).cells.constFirst();
    QVERIFY(cell.drive);
    QVERIFY(wormSizeWindow(100).holds(cell.drive->d1));
    const CatalogueSpeed& s = cell.speeds.constFirst();
    const auto loaded = catalogueRating(*cell.drive, 100, 1400, ask, s.ratedTorque);
    QVERIFY(loaded);
    QVERIFY(*loaded->find(RatingFigureId::DeflectionRatio) <= 1 + 1e-9);
}

// The default modules run to 25, so the largest housings have drives of the standard's largest
// worms.
void TestCatalogue::largestHousingsHaveTheirModules() {
    CatalogueAsk ask = askOf({500}, {20, 40}, {1400});
    ask.design.worms = WormChoice::StandardWorms;
    for (const CatalogueCell& cell : catalogueOf(ask, {}).cells) {
        QVERIFY(cell.drive);
        QVERIFY2(cell.drive->module >= 20, qPrintable(QString::number(cell.drive->module)));
    }
}

#include "tst_catalogue.moc"
