#pragma once

// The job sheet's content, without any painting: which lines it carries, whether each section
// is current, the measures of the drawing, and the sheet as text for the clipboard. A section
// is current when every field that its last complete run read or wrote still holds the text it
// had then, so a sheet never mixes the results of two runs. src/paint paints this content.

#include "model/fieldid.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <variant>

class FormState;

// The field texts that each section's last complete run left, in ButtonId order.
using CompletedRuns = std::array<std::optional<FieldTexts>, buttonCount>;

enum class SectionState {
    Current,  // its last complete run still matches the form
    NeverRun, // no run of it has reached its end
    Stale,    // a field it read or wrote has changed since
};

// Every field that a complete run of the section reads or writes.
std::span<const FieldId> sectionFields(ButtonId section);
SectionState sectionState(ButtonId section, const FieldTexts& now, const CompletedRuns& runs);

struct SheetLine {
    QString caption;
    QString value;
};

struct SheetSection {
    ButtonId button = ButtonId::HESAPLA;
    QString heading;
    bool computed = false;  // false: the section shows "hesaplanmadı"
    QList<SheetLine> lines; // as the window shows them, with the worm's lead angle in section 2
};

// A dimension of the drawing: its value and its field's text.
struct Measure {
    double value = 0;
    QString text;
};

struct DriveDimensions {
    Measure da2, d2, df2, ba, da1, d1, df1, L, P, A;
};

struct JobSheet {
    QString title;
    QString madeAt;
    std::array<SheetSection, buttonCount> sections;
    // Nothing when a dimension is not positive, so that no drawing is to be made.
    std::optional<DriveDimensions> drive;
};

// Why no sheet is made: the section whose button must be pressed (again).
struct SheetRefusal {
    ButtonId button = ButtonId::HESAPLA;
    SectionState state = SectionState::NeverRun;

    friend bool operator==(const SheetRefusal&, const SheetRefusal&) = default;
};

// The sheet for the form as it stands, or the refusal when the first section is not complete
// and current, or a later section was completed but is no longer current.
std::variant<JobSheet, SheetRefusal> makeJobSheet(const FormState& form, const CompletedRuns& runs,
                                                  const QDateTime& madeAt);

QString refusalMessage(const SheetRefusal& refusal);

// An angle in degrees-and-minutes notation as it is written on a drawing: 2.52 → "2° 52′".
QString degreesAndMinutes(double notation);

// The sheet's lines as caption and value, tab-separated and as an HTML table, so that a paste
// into a spreadsheet lands in two columns.
QString toTabSeparated(const JobSheet& sheet);
QString toHtmlTable(const JobSheet& sheet);
