#include "flow/workflow.h"
#include "model/formstate.h"

#include "formtesting.h"

#include <QSignalSpy>
#include <QTest>

namespace {
void typeFirstSection(FormState& form) {
    form.setText(FieldId::m_t, QStringLiteral("3"));
    form.setText(FieldId::Z2_t, QStringLiteral("36"));
    form.setText(FieldId::da1_t, QStringLiteral("66"));
    form.setText(FieldId::N1_t, QStringLiteral("1440"));
}
} // namespace

class TestFormState : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithOnlyHesaplaEnabled();
    void clickOnDisabledButtonDoesNothing_data();
    void clickOnDisabledButtonDoesNothing();
    void completeRunEnablesCommand2AndALaterStopKeepsIt();
    void changesAreSignalledOnce();
    void invalidStartsStopEverySection_data();
    void invalidStartsStopEverySection();
};

void TestFormState::startsEmptyWithOnlyHesaplaEnabled() {
    RecordingSink sink;
    FormState form(point, sink);
    Workflow flow(form);
    form.Form_Load();
    for (const FieldId field : allFields) {
        QVERIFY2(form.getText(field).isEmpty() ==
                     (field != FieldId::z1_t && field != FieldId::x2_t),
                 qPrintable(fieldName(field)));
    }
    QCOMPARE(form.getText(FieldId::z1_t), QStringLiteral("1")); // the single-start worm
    QCOMPARE(form.getText(FieldId::x2_t), QStringLiteral("0")); // an unshifted wheel
    QVERIFY(form.isEnabled(ButtonId::HESAPLA));
    QVERIFY(!form.isEnabled(ButtonId::Command2));
    QVERIFY(!form.isEnabled(ButtonId::Command1));
    QVERIFY(sink.messages.isEmpty());
}

void TestFormState::clickOnDisabledButtonDoesNothing_data() {
    QTest::addColumn<ButtonId>("button");
    QTest::newRow("Command2") << ButtonId::Command2;
    QTest::newRow("Command1") << ButtonId::Command1;
}

// With every input typed, a click on a disabled button must neither compute nor complain.
void TestFormState::clickOnDisabledButtonDoesNothing() {
    QFETCH(ButtonId, button);
    RecordingSink sink;
    FormState form(point, sink);
    Workflow flow(form);
    form.Form_Load();
    typeFirstSection(form);
    form.setText(FieldId::d2_t, QStringLiteral("108"));
    form.setText(FieldId::AÇI_t, QStringLiteral("3"));
    form.setText(FieldId::GD_t, QStringLiteral("48"));
    const QStringList before = fieldTexts(form);

    flow.click(button);

    QCOMPARE(fieldTexts(form), before);
    QVERIFY(sink.messages.isEmpty());
    QVERIFY(!form.isEnabled(ButtonId::Command2));
    QVERIFY(!form.isEnabled(ButtonId::Command1));
}

void TestFormState::completeRunEnablesCommand2AndALaterStopKeepsIt() {
    RecordingSink sink;
    FormState form(point, sink);
    Workflow flow(form);
    form.Form_Load();
    typeFirstSection(form);
    form.setText(FieldId::N1_t, QString());
    flow.click(ButtonId::HESAPLA);
    QVERIFY(!form.isEnabled(ButtonId::Command2));

    form.setText(FieldId::N1_t, QStringLiteral("1440"));
    flow.click(ButtonId::HESAPLA);
    QVERIFY(form.isEnabled(ButtonId::Command2));

    form.setText(FieldId::m_t, QString());
    flow.click(ButtonId::HESAPLA);
    QCOMPARE(sink.messages.size(), 2);
    QVERIFY(form.isEnabled(ButtonId::Command2));
    QVERIFY(!form.isEnabled(ButtonId::Command1));
}

// The window mirrors the model through these signals, so a change that is not signalled
// would leave a stale widget, and one signalled twice would echo back into the model.
void TestFormState::changesAreSignalledOnce() {
    RecordingSink sink;
    FormState form(point, sink);
    Workflow flow(form);
    QSignalSpy texts(&form, &FormState::textChanged);
    QSignalSpy flags(&form, &FormState::enabledChanged);

    form.setText(FieldId::AÇI_t, QStringLiteral("3"));
    form.setText(FieldId::AÇI_t, QStringLiteral("3"));
    form.Form_Load();
    form.Form_Load();

    QCOMPARE(texts.size(), 3); // AÇI_t, then Form_Load's z1_t and x2_t
    QCOMPARE(texts.at(0).at(0).value<FieldId>(), FieldId::AÇI_t);
    QCOMPARE(texts.at(0).at(1).toString(), QStringLiteral("3"));
    QCOMPARE(texts.at(1).at(0).value<FieldId>(), FieldId::z1_t);
    QCOMPARE(flags.size(), 2);
    QCOMPARE(flags.at(0).at(0).value<ButtonId>(), ButtonId::Command1);
    QCOMPARE(flags.at(1).at(0).value<ButtonId>(), ButtonId::Command2);
}

void TestFormState::invalidStartsStopEverySection_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("z1");
    QTest::addColumn<ButtonId>("button");
    const auto rows = std::to_array<std::pair<const char*, const char*>>({
        {"zero", "0"},
        {"seven", "7"},
        {"fraction", "1.5"},
        {"negative", "-1"},
        {"letters", "abc"},
        {"empty", ""},
    });
    for (const ButtonId button : allButtons) {
        for (const auto& [name, text] : rows) {
            QTest::addRow("%s, %s", qPrintable(buttonName(button)), name)
                << point << QString::fromUtf8(text) << button;
        }
    }
    QTest::newRow("comma locale, fraction") << comma << QStringLiteral("2,5") << ButtonId::Command1;
}

// A bad z1 stops the click with its message where the section reads it: the first section keeps
// what it wrote before the output speed, the others write nothing, and no section opens.
void TestFormState::invalidStartsStopEverySection() {
    QFETCH(QLocale, locale);
    QFETCH(QString, z1);
    QFETCH(ButtonId, button);
    RecordingSink sink;
    FormState form(locale, sink);
    Workflow flow(form);
    form.Form_Load();
    typeFirstSection(form);
    form.setText(FieldId::AÇI_t, QStringLiteral("3"));
    form.setText(FieldId::GD_t, QStringLiteral("48"));
    form.setText(FieldId::z1_t, z1);
    for (const FieldId field : allFields) {
        if (!isInputField(field)) {
            form.setText(field, QStringLiteral("old"));
        }
    }
    form.setEnabled(button, true);

    flow.click(button);

    QCOMPARE(sink.messages, QStringList{QStringLiteral(
                                "Vida ağız sayısı için 1 ile 6 arasında bir tam sayı girin.")});
    for (const FieldId field : allFields) {
        const bool written = button == ButtonId::HESAPLA && fieldInfo(field).section == button &&
                             !isInputField(field) && field != FieldId::N2_t;
        QCOMPARE(form.getText(field) != QStringLiteral("old") && !isInputField(field), written);
    }
    QCOMPARE(form.isEnabled(ButtonId::Command2), button == ButtonId::Command2);
    QCOMPARE(form.isEnabled(ButtonId::Command1), button == ButtonId::Command1);
}

QTEST_GUILESS_MAIN(TestFormState)
#include "tst_formstate.moc"
