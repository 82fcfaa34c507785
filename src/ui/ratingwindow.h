#pragma once

// The "Verim ve Yük" tool window: what the drive on the form carries, by the AGMA method, with
// every figure's unit and rule and the warnings where a fit is used outside its range or the
// load exceeds the rating. It follows the form's fields as they are typed. Its inputs (the load
// given as T2 or P1, the service factor, the wheel's casting, the face width, a measured
// friction, the fan, the housing's area, the ambient and a limit for the oil) are kept with the
// job and in the settings for the next job; a text that does not read names its input.
// Non-modal, made on first use.

#include "calc/rating.h"
#include "ui/toolwindow.h"

#include <QSettings>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

// The inputs the user last gave, or the defaults.

class RatingWindow final : public ToolWindow {
    Q_OBJECT

public:
    RatingWindow(Workflow& flow, QSettings& settings, QWidget* parent = nullptr);

protected:
    void retranslate() override;
    void refresh() override;
    bool follows(FieldId /*field*/) const override { return true; }

private:
    void takeInputs();
    void switchLoad();
    void followChoices();
    void showInputs(const RatingInputs& inputs);
    static QString inputName(RatingInput input);
    QString rangeMessage(RatingInput input) const;

    QSettings& m_settings;
    QComboBox* m_given = nullptr;
    QLineEdit* m_load = nullptr;
    QLineEdit* m_serviceFactor = nullptr;
    QComboBox* m_casting = nullptr;
    QLineEdit* m_faceWidth = nullptr;
    QLineEdit* m_friction = nullptr;
    QCheckBox* m_fan = nullptr;
    QLineEdit* m_area = nullptr;
    QLineEdit* m_ambient = nullptr;
    QLineEdit* m_limit = nullptr;
    QLineEdit* m_span = nullptr;
    QCheckBox* m_hardened = nullptr;
    QLineEdit* m_bendingAllowable = nullptr;
    QFormLayout* m_inputs = nullptr;
    QFormLayout* m_heatInputs = nullptr;
    QLabel* m_method = nullptr;
    QLabel* m_message = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_warnings = nullptr;
    std::optional<RatingInputs> m_taken; // as read, an input that does not read left out
    std::optional<RatingInput> m_bad;    // the first input that does not read or is out of range
    QString m_badMessage;
    RatingInputs m_sent; // the inputs this window last gave the job
};
