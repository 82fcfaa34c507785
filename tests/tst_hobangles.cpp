#include "model/formstate.h"

#include "flow/workflow.h"
#include "formtesting.h"

#include <QTest>

namespace {
// A form whose first section is done: m and d1 as given, Command2 enabled. d2 holds the value
// that the first section writes for m = 3 and Z2 = 36, so that reading it instead of d1 shows.
struct Fixture {
    Fixture(const QLocale& locale, const QString& m, const QString& d1)
        : form(locale, sink) {
        form.Form_Load();
        form.setText(FieldId::m_t, m);
        form.setText(FieldId::d1_t, d1);
        form.setText(FieldId::d2_t, QStringLiteral("108"));
        form.setEnabled(ButtonId::Command2, true);
    }
    RecordingSink sink;
    FormState form;
    Workflow flow{form};
};
} // namespace

class TestHobAngles : public QObject {
    Q_OBJECT

private slots:
    void swivelAnglesCarryMinutes_data();
    void swivelAnglesCarryMinutes();
    void keepsTheFormValues();
    void negativeModuleNegatesTheLeadAngle();
    void stopsWithoutWriting_data();
    void stopsWithoutWriting();
};

void TestHobAngles::swivelAnglesCarryMinutes_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QString>("hobAngle");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("z1");

    // With m = 3 and d1 = 60 the worm's lead angle is 2.86°, that is 2° 52′.
    QTest::newRow("3°, right is 8′") << point << "60"
                                     << "3"
                                     << "0.08"
                                     << "5.52" << QStringLiteral("1");
    QTest::newRow("2° 50′, right goes negative") << point << "60"
                                                 << "2.5"
                                                 << "-0.02"
                                                 << "5.42" << QStringLiteral("1");
    QTest::newRow("3° 50′ carries into degrees") << point << "60"
                                                 << "3.5"
                                                 << "0.58"
                                                 << "6.42" << QStringLiteral("1");
    QTest::newRow("1° borrows a degree") << point << "60"
                                         << "1"
                                         << "-1.52"
                                         << "3.52" << QStringLiteral("1");
    QTest::newRow("fraction of a minute kept") << point << "60"
                                               << "3.355"
                                               << "0.435"
                                               << "6.275" << QStringLiteral("1");
    QTest::newRow("negative hob angle") << point << "60"
                                        << "-1.3"
                                        << "-4.22"
                                        << "1.22" << QStringLiteral("1");
    QTest::newRow("equal angles give zero") << point << "60"
                                            << "2.52"
                                            << "0"
                                            << "5.44" << QStringLiteral("1");
    // d1 and d2 (108) differ in order: reading d2 would give another angle.
    QTest::newRow("d1 larger than d2") << point << "216"
                                       << "3"
                                       << "2.12"
                                       << "3.48" << QStringLiteral("1");
    QTest::newRow("comma, typed with comma") << comma << "60"
                                             << "2,5"
                                             << "-0,02"
                                             << "5,42" << QStringLiteral("1");
    QTest::newRow("comma, typed with point") << comma << "60"
                                             << "3.5"
                                             << "0,58"
                                             << "6,42" << QStringLiteral("1");
    QTest::newRow("comma, whole") << comma << "60"
                                  << "3"
                                  << "0,08"
                                  << "5,52" << QStringLiteral("1");
    QTest::newRow("blanks around")
        << point << "60"
        << " 3 "
        << "0.08"
        << "5.52"
        << QStringLiteral("1"); // Two starts: tan γ = 2 × 3 ÷ 60, γ = 5.71°, that is 5° 43′.
    QTest::newRow("two starts") << point << "60"
                                << "3"
                                << "-2.43"
                                << "8.43" << QStringLiteral("2");
}

void TestHobAngles::swivelAnglesCarryMinutes() {
    QFETCH(QLocale, locale);
    QFETCH(QString, d1);
    QFETCH(QString, hobAngle);
    QFETCH(QString, right);
    QFETCH(QString, left);
    QFETCH(QString, z1);
    Fixture f(locale, QStringLiteral("3"), d1);
    f.form.setText(FieldId::AÇI_t, hobAngle);
    f.form.setText(FieldId::z1_t, z1);

    f.flow.click(ButtonId::Command2);

    QCOMPARE(f.sink.messages, QStringList());
    QCOMPARE(f.form.getText(FieldId::AASAĞ_t), right);
    QCOMPARE(f.form.getText(FieldId::AASOL_t), left);
    QVERIFY(f.form.isEnabled(ButtonId::Command1));
}

void TestHobAngles::keepsTheFormValues() {
    Fixture f(point, QStringLiteral("3"), QStringLiteral("60"));
    f.form.setText(FieldId::AÇI_t, QStringLiteral("3"));
    f.flow.click(ButtonId::Command2);
    QCOMPARE(f.form.values().angleDeg, 2.86);
    QCOMPARE(f.form.values().angleWhole, 2.0);
    QCOMPARE(f.form.values().angleDM, 2.52);
}

void TestHobAngles::negativeModuleNegatesTheLeadAngle() {
    Fixture f(point, QStringLiteral("-3"), QStringLiteral("60"));
    f.form.setText(FieldId::AÇI_t, QStringLiteral("3"));
    f.flow.click(ButtonId::Command2);
    QCOMPARE(f.form.values().angleDeg, -2.86);
    QCOMPARE(f.form.values().angleWhole, -2.0);
    QCOMPARE(f.form.values().angleDM, -2.52);
    QCOMPARE(f.form.getText(FieldId::AASAĞ_t), QStringLiteral("5.52"));
    QCOMPARE(f.form.getText(FieldId::AASOL_t), QStringLiteral("0.08"));
}

void TestHobAngles::stopsWithoutWriting_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("m");
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QString>("hobAngle");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty hob angle") << point << "3"
                                     << "60"
                                     << ""
                                     << "Azdırma bıçağının üzerinde yazan açıyı girin !";
    const char* const noPitchCircle = "«VİDA BÖLÜM DAİRESİ (d1)» sıfırdan büyük olmalı.";
    QTest::newRow("d1 of zero") << point << "3"
                                << "0"
                                << "3" << noPitchCircle;
    QTest::newRow("module and d1 of zero") << comma << "0"
                                           << "0"
                                           << "3" << noPitchCircle;
    // da1 5 with m 3: a worm tip below 2m leaves no pitch circle.
    QTest::newRow("d1 below zero") << comma << "3"
                                   << "-1"
                                   << "3" << noPitchCircle;
    QTest::newRow("empty module is not a number") << point << ""
                                                  << "60"
                                                  << "3"
                                                  << "«MODÜL (m)» alanındaki değer bir sayı değil.";
    QTest::newRow("d1 not a number")
        << comma << "3"
        << "yüz"
        << "3"
        << "«VİDA BÖLÜM DAİRESİ (d1)» alanındaki değer bir sayı değil.";
    QTest::newRow("hob angle not a number")
        << point << "3"
        << "60"
        << "3°"
        << "«AZDIRMA BIÇAK AÇISI (AÇI)» alanındaki değer bir sayı değil.";
    QTest::newRow("75 minutes")
        << point << "3"
        << "60"
        << "3.75"
        << "«AZDIRMA BIÇAK AÇISI (AÇI)» geçerli bir açı değil: dakika 60'tan küçük olmalı.";
    QTest::newRow("60 minutes, comma")
        << comma << "3"
        << "60"
        << "10,6"
        << "«AZDIRMA BIÇAK AÇISI (AÇI)» geçerli bir açı değil: dakika 60'tan küçük olmalı.";
    QTest::newRow("negative, 99 minutes")
        << point << "3"
        << "60"
        << "-0.99"
        << "«AZDIRMA BIÇAK AÇISI (AÇI)» geçerli bir açı değil: dakika 60'tan küçük olmalı.";
    QTest::newRow("hob angle too large") << point << "3"
                                         << "60"
                                         << "1.7e308"
                                         << "«AZDIRMA AÇISI (SAĞ)» hesaplanamadı: sonuç çok büyük";
}

void TestHobAngles::stopsWithoutWriting() {
    QFETCH(QLocale, locale);
    QFETCH(QString, m);
    QFETCH(QString, d1);
    QFETCH(QString, hobAngle);
    QFETCH(QString, message);
    Fixture f(locale, m, d1);
    f.form.setText(FieldId::AÇI_t, hobAngle);
    f.form.setText(FieldId::AASAĞ_t, QStringLiteral("old"));
    f.form.setText(FieldId::AASOL_t, QStringLiteral("old"));
    const QStringList before = fieldTexts(f.form);

    f.flow.click(ButtonId::Command2);

    QCOMPARE(f.sink.messages, QStringList{message});
    QCOMPARE(fieldTexts(f.form), before);
    QVERIFY(!f.form.isEnabled(ButtonId::Command1));
}

QTEST_GUILESS_MAIN(TestHobAngles)
#include "tst_hobangles.moc"
