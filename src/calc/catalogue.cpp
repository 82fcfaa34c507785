#include "calc/catalogue.h"

#include "calc/wormdrive.h"
#include "model/formstate.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double largestHousing = 250;
constexpr double fastestSpeed = 100000;

bool allIn(const QList<double>& values, const ValueRange& range) {
    return !values.isEmpty() &&
           std::all_of(values.begin(), values.end(), [&range](double x) { return range.holds(x); });
}

RatingInputs ratingInputs(const CatalogueAsk& ask, std::optional<double> outputTorque) {
    RatingInputs in;
    in.given = LoadGiven::OutputTorque;
    in.load = outputTorque;
    in.serviceFactor = ask.serviceFactor;
    in.casting = ask.casting;
    in.fan = ask.fan;
    in.ambient = ask.ambient;
    in.sumpLimit = ask.sumpLimit;
    return in;
}

// The torque the rating carries: the least of its limits over the service factor.
std::optional<double> carriedTorque(const DriveRating& rating, const CatalogueAsk& ask) {
    const auto torque = rating.find(RatingFigureId::RatedTorque);
    if (!torque) {
        return std::nullopt;
    }
    return *torque / ask.serviceFactor;
}

Governs governsOf(RatedLimit limit) {
    switch (limit) {
    case RatedLimit::Surface:
        return Governs::Surface;
    case RatedLimit::Bending:
        return Governs::Bending;
    case RatedLimit::Deflection:
        return Governs::Deflection;
    }
    return Governs::Surface;
}

} // namespace

CatalogueSpeed catalogueSpeed(const DriveGeometry& drive, double n1, const CatalogueAsk& ask) {
    DriveGeometry g = drive;
    g.n1 = n1;
    CatalogueSpeed s;
    s.n1 = n1;
    // η, h and A do not change with the load, so one rating without one gives every figure.
    const DriveRating rating = rateDrive(g, ratingInputs(ask, std::nullopt));
    const auto mechanical = carriedTorque(rating, ask);
    if (!mechanical) {
        s.fault = SpeedFault::NoRating;
        return s;
    }
    const auto figure = [&rating](RatingFigureId id) {
        return rating.find(id).value_or(std::nan(""));
    };
    s.n2 = n1 / rating.ratio;
    s.efficiency = figure(RatingFigureId::Efficiency);
    s.mechanicalTorque = *mechanical;
    // P1 = T2·ω2 ÷ η, the power the torque needs through the mesh; Pv = P1·(1 − η) carried off at
    // h·A over the sump's rise: ts = ta + 1000·Pv ÷ (h·A). The torque at P1,th is in proportion
    // to its power.
    const double h = figure(RatingFigureId::HeatTransfer);
    const double area = figure(RatingFigureId::HousingArea);
    const double omega2 = 2 * std::numbers::pi * s.n2 / 60;
    const double mechanicalPower = *mechanical * omega2 / (s.efficiency / 100) / 1000;
    s.thermalPower = (ask.sumpLimit - ask.ambient) * h * area / (1000 * (1 - s.efficiency / 100));
    s.thermalTorque = *mechanical * s.thermalPower / mechanicalPower;
    if (s.thermalTorque < s.mechanicalTorque) {
        s.ratedTorque = s.thermalTorque;
        s.inputPower = s.thermalPower;
        s.governs = Governs::Thermal;
    } else {
        s.ratedTorque = s.mechanicalTorque;
        s.inputPower = mechanicalPower;
        s.governs = governsOf(rating.governs.value_or(RatedLimit::Surface));
    }
    if (!(s.efficiency > 0)) {
        s.fault = SpeedFault::WormCannotDrive;
    } else if (!std::isfinite(s.inputPower) || !std::isfinite(s.thermalPower) ||
               !std::isfinite(s.thermalTorque)) {
        s.fault = SpeedFault::NotFinite;
    }
    return s;
}

std::optional<double> rankingTorque(const DesignRow& row, double centreDistance,
                                    const CatalogueAsk& ask) {
    const double n1 = ask.speeds.constFirst();
    const CatalogueSpeed s =
        catalogueSpeed(designedGeometry(row, centreDistance, n1, ask.design.profileAngle), n1, ask);
    if (s.fault) {
        return std::nullopt;
    }
    return s.ratedTorque;
}

std::optional<DesignRow> chosenDrive(const QList<DesignRow>& rows, double centreDistance,
                                     const CatalogueAsk& ask) {
    // The rows come in the design's order, so the first of equal torques is the design's choice.
    std::optional<DesignRow> best;
    double bestTorque = 0;
    for (const DesignRow& row : rows) {
        const bool made = row.keepsTheRules() && row.marks.isEmpty();
        const auto torque = made ? rankingTorque(row, centreDistance, ask) : std::nullopt;
        if (torque && *torque > 0 && (!best || *torque > bestTorque)) {
            best = row;
            bestTorque = *torque;
        }
    }
    return best;
}

namespace {

// The drive typed into a form and HESAPLA pressed, as the rating window would see it.
std::optional<DriveGeometry> formGeometry(const DesignRow& drive, double centreDistance, double n1,
                                          double profileAngle) {
    QuietSink quiet;
    FormState form(QLocale::c(), quiet);
    form.Form_Load();
    typeDrive(form, drive, centreDistance, n1);
    if (!HESAPLA_Click(form)) {
        return std::nullopt;
    }
    const auto g = driveGeometry(form, profileAngle);
    if (const auto* geometry = std::get_if<DriveGeometry>(&g)) {
        return *geometry;
    }
    return std::nullopt;
}

} // namespace

QList<double> catalogueHousings() {
    QList<double> housings;
    for (const double a : housingSeries()) {
        if (a <= largestHousing) {
            housings.append(a);
        }
    }
    return housings;
}

QList<double> catalogueRatios() {
    return {5, 7.5, 10, 15, 20, 25, 30, 40, 50, 60, 80, 100};
}

ValueRange catalogueRange(CatalogueInput input) {
    switch (input) {
    case CatalogueInput::Housings:
        return centreDistanceRange;
    case CatalogueInput::Ratios:
        return ratioRange;
    case CatalogueInput::Speeds:
        return {0, fastestSpeed, false};
    case CatalogueInput::ProfileAngle:
        return profileAngleRange;
    case CatalogueInput::Design:
        return toleranceRange;
    case CatalogueInput::ServiceFactor:
        return ratingRange(RatingInput::ServiceFactor);
    case CatalogueInput::Ambient:
        return ratingRange(RatingInput::Ambient);
    case CatalogueInput::SumpLimit:
        return ratingRange(RatingInput::SumpLimit);
    }
    return {};
}

std::optional<CatalogueInput> firstInvalid(const CatalogueAsk& ask) {
    using I = CatalogueInput;
    for (const auto& [input, values] :
         {std::pair{I::Housings, ask.housings}, std::pair{I::Ratios, ask.ratios},
          std::pair{I::Speeds, ask.speeds},
          std::pair{I::ProfileAngle, QList<double>{ask.design.profileAngle}}}) {
        if (!allIn(values, catalogueRange(input))) {
            return input;
        }
    }
    if (firstInvalid(ask.design)) {
        return I::Design;
    }
    for (const auto& [input, value] :
         {std::pair{I::ServiceFactor, ask.serviceFactor}, std::pair{I::Ambient, ask.ambient},
          std::pair{I::SumpLimit, ask.sumpLimit}}) {
        if (!catalogueRange(input).holds(value)) {
            return input;
        }
    }
    if (!(ask.sumpLimit > ask.ambient)) {
        return I::SumpLimit;
    }
    return std::nullopt;
}

std::optional<DriveRating> catalogueRating(const DesignRow& drive, double centreDistance, double n1,
                                           const CatalogueAsk& ask,
                                           std::optional<double> outputTorque) {
    const auto g = formGeometry(drive, centreDistance, n1, ask.design.profileAngle);
    if (!g) {
        return std::nullopt;
    }
    return rateDrive(*g, ratingInputs(ask, outputTorque));
}

double realRatio(const DesignRow& drive) {
    return double(drive.teeth) / drive.starts;
}

CatalogueAsk withoutRepeats(CatalogueAsk ask) {
    for (QList<double>* list : {&ask.housings, &ask.ratios, &ask.speeds}) {
        QList<double> once;
        for (const double x : *list) {
            if (!once.contains(x)) {
                once.append(x);
            }
        }
        *list = once;
    }
    return ask;
}

Catalogue catalogueOf(const CatalogueAsk& asked, const QList<Hob>& hobs) {
    Catalogue catalogue;
    const CatalogueAsk ask = withoutRepeats(asked);
    if (firstInvalid(ask)) {
        return catalogue;
    }
    for (const double a : ask.housings) {
        for (const double i : ask.ratios) {
            CatalogueCell cell;
            cell.centreDistance = a;
            cell.ratio = i;
            DesignAsk design = ask.design;
            design.centreDistance = a;
            design.ratio = i;
            design.n1 = ask.speeds.constFirst();
            const Design found = designDrives(design, hobs);
            cell.noFit = found.noFit;
            cell.drive = chosenDrive(found.rows, a, ask);
            if (!cell.drive) {
                cell.breakingRules =
                    int(std::count_if(found.rows.begin(), found.rows.end(),
                                      [](const DesignRow& row) { return !row.keepsTheRules(); }));
                if (!found.rows.isEmpty()) {
                    cell.firstBreaks = found.rows.constFirst().rules;
                }
                catalogue.cells.append(cell);
                continue;
            }
            // Every speed keeps its place, so that a table's columns stay under their headings.
            cell.geometry =
                formGeometry(*cell.drive, a, ask.speeds.constFirst(), ask.design.profileAngle);
            for (const double n1 : ask.speeds) {
                if (cell.geometry) {
                    cell.speeds.append(catalogueSpeed(*cell.geometry, n1, ask));
                } else {
                    CatalogueSpeed unrated;
                    unrated.n1 = n1;
                    unrated.fault = SpeedFault::NoForm;
                    cell.speeds.append(unrated);
                }
            }
            catalogue.cells.append(cell);
        }
    }
    return catalogue;
}

QString catalogueChoiceRule() {
    return QCoreApplication::translate(
        "Catalogue", "Her gövde ve oran için, kurallara (AGMA'nın vida çapı aralığı dahil) uyan "
                     "tasarımlardan ilk devirde en büyük çıkış momentini taşıyan seçildi "
                     "(eşitlikte tasarımın sırası); her devirde aynı tahrik. T2, yüzey dayanımı, "
                     "diş eğilmesi, vida mili sehimi ve ısıl sınırın en küçüğüdür.");
}

QString speedFaultText(SpeedFault fault) {
    switch (fault) {
    case SpeedFault::NoForm:
        return QCoreApplication::translate(
            "Catalogue", "Tahrik forma yazılıp hesaplandığında ölçüleri çıkmadı.");
    case SpeedFault::NoRating:
        return QCoreApplication::translate("Catalogue",
                                           "Bu devirde AGMA yöntemi bir çıkış momenti vermiyor.");
    case SpeedFault::WormCannotDrive:
        return QCoreApplication::translate(
            "Catalogue", "Bu devirde verim sıfırın üstünde değil: vida dişliyi döndüremez.");
    case SpeedFault::NotFinite:
        return QCoreApplication::translate("Catalogue", "Bu devirde güçler hesaplanamadı.");
    }
    return {};
}

QString noDriveText(const CatalogueCell& cell, const QLocale& locale) {
    if (cell.noFit) {
        return noFitText(*cell.noFit, locale);
    }
    QStringList broken;
    for (const RuleBreak& rule : cell.firstBreaks) {
        broken.append(ruleBreakText(rule, locale));
    }
    return QCoreApplication::translate("Catalogue",
                                       "Sığan %n tahrikin hepsi bir yapım kuralına uymuyor. "
                                       "İlki: %1",
                                       nullptr, cell.breakingRules)
        .arg(broken.join(QLatin1Char(' ')));
}
