#pragma once

#include "app/formstate.h"

#include <QStringList>

// Keeps the messages a form shows, in order, instead of opening a box.
class RecordingSink final : public MessageSink {
public:
    void showMessage(const QString& text) override { messages.append(text); }

    QStringList messages;
};

// The texts of all fields, in FieldId order, to compare a form before and after a click.
inline QStringList fieldTexts(const FormState& form) {
    QStringList texts;
    for (const FieldId field : allFields) {
        texts.append(form.getText(field));
    }
    return texts;
}
