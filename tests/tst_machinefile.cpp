#include "store/machinefile.h"
#include "store/machinestore.h"

#include "formtesting.h"

#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A file with one machine whose members are `machine` (JSON, without the braces).
QByteArray fileWith(const char* machine) {
    return QByteArray(R"({"format": "zorvandi-machines", "version": 1, "machines": [{)") + machine +
           "}]}";
}

const char* const good = R"("name": "Tezgâh B", "indexConstant": 30, "gears": [20, 25, 25, 30])";

// A version-2 file with one lathe of ten gears and `rest` (JSON members) besides.
QByteArray latheFile(const char* rest) {
    return QByteArray(R"({"format": "zorvandi-machines", "version": 2, "machines": [],
        "lathes": [{"name": "Torna 1", "gears": [20, 25, 30, 35, 40, 45, 50, 55, 60, 127], )") +
           rest + "}]}";
}

// A version-3 file with one hob of `fields` (JSON members).
QByteArray hobFile(const char* fields) {
    return QByteArray(R"({"format": "zorvandi-machines", "version": 3, "machines": [],
        "hobs": [{"name": "A-4-2", )") +
           fields + "}]}";
}

} // namespace

Q_DECLARE_METATYPE(FileProblem)

class TestMachineFile : public QObject {
    Q_OBJECT

private slots:
    void acceptedOrRefusedWithItsReason_data();
    void acceptedOrRefusedWithItsReason();
    void writtenThenReadBackEqual();
    void fileChangedOutsideIsSetAsideAndNamed();
    void secondWindowToldOfWhatItWroteSetAside_data();
    void secondWindowToldOfWhatItWroteSetAside();
};

void TestMachineFile::acceptedOrRefusedWithItsReason_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<FileProblem>("problem");
    QTest::addColumn<QString>("message"); // what the box says, in part

    const auto ok = [](const char* name, const QByteArray& json) {
        QTest::newRow(name) << json << true << FileProblem::BadValue << QString();
    };
    const auto refused = [](const char* name, const QByteArray& json, FileProblem problem,
                            const char* message) {
        QTest::newRow(name) << json << false << problem << QString::fromUtf8(message);
    };
    ok("one machine", fileWith(good));
    ok("all keys", fileWith(R"("name": "B", "indexConstant": 30, "gears": [20, 25],
                   "largeWheel": {"above": 150, "indexConstant": 60}, "clearance": 40)"));
    ok("no machines", R"({"format": "zorvandi-machines", "version": 1, "machines": []})");
    ok("an older file's active machine",
       R"({"format": "zorvandi-machines", "version": 1, "active": "B", "machines": []})");
    refused("no machines key", R"({"format": "zorvandi-machines", "version": 1})",
            FileProblem::MissingKey, "Dosyada \"machines\" anahtarı yok.");
    refused("machines misspelt", R"({"format": "zorvandi-machines", "version": 1, "machine": []})",
            FileProblem::UnknownKey, "Dosyada bilinmeyen bir anahtar var: \"machine\".");
    refused("machines not an array",
            R"({"format": "zorvandi-machines", "version": 1, "machines": {}})",
            FileProblem::WrongType, "Dosyadaki \"machines\" anahtarının değeri yanlış türde.");
    refused("a machine not an object",
            R"({"format": "zorvandi-machines", "version": 1, "machines": [3]})",
            FileProblem::WrongType, "«#1» tezgâhında \"machines\"");
    refused("constant as a text",
            fileWith(R"("name": "B", "indexConstant": "24", "gears": [20, 25])"),
            FileProblem::WrongType, "«B» tezgâhında \"indexConstant\" anahtarının değeri yanlış");
    refused("clearance misspelt",
            fileWith(R"("name": "B", "indexConstant": 30, "gears": [20, 25], "clearence": 40)"),
            FileProblem::UnknownKey, "«B» tezgâhında bilinmeyen bir anahtar var: \"clearence\"");
    refused("unknown key in the large-wheel rule",
            fileWith(R"("name": "B", "indexConstant": 30, "gears": [20, 25],
                        "largeWheel": {"above": 150, "indexConstant": 60, "k": 1})"),
            FileProblem::UnknownKey, "bilinmeyen bir anahtar var: \"k\"");
    refused("no gears", fileWith(R"("name": "B", "indexConstant": 30)"), FileProblem::MissingKey,
            "«B» tezgâhında \"gears\" anahtarı yok.");
    refused("no version", R"({"format": "zorvandi-machines", "machines": []})",
            FileProblem::NoVersion, "geçerli bir sürüm");
    ok("version 1, read as before", fileWith(good));
    refused("lathes in a version-1 file",
            R"({"format": "zorvandi-machines", "version": 1, "machines": [], "lathes": []})",
            FileProblem::UnknownKey, "\"lathes\"");
    ok("a lathe with a gearbox and a clearance", latheFile(R"("leadScrew": {"mm": 6},
       "gearbox": [{"name": "A", "ratio": 1}, {"name": "B", "ratio": 0.5}], "clearance": 30)"));
    ok("an inch lead screw", latheFile(R"("leadScrew": {"tpi": 4})"));
    refused("screw pitch out of range", latheFile(R"("leadScrew": {"mm": 30})"),
            FileProblem::BadValue, "«Torna 1» tornasının vidalı mil adımı 0,5 ile 25 mm");
    refused("screw in both mm and tpi", latheFile(R"("leadScrew": {"mm": 6, "tpi": 4})"),
            FileProblem::BadValue, "ya mm ya da tpi ile");
    refused("gearbox ratio of 0",
            latheFile(R"("leadScrew": {"mm": 6}, "gearbox": [{"name": "A", "ratio": 0}])"),
            FileProblem::BadValue, "oranı 0,01 ile 100 arasında");
    refused("not JSON", "{format", FileProblem::NotJson, "JSON değil");
    refused("another format", R"({"format": "other", "version": 1, "machines": []})",
            FileProblem::WrongFormat, "tezgâh dosyası değil");
    refused("version 4", R"({"format": "zorvandi-machines", "version": 4, "machines": []})",
            FileProblem::NewerVersion, "sürümde");
    ok("a version-2 file, lathes and no hobs", latheFile(R"("leadScrew": {"mm": 6})"));
    refused("hobs in a version-2 file",
            R"({"format": "zorvandi-machines", "version": 2, "machines": [], "hobs": []})",
            FileProblem::UnknownKey, "\"hobs\"");
    ok("a hob", hobFile(R"("module": 4, "starts": 2, "pitchDiameter": 40, "hand": "right",
                           "angle": "5,43")"));
    refused("a hob's module out of range",
            hobFile(R"("module": 60, "starts": 2, "pitchDiameter": 140, "hand": "right")"),
            FileProblem::BadValue, "modülü 0,1 ile 50 arasında");
    refused("a hob's pitch diameter at 2 × module",
            hobFile(R"("module": 4, "starts": 2, "pitchDiameter": 8, "hand": "left")"),
            FileProblem::BadValue, "iki katından büyük");
    refused("a hob's unknown hand",
            hobFile(R"("module": 4, "starts": 2, "pitchDiameter": 40, "hand": "sağ")"),
            FileProblem::WrongType, "«A-4-2» azdırmasında \"hand\"");
    refused("a hob's angle of 60 minutes",
            hobFile(R"("module": 4, "starts": 2, "pitchDiameter": 40, "hand": "right",
                       "angle": "5,60")"),
            FileProblem::BadValue, "dakika 60'tan küçük");
    refused("empty name", fileWith(R"("name": "  ", "indexConstant": 30, "gears": [20, 25])"),
            FileProblem::BadValue, "1 ile 60 karakter");
    refused("name of 61 characters",
            fileWith((R"("name": ")" + std::string(61, 'x') +
                      R"(", "indexConstant": 30, "gears": [20, 25])")
                         .c_str()),
            FileProblem::BadValue, "1 ile 60 karakter");
    refused("constant 0", fileWith(R"("name": "B", "indexConstant": 0, "gears": [20, 25])"),
            FileProblem::BadValue, "«B» tezgâhının bölme sabiti (K) 1 ile 1000");
    refused("constant a fraction",
            fileWith(R"("name": "B", "indexConstant": 24.5, "gears": [20, 25])"),
            FileProblem::BadValue, "bölme sabiti (K)");
    refused("one gear", fileWith(R"("name": "B", "indexConstant": 30, "gears": [20])"),
            FileProblem::BadValue, "2 ile 100 arasında dişli");
    refused("gear of 7 teeth", fileWith(R"("name": "B", "indexConstant": 30, "gears": [7, 25])"),
            FileProblem::BadValue, "dişlileri 8 ile 400");
    refused("gear of 401 teeth",
            fileWith(R"("name": "B", "indexConstant": 30, "gears": [20, 401])"),
            FileProblem::BadValue, "dişlileri 8 ile 400");
    refused("large-wheel limit 0", fileWith(R"("name": "B", "indexConstant": 30, "gears": [20, 25],
                        "largeWheel": {"above": 0, "indexConstant": 60})"),
            FileProblem::BadValue, "büyük çark sınırı");
    refused("large-wheel constant 1001",
            fileWith(R"("name": "B", "indexConstant": 30, "gears": [20, 25],
                        "largeWheel": {"above": 150, "indexConstant": 1001})"),
            FileProblem::BadValue, "büyük çark sabiti (K′) 1 ile 1000");
    refused("clearance 401",
            fileWith(R"("name": "B", "indexConstant": 30, "gears": [20, 25], "clearance": 401)"),
            FileProblem::BadValue, "boşluğu (k) 0 ile 400");
    refused("the same name twice, in other case",
            QByteArray(R"({"format": "zorvandi-machines", "version": 1, "machines": [)") + "{" +
                good + "}, {" + R"("name": "TEZGÂH B", "indexConstant": 24, "gears": [20, 25])" +
                "}]}",
            FileProblem::BadValue, "birden fazla tezgâhta");
    refused("the built-in machine's name",
            fileWith(R"("name": "Varsayılan tezgâh", "indexConstant": 24, "gears": [20, 25])"),
            FileProblem::BadValue, "yerleşik tezgâhın adı");
    // Names compare by the Turkish case rules: I is the capital of ı, İ of i.
    const auto twoNamed = [](const char* first, const char* second) {
        return QByteArray(R"({"format": "zorvandi-machines", "version": 1, "machines": [)") +
               R"({"name": ")" + first + R"(", "indexConstant": 24, "gears": [20, 25]}, )" +
               R"({"name": ")" + second + R"(", "indexConstant": 24, "gears": [20, 25]}]})";
    };
    refused("KIRIKKALE is Kırıkkale", twoNamed("Kırıkkale", "KIRIKKALE"), FileProblem::BadValue,
            "birden fazla tezgâhta");
    refused("İZMİR is izmir", twoNamed("izmir", "İZMİR"), FileProblem::BadValue,
            "birden fazla tezgâhta");
    ok("ISPARTA is not isparta", twoNamed("isparta", "ISPARTA"));
    refused("VARSAYILAN TEZGÂH is the built-in machine's",
            fileWith(R"("name": "VARSAYILAN TEZGÂH", "indexConstant": 24, "gears": [20, 25])"),
            FileProblem::BadValue, "yerleşik tezgâhın adı");
    refused("DEFAULT MACHINE is the built-in machine's",
            fileWith(R"("name": "DEFAULT MACHINE", "indexConstant": 24, "gears": [20, 25])"),
            FileProblem::BadValue, "yerleşik tezgâhın adı");
    refused("VARSAYILAN TORNA is the built-in lathe's",
            QByteArray(R"({"format": "zorvandi-machines", "version": 2, "machines": [],
                "lathes": [{"name": "VARSAYILAN TORNA", "leadScrew": {"mm": 6},
                            "gears": [20, 25]}]})"),
            FileProblem::BadValue, "yerleşik");
}

void TestMachineFile::acceptedOrRefusedWithItsReason() {
    QFETCH(QByteArray, json);
    QFETCH(bool, accepted);
    QFETCH(FileProblem, problem);
    QFETCH(QString, message);

    const auto parsed = parseMachineFile(json);

    QCOMPARE(std::holds_alternative<MachineBook>(parsed), accepted);
    if (!accepted) {
        const auto& fault = std::get<FileFault>(parsed);
        QCOMPARE(fault.problem, problem);
        const QString text = fileFaultMessage(fault, comma);
        QVERIFY2(text.contains(message), qPrintable(text));
    }
}

void TestMachineFile::writtenThenReadBackEqual() {
    Machine plain;
    plain.name = QStringLiteral("Hamburg 3");
    plain.indexConstant = 48;
    plain.gears = {24, 48, 96};
    Lathe lathe = builtInLathe();
    lathe.name = QStringLiteral("Torna 1");
    lathe.screw = {LeadScrew::Unit::ThreadsPerInch, 4};
    lathe.gearbox = {{QStringLiteral("A"), 1}, {QStringLiteral("B"), 0.5}};
    lathe.clearance = 30;
    const Hob hob{QStringLiteral("A-4-2"), 4, 2, 40, Hob::Hand::Left, QStringLiteral("5,43")};
    const MachineBook book{{tezgahB(), plain}, {lathe}, {}, {hob}};
    const QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("zorvandi.conf")), QSettings::IniFormat);
    MachineStore store(dir.filePath(QStringLiteral("zorvandi/machines.json")), settings);

    QCOMPARE(store.save(book, QStringLiteral("Hamburg 3"), QStringLiteral("Torna 1"), store.known())
                 .error,
             std::nullopt);

    MachineStore again(store.path(), settings);
    QCOMPARE(again.load(), std::nullopt);
    QCOMPARE(again.book(), book);
    QCOMPARE(again.machineInUse(), plain);
    QCOMPARE(again.latheInUse(), lathe);
    QFile file(store.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("active")); // the choice is the settings'
}

// Another window saved meanwhile: its file is renamed beside, named, and both sets survive.
void TestMachineFile::fileChangedOutsideIsSetAsideAndNamed() {
    const QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("zorvandi.conf")), QSettings::IniFormat);
    const QString path = dir.filePath(QStringLiteral("zorvandi/machines.json"));
    MachineStore mine(path, settings);
    MachineStore theirs(path, settings);
    QCOMPARE(mine.save({{tezgahB()}, {}, {}}, {}, {}, mine.known()).error, std::nullopt);
    QCOMPARE(theirs.load(), std::nullopt);
    QCOMPARE(mine.load(), std::nullopt);
    Machine other = tezgahB();
    other.name = QStringLiteral("Tezgâh C");
    QCOMPARE(theirs.save({{tezgahB(), other}, {}, {}}, {}, {}, theirs.known()).error, std::nullopt);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray theirBytes = file.readAll();
    file.close();

    const SaveOutcome outcome = mine.save({}, {}, {}, mine.known());

    QCOMPARE(outcome.error, std::nullopt);
    QVERIFY(outcome.setAside.startsWith(dir.filePath(QStringLiteral("zorvandi/machines-"))));
    QFile aside(outcome.setAside);
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), theirBytes);
    MachineStore reader(path, settings);
    QCOMPARE(reader.load(), std::nullopt);
    QCOMPARE(reader.machines(), QList<Machine>());
    // Saved again from what it wrote itself, nothing more is set aside.
    QCOMPARE(mine.save({{other}, {}, {}}, {}, {}, mine.known()).setAside, QString());
}

void TestMachineFile::secondWindowToldOfWhatItWroteSetAside_data() {
    QTest::addColumn<bool>("hob");
    QTest::newRow("a machine") << false;
    QTest::newRow("a hob") << true;
}

// Window 2 adds Tezgâh C, or the hob A-4-2; window 1, whose copy was read before, then saves and
// sets window 2's file aside. Window 2, following the file, is told what is gone and where.
void TestMachineFile::secondWindowToldOfWhatItWroteSetAside() {
    QFETCH(bool, hob);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zorvandi/machines.json"));
    QSettings settings1(dir.filePath(QStringLiteral("one.conf")), QSettings::IniFormat);
    QSettings settings2(dir.filePath(QStringLiteral("two.conf")), QSettings::IniFormat);
    MachineStore window1(path, settings1);
    MachineStore window2(path, settings2);
    QCOMPARE(window1.load(), std::nullopt);
    QCOMPARE(window2.load(), std::nullopt);
    const DiskState before = window1.known();
    window2.watch();
    QSignalSpy told(&window2, &MachineStore::writtenGone);
    Machine c = tezgahB();
    c.name = QStringLiteral("Tezgâh C");
    Hob a;
    a.name = QStringLiteral("A-4-2");
    a.starts = 2;
    const MachineBook theirs = hob ? MachineBook{{}, {}, {}, {a}} : MachineBook{{c}, {}, {}};
    QVERIFY(!window2.save(theirs, {}, {}, window2.known()).error);

    const SaveOutcome outcome = window1.save({{tezgahB()}, {}, {}}, {}, {}, before);

    QVERIFY(!outcome.setAside.isEmpty());
    QTRY_COMPARE(told.size(), 1);
    const auto gone = told.at(0).at(0).value<WrittenGone>();
    QCOMPARE(gone.names, QStringList{hob ? QStringLiteral("A-4-2") : QStringLiteral("Tezgâh C")});
    QCOMPARE(QFileInfo(gone.setAside), QFileInfo(outcome.setAside));
}

QTEST_GUILESS_MAIN(TestMachineFile)
#include "tst_machinefile.moc"
