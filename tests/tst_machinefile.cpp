#include "store/machinefile.h"

#include "formtesting.h"

#include <QTest>

namespace {

// A file with one machine whose members are `machine` (JSON, without the braces).
QByteArray fileWith(const char* machine) {
    return QByteArray(R"({"format": "zorvandi-machines", "version": 1, "machines": [{)") + machine +
           "}]}";
}

const char* const good = R"("name": "Tezgâh B", "indexConstant": 30, "gears": [20, 25, 25, 30])";

} // namespace

Q_DECLARE_METATYPE(FileProblem)

class TestMachineFile : public QObject {
    Q_OBJECT

private slots:
    void acceptedOrRefusedWithItsReason_data();
    void acceptedOrRefusedWithItsReason();
    void writtenThenReadBackEqual();
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
    ok("all keys, and one unknown",
       fileWith(R"("name": "B", "indexConstant": 30, "gears": [20, 25], "colour": "red",
                   "largeWheel": {"above": 150, "indexConstant": 60}, "clearance": 40)"));
    ok("no machines", R"({"format": "zorvandi-machines", "version": 1, "machines": []})");
    refused("not JSON", "{format", FileProblem::NotJson, "JSON değil");
    refused("another format", R"({"format": "other", "version": 1, "machines": []})",
            FileProblem::WrongFormat, "tezgâh dosyası değil");
    refused("version 2", R"({"format": "zorvandi-machines", "version": 2, "machines": []})",
            FileProblem::NewerVersion, "sürümde");
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
    Machine b;
    b.name = QStringLiteral("Tezgâh B");
    b.indexConstant = 30;
    b.gears = {20, 25, 25, 30, 100};
    b.largeWheel = LargeWheelRule{150, 60};
    b.clearance = 40;
    Machine plain;
    plain.name = QStringLiteral("Hamburg 3");
    plain.indexConstant = 48;
    plain.gears = {24, 48, 96};
    const MachineBook book{{b, plain}, QStringLiteral("Hamburg 3")};
    const QTemporaryDir dir;
    MachineFile file(dir.filePath(QStringLiteral("zorvandi/machines.json")));

    QCOMPARE(file.save(book), std::nullopt);

    QCOMPARE(std::get<MachineBook>(MachineFile(file.path()).load()), book);
    QCOMPARE(book.activeMachine(), plain);
    // Exported, "active" is left out.
    const auto exported = parseMachineFile(machineFileText(book, false));
    QCOMPARE(std::get<MachineBook>(exported).machines, book.machines);
    QCOMPARE(std::get<MachineBook>(exported).active, QString());
}

QTEST_GUILESS_MAIN(TestMachineFile)
#include "tst_machinefile.moc"
