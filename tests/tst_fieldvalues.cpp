#include "model/fieldvalues.h"

#include "formtesting.h"

#include <QTest>

#include <array>
#include <cmath>
#include <limits>

using namespace FieldValues;

class TestFieldValues : public QObject {
    Q_OBJECT

private slots:
    void emptyMeansLengthZero_data();
    void emptyMeansLengthZero();
    void readNumber_data();
    void readNumber();
    void writeNumber_data();
    void writeNumber();
    void writeThenReadIsTheSameNumber_data();
    void writeThenReadIsTheSameNumber();
    void round2_data();
    void round2();
    void truncateGoesTowardsZero_data();
    void truncateGoesTowardsZero();
};

void TestFieldValues::emptyMeansLengthZero_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("empty");
    QTest::newRow("nothing") << QString() << true;
    QTest::newRow("empty string") << QStringLiteral("") << true;
    QTest::newRow("one blank") << QStringLiteral(" ") << false;
    QTest::newRow("a tab") << QStringLiteral("\t") << false;
    QTest::newRow("zero") << QStringLiteral("0") << false;
}

void TestFieldValues::emptyMeansLengthZero() {
    QFETCH(QString, text);
    QFETCH(bool, empty);
    QCOMPARE(isEmpty(text), empty);
}

void TestFieldValues::readNumber_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    struct Row {
        const char* name;
        const char* text;
        bool pointOk;
        bool commaOk;
        double value;
    };
    const auto rows = std::to_array<Row>({
        {"whole", "36", true, true, 36},
        {"point decimal", "1.5", true, true, 1.5},
        {"three digits after a point may be thousands", "1.500", true, false, 1.5},
        {"ambiguous speed", "1.440", true, false, 1.44},
        {"ambiguous, signed", "-2.125", true, false, -2.125},
        {"four digits after a point", "2.1250", true, true, 2.125},
        {"two digits after a point", "60.50", true, true, 60.5},
        {"comma decimal", "1,5", false, true, 1.5},
        {"negative", "-2.5", true, true, -2.5},
        {"plus sign", "+3", true, true, 3},
        {"exponent", "1.5e3", true, true, 1500},
        {"negative exponent", "25E-2", true, true, 0.25},
        {"blanks around", "  4.5 ", true, true, 4.5},
        {"tabs around", "\t6\t", true, true, 6},
        {"only blanks", "   ", false, false, 0},
        {"empty", "", false, false, 0},
        {"letters", "abc", false, false, 0},
        {"trailing letters", "12mm", false, false, 0},
        {"blank inside", "1 5", false, false, 0},
        {"grouped with comma", "1,000.5", false, false, 0},
        {"grouped with point", "1.000,5", false, false, 0},
        {"nan", "nan", false, false, 0},
        {"NaN", "NaN", false, false, 0},
        {"inf", "inf", false, false, 0},
        {"negative infinity", "-inf", false, false, 0},
        {"too large for a double", "1e999", false, false, 0},
        {"two points", "1.2.3", false, false, 0},
        {"arabic-indic digits", "\u0661\u0662", false, false, 0},
        {"fullwidth digits", "\uff11\uff12", false, false, 0},
    });
    for (const auto& row : rows) {
        const double pointValue = row.pointOk ? row.value : 0;
        const double commaValue = row.commaOk ? row.value : 0;
        QTest::addRow("point locale, %s", row.name)
            << point << QString::fromUtf8(row.text) << row.pointOk << pointValue;
        QTest::addRow("comma locale, %s", row.name)
            << comma << QString::fromUtf8(row.text) << row.commaOk << commaValue;
    }
}

void TestFieldValues::readNumber() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto read = FieldValues::readNumber(text, locale);
    QCOMPARE(read.has_value(), isNumber);
    if (read) {
        QCOMPARE(*read, value);
    }
}

void TestFieldValues::writeNumber_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("point, whole") << point << 108.0 << QStringLiteral("108");
    QTest::newRow("point, decimals") << point << 100.995 << QStringLiteral("100.995");
    QTest::newRow("comma, decimals") << comma << 7.5 << QStringLiteral("7,5");
    QTest::newRow("point, no grouping") << point << 1234567.25 << QStringLiteral("1234567.25");
    QTest::newRow("comma, no grouping") << comma << 1234567.25 << QStringLiteral("1234567,25");
    QTest::newRow("point, 15 significant digits")
        << point << 20.0 / 24.0 << QStringLiteral("0.833333333333333");
    QTest::newRow("comma, 15 significant digits")
        << comma << 20.0 / 24.0 << QStringLiteral("0,833333333333333");
    QTest::newRow("point, binary noise hidden") << point << 0.1 + 0.2 << QStringLiteral("0.3");
    QTest::newRow("negative zero") << point << -0.0 << QStringLiteral("0");
    QTest::newRow("comma, negative zero") << comma << -0.0 << QStringLiteral("0");
    QTest::newRow("negative") << point << -36.0 << QStringLiteral("-36");
    QTest::newRow("largest without exponent")
        << point << 999999999999999.0 << QStringLiteral("999999999999999");
}

void TestFieldValues::writeNumber() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FieldValues::writeNumber(value, locale), text);
}

void TestFieldValues::writeThenReadIsTheSameNumber_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    const auto values =
        std::to_array({0.25, 1e15, 1.5e20, -3.25e-7, 123456.789012345, 5e-324, 1.7e308});
    for (const double v : values) {
        QTest::addRow("point, %g", v) << point << v;
        QTest::addRow("comma, %g", v) << comma << v;
    }
}

// Calculations read back what they wrote, so every written text must read as a number, and
// as the number written to 15 significant digits.
void TestFieldValues::writeThenReadIsTheSameNumber() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    const QString text = FieldValues::writeNumber(value, locale);
    const auto read = FieldValues::readNumber(text, locale);
    QVERIFY2(read.has_value(), qPrintable(text));
    QVERIFY2(std::abs(*read - value) <= std::abs(value) * 1e-14, qPrintable(text));
}

void TestFieldValues::round2_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("half down to even") << 0.125 << 0.12;
    QTest::newRow("half up to even") << 0.375 << 0.38;
    QTest::newRow("shown as a tie, binary below") << 2.675 << 2.68;
    QTest::newRow("shown as a tie, to even below") << 2.665 << 2.66;
    QTest::newRow("1.005 is a tie to 1.00") << 1.005 << 1.0;
    QTest::newRow("above half") << 53.4075 << 53.41;
    QTest::newRow("negative tie") << -0.125 << -0.12;
    QTest::newRow("negative above half") << -1.236 << -1.24;
    QTest::newRow("carry into whole") << 9.995 << 10.0;
    QTest::newRow("carry through") << 99.999 << 100.0;
    QTest::newRow("tiny to zero") << 0.004 << 0.0;
    QTest::newRow("half of the last place to even zero") << 0.005 << 0.0;
    QTest::newRow("just above a tie at 15 digits") << 0.12500000000001 << 0.13;
    QTest::newRow("below 15 digits is noise") << 0.1250000000000001 << 0.12;
    QTest::newRow("already two decimals") << 44.78 << 44.78;
    QTest::newRow("large") << 1e20 << 1e20;
}

void TestFieldValues::round2() {
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(FieldValues::round2(value), rounded);
}

void TestFieldValues::truncateGoesTowardsZero_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("whole");
    QTest::newRow("positive") << 1.59 << 1.0;
    QTest::newRow("negative") << -1.59 << -1.0;
    QTest::newRow("below one") << 0.99 << 0.0;
}

void TestFieldValues::truncateGoesTowardsZero() {
    QFETCH(double, value);
    QFETCH(double, whole);
    QCOMPARE(truncate(value), whole);
}

QTEST_GUILESS_MAIN(TestFieldValues)
#include "tst_fieldvalues.moc"
