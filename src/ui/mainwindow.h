#pragma once

// The window: the form drawn in Designer (mainwindow.ui) bound to a FormState. The model owns
// the texts and flags; the window mirrors them onto its widgets both ways and shows the
// model's messages in a modal box. It holds no logic of its own: a click hands over to the
// model, which runs the calculation.

#include "app/fieldid.h"
#include "app/formstate.h"

#include <QWidget>

#include <array>
#include <memory>

class QLineEdit;
class QPushButton;

namespace Ui {
class MainWindow;
}

class MainWindow final : public QWidget, public MessageSink {
    Q_OBJECT

public:
    explicit MainWindow(const QLocale& locale, QWidget* parent = nullptr);
    ~MainWindow() override;

    FormState& form() { return m_form; }
    QLineEdit* field(FieldId field) const { return m_fields.at(indexOf(field)); }
    QPushButton* button(ButtonId button) const { return m_buttons.at(indexOf(button)); }

    // A modal box over the window: the text, one OK button, titled "ZORVANDI".
    void showMessage(const QString& text) override;

private:
    void showText(FieldId id, const QString& text) const;
    void showEnabled(ButtonId id, bool enabled) const;
    void applyFormFont();
    void applyOutputFont();

    std::unique_ptr<Ui::MainWindow> m_ui;
    FormState m_form;
    std::array<QLineEdit*, fieldCount> m_fields{};
    std::array<QPushButton*, buttonCount> m_buttons{};
};
