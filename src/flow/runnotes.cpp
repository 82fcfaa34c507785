#include "flow/runnotes.h"

#include "calc/wormdrive.h"
#include "flow/workflow.h"

QList<RunNote> notesAfterHesapla(const Workflow& flow, const ValueRange& shifts) {
    const FormState& form = flow.form();
    const QLocale& locale = form.locale();
    QList<RunNote> notes;
    for (const Fault& fault : unmakeableJob(form)) {
        notes.append(fault);
    }
    const auto figures = turnerFigures(form, flow.gauge(), WireWork::Skip);
    if (const auto* turner = std::get_if<TurnerFigures>(&figures)) {
        for (const BlankWarning& w : turner->warnings) {
            notes.append(w);
        }
    }
    // A load given beyond what the drive is rated for.
    const auto rated =
        rateFields(form.texts(), locale, flow.gauge().profileAngle, flow.ratingInputs());
    if (const auto* rating = std::get_if<DriveRating>(&rated)) {
        for (const RatingWarning& w : rating->warnings) {
            if (w.kind == RatingWarningKind::BelowServiceFactor) {
                notes.append(w);
            }
        }
    }
    // The rules of making, as the design holds its rows to them, and a shift beyond the span
    // the shop designs within.
    for (const RuleBreak& rule : formRuleBreaks(form, flow.gauge().profileAngle)) {
        notes.append(rule);
    }
    if (const CheckedNumber x2 = profileShift(form); x2.ok() && !shifts.holds(x2.value())) {
        notes.append(ShiftOutOfSpan{x2.value(), shifts});
    }
    if (const auto shared =
            sharedFactor(form.getText(FieldId::Z2_t), form.getText(FieldId::z1_t), locale)) {
        notes.append(*shared);
    }
    return notes;
}
