#include "model/formstate.h"

#include "model/fieldvalues.h"

FormState::FormState(const QLocale& locale, MessageSink& messages, QObject* parent)
    : QObject(parent)
    , m_locale(locale)
    , m_messages(messages) {
    // Every figure the program shows is one that its own reader takes back: "1040,000", never
    // "1.040,000", which a field refuses.
    m_locale.setNumberOptions(m_locale.numberOptions() | QLocale::OmitGroupSeparator);
}

void FormState::setText(FieldId field, const QString& text) {
    QString& current = m_texts.at(indexOf(field));
    if (current == text) {
        return;
    }
    current = text;
    emit textChanged(field, text);
}

void FormState::setEnabled(ButtonId button, bool enabled) {
    bool& current = m_enabled.at(indexOf(button));
    if (current == enabled) {
        return;
    }
    current = enabled;
    emit enabledChanged(button, enabled);
}

void FormState::showMessage(const QString& text) {
    m_messages.showMessage(text);
}

bool FormState::isEmpty(FieldId field) const {
    return FieldValues::isEmpty(getText(field));
}

CheckedNumber checkedNumber(FieldId field, const QString& text, const QLocale& locale) {
    if (const auto value = FieldValues::readNumber(text, locale)) {
        return *value;
    }
    if (FieldValues::isAmbiguousPoint(text, locale)) {
        return CheckedNumber::ambiguous(field, text);
    }
    if (FieldValues::isGrouped(text, locale)) {
        return CheckedNumber::grouped(field, text);
    }
    return CheckedNumber::notANumber(field);
}

CheckedNumber FormState::number(FieldId field) const {
    return checkedNumber(field, m_texts.at(indexOf(field)), m_locale);
}

void FormState::setNumber(FieldId field, double value) {
    setText(field, FieldValues::writeNumber(value, m_locale));
}

bool FormState::store(FieldId field, const CheckedNumber& value) {
    if (!check(field, value)) {
        return false;
    }
    setNumber(field, value.value());
    return true;
}

bool FormState::check(FieldId field, const CheckedNumber& value) {
    if (const auto fault = value.faultFor(field)) {
        report(*fault);
        return false;
    }
    return true;
}

void FormState::report(const Fault& fault) {
    showMessage(faultMessage(fault, m_locale));
}

void FormState::Form_Load() {
    setEnabled(ButtonId::Command1, false);
    setEnabled(ButtonId::Command2, false);
    setText(FieldId::z1_t, QStringLiteral("1"));
    setText(FieldId::x2_t, QStringLiteral("0"));
}
