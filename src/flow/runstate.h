#pragma once

// The record of the runs: what each section's last complete run left, whether each section is
// still current, and the one rule that a job sheet never mixes two runs nor carries a job no
// shop can make. A section is current when every field that its last complete run read or wrote
// still holds the text it had then (and, for the change gears, the machine in use is the one it
// used). The sheet's content itself is src/calc's (jobsheet.h).

#include "calc/jobsheet.h"
#include "model/fault.h"
#include "model/fieldid.h"

#include <QDateTime>
#include <QList>

#include <array>
#include <optional>
#include <variant>

class FormState;

// What a run depends on: the field texts, and the machine in use for the third section.
struct FormSnapshot {
    FieldTexts texts;
    Machine machine;

    friend bool operator==(const FormSnapshot&, const FormSnapshot&) = default;
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

// A section whose button must be pressed (again) before a sheet is made.
struct RefusedSection {
    ButtonId button = ButtonId::HESAPLA;
    SectionState state = SectionState::NeverRun;

    friend bool operator==(const RefusedSection&, const RefusedSection&) = default;
};

// Why no sheet is made: every such section, in order, and every input that makes the job one
// no shop can make.
struct SheetRefusal {
    QList<RefusedSection> sections;
    QList<Fault> job = {};

    friend bool operator==(const SheetRefusal&, const SheetRefusal&) = default;
};

// The sheet for the form as it stands, or the refusal when the first section is not complete
// and current, any section was completed but is no longer current, or the job cannot be made.
std::variant<JobSheet, SheetRefusal> makeJobSheet(const FormState& form, const Machine& machine,
                                                  const CompletedRuns& runs,
                                                  const QDateTime& madeAt,
                                                  const SheetTools& tools = {});

QString refusalMessage(const SheetRefusal& refusal, const QLocale& locale);
