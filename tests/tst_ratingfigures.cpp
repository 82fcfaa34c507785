// The rating: Mott's worked example to his digits, each published fit on both sides of its
// range boundaries, the wheel that can or cannot drive the worm, the warnings for a fit used
// outside its range, and the torque and the power given agreeing.

#include "calc/rating.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

constexpr double newtonsPerPound = 4.4482216152605;
constexpr double metresPerSecondPerFtMin = 0.3048 / 60;

// Mott, chapter 10: a diametral pitch of 6, three starts, 52 teeth, DW 2,000 in, nW 1750.
DriveGeometry mottsDrive() {
    DriveGeometry g;
    g.module = 25.4 / 6;
    g.starts = 3;
    g.teeth = 52;
    g.d1 = 2 * 25.4;
    g.d2 = 52 * g.module;
    g.centreDistance = (g.d1 + g.d2) / 2;
    g.faceWidth = 30;
    g.n1 = 1750;
    return g;
}

RatingInputs mottsLoad() {
    RatingInputs in;
    in.load = 4168 * 0.0254 * newtonsPerPound; // TG 4168 lb·in, in N·m
    in.friction = 0.022;                       // his, read off a chart
    return in;
}

// A worm of q = d1 ÷ m at m 4 and 1450 d/dk.
DriveGeometry drive(int starts, double teeth, double q) {
    DriveGeometry g;
    g.module = 4;
    g.starts = starts;
    g.teeth = teeth;
    g.d1 = q * 4;
    g.d2 = teeth * 4;
    g.centreDistance = (g.d1 + g.d2) / 2;
    g.faceWidth = 0.7 * g.d1;
    g.n1 = 1450;
    return g;
}

} // namespace

Q_DECLARE_METATYPE(RatingFigureId)
Q_DECLARE_METATYPE(Casting)
Q_DECLARE_METATYPE(FieldId)
Q_DECLARE_METATYPE(RatedLimit)

class TestRatingFigures : public QObject {
    Q_OBJECT

private slots:
    void meetsMottsExample_data();
    void meetsMottsExample();
    void fitsOnBothSidesOfTheirBoundaries_data();
    void fitsOnBothSidesOfTheirBoundaries();
    void wheelDrivingTheWorm_data();
    void wheelDrivingTheWorm();
    void fitOutsideItsRangeIsWarned();
    void torqueGivenAndPowerGivenAgree();
    void refusesWhatItCannotRate_data();
    void refusesWhatItCannotRate();
    void serviceFactorStartsAtOne();
    void wormSizeWindowByHand_data();
    void wormSizeWindowByHand();
    void bendingMeetsMottsExample();
    void deflectionByHand();
    void ratedTorqueIsTheLeast_data();
    void ratedTorqueIsTheLeast();
};

// Each figure he states, in the program's units, to his last digit: within one unit of it,
// since he carries rounded figures from step to step (λ 14,04°, φn 19,45° and WtG 962 lb give
// his WxG 264,56 lb, where the unrounded chain gives 264,45).
void TestRatingFigures::meetsMottsExample_data() {
    QTest::addColumn<RatingFigureId>("figure");
    QTest::addColumn<double>("stated");
    QTest::addColumn<double>("digit");
    const double lb = newtonsPerPound;
    const double ftMin = metresPerSecondPerFtMin;
    const double hp = 0.745699872;
    QTest::newRow("λ 14,04°") << RatingFigureId::LeadAngle << 14.04 << 0.01;
    QTest::newRow("φn 19,45°") << RatingFigureId::NormalPressureAngle << 19.45 << 0.01;
    QTest::newRow("WtG 962 lb") << RatingFigureId::WheelTangentialForce << 962 * lb << lb;
    QTest::newRow("vtG 229 ft/min") << RatingFigureId::WheelPitchLineSpeed << 229 * ftMin << ftMin;
    QTest::newRow("Vs 944 ft/min") << RatingFigureId::SlidingSpeed << 944 * ftMin << ftMin;
    QTest::newRow("WxG 265 lb") << RatingFigureId::WormTangentialForce << 265 * lb << lb;
    QTest::newRow("WrG 352 lb") << RatingFigureId::SeparatingForce << 352 * lb << lb;
    QTest::newRow("output 6,68 hp") << RatingFigureId::OutputPower << 6.68 * hp << 0.01 * hp;
    QTest::newRow("efficiency 0,909") << RatingFigureId::Efficiency << 90.9 << 0.1;
}

void TestRatingFigures::meetsMottsExample() {
    QFETCH(RatingFigureId, figure);
    QFETCH(double, stated);
    QFETCH(double, digit);

    const DriveRating r = rateDrive(mottsDrive(), mottsLoad());

    const auto value = r.find(figure);
    QVERIFY(value);
    QVERIFY2(std::abs(*value - stated) <= digit,
             qPrintable(QStringLiteral("%1 against %2").arg(*value).arg(stated)));
    // Without his chart's value, the AGMA fit gives 0,0213 at his 944 ft/min.
    RatingInputs fitted = mottsLoad();
    fitted.friction.reset();
    QCOMPARE(std::round(*rateDrive(mottsDrive(), fitted).find(RatingFigureId::Friction) * 1e4),
             213.0);
}

void TestRatingFigures::fitsOnBothSidesOfTheirBoundaries_data() {
    QTest::addColumn<QString>("fit");
    QTest::addColumn<double>("x");        // Vs in ft/min, the ratio, or C in inches
    QTest::addColumn<double>("wheel");    // dG in inches, for Cs
    QTest::addColumn<Casting>("casting"); // for Cs
    QTest::addColumn<double>("expected"); // from the published fit, worked apart
    const auto row = [](const char* name, const char* fit, double x, double expected,
                        double wheel = 0, Casting casting = Casting::SandCast) {
        QTest::newRow(name) << QString::fromLatin1(fit) << x << wheel << casting << expected;
    };
    row("f at standstill", "f", 0, 0.15);
    row("f just above standstill", "f", 1e-9, 0.123999986);
    row("f at 10 ft/min", "f", 10, 0.0894356556);
    row("f above 10 ft/min", "f", 10.000001, 0.0875433642);
    row("Cm at ratio 20", "Cm", 20, 0.82);
    row("Cm above ratio 20", "Cm", 20.0001, 0.8194412933);
    row("Cm at ratio 76", "Cm", 76, 0.6442253100);
    row("Cm above ratio 76", "Cm", 76.0001, 0.6482193420);
    row("Cv below 700 ft/min", "Cv", 699.999, 0.3051259477);
    row("Cv at 700 ft/min", "Cv", 700, 0.3159563402);
    row("Cv below 3000 ft/min", "Cv", 2999.999, 0.1376391246);
    row("Cv at 3000 ft/min", "Cv", 3000, 0.1333773356);
    row("Cs at C 3 in, its own rule", "Cs", 3, 999.99, 2);
    row("Cs sand cast above C 3 in, dG 2,5 in", "Cs", 3.01, 1000, 2.5);
    row("Cs sand cast, dG above 2,5 in", "Cs", 3.01, 992.0577130, 2.6);
    row("Cs chill cast, dG 8 in", "Cs", 5, 1000, 8, Casting::StaticChillCast);
    row("Cs chill cast, dG above 8 in", "Cs", 5, 997.7308314, 8.1, Casting::StaticChillCast);
    row("Cs centrifugal, dG 25 in", "Cs", 14, 1000, 25, Casting::CentrifugallyCast);
    row("Cs centrifugal, dG above 25 in", "Cs", 14, 999.0587301, 25.1, Casting::CentrifugallyCast);
}

void TestRatingFigures::fitsOnBothSidesOfTheirBoundaries() {
    QFETCH(QString, fit);
    QFETCH(double, x);
    QFETCH(double, wheel);
    QFETCH(Casting, casting);
    QFETCH(double, expected);

    double value = 0;
    if (fit == QLatin1String("f")) {
        value = Agma::friction(x);
    } else if (fit == QLatin1String("Cm")) {
        value = Agma::ratioFactor(x).value_or(-1);
    } else if (fit == QLatin1String("Cv")) {
        value = Agma::velocityFactor(x);
    } else {
        value = Agma::materialsFactor(casting, x, wheel);
    }

    QVERIFY2(std::abs(value - expected) <= 1e-8 * std::max(1.0, expected),
             qPrintable(QString::number(value, 'g', 12)));
}

// One start at q 20 (γ 2,86°) cannot be driven back at f 0,06; four starts at q 10 (γ 21,8°)
// can, at 0,03.
void TestRatingFigures::wheelDrivingTheWorm_data() {
    QTest::addColumn<int>("starts");
    QTest::addColumn<double>("q");
    QTest::addColumn<double>("friction");
    QTest::addColumn<bool>("drivesBack");
    QTest::newRow("η′ ≤ 0: one start, q 20, f 0,06") << 1 << 20.0 << 0.06 << false;
    QTest::newRow("η′ > 0: four starts, q 10, f 0,03") << 4 << 10.0 << 0.03 << true;
}

void TestRatingFigures::wheelDrivingTheWorm() {
    QFETCH(int, starts);
    QFETCH(double, q);
    QFETCH(double, friction);
    QFETCH(bool, drivesBack);
    RatingInputs in;
    in.friction = friction;

    const DriveRating r = rateDrive(drive(starts, 40, q), in);

    QCOMPARE(*r.find(RatingFigureId::BackEfficiency) > 0, drivesBack);
    QCOMPARE(r.has(RatingWarningKind::WheelCannotDrive), !drivesBack);
    if (!drivesBack) {
        const QString text = ratingWarningText(r.warnings.constLast(), QLocale::c());
        QVERIFY2(text.contains(QStringLiteral("titreşim")), qPrintable(text));
    }
}

// A ratio of 3 and a sliding speed beyond the table: the figures stand, each with its warning.
void TestRatingFigures::fitOutsideItsRangeIsWarned() {
    const DriveRating atThree = rateDrive(drive(2, 6, 10), {});
    QVERIFY(atThree.has(RatingWarningKind::RatioBelowFit));
    QVERIFY(atThree.find(RatingFigureId::RatioFactor));
    QVERIFY(!rateDrive(drive(2, 7, 10), {}).has(RatingWarningKind::RatioBelowFit));

    DriveGeometry fast = drive(1, 40, 20);
    fast.n1 = 8000; // vs 33,5 m/s
    const DriveRating r = rateDrive(fast, {});
    QVERIFY(r.has(RatingWarningKind::SlidingBeyondTable));
    QVERIFY(r.find(RatingFigureId::VelocityFactor));
    fast.n1 = 7000; // vs 29,3 m/s
    QVERIFY(!rateDrive(fast, {}).has(RatingWarningKind::SlidingBeyondTable));
}

void TestRatingFigures::torqueGivenAndPowerGivenAgree() {
    RatingInputs torque;
    torque.load = 300;
    const DriveRating byTorque = rateDrive(drive(2, 41, 11), torque);
    RatingInputs power;
    power.given = LoadGiven::InputPower;
    power.load = byTorque.find(RatingFigureId::InputPower);

    const DriveRating byPower = rateDrive(drive(2, 41, 11), power);

    QCOMPARE(byTorque.figures.size(), byPower.figures.size());
    for (int i = 0; i < byTorque.figures.size(); ++i) {
        QCOMPARE(byPower.figures.at(i).id, byTorque.figures.at(i).id);
        QCOMPARE(byPower.figures.at(i).value, byTorque.figures.at(i).value);
    }
}

// A drive whose sizes each read but whose figures overflow or vanish is refused, naming the
// field of the most extreme size, before any figure reaches a window or a sheet.
void TestRatingFigures::refusesWhatItCannotRate_data() {
    QTest::addColumn<QString>("teeth");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<QString>("centres");
    QTest::addColumn<FieldId>("named");
    QTest::newRow("a wheel of 3e300 mm") << "1e300"
                                         << "3e300"
                                         << "1.5e300" << FieldId::d2_t;
    QTest::newRow("a plain drive") << "36"
                                   << "108"
                                   << "84" << FieldId{};
}

void TestRatingFigures::refusesWhatItCannotRate() {
    QFETCH(QString, teeth);
    QFETCH(QString, d2);
    QFETCH(QString, centres);
    QFETCH(FieldId, named);
    FieldTexts texts{};
    const auto set = [&texts](FieldId f, const QString& t) { texts.at(indexOf(f)) = t; };
    set(FieldId::m_t, QStringLiteral("3"));
    set(FieldId::Z2_t, teeth);
    set(FieldId::z1_t, QStringLiteral("1"));
    set(FieldId::N1_t, QStringLiteral("1440"));
    set(FieldId::d1_t, QStringLiteral("60"));
    set(FieldId::d2_t, d2);
    set(FieldId::A_t, centres);
    set(FieldId::ba_t, QStringLiteral("45"));
    set(FieldId::df1_t, QStringLiteral("47"));
    set(FieldId::L_t, QStringLiteral("42"));

    const auto rated = rateFields(texts, QLocale::c(), 20, {});

    if (named == FieldId{}) {
        QVERIFY(std::holds_alternative<DriveRating>(rated));
        return;
    }
    QVERIFY(std::holds_alternative<Fault>(rated));
    QCOMPARE(std::get<Fault>(rated).field, named);
    QCOMPARE(std::get<Fault>(rated).kind, FaultKind::OutOfScale);
}

void TestRatingFigures::serviceFactorStartsAtOne() {
    RatingInputs in;
    in.serviceFactor = 0.9;
    QCOMPARE(firstInvalid(in), std::optional{RatingInput::ServiceFactor});
    in.serviceFactor = 1;
    QCOMPARE(firstInvalid(in), std::nullopt);
}

QTEST_GUILESS_MAIN(TestRatingFigures)
// Shigley's Eq. 15-27 worked in inches: C = a ÷ 25,4; C^0,875 ÷ 3 and ÷ 1,6, back in mm.
// 63 mm: C = 2,48031, C^0,875 = 2,21404: 0,73801 in and 1,38378 in.
// 100 mm: C = 3,93701, C^0,875 = 3,31719: 1,10573 in and 2,07325 in.
void TestRatingFigures::wormSizeWindowByHand_data() {
    QTest::addColumn<double>("housing");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("63 mm") << 63.0 << 18.746 << 35.149;
    QTest::newRow("100 mm") << 100.0 << 28.086 << 52.660;
}

void TestRatingFigures::wormSizeWindowByHand() {
    QFETCH(double, housing);
    QFETCH(double, low);
    QFETCH(double, high);
    const ValueRange window = wormSizeWindow(housing);
    QVERIFY2(std::abs(window.low - low) < 0.001, qPrintable(QString::number(window.low)));
    QVERIFY2(std::abs(window.high - high) < 0.001, qPrintable(QString::number(window.high)));
}

// Mott, Example Problem 10-8: W = 1145 lb on a face of 1,25 in at pn = 0,508 in with y = 0,125
// gives σ = 14 430 psi. The drive is his, αx chosen so that αn is just above 20°.
void TestRatingFigures::bendingMeetsMottsExample() {
    DriveGeometry g = mottsDrive();
    g.faceWidth = 1.25 * 25.4;
    g.profileAngle = 20.6;
    g.rootDiameter = 40;
    g.wormLength = 60;
    RatingInputs in;
    in.load = 1145 * newtonsPerPound * g.d2 / 2000;
    in.bendingAllowable = 120;
    const DriveRating r = rateDrive(g, in);
    QCOMPARE(*r.find(RatingFigureId::LewisFactor), 0.125);
    QVERIFY(std::abs(*r.find(RatingFigureId::NormalPitch) / 25.4 - 0.508) < 0.0005);
    const double psi = *r.find(RatingFigureId::BendingStress) / 0.00689475729;
    QVERIFY2(std::abs(psi / 14430 - 1) < 0.001, qPrintable(QString::number(psi)));
    // The limit's torque is where σ reaches σall.
    const double ratio = *r.find(RatingFigureId::BendingRatio);
    QVERIFY(std::abs(*r.find(RatingFigureId::BendingTorque) * ratio / *in.load - 1) < 1e-12);
}

// m 4, z1 2, d1 40, d2 160, f 0,05: γ = 11,3099°, αn = 19,6416°; T2 400 N·m gives Wt2 5000 N,
// Wt1 = 1279,03 N, Wr = 1839,38 N, F = 2240,36 N. df1 30: I = π·30⁴ ÷ 64 = 39 760,8 mm⁴; L 60:
// l = 150 mm; y = 2240,36 · 150³ ÷ (48 · 207 000 · 39 760,8) = 0,019139 mm against 0,004 · 4 =
// 0,016 mm hardened, so 400 · 0,016 ÷ 0,019139 = 334,39 N·m is the torque at the allowable.
void TestRatingFigures::deflectionByHand() {
    DriveGeometry g = drive(2, 40, 10);
    g.d2 = 160;
    g.centreDistance = 100;
    g.rootDiameter = 30;
    g.wormLength = 60;
    RatingInputs in;
    in.load = 400;
    in.friction = 0.05;
    const DriveRating r = rateDrive(g, in);
    const auto near = [&r](RatingFigureId id, double expected, double tolerance) {
        const double got = *r.find(id);
        return std::abs(got - expected) <= tolerance;
    };
    QVERIFY(near(RatingFigureId::ShaftForce, 2240.36, 0.01));
    QVERIFY(near(RatingFigureId::BearingSpan, 150, 1e-12));
    QVERIFY(near(RatingFigureId::SecondMoment, 39760.8, 0.1));
    QVERIFY(near(RatingFigureId::Deflection, 0.019139, 1e-6));
    QVERIFY(near(RatingFigureId::AllowableDeflection, 0.016, 1e-12));
    QVERIFY(near(RatingFigureId::DeflectionTorque, 334.39, 0.01));
    in.hardenedWorm = false;
    QVERIFY(std::abs(*rateDrive(g, in).find(RatingFigureId::AllowableDeflection) - 0.04) < 1e-12);
}

// Each limit governs once: the surface with a stiff worm and no bending allowable, the bending
// with a weak bronze, the shaft between bearings set far apart; the rated torque is that limit's.
void TestRatingFigures::ratedTorqueIsTheLeast_data() {
    QTest::addColumn<std::optional<double>>("allowable");
    QTest::addColumn<double>("span");
    QTest::addColumn<RatedLimit>("governs");
    QTest::addColumn<RatingFigureId>("limit");
    QTest::newRow("surface") << std::optional<double>() << 100.0 << RatedLimit::Surface
                             << RatingFigureId::SurfaceTorque;
    QTest::newRow("bending") << std::optional(5.0) << 100.0 << RatedLimit::Bending
                             << RatingFigureId::BendingTorque;
    QTest::newRow("deflection") << std::optional<double>() << 1000.0 << RatedLimit::Deflection
                                << RatingFigureId::DeflectionTorque;
}

void TestRatingFigures::ratedTorqueIsTheLeast() {
    QFETCH(std::optional<double>, allowable);
    QFETCH(double, span);
    QFETCH(RatedLimit, governs);
    QFETCH(RatingFigureId, limit);
    DriveGeometry g = drive(2, 40, 10);
    g.rootDiameter = 30;
    g.wormLength = 60;
    RatingInputs in;
    in.bendingAllowable = allowable;
    in.bearingSpan = span;
    in.load = 1;
    const DriveRating r = rateDrive(g, in);
    QCOMPARE(r.governs, std::optional(governs));
    QCOMPARE(*r.find(RatingFigureId::RatedTorque), *r.find(limit));
    in.load = 2 * *r.find(limit);
    const DriveRating over = rateDrive(g, in);
    QVERIFY(over.has(RatingWarningKind::BelowServiceFactor));
    QCOMPARE(over.warnings.constLast().governs, governs);
}

#include "tst_ratingfigures.moc"
