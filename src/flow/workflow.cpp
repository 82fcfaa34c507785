#include "flow/workflow.h"

#include "calc/changegears.h"
#include "calc/hobangles.h"
#include "calc/wormdrive.h"
#include "model/fieldvalues.h"

Workflow::Workflow(FormState& form, QObject* parent)
    : QObject(parent)
    , m_form(form) {
    connect(&m_form, &FormState::textChanged, this, &Workflow::updateStates);
    connect(&m_form, &FormState::textChanged, this, &Workflow::dropDesignIfRetyped);
}

void Workflow::dropDesignIfRetyped(FieldId field, const QString& text) {
    if (m_designedFor && designedFields.contains(field) &&
        text != m_designedTexts.at(indexOf(field))) {
        setDesignedFor(std::nullopt);
    }
}

void Workflow::click(ButtonId button) {
    if (!m_form.isEnabled(button)) {
        return;
    }
    bool ranToEnd = false;
    switch (button) {
    case ButtonId::HESAPLA:
        ranToEnd = HESAPLA_Click(m_form);
        break;
    case ButtonId::Command2:
        ranToEnd = Command2_Click(m_form);
        break;
    case ButtonId::Command1:
        ranToEnd = Command1_Click(m_form, m_machine);
        break;
    }
    if (ranToEnd) {
        m_runs.at(indexOf(button)) = snapshot();
        updateStates();
        emit completed(button);
    }
}

void Workflow::setMachine(const Machine& machine) {
    if (machine == m_machine) {
        return;
    }
    m_machine = machine;
    updateStates();
    emit machineChanged();
}

void Workflow::updateStates() {
    const FormSnapshot now = snapshot();
    for (const ButtonId section : allButtons) {
        const SectionState state = sectionState(section, now, m_runs);
        if (state != m_states.at(indexOf(section))) {
            m_states.at(indexOf(section)) = state;
            emit sectionStateChanged(section, state);
        }
    }
}

void Workflow::chooseLead(std::optional<double> lead) {
    if (lead != m_lead) {
        m_lead = lead;
        emit choicesChanged();
    }
}

void Workflow::setGauge(const WireGauge& gauge) {
    if (!(gauge == m_gauge)) {
        m_gauge = gauge;
        emit choicesChanged();
    }
}

void Workflow::setRatingInputs(const RatingInputs& inputs) {
    if (!(inputs == m_rating)) {
        m_rating = inputs;
        emit choicesChanged();
    }
}

void Workflow::setDesignedFor(const std::optional<DesignedFor>& asked) {
    m_designedTexts = m_form.texts();
    if (asked != m_designedFor) {
        m_designedFor = asked;
        emit choicesChanged();
    }
}

void Workflow::useDesign(const DesignRow& row, const DesignAsk& ask,
                         const std::optional<double>& hobAngle) {
    typeDrive(m_form, row, ask.centreDistance, ask.n1);
    // An angle left from another hob would set the machine for a hob that cannot cut this worm.
    m_form.setText(FieldId::AÇI_t,
                   hobAngle ? FieldValues::writeNumber(*hobAngle, m_form.locale()) : QString());
    setDesignedFor(DesignedFor{ask.centreDistance, ask.ratio});
    click(ButtonId::HESAPLA);
}

void Workflow::restore(const FieldTexts& texts, const CompletedRuns& runs) {
    m_runs = runs;
    for (const FieldId field : allFields) {
        m_form.setText(field, texts.at(indexOf(field)));
    }
    m_form.setEnabled(ButtonId::Command2, m_runs.at(indexOf(ButtonId::HESAPLA)).has_value());
    m_form.setEnabled(ButtonId::Command1, m_runs.at(indexOf(ButtonId::Command2)).has_value());
    updateStates();
}

void Workflow::reset() {
    FieldTexts empty{};
    empty.at(indexOf(FieldId::z1_t)) = QStringLiteral("1");
    restore(empty, {});
    chooseLead(std::nullopt);
    setDesignedFor(std::nullopt);
}
