#include "flow/workflow.h"

#include "calc/changegears.h"
#include "calc/hobangles.h"
#include "calc/wormdrive.h"

Workflow::Workflow(FormState& form, QObject* parent)
    : QObject(parent)
    , m_form(form) {}

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
        emit completed(button);
    }
}

void Workflow::setMachine(const Machine& machine) {
    if (machine == m_machine) {
        return;
    }
    m_machine = machine;
    emit machineChanged();
}
