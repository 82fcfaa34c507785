#pragma once

// The job sheet's content, without any painting: which lines it carries, whether each section
// is current, the measures of the drawing, and the sheet as text for the clipboard. A section
// is current when every field that its last complete run read or wrote still holds the text it
// had then (and, for the change gears, the machine in use is the one it used), so a sheet
// never mixes the results of two runs. src/paint paints this content.

#include "calc/lathe.h"
#include "calc/machine.h"
#include "calc/turnerfigures.h"
#include "model/fieldid.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <variant>

class FormState;

// What a run depends on: the field texts, and the machine in use for the third section.
struct FormSnapshot {
    FieldTexts texts;
    Machine machine;
};

// What each section's last complete run left, in ButtonId order.
using CompletedRuns = std::array<std::optional<FormSnapshot>, buttonCount>;

enum class SectionState {
    Current,        // its last complete run still matches the form
    NeverRun,       // no run of it has reached its end
    Stale,          // a field it read or wrote has changed since
    MachineChanged, // its fields are as they were, but the machine in use is another
};

// Whether the section ran and no longer matches the form, for whatever cause.
constexpr bool isStale(SectionState state) {
    return state == SectionState::Stale || state == SectionState::MachineChanged;
}

SectionState sectionState(ButtonId section, const FormSnapshot& now, const CompletedRuns& runs);

struct SheetLine {
    QString caption;
    QString value;     // numbers in the form's number format, to at most 4 decimals
    QString unit;      // "mm", "d/dk", "diş", an angle as "0° 08′", or empty
    QString exact;     // the field's whole text, for the copy; empty where it is the value
    QString rule = {}; // the rule a figure was made by, printed after its unit

    const QString& copyValue() const { return exact.isEmpty() ? value : exact; }
    // In the copy, a figure's rule follows its name, so that the copy keeps three columns.
    QString copyCaption() const {
        return rule.isEmpty() ? caption : QStringLiteral("%1: %2").arg(caption, rule);
    }
};

struct SheetSection {
    ButtonId button = ButtonId::HESAPLA;
    QString heading;
    bool computed = false;  // false: the section shows "hesaplanmadı"
    QList<SheetLine> lines; // as the window shows them, with the worm's lead angle in section 2
};

// A dimension of the drawing: its value and its label, rounded to 0.01 mm.
struct Measure {
    double value = 0;
    QString text;
};

struct DriveDimensions {
    Measure da2, d2, df2, ba, da1, d1, df1, L, P, A;
    // The wheel blank as it is turned: its outer diameter and the throat's radius about the
    // worm's axis; nothing where the throat has no radius.
    std::optional<Measure> de2, rk;
};

struct JobSheet {
    QString title;
    QString madeAt;
    std::array<SheetSection, buttonCount> sections;
    // The sections beyond the form's three, which follow the first section's fields: the
    // worm on the lathe, and the turner's figures.
    QList<SheetSection> more;
    // Nothing when a dimension is not positive, so that no drawing is to be made.
    std::optional<DriveDimensions> drive;
};

// A section whose button must be pressed (again) before a sheet is made.
struct RefusedSection {
    ButtonId button = ButtonId::HESAPLA;
    SectionState state = SectionState::NeverRun;

    friend bool operator==(const RefusedSection&, const RefusedSection&) = default;
};

// Why no sheet is made: every such section, in order.
struct SheetRefusal {
    QList<RefusedSection> sections;

    friend bool operator==(const SheetRefusal&, const SheetRefusal&) = default;
};

// The sheet for the form as it stands, or the refusal when the first section is not complete
// and current, or any section was completed but is no longer current.
std::variant<JobSheet, SheetRefusal> makeJobSheet(const FormState& form, const Machine& machine,
                                                  const CompletedRuns& runs,
                                                  const QDateTime& madeAt,
                                                  const Lathe& lathe = builtInLathe(),
                                                  const WireGauge& gauge = {});

QString refusalMessage(const SheetRefusal& refusal);

// A number as a machinist reads it on the sheet: rounded to `decimals` places, halves to the
// even neighbour, trailing zeros dropped, in the locale's format.
QString sheetNumber(double x, const QLocale& locale, int decimals = 4);

// The name offered for the sheet's file, after the job: "zorvandi-m3-z36.pdf", and with the
// worm's starts when there are more than one: "zorvandi-m3-z40-z1-2.pdf".
QString sheetFileName(const FormState& form);

// An angle in degrees-and-minutes notation as it is written on a drawing: 2.52 → "2° 52′".
QString degreesAndMinutes(double notation);

// The form's sections, then the ones beyond them, in the sheet's order.
QList<SheetSection> allSections(const JobSheet& sheet);

// The sheet's lines as caption, value and unit, tab-separated and as an HTML table, so that a
// paste into a spreadsheet lands in three columns with the numbers in a column of their own.
QString toTabSeparated(const JobSheet& sheet);
QString toHtmlTable(const JobSheet& sheet);
