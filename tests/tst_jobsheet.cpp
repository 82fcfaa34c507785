#include "calc/jobsheet.h"
#include "flow/runstate.h"
#include "flow/workflow.h"

#include "formtesting.h"

#include <QTest>

namespace {
// A form with a typical job typed in, and a script to run on it: "field=text" types a text,
// a button's name clicks it.
struct Job {
    Job() {
        form.Form_Load();
        const QStringList typing = {"m_t=3",     "Z2_t=36", "da1_t=66",
                                    "N1_t=1440", "AÇI_t=3", "GD_t=48"};
        run(typing);
    }
    void run(const QStringList& steps) {
        for (const QString& step : steps) {
            const qsizetype eq = step.indexOf(QLatin1Char('='));
            if (eq < 0) {
                const auto* const it =
                    std::find_if(allButtons.begin(), allButtons.end(),
                                 [&step](ButtonId b) { return buttonName(b) == step; });
                QVERIFY2(it != allButtons.end(), qPrintable(step));
                flow.click(*it);
                continue;
            }
            const auto* const it = std::find_if(allFields.begin(), allFields.end(), [&](FieldId f) {
                return fieldName(f) == step.left(eq);
            });
            QVERIFY2(it != allFields.end(), qPrintable(step));
            form.setText(*it, step.mid(eq + 1));
        }
    }
    std::variant<JobSheet, SheetRefusal> sheet() const {
        return makeJobSheet(form, flow.machine(), flow.completedRuns(),
                            QDateTime(QDate(2026, 12, 8), QTime(9, 30)));
    }
    RecordingSink sink;
    FormState form{point, sink};
    Workflow flow{form};
};

const QString all3 = QStringLiteral("HESAPLA,Command2,Command1");
} // namespace

Q_DECLARE_METATYPE(SectionState)
Q_DECLARE_METATYPE(ButtonId)

class TestJobSheet : public QObject {
    Q_OBJECT

private slots:
    void sheetNeedsCurrentSections_data();
    void sheetNeedsCurrentSections();
    void linesCarryEveryCaptionAndValue();
    void refusalNamesTheButton();
    void sheetNumbersAreRounded_data();
    void sheetNumbersAreRounded();
    void percentagesAsTheLocaleWritesThem_data();
    void percentagesAsTheLocaleWritesThem();
};

void TestJobSheet::sheetNeedsCurrentSections_data() {
    QTest::addColumn<QString>("script");
    // The sections whose buttons must be pressed, none for a sheet.
    QTest::addColumn<QList<ButtonId>>("refused");
    QTest::addColumn<SectionState>("state");
    QTest::addColumn<int>("sectionsComputed");

    const auto sheet = [](const char* name, const QString& script, int computed) {
        QTest::newRow(name) << script << QList<ButtonId>() << SectionState::Current << computed;
    };
    const auto refused = [](const char* name, const QString& script, ButtonId b, SectionState s) {
        QTest::newRow(name) << script << QList<ButtonId>{b} << s << 0;
    };
    refused("never run", QString(), ButtonId::HESAPLA, SectionState::NeverRun);
    refused("first run stopped halfway", QStringLiteral("N1_t=,HESAPLA"), ButtonId::HESAPLA,
            SectionState::NeverRun);
    sheet("first section only", QStringLiteral("HESAPLA"), 1);
    sheet("first two sections", QStringLiteral("HESAPLA,Command2"), 2);
    sheet("all three", all3, 3);
    sheet("input changed and changed back", all3 + QStringLiteral(",m_t=4.5,m_t=3"), 3);
    sheet("an input no section reads", QStringLiteral("HESAPLA,GD_t=20"), 1);
    QTest::newRow("input of two sections changed")
        << all3 + QStringLiteral(",m_t=4.5")
        << QList<ButtonId>{ButtonId::HESAPLA, ButtonId::Command2} << SectionState::Stale << 0;
    refused("result edited after HESAPLA", all3 + QStringLiteral(",d2_t=110"), ButtonId::HESAPLA,
            SectionState::Stale);
    refused("later run stopped halfway", all3 + QStringLiteral(",da1_t=,HESAPLA"),
            ButtonId::HESAPLA, SectionState::Stale);
    refused("hob angle changed", all3 + QStringLiteral(",AÇI_t=2.5"), ButtonId::Command2,
            SectionState::Stale);
    refused("new module run after the swivel", all3 + QStringLiteral(",m_t=4.5,HESAPLA"),
            ButtonId::Command2, SectionState::Stale);
    refused("swivel refused a new hob angle", all3 + QStringLiteral(",AÇI_t=3.75,Command2"),
            ButtonId::Command2, SectionState::Stale);
    refused("new tooth count run after the gears", all3 + QStringLiteral(",Z2_t=40,HESAPLA"),
            ButtonId::Command1, SectionState::Stale);
    refused("output gear edited", all3 + QStringLiteral(",ÇD_t=70"), ButtonId::Command1,
            SectionState::Stale);
}

void TestJobSheet::sheetNeedsCurrentSections() {
    QFETCH(QString, script);
    QFETCH(QList<ButtonId>, refused);
    QFETCH(SectionState, state);
    QFETCH(int, sectionsComputed);
    Job job;
    job.run(script.split(QLatin1Char(','), Qt::SkipEmptyParts));

    const auto made = job.sheet();

    if (!refused.isEmpty()) {
        SheetRefusal expected;
        for (const ButtonId b : refused) {
            expected.sections.append({b, state});
        }
        QCOMPARE(std::get<SheetRefusal>(made), expected);
        return;
    }
    const auto& sheet = std::get<JobSheet>(made);
    for (std::size_t i = 0; i < sheet.sections.size(); ++i) {
        const SheetSection& section = sheet.sections.at(i);
        QCOMPARE(section.computed, int(i) < sectionsComputed);
        if (!section.computed) {
            QCOMPARE(section.lines.size(), 1);
            QCOMPARE(section.lines[0].value, QStringLiteral("hesaplanmadı"));
        }
    }
}

// Every field once, with its caption and exactly the text the window shows; and as three
// columns for a spreadsheet.
void TestJobSheet::linesCarryEveryCaptionAndValue() {
    Job job;
    job.run(all3.split(QLatin1Char(',')));
    const JobSheet sheet = std::get<JobSheet>(job.sheet());

    QStringList tsv = toTabSeparated(sheet).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const FieldId field : allFields) {
        // An unshifted wheel's sheet reads as it did before the shift: no x2 line.
        if (field == FieldId::x2_t) {
            QCOMPARE(tsv.filter(fieldCaption(field)).size(), 0);
            continue;
        }
        // The pitch field's line names the shop's rule it keeps.
        const QString caption =
            field == FieldId::P_t
                ? fieldCaption(field) +
                      QStringLiteral(": P = 3.14 × m, atölyenin yuvarlatılmış adımı")
                : fieldCaption(field);
        const QString row = caption + QLatin1Char('\t') + job.form.getText(field);
        QCOMPARE(tsv.filter(row + QLatin1Char('\t')).size(), 1);
    }
    QCOMPARE(tsv.count(QStringLiteral("VİDA HELİS AÇISI (γ)\t2° 52′\t")), 1);
    for (const QString& row : tsv) {
        QVERIFY2(row.count(QLatin1Char('\t')) <= 2, qPrintable(row));
    }
    QVERIFY(toHtmlTable(sheet).contains(
        QStringLiteral("<tr><td>DİŞLİ - VİDA ARASI (A)</td><td>84</td><td>mm</td></tr>")));
    QCOMPARE(sheet.drive->d1.value, 60.0);
    QCOMPARE(sheet.drive->A.text, QStringLiteral("84"));
}

void TestJobSheet::refusalNamesTheButton() {
    Job job;
    job.run(all3.split(QLatin1Char(',')));
    job.run({QStringLiteral("AÇI_t=2")});
    const QString message = refusalMessage(std::get<SheetRefusal>(job.sheet()), point);
    QVERIFY2(message.startsWith(QStringLiteral("İkinci bölümün")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("HESAPLA")), qPrintable(message));
}

void TestJobSheet::percentagesAsTheLocaleWritesThem_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Turkish: the sign first") << comma << QStringLiteral("%68,1");
    QTest::newRow("English: the sign after") << point << QStringLiteral("68.1 %");
}

void TestJobSheet::percentagesAsTheLocaleWritesThem() {
    QFETCH(QLocale, locale);
    QFETCH(QString, shown);
    QCOMPARE(percentText(68.1, locale), shown);
}

void TestJobSheet::sheetNumbersAreRounded_data() {
    QTest::addColumn<QString>("script"); // run after the typical job is typed in
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");  // on the sheet
    QTest::addColumn<QString>("copied"); // in the copy, the field's whole text
    const QString pz = QStringLiteral("VİDA HELİS ADIMI (pz = z1 × π × m)");
    QTest::newRow("worm length to 4 decimals") << "Z2_t=40," + all3 << "VİDA BOYU (L)"
                                               << "43.9473"
                                               << "43.9473319220206";
    QTest::newRow("binary noise rounded away")
        << "m_t=20,Z2_t=105," + all3 << "DİŞLİ DİŞ DERİNLİĞİ (h2)"
        << "43.35"
        << "43.3499999999999";
    QTest::newRow("four decimals print as they are") << all3 << "DİŞLİ DİŞ DERİNLİĞİ (h2)"
                                                     << "6.5025"
                                                     << "6.5025";
    QTest::newRow("coefficient to 6 decimals") << "GD_t=32," + all3 << "KATSAYI (KS)"
                                               << "1.333333"
                                               << "1.33333333333333";
    QTest::newRow("output gear that is not whole, with a fraction")
        << "Z2_t=37,GD_t=20," + all3 << "ÇIKIŞ DİŞLİSİ (ÇD)"
        << "30.8333 (tam değil)"
        << "30.8333333333333";
    QTest::newRow("lead with the full π, two starts") << "z1_t=2," + all3 << pz << "18.8496"
                                                      << "18.8495559215388";
}

void TestJobSheet::sheetNumbersAreRounded() {
    QFETCH(QString, script);
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QFETCH(QString, copied);
    Job job;
    job.run(script.split(QLatin1Char(',')));
    const auto made = job.sheet();
    QVERIFY(std::holds_alternative<JobSheet>(made));
    const auto& sheet = std::get<JobSheet>(made);

    QStringList found;
    for (const SheetSection& section : sheet.sections) {
        for (const SheetLine& line : section.lines) {
            if (line.caption == caption) {
                found << line.value << line.copyValue();
            }
        }
    }
    QCOMPARE(found, (QStringList{shown, copied}));
}

QTEST_GUILESS_MAIN(TestJobSheet)
#include "tst_jobsheet.moc"
