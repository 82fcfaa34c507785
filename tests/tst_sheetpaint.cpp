#include "flow/workflow.h"
#include "paint/drivedrawing.h"
#include "paint/sheetpainter.h"

#include "formtesting.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

// A page that keeps the ellipses painted on it, in page points, and nothing else.
class EllipseRecorder final : public QPaintEngine {
public:
    EllipseRecorder()
        : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice* /*device*/) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state().testFlag(QPaintEngine::DirtyTransform)) {
            m_transform = state.transform();
        }
    }
    void drawEllipse(const QRectF& rect) override { ellipses.append(m_transform.mapRect(rect)); }
    void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override {}
    void drawPolygon(const QPointF* /*points*/, int /*count*/, PolygonDrawMode /*mode*/) override {}
    void drawPath(const QPainterPath& /*path*/) override {}
    Type type() const override { return QPaintEngine::User; }

    QList<QRectF> ellipses;

private:
    QTransform m_transform;
};

class RecordingPage final : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable EllipseRecorder engine;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return 595;
        case PdmHeight:
            return 842;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 72;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return 1;
        }
    }
};

// The three sections run with these inputs, hob angle 3 and input gear 48.
JobSheet completeSheet(const QLocale& locale, const QStringList& inputs) {
    RecordingSink sink;
    FormState form(locale, sink);
    Workflow flow(form);
    form.Form_Load();
    const std::array<FieldId, 6> typed = {FieldId::m_t,  FieldId::Z2_t,  FieldId::da1_t,
                                          FieldId::N1_t, FieldId::AÇI_t, FieldId::GD_t};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        form.setText(typed.at(i), inputs.value(qsizetype(i)));
    }
    for (const ButtonId button : allButtons) {
        flow.click(button);
    }
    return std::get<JobSheet>(makeJobSheet(form, flow.machine(), flow.completedRuns(),
                                           QDateTime(QDate(2026, 12, 8), QTime(9, 30))));
}

const QStringList typical = {"3", "36", "66", "1440", "3", "48"};

// A PDF whose second page cannot be added, as on a full disk.
class PageRefusingPdf final : public QPdfWriter {
public:
    explicit PageRefusingPdf(QIODevice* device)
        : QPdfWriter(device) {}
    bool newPage() override { return false; }
};

} // namespace

class TestSheetPaint : public QObject {
    Q_OBJECT

private slots:
    void pdfTextHasEveryLine_data();
    void pdfTextHasEveryLine();
    void unitsAnglesElisionAndNoDrawingForExtremes();
    void saveToMissingFolderLeavesNothing();
    void pageThatCannotBeAddedFailsThePaint();
    void drawingIsToScale_data();
    void drawingIsToScale();
    void turnerSectionAndBlankLabels();
};

void TestSheetPaint::pdfTextHasEveryLine_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("longNote");
    QTest::newRow("point locale, Letter") << point << false;
    QTest::newRow("comma locale, A4") << comma << false;
    QTest::newRow("a 50-line note and a long title") << comma << true;
}

// The sheet saved as PDF and read back by a PDF-to-text tool.
QString pdfText(const JobSheet& sheet, const QLocale& locale) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        qWarning("pdftotext (poppler-utils) is needed");
        return {};
    }
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("iş kağıdı.pdf"));
    if (saveSheetAsPdf(sheet, locale, path)) {
        return {};
    }
    QProcess tool;
    tool.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// What a PDF-to-text tool reads back: the drawing's page, then the sections that do not fit
// beside the trains in the two columns of a second page, each page named with its number; and
// every caption with its value on its line, a 50-line note and a long title notwithstanding.
void TestSheetPaint::pdfTextHasEveryLine() {
    QFETCH(QLocale, locale);
    QFETCH(bool, longNote);
    JobSheet sheet = completeSheet(locale, typical);
    if (longNote) {
        for (int i = 1; i <= 50; ++i) {
            sheet.jobNote += QStringLiteral("Not satırı %1\n").arg(i);
        }
        sheet.jobTitle = QStringLiteral("Uzun başlık ").repeated(20);
    }
    const QString text = pdfText(sheet, locale);
    // The rating's section runs onto a third page on A4, not on Letter.
    const auto pages = text.count(QLatin1Char('\f'));
    QVERIFY(pages == 2 || pages == 3);
    QVERIFY(text.contains(sheet.title));
    for (const QString& head :
         {QStringLiteral("Sayfa 1 / %1").arg(pages), QStringLiteral("Sayfa %1 / %1").arg(pages)}) {
        QVERIFY2(text.contains(head), qPrintable(head));
    }
    QCOMPARE(text.count(longNote ? QStringLiteral("Uzun başlık") : QStringLiteral("Adsız")) > 1,
             true);
    QCOMPARE(text.contains(QStringLiteral("Not satırı 50")), false);
    for (const SheetSection& section : allSections(sheet)) {
        for (const SheetLine& line : section.lines) {
            // A note is a caption alone.
            const QRegularExpression onOneLine(
                QRegularExpression::escape(line.caption) +
                    (line.value.isEmpty()
                         ? QString()
                         : QStringLiteral(" +") + QRegularExpression::escape(line.value) +
                               QStringLiteral("( |$)")),
                QRegularExpression::MultilineOption);
            QVERIFY2(text.contains(onOneLine),
                     qPrintable(line.caption + QLatin1Char(' ') + line.value));
        }
    }
    const QString d2 = QStringLiteral("d2 = ") + sheet.drive->d2.text;
    QVERIFY2(text.contains(d2), qPrintable(d2));
}

// Each line with its unit, the swivel angles also as degrees and minutes, a value too long for
// its column cut short beside an intact caption; and where no scale down to 1:10000 fits, no
// drawing but one line that says why.
void TestSheetPaint::unitsAnglesElisionAndNoDrawingForExtremes() {
    JobSheet sheet = completeSheet(comma, {"3", "36", "66.0", "1440", "3", "48"});
    for (SheetLine& line : sheet.sections[2].lines) {
        if (line.caption == fieldCaption(FieldId::GD_t)) {
            line.value = QString(80, QLatin1Char('9'));
        }
    }
    for (Measure* m : {&sheet.drive->da2, &sheet.drive->d2, &sheet.drive->df2, &sheet.drive->ba,
                       &sheet.drive->da1, &sheet.drive->d1, &sheet.drive->df1, &sheet.drive->L,
                       &sheet.drive->P, &sheet.drive->A}) {
        m->value *= 1e290;
    }
    const QString text = pdfText(sheet, comma);

    for (const char* line :
         {"DİŞLİ DİŞ SAYISI \\(Z2\\) +36 +diş", "VİDA DİŞ ÜSTÜ ÇAPI \\(da1\\) +66 +mm",
          "GİRİŞ DEVİRİ \\(N1\\) +1440 +d/dk", "ÇIKIŞ DEVİRİ \\(N2\\) +40 +d/dk",
          "DİŞLİ BÖLÜM DAİRESİ \\(d2\\) +108 +mm", "KATSAYI \\(KS\\) +2 *$",
          "AZDIRMA AÇISI \\(SAĞ\\) +0,08 +0° 08′", "AZDIRMA AÇISI \\(SOL\\) +5,52 +5° 52′",
          "GİRİŞ DİŞLİSİ \\(GD\\) +9+… +diş",
          "ÇİZİM: bu ölçüler 1:10000 ölçeğinde bile sayfaya sığmıyor"}) {
        const QRegularExpression pattern(QString::fromUtf8(line),
                                         QRegularExpression::MultilineOption);
        QVERIFY2(text.contains(pattern), line);
    }
    QVERIFY(!text.contains(QString(80, QLatin1Char('9'))));
    QVERIFY(!text.contains(QStringLiteral("Ölçek")));
}

void TestSheetPaint::saveToMissingFolderLeavesNothing() {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("yok/iş kağıdı.pdf"));

    const std::optional<QString> error = saveSheetAsPdf(completeSheet(point, typical), point, path);

    QVERIFY(error);
    QVERIFY(!error->isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

// The default job takes two pages: a second that cannot be added is a failed paint, and a save
// whose paint failed leaves nothing under its name.
void TestSheetPaint::pageThatCannotBeAddedFailsThePaint() {
    const JobSheet sheet = completeSheet(point, typical);
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    PageRefusingPdf pdf(&buffer);
    pdf.setPageLayout(sheetPageLayout(point));

    QVERIFY(!paintSheet(pdf, sheet, point));

    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("iş.pdf"));
    QVERIFY(savePdf(path, sheet.title, sheetPageLayout(point),
                    [&buffer, &sheet](QPagedPaintDevice& /*device*/) {
                        PageRefusingPdf refusing(&buffer);
                        return paintSheet(refusing, sheet, point);
                    }));
    QVERIFY(!QFileInfo::exists(path));
}

void TestSheetPaint::drawingIsToScale_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::newRow("typical") << typical;
    QTest::newRow("module 6, long worm") << QStringList{"6", "60", "100", "1440", "3", "48"};
    QTest::newRow("small wheel, large worm") << QStringList{"1.5", "20", "90", "1440", "3", "48"};
}

// Measured from what is painted: the wheel's circles against the worm's circles in the side
// view are as d2 is to d1, the axes stand A apart, and everything stays in its area.
void TestSheetPaint::drawingIsToScale() {
    QFETCH(QStringList, inputs);
    const DriveDimensions drive = *completeSheet(point, inputs).drive;
    const QRectF area(40, 400, 515, 400);
    const std::optional<DrawingLayout> layout = layoutDrawing(drive, area);
    QVERIFY(layout);
    RecordingPage page;
    {
        QPainter painter(&page);
        paintDrawing(painter, drive, *layout);
    }

    // The circles grouped by their centre, the larger group's largest first.
    std::map<std::pair<int, int>, QList<double>> byCentre;
    for (const QRectF& e : page.engine.ellipses) {
        QVERIFY2(area.contains(e), "a circle leaves the drawing's area");
        QCOMPARE(e.width(), e.height());
        byCentre[{qRound(e.center().x()), qRound(e.center().y())}].append(e.width());
    }
    QCOMPARE(byCentre.size(), std::size_t(2));
    auto wheel = byCentre.begin();
    auto worm = std::next(wheel);
    if (wheel->first.second > worm->first.second) {
        std::swap(wheel, worm); // the wheel's axis is above the worm's
    }
    QList<double> wheelCircles = wheel->second;
    QList<double> wormCircles = worm->second;
    std::sort(wheelCircles.begin(), wheelCircles.end());
    std::sort(wormCircles.begin(), wormCircles.end());
    QCOMPARE(wheelCircles.size(), 3);
    QCOMPARE(wormCircles.size(), 3);
    // Sorted, the middle circle is the pitch circle.
    QCOMPARE(wheelCircles[1] / wormCircles[1], drive.d2.value / drive.d1.value);
    const double pointsPerMm = wheelCircles[1] / drive.d2.value;
    QCOMPARE(wheelCircles[2], drive.da2.value * pointsPerMm);
    QCOMPARE(wormCircles[0], drive.df1.value * pointsPerMm);
    // The centres are compared in whole points, each rounded on its own.
    QVERIFY(std::abs(double(worm->first.second - wheel->first.second) -
                     drive.A.value * pointsPerMm) <= 1);
}

// Section 5 with its rules, and the blank's dimensions in the drawing, read back from the PDF.
void TestSheetPaint::turnerSectionAndBlankLabels() {
    const JobSheet sheet = completeSheet(point, typical);
    const QString text = pdfText(sheet, point);
    for (const char* expected :
         {"5. TASLAK VE KONTROL", "BOĞAZ YARIÇAPI (rk)", "rk = A − da2 ÷ 2", "27.000",
          "EN BÜYÜK DIŞ ÇAP (de2)", "de2 ≤ da2 + 6m ÷ (z1 + 2)", "120.000",
          "b1 ≥ (11 + 0.06 × Z2) × m", "39.480", "PROFİL AÇISI (α)", "TEL ÇAPI (en uygun)",
          "de2 = 120", "rk = 27", "ba = 44.78", "px = 9.42"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    // The drawing's pitch is the turner's π × m, not the field's 3,14 × m.
    QVERIFY(!text.contains(QStringLiteral("P = 9.42")));
}

QTEST_MAIN(TestSheetPaint)
#include "tst_sheetpaint.moc"
