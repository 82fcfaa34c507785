#pragma once

// The "Dişli Dizileri" tool window: every exact change-gear train for the wheel's tooth count
// and the worm's starts, following Z2_t and z1_t as they are typed. "Kullan" on a simple train
// writes its driving gear A into GD_t; the user then runs the third section as before. Non-modal,
// made on first use.

#include "calc/geartrains.h"
#include "ui/toolwindow.h"

class QLabel;
class QPushButton;
class QTableWidget;

class GearTrainsWindow final : public ToolWindow {
    Q_OBJECT

public:
    explicit GearTrainsWindow(Workflow& flow, QWidget* parent = nullptr);

protected:
    void retranslate() override;
    void refresh() override;
    bool follows(FieldId field) const override;

private:
    void selectionChanged();
    void useSelected();
    const GearTrain* selectedSimpleTrain() const;

    QLabel* m_count = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_use = nullptr;
    QLabel* m_hint = nullptr;
    QList<GearTrain> m_trains;
};
