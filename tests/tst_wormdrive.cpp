#include "model/formstate.h"

#include "calc/turnerfigures.h"
#include "calc/wormdrive.h"
#include "flow/workflow.h"
#include "formtesting.h"

#include <QTest>

namespace {
using Texts = QMap<FieldId, QString>;

const QList<FieldId> outputs = {FieldId::d2_t, FieldId::da2_t, FieldId::df2_t, FieldId::h2_t,
                                FieldId::d1_t, FieldId::df1_t, FieldId::h1_t,  FieldId::L_t,
                                FieldId::P_t,  FieldId::ba_t,  FieldId::A_t,   FieldId::N2_t};

QString s(const char* text) {
    return QString::fromUtf8(text);
}

// The typical first section: m = 3, Z2 = 36, da1 = 66, N1 = 1440.
Texts typicalResults(bool commaLocale) {
    const auto pick = [commaLocale](const char* p, const char* c) {
        return s(commaLocale ? c : p);
    };
    return {
        {FieldId::d2_t, s("108")},
        {FieldId::da2_t, s("114")},
        {FieldId::df2_t, pick("100.995", "100,995")},
        {FieldId::h2_t, pick("6.5025", "6,5025")},
        {FieldId::d1_t, s("60")},
        {FieldId::df1_t, s("53")},
        {FieldId::h1_t, pick("6.5", "6,5")},
        {FieldId::L_t, s("42")},
        {FieldId::P_t, pick("9.42", "9,42")},
        {FieldId::ba_t, pick("44.78", "44,78")},
        {FieldId::A_t, s("84")},
        {FieldId::N2_t, s("40")},
    };
}

struct Fixture {
    explicit Fixture(const QLocale& locale)
        : form(locale, sink) {
        form.Form_Load();
    }
    void type(FieldId field, const QString& text) { form.setText(field, text); }
    void typeInputs(const QString& m, const QString& z2, const QString& da1, const QString& n1) {
        type(FieldId::m_t, m);
        type(FieldId::Z2_t, z2);
        type(FieldId::da1_t, da1);
        type(FieldId::N1_t, n1);
    }
    RecordingSink sink;
    FormState form;
    Workflow flow{form};
};
} // namespace

class TestWormDrive : public QObject {
    Q_OBJECT

private slots:
    void completeRun_data();
    void completeRun();
    void missingInputStopsWithItsMessage_data();
    void missingInputStopsWithItsMessage();
    void faultStopsAtItsStep_data();
    void faultStopsAtItsStep();
    void anyModuleIsComputed();
    void rerunRecomputesFromEditedOutputs();
    void profileShiftMovesTheWheel_data();
    void profileShiftMovesTheWheel();
    void shiftNoWheelCanHaveIsRefused_data();
    void shiftNoWheelCanHaveIsRefused();
};

void TestWormDrive::completeRun_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<bool>("commaResults");
    QTest::addColumn<QString>("z1");
    QTest::newRow("point locale") << point << QStringList{"3", "36", "66", "1440"} << false
                                  << QStringLiteral("1");
    QTest::newRow("comma locale") << comma << QStringList{"3", "36", "66", "1440"} << true
                                  << QStringLiteral("1");
    QTest::newRow("comma locale, typed with points")
        << comma << QStringList{"3.0", "36", "66.0", "1440"} << true << QStringLiteral("1");
    QTest::newRow("comma locale, typed with commas")
        << comma << QStringList{"3,0", "36", "66,0", "1440,0"} << true
        << QStringLiteral(
               "1"); // Two starts double the output speed and nothing else of the section.
    QTest::newRow("two starts") << point << QStringList{"3", "36", "66", "1440"} << false
                                << QStringLiteral("2");
}

void TestWormDrive::completeRun() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, inputs);
    QFETCH(bool, commaResults);
    QFETCH(QString, z1);
    Fixture f(locale);
    f.typeInputs(inputs[0], inputs[1], inputs[2], inputs[3]);
    f.type(FieldId::z1_t, z1);

    f.flow.click(ButtonId::HESAPLA);

    Texts expected = typicalResults(commaResults);
    expected[FieldId::N2_t] = locale.toString(40 * z1.toInt());
    for (const FieldId field : outputs) {
        QCOMPARE(f.form.getText(field), expected.value(field));
    }
    QVERIFY(f.sink.messages.isEmpty());
    QVERIFY(f.form.isEnabled(ButtonId::Command2));
    QVERIFY(!f.form.isEnabled(ButtonId::Command1));
}

void TestWormDrive::missingInputStopsWithItsMessage_data() {
    QTest::addColumn<FieldId>("missing");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("outputsWritten");
    QTest::newRow("module") << FieldId::m_t << s("Modül için 1.5,3, 4.5 veya 6 girin ") << 0;
    QTest::newRow("tooth count") << FieldId::Z2_t << s("Diş sayısı için sayı girin.") << 0;
    QTest::newRow("worm tip diameter")
        << FieldId::da1_t << s("Vidanın diş üstü çapı için sayı girin.") << 4;
    QTest::newRow("input speed") << FieldId::N1_t << s("Giriş deviri için sayı girin.") << 11;
}

// The fields before the stop hold their new texts, the ones after it their old texts.
void TestWormDrive::missingInputStopsWithItsMessage() {
    QFETCH(FieldId, missing);
    QFETCH(QString, message);
    QFETCH(int, outputsWritten);
    Fixture f(point);
    for (const FieldId field : outputs) {
        f.type(field, s("old"));
    }
    f.typeInputs(s("3"), s("36"), s("66"), s("1440"));
    f.type(missing, QString());

    f.flow.click(ButtonId::HESAPLA);

    QCOMPARE(f.sink.messages, QStringList{message});
    const Texts expected = typicalResults(false);
    for (int i = 0; i < outputs.size(); ++i) {
        const FieldId field = outputs[i];
        QCOMPARE(f.form.getText(field), i < outputsWritten ? expected.value(field) : s("old"));
    }
    QVERIFY(!f.form.isEnabled(ButtonId::Command2));
}

void TestWormDrive::faultStopsAtItsStep_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("outputsWritten");

    const QString nan = s("alanındaki değer bir sayı değil.");
    QTest::newRow("module not a number")
        << point << QStringList{"3x", "36", "66", "1440"} << s("«MODÜL (m)» ") + nan << 0;
    QTest::newRow("module of blanks")
        << point << QStringList{"  ", "36", "66", "1440"} << s("«MODÜL (m)» ") + nan << 0;
    QTest::newRow("tooth count not a number") << comma << QStringList{"3", "otuz", "66", "1440"}
                                              << s("«DİŞLİ DİŞ SAYISI (Z2)» ") + nan << 0;
    QTest::newRow("tip diameter not a number") << comma << QStringList{"3", "36", "6 6", "1440"}
                                               << s("«VİDA DİŞ ÜSTÜ ÇAPI (da1)» ") + nan << 4;
    QTest::newRow("input speed not a number")
        << point << QStringList{"3", "36", "66", "nan"} << s("«GİRİŞ DEVİRİ (N1)» ") + nan << 11;
    // A fault names the input that caused it.
    QTest::newRow("grouped input speed in a point locale")
        << point << QStringList{"3", "36", "66", "1,440"}
        << s("«GİRİŞ DEVİRİ (N1)» alanındaki «1,440» basamakları gruplanmış; binlik ayırıcı kabul "
             "edilmez: sayıyı 1440 olarak yazın.")
        << 11;
    QTest::newRow("comma, thousands dot in the speed")
        << comma << QStringList{"3", "36", "66", "1.440"}
        << s("«GİRİŞ DEVİRİ (N1)» alanındaki «1.440» iki türlü okunabilir: 1,44 mü 1440 mı? "
             "Ondalık ayırıcı olarak virgül yazın, binlik ayırıcı yazmayın.")
        << 11;
    QTest::newRow("comma, thousands dot in the module")
        << comma << QStringList{"2.125", "36", "66", "1440"}
        << s("«MODÜL (m)» alanındaki «2.125» iki türlü okunabilir: 2,125 mi 2125 mi? "
             "Ondalık ayırıcı olarak virgül yazın, binlik ayırıcı yazmayın.")
        << 0;
    QTest::newRow("zero tooth count") << point << QStringList{"3", "0", "66", "1440"}
                                      << s("«DİŞLİ DİŞ SAYISI (Z2)» sıfırdan büyük olmalı.") << 11;
    QTest::newRow("zero tooth count and speed")
        << comma << QStringList{"3", "0", "66", "0"}
        << s("«DİŞLİ DİŞ SAYISI (Z2)» sıfırdan büyük olmalı.") << 11;
    QTest::newRow("negative tooth count, root of a negative")
        << point << QStringList{"3", "-36", "66", "1440"}
        << s("«DİŞLİ DİŞ SAYISI (Z2)» sıfırdan büyük olmalı.") << 7;
    QTest::newRow("product too large")
        << point << QStringList{"1e300", "1e10", "66", "1440"}
        << s("«DİŞLİ BÖLÜM DAİRESİ (d2)» hesaplanamadı: sonuç çok büyük") << 0;
    // Its 15-digit text would read as more than a double holds, so it is an overflow too.
    QTest::newRow("largest double")
        << point << QStringList{"1.7976931348623157e308", "1", "66", "1440"}
        << s("«DİŞLİ BÖLÜM DAİRESİ (d2)» hesaplanamadı: sonuç çok büyük") << 0;
    QTest::newRow("tip diameter too large")
        << point << QStringList{"1e308", "1", "66", "1440"}
        << s("«DİŞLİ DİŞ ÜSTÜ ÇAPI (da2)» hesaplanamadı: sonuç çok büyük") << 1;
}

void TestWormDrive::faultStopsAtItsStep() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, inputs);
    QFETCH(QString, message);
    QFETCH(int, outputsWritten);
    Fixture f(locale);
    for (const FieldId field : outputs) {
        f.type(field, s("old"));
    }
    f.typeInputs(inputs[0], inputs[1], inputs[2], inputs[3]);

    f.flow.click(ButtonId::HESAPLA);

    QCOMPARE(f.sink.messages, QStringList{message});
    for (int i = 0; i < outputs.size(); ++i) {
        const QString text = f.form.getText(outputs[i]);
        QCOMPARE(text == s("old"), i >= outputsWritten);
        QVERIFY(!text.contains(s("nan"), Qt::CaseInsensitive));
        QVERIFY(!text.contains(s("inf"), Qt::CaseInsensitive));
    }
    QVERIFY(!f.form.isEnabled(ButtonId::Command2));
    QCOMPARE(f.form.getText(FieldId::m_t), inputs[0]);
}

// The message asks for 1.5, 3, 4.5 or 6, but any module is taken.
void TestWormDrive::anyModuleIsComputed() {
    Fixture f(point);
    f.typeInputs(s("2"), s("40"), s("50"), s("1000"));
    f.flow.click(ButtonId::HESAPLA);
    QVERIFY(f.sink.messages.isEmpty());
    QCOMPARE(f.form.getText(FieldId::d2_t), s("80"));
    QCOMPARE(f.form.getText(FieldId::L_t), s("29.298221281347")); // 4 × (√40 + 1)
    QCOMPARE(f.form.getText(FieldId::N2_t), s("25"));
}

// A step reads the text an earlier step wrote, not a number kept aside.
void TestWormDrive::rerunRecomputesFromEditedOutputs() {
    Fixture f(point);
    f.typeInputs(s("3"), s("36"), s("66"), s("1440"));
    f.flow.click(ButtonId::HESAPLA);
    QCOMPARE(f.form.getText(FieldId::A_t), s("84"));
    f.type(FieldId::m_t, s("1.5"));
    f.flow.click(ButtonId::HESAPLA);
    QCOMPARE(f.form.getText(FieldId::d2_t), s("54"));
    QCOMPARE(f.form.getText(FieldId::df2_t), s("50.4975"));
    QCOMPARE(f.form.getText(FieldId::A_t), s("58.5"));
}

// The shift moves the wheel's tip, its root and the centre distance by x2·m (twice on the
// diameters); the throat radius follows A and da2 alike, so it stays, and the blank's outer
// diameter follows da2. Nothing of the worm and nothing else of the wheel moves.
void TestWormDrive::profileShiftMovesTheWheel_data() {
    QTest::addColumn<QString>("x2");
    QTest::addColumn<QStringList>("expected"); // da2, df2, A, rk, de2
    QTest::newRow("x2 0,5") << s("0,5") << QStringList{"117", "103,995", "85,5", "27", "123"};
    QTest::newRow("x2 -0,3") << s("-0,3") << QStringList{"112,2", "99,195", "83,1", "27", "118,2"};
    QTest::newRow("x2 empty is no shift")
        << QString() << QStringList{"114", "100,995", "84", "27", "120"};
}

void TestWormDrive::profileShiftMovesTheWheel() {
    QFETCH(QString, x2);
    QFETCH(QStringList, expected);
    Fixture f(comma);
    f.typeInputs(s("3"), s("36"), s("66"), s("1440"));
    f.type(FieldId::x2_t, x2);

    f.flow.click(ButtonId::HESAPLA);

    QVERIFY(f.sink.messages.isEmpty());
    QCOMPARE(f.form.getText(FieldId::da2_t), expected.at(0));
    QCOMPARE(f.form.getText(FieldId::df2_t), expected.at(1));
    QCOMPARE(f.form.getText(FieldId::A_t), expected.at(2));
    const Texts unmoved = typicalResults(true);
    for (const FieldId field :
         {FieldId::d2_t, FieldId::h2_t, FieldId::d1_t, FieldId::df1_t, FieldId::h1_t, FieldId::L_t,
          FieldId::P_t, FieldId::ba_t, FieldId::N2_t}) {
        QCOMPARE(f.form.getText(field), unmoved.value(field));
    }
    const auto figures = turnerFigures(f.form, WireGauge{}, WireWork::Skip);
    const auto& turner = std::get<TurnerFigures>(figures);
    QCOMPARE(comma.toString(turner.value(FigureId::ThroatRadius)), expected.at(3));
    QCOMPARE(comma.toString(turner.value(FigureId::OuterDiameter)), expected.at(4));
}

// Beyond ±2 the shifted tip falls inside the pitch circle (x2 −5 gave da2 110 below d2 150) or
// the tooth comes to a point: the arithmetic goes through, but the job is one no shop can make.
void TestWormDrive::shiftNoWheelCanHaveIsRefused_data() {
    QTest::addColumn<QString>("x2");
    QTest::addColumn<bool>("refused");
    QTest::newRow("-5") << s("-5") << true;
    QTest::newRow("1e300") << s("1e300") << true;
    QTest::newRow("2, the outer limit") << s("2") << false;
    QTest::newRow("-2, the outer limit") << s("-2") << false;
}

void TestWormDrive::shiftNoWheelCanHaveIsRefused() {
    QFETCH(QString, x2);
    QFETCH(bool, refused);
    Fixture f(comma);
    f.typeInputs(s("5"), s("30"), s("110"), s("1440"));
    f.type(FieldId::x2_t, x2);

    f.flow.click(ButtonId::HESAPLA);

    const QList<Fault> faults = unmakeableJob(f.form);
    QCOMPARE(faults.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(jobFaultMessage(faults.constFirst(), comma),
                 s("Bu iş yapılamaz: «PROFİL KAYDIRMA (x2)» -2 ile 2 arasında olmalı."));
    }
}

QTEST_GUILESS_MAIN(TestWormDrive)
#include "tst_wormdrive.moc"
