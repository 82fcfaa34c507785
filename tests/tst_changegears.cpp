#include "calc/changegears.h"
#include "model/formstate.h"

#include "flow/workflow.h"
#include "formtesting.h"

#include <QTest>

namespace {
const QString notInList = QStringLiteral("bu dişli listede yok");

// A form whose second section is done: Z2 as given, Command1 enabled.
struct Fixture {
    Fixture(const QLocale& locale, const QString& z2)
        : form(locale, sink) {
        form.Form_Load();
        form.setText(FieldId::Z2_t, z2);
        form.setText(FieldId::KS_t, QStringLiteral("old"));
        form.setText(FieldId::ÇD_t, QStringLiteral("old"));
        form.setEnabled(ButtonId::Command2, true);
        form.setEnabled(ButtonId::Command1, true);
    }
    RecordingSink sink;
    FormState form;
    Workflow flow{form};
};
} // namespace

class TestChangeGears : public QObject {
    Q_OBJECT

private slots:
    void everyGearOfTheSetPasses_data();
    void everyGearOfTheSetPasses();
    void coefficientAndOutputGear_data();
    void coefficientAndOutputGear();
    void refusedWithoutWriting_data();
    void refusedWithoutWriting();
    void toothCountFailsAfterTheCoefficient();
    void shopMachineWithALargeWheelConstant_data();
    void shopMachineWithALargeWheelConstant();
    void outputGearAgainstTheBox_data();
    void outputGearAgainstTheBox();
};

void TestChangeGears::everyGearOfTheSetPasses_data() {
    QTest::addColumn<int>("teeth");
    QTest::addColumn<bool>("inSet");
    for (int teeth = -2; teeth <= 100; ++teeth) {
        const bool inSet =
            std::find(changeGearSet.begin(), changeGearSet.end(), teeth) != changeGearSet.end();
        QTest::addRow("%d teeth", teeth) << teeth << inSet;
    }
}

// The whole neighbourhood of the set, through the click: a gear passes exactly when it is in
// the machine's set, and a refused one writes nothing.
void TestChangeGears::everyGearOfTheSetPasses() {
    QFETCH(int, teeth);
    QFETCH(bool, inSet);
    Fixture f(point, QStringLiteral("36"));
    f.form.setText(FieldId::GD_t, point.toString(teeth));

    f.flow.click(ButtonId::Command1);

    if (inSet) {
        QCOMPARE(f.sink.messages, QStringList());
        QCOMPARE(f.form.values().gearCount, teeth);
        QCOMPARE(f.form.getText(FieldId::KS_t), point.toString(teeth / 24.0, 'g', 15));
        // Formed in one step, never from the coefficient's 15-digit text.
        QCOMPARE(f.form.getText(FieldId::ÇD_t), point.toString(teeth * 36 / 24.0, 'g', 15));
    } else {
        QCOMPARE(f.sink.messages, QStringList{notInList});
        QCOMPARE(f.form.getText(FieldId::KS_t), QStringLiteral("old"));
        QCOMPARE(f.form.getText(FieldId::ÇD_t), QStringLiteral("old"));
    }
}

void TestChangeGears::coefficientAndOutputGear_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("gear");
    QTest::addColumn<QString>("coefficient");
    QTest::addColumn<QString>("outputGear");
    QTest::addColumn<QString>("z1");
    QTest::newRow("48") << point << "48"
                        << "2"
                        << "72" << QStringLiteral("1");
    QTest::newRow("24") << point << "24"
                        << "1"
                        << "36" << QStringLiteral("1");
    QTest::newRow("32, a whole gear, not 47.9999999999999") << point << "32"
                                                            << "1.33333333333333"
                                                            << "48" << QStringLiteral("1");
    QTest::newRow("20") << point << "20"
                        << "0.833333333333333"
                        << "30" << QStringLiteral("1");
    QTest::newRow("comma, 20") << comma << "20"
                               << "0,833333333333333"
                               << "30" << QStringLiteral("1");
    QTest::newRow("comma, 42") << comma << "42"
                               << "1,75"
                               << "63" << QStringLiteral("1");
    QTest::newRow("comma, whole typed with a decimal") << comma << "48,0"
                                                       << "2"
                                                       << "72" << QStringLiteral("1");
    QTest::newRow("written as an exponent")
        << point << "2.4e1"
        << "1"
        << "36" << QStringLiteral("1"); // Z2 36 with three starts: ÇD = 48 × 36 ÷ 72.
    QTest::newRow("three starts") << point << "48"
                                  << "2"
                                  << "24" << QStringLiteral("3");
}

void TestChangeGears::coefficientAndOutputGear() {
    QFETCH(QLocale, locale);
    QFETCH(QString, gear);
    QFETCH(QString, coefficient);
    QFETCH(QString, outputGear);
    QFETCH(QString, z1);
    Fixture f(locale, QStringLiteral("36"));
    f.form.setText(FieldId::GD_t, gear);
    f.form.setText(FieldId::z1_t, z1);

    f.flow.click(ButtonId::Command1);

    QCOMPARE(f.sink.messages, QStringList());
    QCOMPARE(f.form.getText(FieldId::KS_t), coefficient);
    QCOMPARE(f.form.getText(FieldId::ÇD_t), outputGear);
    QVERIFY(f.form.isEnabled(ButtonId::Command1));
}

void TestChangeGears::refusedWithoutWriting_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("gear");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << point << ""
                           << "Listedeki dişlileri sıarasıyla buraya yazın!";
    QTest::newRow("zero") << point << "0" << notInList;
    QTest::newRow("negative of a gear") << point << "-24" << notInList;
    QTest::newRow("fraction rounding to a gear") << point << "19.5" << notInList;
    QTest::newRow("comma, fraction") << comma << "19,5" << notInList;
    QTest::newRow("21") << point << "21" << notInList;
    QTest::newRow("60") << point << "60" << notInList;
    QTest::newRow("97") << point << "97" << notInList;
    QTest::newRow("beyond 16 bits") << point << "40000" << notInList;
    QTest::newRow("huge") << point << "1e300" << notInList;
    QTest::newRow("not a number") << comma << "yirmi"
                                  << "«GİRİŞ DİŞLİSİ (GD)» alanındaki değer bir sayı değil.";
    QTest::newRow("blanks") << point << "  "
                            << "«GİRİŞ DİŞLİSİ (GD)» alanındaki değer bir sayı değil.";
}

void TestChangeGears::refusedWithoutWriting() {
    QFETCH(QLocale, locale);
    QFETCH(QString, gear);
    QFETCH(QString, message);
    Fixture f(locale, QStringLiteral("36"));
    f.form.setText(FieldId::GD_t, gear);
    const QStringList before = fieldTexts(f.form);

    f.flow.click(ButtonId::Command1);

    QCOMPARE(f.sink.messages, QStringList{message});
    QCOMPARE(fieldTexts(f.form), before);
}

void TestChangeGears::toothCountFailsAfterTheCoefficient() {
    Fixture f(comma, QStringLiteral("otuz altı"));
    f.form.setText(FieldId::GD_t, QStringLiteral("48"));

    f.flow.click(ButtonId::Command1);

    QCOMPARE(f.sink.messages, QStringList{QStringLiteral(
                                  "«DİŞLİ DİŞ SAYISI (Z2)» alanındaki değer bir sayı değil.")});
    QCOMPARE(f.form.getText(FieldId::KS_t), QStringLiteral("2"));
    QCOMPARE(f.form.getText(FieldId::ÇD_t), QStringLiteral("old"));
}

void TestChangeGears::shopMachineWithALargeWheelConstant_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("z2");
    QTest::addColumn<QString>("gear");
    QTest::addColumn<QStringList>("results"); // KS and ÇD, or the message
    QTest::newRow("K 30") << point << "40"
                          << "60" << QStringList{"2", "80"};
    QTest::newRow("150 is not above the limit") << point << "150"
                                                << "60" << QStringList{"2", "300"};
    QTest::newRow("160 is: K′ 60") << point << "160"
                                   << "80" << QStringList{"1.33333333333333", "213.333333333333"};
    QTest::newRow("comma, K′ 60") << comma << "160"
                                  << "80" << QStringList{"1,33333333333333", "213,333333333333"};
    QTest::newRow("24 is not in its box") << point << "40"
                                          << "24" << QStringList{notInList};
    QTest::newRow("tooth count no number, with a rule that needs it")
        << point << "yüz"
        << "60"
        << QStringList{QStringLiteral("«DİŞLİ DİŞ SAYISI (Z2)» alanındaki değer bir sayı değil.")};
}

// The machine's own constant, and K′ above its large-wheel limit, read from Z2 before KS.
void TestChangeGears::shopMachineWithALargeWheelConstant() {
    QFETCH(QLocale, locale);
    QFETCH(QString, z2);
    QFETCH(QString, gear);
    QFETCH(QStringList, results);
    Fixture f(locale, z2);
    f.flow.setMachine(tezgahB());
    f.form.setText(FieldId::GD_t, gear);

    f.flow.click(ButtonId::Command1);

    if (results.size() == 1) {
        QCOMPARE(f.sink.messages, results);
        QCOMPARE(f.form.getText(FieldId::KS_t), QStringLiteral("old"));
        return;
    }
    QCOMPARE(f.sink.messages, QStringList());
    QCOMPARE(f.form.getText(FieldId::KS_t), results[0]);
    QCOMPARE(f.form.getText(FieldId::ÇD_t), results[1]);
}

void TestChangeGears::outputGearAgainstTheBox_data() {
    QTest::addColumn<QString>("gd");
    QTest::addColumn<QString>("z2");
    QTest::addColumn<int>("second48s"); // 48s added to the built-in box, which has one
    QTest::addColumn<int>("fit");
    QTest::newRow("72 is in the box") << "48"
                                      << "36" << 0 << int(OutputGearFit::InBox);
    QTest::newRow("ÇD = GD takes the only 48") << "48"
                                               << "24" << 0 << int(OutputGearFit::TakenByInput);
    QTest::newRow("ÇD = GD with two 48s") << "48"
                                          << "24" << 1 << int(OutputGearFit::InBox);
    QTest::newRow("30 is not") << "20"
                               << "36" << 0 << int(OutputGearFit::NotInBox);
    QTest::newRow("30.83 is not whole") << "20"
                                        << "37" << 0 << int(OutputGearFit::NotWhole);
}

// The box is a multiset: the input gear takes one gear of its count.
void TestChangeGears::outputGearAgainstTheBox() {
    QFETCH(QString, gd);
    QFETCH(QString, z2);
    QFETCH(int, second48s);
    QFETCH(int, fit);
    Machine machine = builtInMachine();
    for (int i = 0; i < second48s; ++i) {
        machine.gears.append(48);
    }

    QCOMPARE(int(outputGear(gd, z2, 1, machine, comma).fit), fit);
}

QTEST_GUILESS_MAIN(TestChangeGears)
#include "tst_changegears.moc"
