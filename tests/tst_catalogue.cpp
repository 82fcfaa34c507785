// The catalogue: a cell is what the rating says of the same drive typed into the form; its
// thermal power brings the sump to the limit; its drive is the best of the design's rows that
// keep the rules; and a cell without a drive says why.

#include "calc/catalogue.h"
#include "calc/cataloguetable.h"
#include "calc/jobsheet.h"
#include "calc/wormdrive.h"
#include "formtesting.h"

#include <QTest>

#include <cmath>

namespace {

CatalogueAsk askOf(QList<double> housings, QList<double> ratios, QList<double> speeds) {
    CatalogueAsk ask;
    ask.housings = std::move(housings);
    ask.ratios = std::move(ratios);
    ask.speeds = std::move(speeds);
    ask.serviceFactor = 1.25;
    return ask;
}

// The rating of the drive typed into a comma-locale form with N1 and HESAPLA pressed, as the
// rating window has it, with the output torque given.
DriveRating typedRating(const DesignRow& drive, double a, double n1, const CatalogueAsk& ask,
                        std::optional<double> load, LoadGiven given, FormState& form) {
    form.Form_Load();
    typeDrive(form, drive, a, n1);
    HESAPLA_Click(form);
    RatingInputs in;
    in.given = given;
    in.load = load;
    in.serviceFactor = ask.serviceFactor;
    in.casting = ask.casting;
    in.ambient = ask.ambient;
    in.sumpLimit = ask.sumpLimit;
    return std::get<DriveRating>(rateFields(form.texts(), comma, 20, in));
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void cellIsTheTypedDrivesRating();
    void thermalPowerBringsTheSumpToTheLimit();
    void chosenDriveIsTheBestThatKeepsTheRules_data();
    void chosenDriveIsTheBestThatKeepsTheRules();
    void cellWithoutADriveSaysWhy();
    void failedSpeedKeepsItsColumn();
};

void TestCatalogue::cellIsTheTypedDrivesRating() {
    const CatalogueAsk ask = askOf({100}, {20}, {1400, 2800});
    const CatalogueCell cell = catalogueOf(ask, {}).cells.constFirst();
    QVERIFY(cell.drive);
    QCOMPARE(cell.speeds.size(), 2);
    for (const CatalogueSpeed& s : cell.speeds) {
        RecordingSink sink;
        FormState form(comma, sink);
        const DriveRating unloaded = typedRating(*cell.drive, cell.centreDistance, s.n1, ask,
                                                 std::nullopt, LoadGiven::OutputTorque, form);
        QCOMPARE(s.ratedTorque, *unloaded.find(RatingFigureId::RatedTorque) / 1.25);
        const DriveRating loaded = typedRating(*cell.drive, cell.centreDistance, s.n1, ask,
                                               s.ratedTorque, LoadGiven::OutputTorque, form);
        QCOMPARE(s.efficiency, *loaded.find(RatingFigureId::Efficiency));
        QCOMPARE(s.inputPower, *loaded.find(RatingFigureId::InputPower));
        QCOMPARE(comma.toString(s.n2), form.getText(FieldId::N2_t));
    }
}

void TestCatalogue::thermalPowerBringsTheSumpToTheLimit() {
    CatalogueAsk ask = askOf({63, 160}, {10, 40}, {1400});
    ask.sumpLimit = 85;
    ask.ambient = 25;
    for (const CatalogueCell& cell : catalogueOf(ask, {}).cells) {
        QVERIFY(cell.drive);
        const CatalogueSpeed& s = cell.speeds.constFirst();
        RecordingSink sink;
        FormState form(comma, sink);
        const DriveRating atLimit = typedRating(*cell.drive, cell.centreDistance, s.n1, ask,
                                                s.thermalPower, LoadGiven::InputPower, form);
        QVERIFY(std::abs(*atLimit.find(RatingFigureId::SumpTemperature) - 85) < 1e-9);
        QCOMPARE(s.allowedPower, std::min(s.inputPower, s.thermalPower));
        QCOMPARE(s.governs == Governs::Thermal, s.thermalPower < s.inputPower);
    }
}

// A brute force over the design's rows, each rated through the form.
void TestCatalogue::chosenDriveIsTheBestThatKeepsTheRules_data() {
    QTest::addColumn<double>("housing");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("worms");
    QTest::newRow("a 100, i 20, new worms") << 100.0 << 20.0 << int(WormChoice::NewDiameter);
    QTest::newRow("a 125, i 40, standard worms") << 125.0 << 40.0 << int(WormChoice::StandardWorms);
    QTest::newRow("a 160, i 10, new worms") << 160.0 << 10.0 << int(WormChoice::NewDiameter);
}

void TestCatalogue::chosenDriveIsTheBestThatKeepsTheRules() {
    QFETCH(double, housing);
    QFETCH(double, ratio);
    QFETCH(int, worms);
    CatalogueAsk ask = askOf({housing}, {ratio}, {1400});
    ask.design.worms = WormChoice(worms);
    DesignAsk design = ask.design;
    design.centreDistance = housing;
    design.ratio = ratio;
    design.n1 = 1400;
    std::optional<DesignRow> best;
    double bestTorque = 0;
    int kept = 0;
    for (const DesignRow& row : designDrives(design, {}).rows) {
        if (!row.keepsTheRules()) {
            continue;
        }
        ++kept;
        const auto rated = catalogueRating(row, housing, 1400, ask);
        const double torque = *rated->find(RatingFigureId::RatedTorque);
        if (!best || torque > bestTorque ||
            (torque == bestTorque && std::abs(row.error) < std::abs(best->error))) {
            best = row;
            bestTorque = torque;
        }
    }
    QVERIFY(kept > 1);

    const CatalogueCell cell = catalogueOf(ask, {}).cells.constFirst();

    QVERIFY(cell.drive);
    QCOMPARE(std::tuple(cell.drive->module, cell.drive->starts, cell.drive->teeth, cell.drive->d1),
             std::tuple(best->module, best->starts, best->teeth, best->d1));
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
#include "tst_catalogue.moc"
