#pragma once

// The "Dişli Dizileri" tool window: every exact change-gear train for the wheel's tooth count
// and the worm's starts, following Z2_t and z1_t as they are typed. "Kullan" on a simple train
// writes its driving gear A into GD_t; the user then runs the third section as before. Non-modal,
// made on first use.

#include "calc/geartrains.h"
#include "flow/workflow.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

class GearTrainsWindow final : public QWidget {
    Q_OBJECT

public:
    explicit GearTrainsWindow(Workflow& flow, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void followField(FieldId field);
    void refresh();
    void selectionChanged();
    void useSelected();
    const GearTrain* selectedSimpleTrain() const;

    Workflow& m_flow;
    FormState& m_form;
    QLabel* m_count = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_use = nullptr;
    QLabel* m_hint = nullptr;
    QList<GearTrain> m_trains;
};
