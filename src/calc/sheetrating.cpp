#include "calc/sheetsections.h"

#include "calc/rating.h"

#include <QCoreApplication>

#include "model/fieldvalues.h"

namespace SheetSections {

// Every figure of the rating with its unit and rule, the method it follows, and its warnings.
SheetSection ratingSection(const FormState& form, const WireGauge& gauge,
                           const RatingInputs& inputs) {
    const QLocale& locale = form.locale();
    SheetSection s;
    s.heading = QCoreApplication::translate("JobSheet", "6. VERİM VE YÜK");
    s.computed = true;
    const auto rated = rateFields(form.texts(), locale, gauge.profileAngle, inputs);
    if (const auto* fault = std::get_if<Fault>(&rated)) {
        s.lines.append({QString(), faultMessage(*fault, locale), {}, {}});
        return s;
    }
    const auto& rating = std::get<DriveRating>(rated);
    s.lines.append({ratingMethod(), {}, {}, {}});
    for (const RatingFigure& f : rating.figures) {
        s.lines.append({ratingCaption(f.id), ratingValue(f, locale), ratingUnit(f.id),
                        FieldValues::writeNumber(f.value, locale),
                        ratingRule(f.id, rating, locale)});
    }
    for (const RatingWarning& w : rating.warnings) {
        s.lines.append(
            {QCoreApplication::translate("JobSheet", "UYARI: %1").arg(ratingWarningText(w, locale)),
             {},
             {},
             {}});
    }
    return s;
}

} // namespace SheetSections
