#include "app/formstate.h"

#include "formtesting.h"

#include <QTest>

namespace {
// A form whose first section is done: m and d2 as given, Command2 enabled.
struct Fixture {
    Fixture(const QLocale& locale, const QString& m, const QString& d2)
        : form(locale, sink) {
        form.Form_Load();
        form.setText(FieldId::m_t, m);
        form.setText(FieldId::d2_t, d2);
        form.setEnabled(ButtonId::Command2, true);
    }
    RecordingSink sink;
    FormState form;
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
    QTest::addColumn<QString>("hobAngle");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("left");

    // With m = 3 and d2 = 108 the lead angle is 1° 35′.
    QTest::newRow("3° minus borrows a degree") << point << "3"
                                               << "1.25"
                                               << "4.35";
    QTest::newRow("2° 50′") << point << "2.5"
                            << "1.15"
                            << "4.25";
    QTest::newRow("3° 50′ carries into degrees") << point << "3.5"
                                                 << "2.15"
                                                 << "5.25";
    QTest::newRow("1°, right goes negative") << point << "1"
                                             << "-0.35"
                                             << "2.35";
    QTest::newRow("fraction of a minute kept") << point << "3.355"
                                               << "2.005"
                                               << "5.105";
    QTest::newRow("negative hob angle") << point << "-1.3"
                                        << "-3.05"
                                        << "0.05";
    QTest::newRow("equal angles give zero") << point << "1.35"
                                            << "0"
                                            << "3.1";
    QTest::newRow("comma, typed with comma") << comma << "2,5"
                                             << "1,15"
                                             << "4,25";
    QTest::newRow("comma, typed with point") << comma << "3.5"
                                             << "2,15"
                                             << "5,25";
    QTest::newRow("comma, whole") << comma << "3"
                                  << "1,25"
                                  << "4,35";
    QTest::newRow("blanks around") << point << " 3 "
                                   << "1.25"
                                   << "4.35";
}

void TestHobAngles::swivelAnglesCarryMinutes() {
    QFETCH(QLocale, locale);
    QFETCH(QString, hobAngle);
    QFETCH(QString, right);
    QFETCH(QString, left);
    Fixture f(locale, QStringLiteral("3"), QStringLiteral("108"));
    f.form.setText(FieldId::AÇI_t, hobAngle);

    f.form.click(ButtonId::Command2);

    QCOMPARE(f.sink.messages, QStringList());
    QCOMPARE(f.form.getText(FieldId::AASAĞ_t), right);
    QCOMPARE(f.form.getText(FieldId::AASOL_t), left);
    QVERIFY(f.form.isEnabled(ButtonId::Command1));
}

void TestHobAngles::keepsTheFormValues() {
    Fixture f(point, QStringLiteral("3"), QStringLiteral("108"));
    f.form.setText(FieldId::AÇI_t, QStringLiteral("3"));
    f.form.click(ButtonId::Command2);
    QCOMPARE(f.form.values().angleDeg, 1.59);
    QCOMPARE(f.form.values().angleWhole, 1.0);
    QCOMPARE(f.form.values().angleDM, 1.35);
}

void TestHobAngles::negativeModuleNegatesTheLeadAngle() {
    Fixture f(point, QStringLiteral("-3"), QStringLiteral("108"));
    f.form.setText(FieldId::AÇI_t, QStringLiteral("3"));
    f.form.click(ButtonId::Command2);
    QCOMPARE(f.form.values().angleDeg, -1.59);
    QCOMPARE(f.form.values().angleWhole, -1.0);
    QCOMPARE(f.form.values().angleDM, -1.35);
    QCOMPARE(f.form.getText(FieldId::AASAĞ_t), QStringLiteral("4.35"));
    QCOMPARE(f.form.getText(FieldId::AASOL_t), QStringLiteral("1.25"));
}

void TestHobAngles::stopsWithoutWriting_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("m");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<QString>("hobAngle");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty hob angle") << point << "3"
                                     << "108"
                                     << ""
                                     << "Azdırma bıçağının üzerinde yazan açıyı girin !";
    QTest::newRow("d2 of zero") << point << "3"
                                << "0"
                                << "3"
                                << "«AZDIRMA AÇISI (SAĞ)» hesaplanamadı: sıfıra bölme";
    QTest::newRow("module and d2 of zero") << comma << "0"
                                           << "0"
                                           << "3"
                                           << "«AZDIRMA AÇISI (SAĞ)» hesaplanamadı: tanımsız işlem";
    QTest::newRow("empty module is not a number") << point << ""
                                                  << "108"
                                                  << "3"
                                                  << "«MODÜL (m)» alanındaki değer bir sayı değil.";
    QTest::newRow("d2 not a number")
        << comma << "3"
        << "yüz"
        << "3"
        << "«DİŞLİ BÖLÜM DAİRESİ (d2)» alanındaki değer bir sayı değil.";
    QTest::newRow("hob angle not a number")
        << point << "3"
        << "108"
        << "3°"
        << "«AZDIRMA BIÇAK AÇISI (AÇI)» alanındaki değer bir sayı değil.";
    QTest::newRow("75 minutes")
        << point << "3"
        << "108"
        << "3.75"
        << "«AZDIRMA BIÇAK AÇISI (AÇI)» geçerli bir açı değil: dakika 60'tan küçük olmalı.";
    QTest::newRow("60 minutes, comma")
        << comma << "3"
        << "108"
        << "10,6"
        << "«AZDIRMA BIÇAK AÇISI (AÇI)» geçerli bir açı değil: dakika 60'tan küçük olmalı.";
    QTest::newRow("negative, 99 minutes")
        << point << "3"
        << "108"
        << "-0.99"
        << "«AZDIRMA BIÇAK AÇISI (AÇI)» geçerli bir açı değil: dakika 60'tan küçük olmalı.";
    QTest::newRow("hob angle too large") << point << "3"
                                         << "108"
                                         << "1.7e308"
                                         << "«AZDIRMA AÇISI (SAĞ)» hesaplanamadı: sonuç çok büyük";
}

void TestHobAngles::stopsWithoutWriting() {
    QFETCH(QLocale, locale);
    QFETCH(QString, m);
    QFETCH(QString, d2);
    QFETCH(QString, hobAngle);
    QFETCH(QString, message);
    Fixture f(locale, m, d2);
    f.form.setText(FieldId::AÇI_t, hobAngle);
    f.form.setText(FieldId::AASAĞ_t, QStringLiteral("old"));
    f.form.setText(FieldId::AASOL_t, QStringLiteral("old"));
    const QStringList before = fieldTexts(f.form);

    f.form.click(ButtonId::Command2);

    QCOMPARE(f.sink.messages, QStringList{message});
    QCOMPARE(fieldTexts(f.form), before);
    QVERIFY(!f.form.isEnabled(ButtonId::Command1));
}

QTEST_GUILESS_MAIN(TestHobAngles)
#include "tst_hobangles.moc"
