#pragma once

// The job sheet's sections, each made in a unit of its own: the form's three (sheetform.cpp),
// the worm on the lathe (sheetlathe.cpp), the turner's figures (sheetturner.cpp) and the
// rating (sheetrating.cpp). Only the
// sheet's assembly in jobsheet.cpp uses them.

#include "calc/jobsheet.h"
#include "calc/rating.h"
#include "model/formstate.h"

namespace SheetSections {

// The field's number, or 0 where it does not read: a current section's fields read.
double valueOf(const FormState& form, FieldId field);
// The worm's starts of a current section, which has read them as valid.
int wormStartsOf(const FormState& form);

SheetSection formSection(const FormState& form, const Machine& machine, ButtonId button,
                         bool computed);
std::optional<DriveDimensions> driveDimensions(const FormState& form);
SheetSection latheSection(const FormState& form, const Lathe& lathe,
                          std::optional<double> chosenLead);
SheetSection turnerSection(const FormState& form, const WireGauge& gauge);
SheetSection ratingSection(const FormState& form, const WireGauge& gauge,
                           const RatingInputs& inputs);

} // namespace SheetSections
