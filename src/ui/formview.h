#pragma once

// The form drawn in Designer (formview.ui), bound to a Workflow and its FormState. The model
// owns the texts and flags; the view mirrors them onto its widgets both ways, and a click
// hands over to the workflow, which runs the calculation. Widgets are found by their
// objectName, the field's name in the field table. It also shows, in the disabled text colour,
// the results of a section whose inputs changed since its run, and lets Return walk a section's
// inputs to its button. It holds no logic of its own.

#include "flow/workflow.h"
#include "model/fieldid.h"

#include <QPalette>
#include <QWidget>

#include <array>
#include <memory>

class QLineEdit;
class QPushButton;

namespace Ui {
class FormView;
}

class FormView final : public QWidget {
    Q_OBJECT

public:
    explicit FormView(Workflow& flow, QWidget* parent = nullptr);
    ~FormView() override;

    QLineEdit* field(FieldId field) const { return m_fields.at(indexOf(field)); }
    QPushButton* button(ButtonId button) const { return m_buttons.at(indexOf(button)); }

    // Liberation Sans at 10 px, the font the form's grid is sized for.
    static QFont formFont();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showText(FieldId id, const QString& text) const;
    void showEnabled(ButtonId id, bool enabled) const;
    void showSectionState(ButtonId section, SectionState state);
    void returnPressedIn(FieldId id) const;
    void applyFormFont();
    void applyOutputFont();
    void showCaptions();
    void explainAngleNotation();
    void explainWormSize() const;

    std::unique_ptr<Ui::FormView> m_ui;
    Workflow& m_flow;
    std::array<bool, fieldCount> m_shownStale{};
    std::array<QPalette, fieldCount> m_freshPalettes; // as Designer made them
    std::array<QLineEdit*, fieldCount> m_fields{};
    std::array<QPushButton*, buttonCount> m_buttons{};
};
