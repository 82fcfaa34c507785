#include "calc/turnerfigures.h"
#include "flow/workflow.h"

#include "formtesting.h"

#include <QTest>

#include <cmath>
#include <numbers>
#include <tuple>

namespace {

// The first section run for m (3 unless given), da1 and Z2 as given, z1 as given, and N1 1440; then
// `edits`
// ("field=text") typed over its results, as a user edits them by hand.
struct Job {
    Job(const QString& da1, const QString& z2, const QString& z1, const QStringList& edits = {},
        const QString& m = QStringLiteral("3")) {
        form.Form_Load();
        form.setText(FieldId::m_t, m);
        form.setText(FieldId::Z2_t, z2);
        form.setText(FieldId::da1_t, da1);
        form.setText(FieldId::z1_t, z1);
        form.setText(FieldId::N1_t, QStringLiteral("1440"));
        flow.click(ButtonId::HESAPLA);
        for (const QString& edit : edits) {
            const QString name = edit.section(QLatin1Char('='), 0, 0);
            form.setText(*fieldNamed(name), edit.section(QLatin1Char('='), 1));
        }
    }
    RecordingSink sink;
    FormState form{point, sink};
    Workflow flow{form};
};

QString s(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

Q_DECLARE_METATYPE(FigureId)

class TestTurnerFigures : public QObject {
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void warnings_data();
    void warnings();
    void wireContact_data();
    void wireContact();
    void wireOutsideTheFlanksIsRefused();
    void steepThreadHoldsTheWireInside_data();
    void steepThreadHoldsTheWireInside();
    void thinnedThreadBoundsM_data();
    void thinnedThreadBoundsM();
    void thinningUpToHalfTheThread();
};

void TestTurnerFigures::figures_data() {
    QTest::addColumn<QString>("da1");
    QTest::addColumn<QString>("z2");
    QTest::addColumn<QString>("z1");
    QTest::addColumn<double>("wire"); // 0: the best wire
    QTest::addColumn<FigureId>("figure");
    QTest::addColumn<QString>("value"); // to 0.001 mm
    const auto row = [](const char* name, const char* da1, const char* z1, FigureId id,
                        const char* value, double wire = 0) {
        QTest::newRow(name) << QString::fromUtf8(da1) << QStringLiteral("36")
                            << QString::fromUtf8(z1) << wire << id << QString::fromUtf8(value);
    };
    row("rk, d1 ÷ 2 − m", "66", "1", FigureId::ThroatRadius, "27.000");
    row("de2, one start: + 2m", "66", "1", FigureId::OuterDiameter, "120.000");
    row("de2, two starts: + 1,5m", "66", "2", FigureId::OuterDiameter, "118.500");
    row("de2, four starts: + m", "66", "4", FigureId::OuterDiameter, "117.000");
    row("de2, six starts", "66", "6", FigureId::OuterDiameter, "116.250");
    row("b2, one start", "66", "1", FigureId::FaceWidth, "49.500");
    row("b2, two starts", "66", "2", FigureId::FaceWidth, "49.500");
    row("b2, four starts", "66", "4", FigureId::FaceWidth, "44.220");
    row("b2, six starts", "66", "6", FigureId::FaceWidth, "44.220");
    row("b1, one start", "66", "1", FigureId::WormLength, "39.480");
    row("b1, two starts", "66", "2", FigureId::WormLength, "39.480");
    row("b1, four starts", "66", "4", FigureId::WormLength, "47.220");
    row("b1, six starts", "66", "6", FigureId::WormLength, "47.220");
    row("px with the full π", "66", "1", FigureId::AxialPitch, "9.425");
    row("sx", "66", "1", FigureId::AxialThickness, "4.712");
    row("chordal thickness", "66", "1", FigureId::ChordalThickness, "4.707");
    row("chordal height", "66", "1", FigureId::ChordalHeight, "3.000");
    // On the normal section: 3,5 µm and 13 µm below the axial section's figure.
    row("chordal height, four starts on d1 30", "36", "4", FigureId::ChordalHeight, "3.022");
    row("chordal height, six starts on d1 30", "36", "6", FigureId::ChordalHeight, "3.036");
    row("best wire", "50", "2", FigureId::BestWire, "5.015");
    row("over the best wire", "50", "2", FigureId::OverWires, "50.850");
    row("over a 5 mm wire", "50", "2", FigureId::OverWires, "50.791", 5);
}

void TestTurnerFigures::figures() {
    QFETCH(QString, da1);
    QFETCH(QString, z2);
    QFETCH(QString, z1);
    QFETCH(double, wire);
    QFETCH(FigureId, figure);
    QFETCH(QString, value);
    const Job job(da1, z2, z1);
    const WireGauge gauge{20, wire > 0 ? std::optional(wire) : std::nullopt};

    const auto made = turnerFigures(job.form, gauge);

    QVERIFY(std::holds_alternative<TurnerFigures>(made));
    QCOMPARE(micrometerText(std::get<TurnerFigures>(made).value(figure), point), value);
}

void TestTurnerFigures::warnings_data() {
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QString>("first"); // the first warning's words
    using W = WarningKind;
    QTest::newRow("the shop's formulas") << QStringList{} << QList<int>{} << QString();
    QTest::newRow("ba above b2") << QStringList{"ba_t=60"}
                                 << QList<int>{int(W::FaceWidthAboveLimit)}
                                 << "Dişli genişliği ba = 60.000 mm, en büyük b2 = 49.500 mm'den "
                                    "büyük.";
    QTest::newRow("L below b1") << QStringList{"L_t=30"} << QList<int>{int(W::WormShorterThanLimit)}
                                << "Vida boyu L = 30.000 mm, en kısa b1 = 39.480 mm'den kısa.";
    QTest::newRow("A below da2 ÷ 2: no throat, no clearance")
        << QStringList{"A_t=50"}
        << QList<int>{int(W::NoThroat), int(W::WheelBottomClearance), int(W::WormBottomClearance)}
        << "Boğaz yarıçapı rk = -7.000 mm, 0.000 mm'den büyük değil.";
    QTest::newRow("the wheel's root too large")
        << QStringList{"df2_t=110"} << QList<int>{int(W::WheelBottomClearance)}
        << "Dişlinin diş dibi boşluğu A − da1 ÷ 2 − df2 ÷ 2 = -4.000 mm, 0.000 mm'den büyük "
           "değil.";
    QTest::newRow("the worm's root too large")
        << QStringList{"df1_t=60"} << QList<int>{int(W::WormBottomClearance)}
        << "Vidanın diş dibi boşluğu A − da2 ÷ 2 − df1 ÷ 2 = -3.000 mm, 0.000 mm'den büyük "
           "değil.";
}

// Hand-edited results against the blank's limits: a warning names both numbers, none refuses.
void TestTurnerFigures::warnings() {
    QFETCH(QStringList, edits);
    QFETCH(QList<int>, kinds);
    QFETCH(QString, first);
    const Job job(QStringLiteral("66"), QStringLiteral("36"), QStringLiteral("1"), edits);

    const auto made = turnerFigures(job.form, {});

    const auto& t = std::get<TurnerFigures>(made);
    QList<int> got;
    for (const BlankWarning& w : t.warnings) {
        got.append(int(w.kind));
    }
    QCOMPARE(got, kinds);
    if (!t.warnings.isEmpty()) {
        QCOMPARE(warningText(t.warnings.constFirst(), point), first);
    }
}

// The Machinery's Handbook series for M with its lead-angle term.
double handbookM(double m, int z1, double d1, double alpha, double wire) {
    const double sx = std::numbers::pi * m / 2;
    const double tanGamma = z1 * m / d1;
    return d1 - sx / std::tan(alpha) + wire * (1 + 1 / std::sin(alpha)) +
           wire / 2 * tanGamma * tanGamma * std::cos(alpha) / std::tan(alpha);
}

void TestTurnerFigures::wireContact_data() {
    QTest::addColumn<double>("module");
    QTest::addColumn<int>("starts");
    QTest::addColumn<double>("d1");
    QTest::addColumn<double>("wire"); // 0: the best wire
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("within"); // mm
    // Below 5° the handbook's series is as good as exact for wires that touch near d1, where
    // its lead-angle term assumes the contact.
    QTest::newRow("γ 2,9°, the handbook") << 3.0 << 1 << 60.0 << 0.0 << -1.0 << 0.0005;
    QTest::newRow("γ 3,8°, the handbook") << 4.0 << 1 << 60.0 << 0.0 << -1.0 << 0.0005;
    QTest::newRow("γ 3,8°, a 7 mm wire, the handbook") << 4.0 << 1 << 60.0 << 7.0 << -1.0 << 0.0005;
    QTest::newRow("γ 4,8°, the handbook") << 5.0 << 1 << 60.0 << 0.0 << -1.0 << 0.0005;
    // Above 20°, a separate solve of the same contact (a Python program written apart from this
    // one, with searches of its own) gives 37,75906 mm, 6,7 µm below the handbook's series.
    QTest::newRow("γ 21,8°, a separate solve") << 3.0 << 4 << 30.0 << 0.0 << 37.75906 << 0.00002;
}

void TestTurnerFigures::wireContact() {
    QFETCH(double, module);
    QFETCH(int, starts);
    QFETCH(double, d1);
    QFETCH(double, wire);
    QFETCH(double, expected);
    QFETCH(double, within);
    const double alpha = 20 * std::numbers::pi / 180;
    const double w = wire > 0 ? wire : std::numbers::pi * module / (2 * std::cos(alpha));
    if (expected < 0) {
        expected = handbookM(module, starts, d1, alpha, w);
    }

    const WireContact contact = ::wireContact(module, starts * std::numbers::pi * module, d1, alpha,
                                              w, d1 - 2.4 * module, d1 + 2 * module);

    QVERIFY2(std::abs(contact.overWires - expected) <= within,
             qPrintable(QStringLiteral("M %1 against %2")
                            .arg(contact.overWires, 0, 'f', 6)
                            .arg(expected, 0, 'f', 6)));
    QVERIFY(contact.contact > d1 - 2.5 * module && contact.contact < d1 + 2 * module);
}

// A 40 mm wire on an m 10 worm rests on the tip edge, and so does the best wire at γ 31°: no M,
// and the wires that would touch the flanks are named.
void TestTurnerFigures::wireOutsideTheFlanksIsRefused() {
    for (const auto& [module, z2, z1, wire] :
         {std::tuple{QStringLiteral("10"), QStringLiteral("40"), QStringLiteral("1"), 40.0},
          std::tuple{QStringLiteral("3"), QStringLiteral("36"), QStringLiteral("6"), 0.0}}) {
        Job job(QStringLiteral("36"), z2, z1);
        job.form.setText(FieldId::m_t, module);
        job.form.setText(FieldId::da1_t, module == QStringLiteral("10") ? QStringLiteral("120")
                                                                        : QStringLiteral("36"));
        job.flow.click(ButtonId::HESAPLA);
        const WireGauge gauge{20, wire > 0 ? std::optional(wire) : std::nullopt};

        const auto made = turnerFigures(job.form, gauge);
        const auto& t = std::get<TurnerFigures>(made);

        QVERIFY(t.wireRefused.has_value());
        QCOMPARE(t.wireRefused->contact, t.wireRefused->tip);
        QCOMPARE(t.value(FigureId::OverWires), 0.0);
        QVERIFY(t.wireRefused->usable.has_value());
        const auto [smallest, largest] = *t.wireRefused->usable;
        QVERIFY(smallest < largest && (wire == 0 || largest < wire));
        const QString text = wireRefusalText(*t.wireRefused, point);
        QVERIFY2(text.contains(micrometerText(largest, point)), qPrintable(text));
    }
}

void TestTurnerFigures::steepThreadHoldsTheWireInside_data() {
    QTest::addColumn<double>("wire");
    QTest::addColumn<double>("overWires"); // 0: refused
    QTest::addColumn<double>("contact");
    QTest::newRow("3,831 mm: the solve's dc 28,476, M 33,1329") << 3.831 << 33.1329 << 28.476;
    QTest::newRow("the best wire, 4,066 mm, touches too") << 0.0 << -1.0 << -1.0;
    QTest::newRow("4,5 mm rests on the tip edge") << 4.5 << 0.0 << 0.0;
}

// m 2,5, Z2 40, da1 32,8, z1 5 (γ 24,2°) at a profile angle of 15°, against a solve of the same
// contact written apart from this program: the wire rests on both flanks inside the thread,
// and the wires that touch them run from 1,401 to 4,214 mm. The flank's continuation beyond the
// tip is no material and holds no wire up.
void TestTurnerFigures::steepThreadHoldsTheWireInside() {
    QFETCH(double, wire);
    QFETCH(double, overWires);
    QFETCH(double, contact);
    Job job(QStringLiteral("32.8"), QStringLiteral("40"), QStringLiteral("5"),
            {QStringLiteral("m_t=2.5")});
    job.flow.click(ButtonId::HESAPLA);
    const WireGauge gauge{15, wire > 0 ? std::optional(wire) : std::nullopt};

    const auto made = turnerFigures(job.form, gauge);
    const auto& t = std::get<TurnerFigures>(made);

    if (overWires == 0) {
        QVERIFY(t.wireRefused.has_value());
        QVERIFY(t.wireRefused->usable.has_value());
        QVERIFY2(std::abs(t.wireRefused->usable->first - 1.401) < 0.001 &&
                     std::abs(t.wireRefused->usable->second - 4.214) < 0.001,
                 qPrintable(QStringLiteral("%1 to %2")
                                .arg(t.wireRefused->usable->first)
                                .arg(t.wireRefused->usable->second)));
        return;
    }
    QVERIFY(!t.wireRefused.has_value());
    if (overWires > 0) {
        QVERIFY2(std::abs(t.value(FigureId::OverWires) - overWires) < 0.0001,
                 qPrintable(QString::number(t.value(FigureId::OverWires), 'f', 5)));
        QVERIFY2(std::abs(t.value(FigureId::ContactDiameter) - contact) < 0.001,
                 qPrintable(QString::number(t.value(FigureId::ContactDiameter), 'f', 4)));
    }
}

// M's limits over the thread thinned by the least and the most allowance. At a small lead angle
// M falls by Δs·cot α, as the handbooks have it; at 21,8° it falls more, and the separate solve
// quoted above gives the thinned figures (37,701404 and 37,615194 mm).
void TestTurnerFigures::thinnedThreadBoundsM_data() {
    QTest::addColumn<QString>("da1");
    QTest::addColumn<QString>("z1");
    QTest::addColumn<double>("least"); // µm
    QTest::addColumn<double>("most");
    QTest::addColumn<double>("upper"); // mm; below zero: M − least·cot α
    QTest::addColumn<double>("lower");
    QTest::addColumn<QString>("shown");
    QTest::newRow("γ 2,9°, 10 and 20 µm: the cot α estimate")
        << s("66") << s("1") << 10.0 << 20.0 << -1.0 << -1.0 << s("66.746 (−0.027 / −0.055)");
    QTest::newRow("γ 21,8°, 20 and 50 µm: the separate solve")
        << s("36") << s("4") << 20.0 << 50.0 << 37.701404 << 37.615194
        << s("37.759 (−0.058 / −0.144)");
}

void TestTurnerFigures::thinnedThreadBoundsM() {
    QFETCH(QString, da1);
    QFETCH(QString, z1);
    QFETCH(double, least);
    QFETCH(double, most);
    QFETCH(double, upper);
    QFETCH(double, lower);
    QFETCH(QString, shown);
    Job job(da1, s("36"), z1);
    WireGauge gauge;
    gauge.leastThinning = least;
    gauge.mostThinning = most;

    const auto t = std::get<TurnerFigures>(turnerFigures(job.form, gauge));

    QVERIFY(t.overWiresLimits);
    const double m = t.value(FigureId::OverWires);
    const double cotAlpha = 1 / std::tan(20 * std::numbers::pi / 180);
    if (upper < 0) {
        upper = m - least / 1000 * cotAlpha;
        lower = m - most / 1000 * cotAlpha;
    }
    QVERIFY2(std::abs(t.overWiresLimits->first - upper) < 2e-6 &&
                 std::abs(t.overWiresLimits->second - lower) < 2e-6,
             qPrintable(QStringLiteral("%1 / %2")
                            .arg(t.overWiresLimits->first, 0, 'f', 6)
                            .arg(t.overWiresLimits->second, 0, 'f', 6)));
    QCOMPARE(overWiresText(t, point), shown);
    // No allowance, no limits.
    QVERIFY(!std::get<TurnerFigures>(turnerFigures(job.form, WireGauge{})).overWiresLimits);
}

// A module-5 worm's real deviations are above a tenth of a millimetre (110 to 150 µm): M has its
// limits. At half of sx, π × 5 ÷ 4 mm = 3927 µm, no thread is left: only M's limits go.
void TestTurnerFigures::thinningUpToHalfTheThread() {
    Job job(s("110"), s("40"), s("1"), {}, s("5"));
    WireGauge gauge;
    gauge.leastThinning = 110;
    gauge.mostThinning = 150;

    auto t = std::get<TurnerFigures>(turnerFigures(job.form, gauge));

    QVERIFY(t.overWiresLimits && !t.thinningBeyond);
    QVERIFY(t.overWiresLimits->second < t.overWiresLimits->first);
    QVERIFY(t.overWiresLimits->first < t.value(FigureId::OverWires));

    gauge.mostThinning = 3927;
    t = std::get<TurnerFigures>(turnerFigures(job.form, gauge));

    QVERIFY(!t.overWiresLimits);
    QVERIFY(t.thinningBeyond && std::abs(*t.thinningBeyond - 3926.99) < 0.01);
    QVERIFY(t.value(FigureId::OverWires) > 0);
}

QTEST_GUILESS_MAIN(TestTurnerFigures)
#include "tst_turnerfigures.moc"
