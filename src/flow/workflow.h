#pragma once

// The click dispatch: a click on a button runs its section's calculation on the form, and a
// run that reaches its end is recorded with the field texts it left. The record is what tells
// the job sheet whether a section's results still belong to the inputs on the screen.

#include "flow/runstate.h"
#include "model/formstate.h"

#include <QObject>

class Workflow final : public QObject {
    Q_OBJECT

public:
    explicit Workflow(FormState& form, QObject* parent = nullptr);

    FormState& form() { return m_form; }
    const FormState& form() const { return m_form; }
    const CompletedRuns& completedRuns() const { return m_runs; }
    FormSnapshot snapshot() const { return {m_form.texts(), m_machine}; }

    // The hobbing machine that the third section and the trains are for.
    const Machine& machine() const { return m_machine; }
    void setMachine(const Machine& machine);

    // The lead chosen among the lathe's nearest, for the sheet; nothing: the nearest.
    std::optional<double> chosenLead() const { return m_lead; }
    void chooseLead(std::optional<double> lead);
    // The turner's profile angle and wire, which the job keeps.
    const WireGauge& gauge() const { return m_gauge; }
    void setGauge(const WireGauge& gauge);
    // The rating's load and housing, which the job keeps.
    const RatingInputs& ratingInputs() const { return m_rating; }
    void setRatingInputs(const RatingInputs& inputs);
    // The housing and ratio the job was designed for; nothing: it was typed.
    const std::optional<DesignedFor>& designedFor() const { return m_designedFor; }
    // The housing and ratio the drive's fields, as they stand, were designed for; dropped once
    // any of m, Z2, da1 or z1 is typed otherwise, since the drive is then no longer that one.
    void setDesignedFor(const std::optional<DesignedFor>& asked);

    // Types the drive into the form as the user would (m, Z2, da1, z1, and N1 when the ask has
    // it), the hob's angle into AÇI when there is one (AÇI emptied when not), and presses
    // HESAPLA; the job remembers
    // the housing and the ratio asked.
    void useDesign(const DesignRow& row, const DesignAsk& ask,
                   const std::optional<double>& hobAngle);

    // A job as it was left: the field texts and what each section's runs left, the buttons
    // enabled as those runs enabled them. Nothing is calculated.
    void restore(const FieldTexts& texts, const CompletedRuns& runs);
    // A new job: empty fields, z1 1, no runs, no design, as at start.
    void reset();

    // Runs the button's calculation; a click on a disabled button does nothing.
    void click(ButtonId button);

signals:
    // A calculation ran to its end.
    void completed(ButtonId button);
    void machineChanged();
    // The chosen lead, the gauge, the rating's inputs or the design changed: what the job keeps
    // beyond the fields.
    void choicesChanged();
    // A section started or stopped being current, for any cause: a field, the machine, a
    // completed run. The greying, the status notes and the sheet's refusal all follow it.
    void sectionStateChanged(ButtonId section, SectionState state);

private:
    void updateStates();
    void dropDesignIfRetyped(FieldId field, const QString& text);

    FormState& m_form;
    CompletedRuns m_runs;
    Machine m_machine = builtInMachine();
    std::optional<double> m_lead;
    WireGauge m_gauge;
    RatingInputs m_rating;
    std::optional<DesignedFor> m_designedFor;
    FieldTexts m_designedTexts{}; // the fields as they stood when the design was set
    std::array<SectionState, buttonCount> m_states{SectionState::NeverRun, SectionState::NeverRun,
                                                   SectionState::NeverRun};
};
