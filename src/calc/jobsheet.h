#pragma once

// The job sheet's content, without any painting: which lines it carries, the measures of the
// drawing, and the sheet as text for the clipboard. Which sections are current, and so whether
// a sheet may be made, is src/flow's record of the runs (runstate.h); src/paint paints this
// content.

#include "calc/design.h"
#include "calc/lathe.h"
#include "calc/machine.h"
#include "calc/rating.h"
#include "calc/turnerfigures.h"
#include "model/fieldid.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <variant>

class FormState;

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
    QString jobTitle; // the user's, for this job
    QString jobNote;
    QString fileName; // the job's file, "m3-z36.zvj"; empty before it has one
    std::array<SheetSection, buttonCount> sections;
    // The sections beyond the form's three, which follow the first section's fields: the
    // worm on the lathe, and the turner's figures.
    QList<SheetSection> more;
    // Nothing when a dimension is not positive, so that no drawing is to be made.
    std::optional<DriveDimensions> drive;
};

// What the sheet takes beyond the form: the lathe in use and the lead chosen in its window
// (the nearest while none is), and the gauge of the turner's window.
struct SheetTools {
    Lathe lathe = builtInLathe();
    WireGauge gauge = {};
    std::optional<double> lead = {};
    // The job's own title and note, printed at the sheet's head; empty: none.
    QString jobTitle = {};
    QString jobNote = {};
    // The load and the housing of the rating's window.
    RatingInputs rating = {};
    // The housing and the ratio asked, when the job came from the design.
    std::optional<DesignedFor> design = {};
    // The job's file name, which names every page when the job has no title.
    QString fileName = {};
};

// The sheet for the form as it stands; a section that is not `current` shows "hesaplanmadı".
// Whether a sheet may be made at all is the run record's to say (src/flow).
JobSheet composeJobSheet(const FormState& form, const Machine& machine,
                         const std::array<bool, buttonCount>& current, const QDateTime& madeAt,
                         const SheetTools& tools = {});

// A section's heading on the sheet, and its name as a message starts with it.
QString sectionHeading(ButtonId section);
QString sectionOwner(ButtonId section);

// A number as a machinist reads it on the sheet: rounded to `decimals` places, halves to the
// even neighbour, trailing zeros dropped, in the locale's format.
QString sheetNumber(double x, const QLocale& locale, int decimals = 4);

// A percentage as the locale writes it: "%50" in Turkish, where the sign comes first, and
// "50 %" elsewhere; the number as sheetNumber gives it.
QString percentText(double x, const QLocale& locale, int decimals = 2);

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
