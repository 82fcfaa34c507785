#pragma once

// The headless model of the window, the bottom layer. FormState owns the texts of the
// fields, the enabled flags of the 3 buttons and the few values the calculations keep between
// their steps; it knows no calculation. The layers above it:
//   src/calc   the calculations, which read and write only through FormState, and headless
//              units built on them (the job sheet's content, the change-gear train finder);
//   src/flow   the click dispatch (Workflow) and the record of each section's last complete run;
//   src/paint  the painting of the job sheet and its drawing (Qt Gui);
//   src/ui     the window, which mirrors FormState onto widgets through the two change signals
//              and shows its messages through a MessageSink.
// Without a window it runs as it is: the tests, the benchmarks and the fuzzer drive it directly.

#include "model/checkednumber.h"
#include "model/fault.h"
#include "model/fieldid.h"

#include <QLocale>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

// Where the form's messages go: a modal box titled "ZORVANDI" in the window, a list in tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const QString& text) = 0;

protected:
    MessageSink() = default;
    MessageSink(const MessageSink&) = default;
    MessageSink& operator=(const MessageSink&) = default;
};

// Values the calculations keep in the form between their steps. Each calculation overwrites
// the ones it owns before reading them, so none carries meaning from one click to the next.
struct FormValues {
    double angleDeg = 0.0;
    double angleWhole = 0.0;
    double angleFrac = 0.0;
    double angleDM = 0.0;
    std::int16_t gearCount = 0;
};

// A field's text as a calculation reads it: its number, or the fault that names the field.
CheckedNumber checkedNumber(FieldId field, const QString& text, const QLocale& locale);

// Where the messages of a form no one sees go: nowhere. For a form made only for its values,
// a run's fields read back or a sheet made without a window.
class QuietSink final : public MessageSink {
public:
    void showMessage(const QString& /*text*/) override {}
};

class FormState : public QObject {
    Q_OBJECT

public:
    FormState(const QLocale& locale, MessageSink& messages, QObject* parent = nullptr);

    QString getText(FieldId field) const { return m_texts.at(indexOf(field)); }
    const FieldTexts& texts() const { return m_texts; }
    void setText(FieldId field, const QString& text);

    bool isEnabled(ButtonId button) const { return m_enabled.at(indexOf(button)); }
    void setEnabled(ButtonId button, bool enabled);

    void showMessage(const QString& text);

    const QLocale& locale() const { return m_locale; }
    FormValues& values() { return m_values; }
    const FormValues& values() const { return m_values; }

    // The field-value rules on top of getText/setText, in this form's locale.
    bool isEmpty(FieldId field) const;
    CheckedNumber number(FieldId field) const;
    void setNumber(FieldId field, double value);

    // Writes the value to the field, or reports its fault and leaves the field as it was.
    // Returns whether the calculation can go on.
    bool store(FieldId field, const CheckedNumber& value);
    // Reports the fault of a value that is formed for `field` but not yet written.
    bool check(FieldId field, const CheckedNumber& value);
    void report(const Fault& fault);

    void Form_Load();

signals:
    void textChanged(FieldId field, const QString& text);
    void enabledChanged(ButtonId button, bool enabled);

private:
    QLocale m_locale;
    MessageSink& m_messages;
    FieldTexts m_texts{};
    std::array<bool, buttonCount> m_enabled{true, true, true};
    FormValues m_values;
};
