// The choices the tools keep: written and read back the same, and a value a hand edit spoiled,
// or a set that breaks its tool's rules, giving that tool's defaults whole.

#include "app/keptchoices.h"

#include <QTemporaryDir>
#include <QTest>

class TestKeptChoices : public QObject {
    Q_OBJECT

private slots:
    void keptThenReadBack();
    void spoiledValueGivesTheDefaults_data();
    void spoiledValueGivesTheDefaults();

private:
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("zorvandi.conf")); }
    QTemporaryDir m_dir;
};

void TestKeptChoices::keptThenReadBack() {
    WireGauge gauge{25, 3.2};
    RatingInputs rating;
    rating.given = LoadGiven::InputPower;
    rating.load = 2.2;
    rating.casting = Casting::CentrifugallyCast;
    rating.fan = true;
    DesignAsk design;
    design.modules = {4};
    design.starts = {1, 2};
    design.worms = WormChoice::StandardWorms;
    design.n1 = 1450;
    CatalogueAsk catalogue;
    catalogue.housings = {63, 100};
    catalogue.design.profileAngle = 25;
    catalogue.fan = true;
    SelectionAsk selection;
    selection.motors = motorsOf({0.37, 1.5}, 2);
    selection.leastFactor = 1.25;
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        KeptChoices::keep(settings, gauge);
        KeptChoices::keep(settings, rating);
        KeptChoices::keep(settings, design);
        KeptChoices::keep(settings, catalogue);
        KeptChoices::keep(settings, selection);
    }

    const QSettings settings(settingsPath(), QSettings::IniFormat);
    QCOMPARE(KeptChoices::gauge(settings), gauge);
    QVERIFY(KeptChoices::ratingInputs(settings) == rating);
    const DesignAsk readDesign = KeptChoices::designAsk(settings, false);
    QCOMPARE(readDesign.modules, design.modules);
    QCOMPARE(readDesign.starts, design.starts);
    QCOMPARE(readDesign.worms, design.worms);
    QCOMPARE(readDesign.n1, design.n1);
    const CatalogueAsk readCatalogue = KeptChoices::catalogueAsk(settings, false);
    QCOMPARE(readCatalogue.housings, catalogue.housings);
    QCOMPARE(readCatalogue.design.profileAngle, 25.0);
    QVERIFY(readCatalogue.fan);
    const SelectionAsk readSelection = KeptChoices::selectionAsk(settings);
    QCOMPARE(readSelection.motors, selection.motors);
    QCOMPARE(readSelection.motors.constFirst().speed, 2800.0);
    QCOMPARE(readSelection.leastFactor, 1.25);
}

void TestKeptChoices::spoiledValueGivesTheDefaults_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("α beyond any hob")
        << QStringLiteral("turner/profileAngle") << QStringLiteral("45");
    QTest::newRow("a wire that is a word")
        << QStringLiteral("turner/wire") << QStringLiteral("kalın");
    QTest::newRow("a service factor below 1")
        << QStringLiteral("rating/serviceFactor") << QStringLiteral("0.5");
    QTest::newRow("a fourth casting") << QStringLiteral("rating/casting") << QStringLiteral("3");
    QTest::newRow("a module that is a word")
        << QStringLiteral("design/modules") << QStringLiteral("dört");
    QTest::newRow("a way of choosing worms that is none")
        << QStringLiteral("design/worms") << QStringLiteral("7");
    QTest::newRow("a housing below zero")
        << QStringLiteral("catalogue/housings") << QStringLiteral("-63");
    QTest::newRow("an oil limit below the ambient")
        << QStringLiteral("catalogue/sumpLimit") << QStringLiteral("10");
    QTest::newRow("a motor of five poles")
        << QStringLiteral("selection/poles") << QStringLiteral("5");
}

// Every tool's choices are kept, then one value is spoiled: its tool starts from its defaults,
// the others from what they kept.
void TestKeptChoices::spoiledValueGivesTheDefaults() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    const WireGauge gauge{25, 3.2};
    RatingInputs rating;
    rating.serviceFactor = 1.5;
    rating.casting = Casting::StaticChillCast;
    DesignAsk design;
    design.modules = {4};
    CatalogueAsk catalogue;
    catalogue.housings = {63};
    catalogue.sumpLimit = 80;
    SelectionAsk selection;
    selection.leastFactor = 0.8;
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.clear();
    KeptChoices::keep(settings, selection);
    KeptChoices::keep(settings, gauge);
    KeptChoices::keep(settings, rating);
    KeptChoices::keep(settings, design);
    KeptChoices::keep(settings, catalogue);

    settings.setValue(key, value);

    const QString tool = key.section(QLatin1Char('/'), 0, 0);
    QCOMPARE(KeptChoices::gauge(settings) == WireGauge{}, tool == QStringLiteral("turner"));
    QCOMPARE(KeptChoices::ratingInputs(settings) == RatingInputs{},
             tool == QStringLiteral("rating"));
    QCOMPARE(KeptChoices::designAsk(settings, false).modules == DesignAsk{}.modules,
             tool == QStringLiteral("design"));
    QCOMPARE(KeptChoices::catalogueAsk(settings, false).housings == CatalogueAsk{}.housings,
             tool == QStringLiteral("catalogue"));
    QCOMPARE(KeptChoices::selectionAsk(settings).leastFactor == SelectionAsk{}.leastFactor,
             tool == QStringLiteral("selection"));
}

QTEST_GUILESS_MAIN(TestKeptChoices)
#include "tst_keptchoices.moc"
