#pragma once

// What the form tests share: the two locales they pin, a message sink that records instead
// of opening a box, and a snapshot of all field texts.

#include "model/formstate.h"

#include <QLocale>
#include <QStringList>

// A point locale and a comma locale; the comma is tested on purpose.
inline const QLocale point(QLocale::English, QLocale::UnitedStates);
inline const QLocale comma(QLocale::Turkish, QLocale::Turkey);

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
