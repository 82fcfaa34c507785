// The selection by motor and the page per housing, worked from the catalogue's own figures: M2
// and fs by hand for one cell, the mark above the thermal power, the least factor and the order,
// and the page per housing's cells equal to the catalogue's.

#include "calc/selection.h"
#include "cataloguetesting.h"

#include <QTest>

#include <cmath>

class TestSelection : public QObject {
    Q_OBJECT

private slots:
    void outputTorqueAndFactorByHand();
    void marksListsAndOrders();
    void pagePerHousingIsTheCatalogues();
};

// 1,5 kW at 1400 d/dk through the 100 mm, i 20 unit: n2 = 1400 ÷ (Z2 ÷ z1); M2 = 9550 · 1,5 · η
// ÷ n2 with the cell's η; fs = the cell's mechanical torque times its service factor (the unit's
// own limit, not the catalogue's) ÷ M2.
void TestSelection::outputTorqueAndFactorByHand() {
    const CatalogueAsk ask = askOf({100}, {20}, {1400});
    const Catalogue catalogue = catalogueOf(ask, {});
    const CatalogueCell& cell = catalogue.cells.constFirst();
    QVERIFY(cell.drive);
    const CatalogueSpeed& s = cell.speeds.constFirst();
    SelectionAsk selection;
    selection.motors = motorsOf({1.5});
    selection.leastFactor = 0.5;

    const QList<SelectionRow> rows = selectionOf(catalogue, ask, selection);

    QCOMPARE(rows.size(), 1);
    const SelectionRow& row = rows.constFirst();
    QCOMPARE(row.n2, 1400 * cell.drive->starts / double(cell.drive->teeth));
    const double m2 = 9550 * 1.5 * s.efficiency / 100 / s.n2;
    QVERIFY(std::abs(row.outputTorque / m2 - 1) < 1e-12);
    QVERIFY(std::abs(row.serviceFactor / (s.mechanicalTorque * 1.25 / m2) - 1) < 1e-12);
    QCOMPARE(row.aboveThermal, 1.5 > s.thermalPower);
}

// Motors from small to large over two housings and three ratios: a motor above a unit's P1,th is
// marked; a row below the least factor is left out, so the largest motor lists fewer; each
// motor's rows run from the fastest n2 down, then by housing.
void TestSelection::marksListsAndOrders() {
    const CatalogueAsk ask = askOf({63, 100}, {10, 20, 40}, {1400});
    const Catalogue catalogue = catalogueOf(ask, {});
    SelectionAsk selection;
    selection.motors = motorsOf({0.37, 3});
    selection.leastFactor = 1;

    const QList<SelectionRow> rows = selectionOf(catalogue, ask, selection);

    qsizetype small = 0;
    qsizetype large = 0;
    bool marked = false;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const SelectionRow& row = rows.at(r);
        QVERIFY(row.serviceFactor >= 1);
        QCOMPARE(row.aboveThermal, row.motor.power > row.thermalPower);
        marked = marked || row.aboveThermal;
        (row.motor.power < 1 ? small : large) += 1;
        if (r > 0 && rows.at(r - 1).motor == row.motor) {
            const SelectionRow& before = rows.at(r - 1);
            QVERIFY(before.n2 > row.n2 ||
                    (before.n2 == row.n2 && before.centreDistance <= row.centreDistance));
        }
    }
    QCOMPARE(small, 6);
    QVERIFY(large < small);
    QVERIFY(marked);
}

// Each housing's page carries the catalogue's own figures for its cells, speed by speed.
void TestSelection::pagePerHousingIsTheCatalogues() {
    const CatalogueAsk ask = askOf({63, 100}, {10, 40}, {1400, 2800});
    const Catalogue catalogue = catalogueOf(ask, {});
    const QLocale locale(QLocale::Turkish, QLocale::Turkey);
    const CatalogueTable byHousing = perHousingTable(catalogue, ask, locale);
    const CatalogueTable bySpeed = catalogueTable(catalogue, ask, locale);

    QCOMPARE(byHousing.speeds.size(), 2);
    for (qsizetype h = 0; h < 2; ++h) {
        for (qsizetype r = 0; r < 2; ++r) {
            const QStringList& row = byHousing.speeds.at(h).rows.at(r);
            for (qsizetype s = 0; s < 2; ++s) {
                const QStringList& cell = bySpeed.speeds.at(s).rows.at(2 * h + r);
                QCOMPARE(row.mid(0, 4), cell.mid(0, 4));
                // n2, T2, P1, η and what governs, in the page's order.
                const QStringList figures = row.mid(4 + 5 * s, 5);
                QCOMPARE(figures, (QStringList{cell.at(4), cell.at(6), cell.at(7), cell.at(5),
                                               cell.at(10)}));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestSelection)
#include "tst_selection.moc"
