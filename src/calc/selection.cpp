#include "calc/selection.h"

#include "calc/jobsheet.h"
#include "model/fieldvalues.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

QString t(const char* text) {
    return QCoreApplication::translate("Selection", text);
}

// kW·(d/dk)⁻¹ to N·m: 60 000 ÷ 2π, the constant makers print as 9550.
constexpr double torquePerPower = 9550;

} // namespace

std::optional<double> motorSpeed(int poles) {
    switch (poles) {
    case 2:
        return 2800;
    case 4:
        return 1400;
    case 6:
        return 900;
    default:
        return std::nullopt;
    }
}

QList<Motor> motorsOf(const QList<double>& powers, int poles) {
    QList<Motor> motors;
    for (const double power : powers) {
        motors.append({power, poles, motorSpeed(poles).value_or(1400), QString()});
    }
    return motors;
}

QList<Motor> defaultMotors() {
    // The four-pole powers of the table of typical full-load currents of three-phase, four-pole
    // motors at myelectrical.com ("Useful motor technical information"), 0,37 to 15 kW; the
    // smaller powers of the IEC series could not be read, and no table of their frames.
    return motorsOf({0.37, 0.55, 0.75, 1.1, 1.5, 2.2, 3, 4, 5.5, 7.5, 9, 11, 15});
}

std::optional<SelectionInput> firstInvalid(const SelectionAsk& ask) {
    const bool motors = !ask.motors.isEmpty() &&
                        std::all_of(ask.motors.begin(), ask.motors.end(), [](const Motor& m) {
                            return motorPowerRange.holds(m.power) && motorSpeed(m.poles) &&
                                   m.speed > 0 && m.speed <= 100000;
                        });
    if (!motors) {
        return SelectionInput::Motors;
    }
    if (!leastFactorRange.holds(ask.leastFactor)) {
        return SelectionInput::LeastFactor;
    }
    return std::nullopt;
}

QString selectionRuleText(SelectionInput input, const QString& name, const QLocale& locale) {
    const auto n = [&locale](double x) { return FieldValues::writeNumber(x, locale); };
    switch (input) {
    case SelectionInput::Motors:
        return t(QT_TRANSLATE_NOOP("Selection", "%1 noktalı virgülle ayrılmış, sıfırdan büyük ve "
                                                "en çok %2 kW güçler olmalı."))
            .arg(name, n(motorPowerRange.high));
    case SelectionInput::LeastFactor:
        return t(QT_TRANSLATE_NOOP("Selection", "%1 %2 ile %3 arasında olmalı."))
            .arg(name, n(leastFactorRange.low), n(leastFactorRange.high));
    }
    return {};
}

QList<double> motorPowers(const QList<Motor>& motors) {
    QList<double> powers;
    for (const Motor& motor : motors) {
        powers.append(motor.power);
    }
    return powers;
}

QList<SelectionRow> selectionOf(const Catalogue& catalogue, const CatalogueAsk& ask,
                                const SelectionAsk& selection) {
    // A cell's figures at a motor's speed do not depend on the motor's power: each speed is
    // rated once per cell.
    QHash<QPair<qsizetype, double>, CatalogueSpeed> rated;
    const auto atSpeed = [&](qsizetype cell, double n1) -> const CatalogueSpeed& {
        const auto key = qMakePair(cell, n1);
        auto found = rated.find(key);
        if (found == rated.end()) {
            found = rated.insert(key, catalogueSpeed(*catalogue.cells.at(cell).geometry, n1, ask));
        }
        return *found;
    };
    QList<SelectionRow> rows;
    for (const Motor& motor : selection.motors) {
        QList<SelectionRow> motorRows;
        for (qsizetype c = 0; c < catalogue.cells.size(); ++c) {
            const CatalogueCell& cell = catalogue.cells.at(c);
            if (!cell.drive || !cell.geometry) {
                continue;
            }
            const CatalogueSpeed& s = atSpeed(c, motor.speed);
            if (s.fault) {
                continue;
            }
            SelectionRow row;
            row.motor = motor;
            row.centreDistance = cell.centreDistance;
            row.ratio = cell.ratio;
            row.drive = *cell.drive;
            row.n2 = s.n2;
            row.efficiency = s.efficiency;
            row.outputTorque = torquePerPower * motor.power * (s.efficiency / 100) / s.n2;
            // The unit's own limit, not the catalogue's: fs is the factor the buyer reads.
            row.serviceFactor = s.mechanicalTorque * ask.serviceFactor / row.outputTorque;
            row.thermalPower = s.thermalPower;
            row.aboveThermal = motor.power > s.thermalPower;
            if (std::isfinite(row.serviceFactor) && row.serviceFactor >= selection.leastFactor) {
                motorRows.append(row);
            }
        }
        std::stable_sort(motorRows.begin(), motorRows.end(),
                         [](const SelectionRow& a, const SelectionRow& b) {
                             if (a.n2 != b.n2) {
                                 return a.n2 > b.n2;
                             }
                             return a.centreDistance < b.centreDistance;
                         });
        rows.append(motorRows);
    }
    return rows;
}

namespace {

QString motorTitle(const Motor& motor, const QLocale& locale) {
    const QString power = FieldValues::writeNumber(motor.power, locale);
    const QString speed = FieldValues::writeNumber(motor.speed, locale);
    return motor.frame.isEmpty()
               ? t(QT_TRANSLATE_NOOP("Selection", "%1 kW, %2 kutup, %3 d/dk"))
                     .arg(power, locale.toString(motor.poles), speed)
               : t(QT_TRANSLATE_NOOP("Selection", "%1 kW, %2 kutup, %3 d/dk, gövde %4"))
                     .arg(power, locale.toString(motor.poles), speed, motor.frame);
}

} // namespace

CatalogueTable selectionTable(const QList<SelectionRow>& rows, const CatalogueAsk& ask,
                              const SelectionAsk& selection, const QLocale& locale) {
    CatalogueTable table;
    table.title = t(QT_TRANSLATE_NOOP("Selection", "MOTORA GÖRE SEÇİM TABLOSU"));
    table.head = catalogueHead(ask, locale);
    table.head.append(
        t(QT_TRANSLATE_NOOP("Selection",
                            "M2 = 9550·P·η ÷ n2; fs = redüktörün mekanik taşıma momenti ÷ M2, "
                            "en az %1 olanlar listelendi; «ısıl»: motor gücü P1,th'nin üstünde, "
                            "redüktör ısı için denetlenmeli (fan, daha kısa çalışma)."))
            .arg(FieldValues::writeNumber(selection.leastFactor, locale)));
    table.headings = leadingHeadings();
    table.headings += {t(QT_TRANSLATE_NOOP("Selection", "n2 (d/dk)")),
                       t(QT_TRANSLATE_NOOP("Selection", "M2 (N·m)")),
                       t(QT_TRANSLATE_NOOP("Selection", "fs")),
                       t(QT_TRANSLATE_NOOP("Selection", "η (%)")),
                       t(QT_TRANSLATE_NOOP("Selection", "P1,th (kW)")),
                       t(QT_TRANSLATE_NOOP("Selection", "Isı"))};
    const auto n = [&locale](double x, int decimals) { return sheetNumber(x, locale, decimals); };
    for (const Motor& motor : selection.motors) {
        CatalogueTable::Speed page;
        page.title = motorTitle(motor, locale);
        for (const SelectionRow& row : rows) {
            if (!(row.motor == motor)) {
                continue;
            }
            page.rows.append(
                leadingCells(row.centreDistance, row.ratio, row.drive, locale) +
                QStringList{n(row.n2, 1), n(row.outputTorque, 1), n(row.serviceFactor, 2),
                            n(row.efficiency, 1), n(row.thermalPower, 2),
                            row.aboveThermal ? t(QT_TRANSLATE_NOOP("Selection", "ısıl"))
                                             : QString()});
        }
        if (page.rows.isEmpty()) {
            page.foot.append(
                t(QT_TRANSLATE_NOOP("Selection", "Bu motor için fs en azını tutan redüktör yok.")));
        }
        table.speeds.append(page);
    }
    return table;
}

CatalogueTable perHousingTable(const Catalogue& catalogue, const CatalogueAsk& asked,
                               const QLocale& locale) {
    const CatalogueAsk ask = withoutRepeats(asked);
    CatalogueTable table;
    table.title = t(QT_TRANSLATE_NOOP("Selection", "GÖVDE SAYFALARI"));
    table.head = catalogueHead(ask, locale);
    table.headings = leadingHeadings();
    for (const double n1 : ask.speeds) {
        const QString speed = FieldValues::writeNumber(n1, locale);
        for (const char* heading :
             {QT_TRANSLATE_NOOP("Selection", "n2 @ %1"), QT_TRANSLATE_NOOP("Selection", "T2 @ %1"),
              QT_TRANSLATE_NOOP("Selection", "P1 @ %1"), QT_TRANSLATE_NOOP("Selection", "η @ %1"),
              QT_TRANSLATE_NOOP("Selection", "Sınırlayan @ %1")}) {
            table.headings.append(t(heading).arg(speed));
        }
    }
    const auto n = [&locale](double x, int decimals) { return sheetNumber(x, locale, decimals); };
    for (const double a : ask.housings) {
        CatalogueTable::Speed page;
        page.title = t(QT_TRANSLATE_NOOP("Selection", "Gövde a = %1 mm"))
                         .arg(FieldValues::writeNumber(a, locale));
        for (const CatalogueCell& cell : catalogue.cells) {
            if (cell.centreDistance != a) {
                continue;
            }
            QStringList row = leadingCells(a, cell.ratio, cell.drive, locale);
            if (!cell.drive) {
                page.foot.append(t(QT_TRANSLATE_NOOP("Selection", "i %1: %2"))
                                     .arg(row.at(1), noDriveText(cell, locale)));
                page.rows.append(row);
                continue;
            }
            for (const CatalogueSpeed& s : cell.speeds) {
                if (s.fault) {
                    row << QStringLiteral("—") << QString() << QString() << QString() << QString();
                    page.foot.append(t(QT_TRANSLATE_NOOP("Selection", "i %1, N1 %2: %3"))
                                         .arg(row.at(1), FieldValues::writeNumber(s.n1, locale),
                                              speedFaultText(*s.fault)));
                    continue;
                }
                row << n(s.n2, 1) << n(s.ratedTorque, 0) << n(s.inputPower, 2) << n(s.efficiency, 1)
                    << governsText(s.governs);
            }
            page.rows.append(row);
        }
        table.speeds.append(page);
    }
    return table;
}
