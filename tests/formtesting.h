#pragma once

// What the form tests share: the two locales they pin, a message sink that records instead
// of opening a box, a snapshot of all field texts, and the shop's example machine.

#include "calc/machine.h"
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

// The shop's example: K 30, two gears of 25, K′ 60 above 150 teeth and a clearance of 40.
inline Machine tezgahB() {
    Machine m;
    m.name = QStringLiteral("Tezgâh B");
    m.indexConstant = 30;
    m.gears = {20, 25, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 90, 100};
    m.largeWheel = LargeWheelRule{150, 60};
    m.clearance = 40;
    return m;
}
