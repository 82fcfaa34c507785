#include "ui/machinesdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* spinBox(QWidget* parent, const char* name, int low, int high) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    return box;
}

} // namespace

MachinesDialog::MachinesDialog(MachineBook book, MachineFile& file, const QLocale& locale,
                               QWidget* parent)
    : QDialog(parent)
    , m_book(std::move(book))
    , m_file(file)
    , m_locale(locale) {
    setObjectName(QStringLiteral("machinesDialog"));
    setWindowTitle(tr("Tezgâhlar"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("machineList"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(200);
    m_constant = spinBox(this, "indexConstant", 1, 1000);
    m_gears = new QLineEdit(this);
    m_gears->setObjectName(QStringLiteral("gears"));
    m_gears->setToolTip(tr("Diş sayıları, boşluk ya da virgülle ayrılmış; iki kez "
                           "yazılan sayı o sayıda iki dişli demektir."));
    m_hasLargeWheel = new QCheckBox(tr("Büyük çark için ikinci sabit"), this);
    m_hasLargeWheel->setObjectName(QStringLiteral("hasLargeWheel"));
    m_above = spinBox(this, "largeWheelAbove", 1, 100000);
    m_largeConstant = spinBox(this, "largeWheelConstant", 1, 1000);
    m_hasClearance = new QCheckBox(tr("Bileşik dizi için boşluk (k)"), this);
    m_hasClearance->setObjectName(QStringLiteral("hasClearance"));
    m_clearance = spinBox(this, "clearance", 0, 400);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Ad"), m_name);
    fields->addRow(tr("Bölme sabiti (K)"), m_constant);
    fields->addRow(tr("Dişliler"), m_gears);
    fields->addRow(m_hasLargeWheel);
    fields->addRow(tr("Z2 şundan büyükse"), m_above);
    fields->addRow(tr("Sabit (K′)"), m_largeConstant);
    fields->addRow(m_hasClearance);
    fields->addRow(tr("Boşluk (k, diş)"), m_clearance);

    auto* add = new QPushButton(tr("&Yeni"), this);
    m_duplicate = new QPushButton(tr("Ç&oğalt"), this);
    m_remove = new QPushButton(tr("&Sil"), this);
    auto* import = new QPushButton(tr("İçe &Aktar…"), this);
    auto* exportButton = new QPushButton(tr("&Dışa Aktar…"), this);
    add->setObjectName(QStringLiteral("newButton"));
    m_duplicate->setObjectName(QStringLiteral("duplicateButton"));
    m_remove->setObjectName(QStringLiteral("removeButton"));
    import->setObjectName(QStringLiteral("importButton"));
    exportButton->setObjectName(QStringLiteral("exportButton"));
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {add, m_duplicate, m_remove, import, exportButton}) {
        b->setAutoDefault(false);
        listButtons->addWidget(b);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* top = new QHBoxLayout;
    top->addWidget(m_list, 1);
    top->addLayout(fields, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(listButtons);
    layout->addWidget(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, &MachinesDialog::showMachine);
    for (QLineEdit* edit : {m_name, m_gears}) {
        connect(edit, &QLineEdit::textEdited, this, &MachinesDialog::takeEdits);
    }
    for (QSpinBox* box : {m_constant, m_above, m_largeConstant, m_clearance}) {
        connect(box, &QSpinBox::valueChanged, this, &MachinesDialog::takeEdits);
    }
    for (QCheckBox* box : {m_hasLargeWheel, m_hasClearance}) {
        connect(box, &QCheckBox::toggled, this, &MachinesDialog::takeEdits);
    }
    connect(add, &QPushButton::clicked, this, &MachinesDialog::addNew);
    connect(m_duplicate, &QPushButton::clicked, this, &MachinesDialog::duplicate);
    connect(m_remove, &QPushButton::clicked, this, &MachinesDialog::remove);
    connect(import, &QPushButton::clicked, this, &MachinesDialog::importFile);
    connect(exportButton, &QPushButton::clicked, this, &MachinesDialog::exportFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &MachinesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MachinesDialog::reject);

    int active = 0;
    for (qsizetype i = 0; i < m_book.machines.size(); ++i) {
        if (m_book.machines[i].name == m_book.active) {
            active = int(i) + 1;
        }
    }
    refreshList(active);
}

Machine* MachinesDialog::editable(int row) {
    return row >= 1 && row <= m_book.machines.size() ? &m_book.machines[row - 1] : nullptr;
}

void MachinesDialog::refreshList(int select) {
    m_list->clear();
    m_list->addItem(displayName(builtInMachine()));
    for (const Machine& m : m_book.machines) {
        m_list->addItem(m.name);
    }
    m_list->setCurrentRow(select);
}

void MachinesDialog::showMachine(int row) {
    const Machine* shown = editable(row);
    const Machine& m = shown != nullptr ? *shown : builtInMachine();
    m_showing = true;
    m_name->setText(displayName(m));
    m_constant->setValue(m.indexConstant);
    m_gears->setText(gearsText(m.gears, m_locale));
    m_hasLargeWheel->setChecked(m.largeWheel.has_value());
    m_above->setValue(m.largeWheel ? m.largeWheel->above : 1);
    m_largeConstant->setValue(m.largeWheel ? m.largeWheel->indexConstant : m.indexConstant);
    m_hasClearance->setChecked(m.clearance.has_value());
    m_clearance->setValue(m.clearance.value_or(0));
    m_showing = false;
    m_gearsFault.clear();
    // The built-in machine can be duplicated, never changed.
    for (QWidget* w : std::initializer_list<QWidget*>{m_name, m_constant, m_gears, m_hasLargeWheel,
                                                      m_hasClearance, m_remove}) {
        w->setEnabled(shown != nullptr);
    }
    m_above->setEnabled(shown != nullptr && m.largeWheel);
    m_largeConstant->setEnabled(shown != nullptr && m.largeWheel);
    m_clearance->setEnabled(shown != nullptr && m.clearance);
    m_duplicate->setEnabled(row >= 0);
}

void MachinesDialog::takeEdits() {
    Machine* m = editable(m_list->currentRow());
    if (m_showing || m == nullptr) {
        return;
    }
    if (m->name == m_book.active) {
        m_book.active = m_name->text();
    }
    m->name = m_name->text();
    m_list->currentItem()->setText(m->name);
    m->indexConstant = m_constant->value();
    auto gears = parseGears(m->name, m_gears->text(), m_locale);
    if (auto* list = std::get_if<QList<int>>(&gears)) {
        m->gears = *list;
        m_gearsFault.clear();
    } else {
        m_gearsFault = machineFaultMessage(std::get<MachineFault>(gears), m_locale);
    }
    m->largeWheel = m_hasLargeWheel->isChecked()
                        ? std::optional(LargeWheelRule{m_above->value(), m_largeConstant->value()})
                        : std::nullopt;
    m->clearance = m_hasClearance->isChecked() ? std::optional(m_clearance->value()) : std::nullopt;
    m_above->setEnabled(m_hasLargeWheel->isChecked());
    m_largeConstant->setEnabled(m_hasLargeWheel->isChecked());
    m_clearance->setEnabled(m_hasClearance->isChecked());
}

void MachinesDialog::addNew() {
    Machine m = builtInMachine();
    m.name = unclashedName(tr("Yeni tezgâh"), m_book.machines);
    m_book.machines.append(m);
    refreshList(int(m_book.machines.size()));
}

void MachinesDialog::duplicate() {
    const Machine* shown = editable(m_list->currentRow());
    Machine copy = shown != nullptr ? *shown : builtInMachine();
    copy.name = unclashedName(copy.name, m_book.machines);
    m_book.machines.append(copy);
    refreshList(int(m_book.machines.size()));
}

void MachinesDialog::remove() {
    const int row = m_list->currentRow();
    if (editable(row) == nullptr) {
        return;
    }
    if (m_book.machines[row - 1].name == m_book.active) {
        m_book.active.clear();
    }
    m_book.machines.removeAt(row - 1);
    refreshList(row - 1);
}

void MachinesDialog::importFile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Tezgâh İçe Aktar"), QString(),
                                                      tr("Tezgâh dosyası (*.json)"));
    if (path.isEmpty()) {
        return;
    }
    auto imported = importMachines(path);
    if (auto* fault = std::get_if<FileFault>(&imported)) {
        message(tr("«%1» içe aktarılamadı: %2")
                    .arg(QDir::toNativeSeparators(path), fileFaultMessage(*fault, m_locale)));
        return;
    }
    for (Machine m : std::get<QList<Machine>>(imported)) {
        m.name = unclashedName(m.name, m_book.machines);
        m_book.machines.append(m);
    }
    refreshList(int(m_book.machines.size()));
}

void MachinesDialog::exportFile() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Tezgâh Dışa Aktar"), tr("tezgahlar.json"), tr("Tezgâh dosyası (*.json)"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto error = exportMachines(m_book.machines, path)) {
        message(tr("«%1» kaydedilemedi: %2").arg(QDir::toNativeSeparators(path), *error));
    }
}

void MachinesDialog::accept() {
    if (!m_gearsFault.isEmpty()) {
        message(m_gearsFault);
        return;
    }
    if (const auto fault = checkMachines(m_book.machines)) {
        message(machineFaultMessage(*fault, m_locale));
        return;
    }
    if (const auto error = m_file.save(m_book)) {
        message(tr("«%1» kaydedilemedi: %2").arg(QDir::toNativeSeparators(m_file.path()), *error));
        return;
    }
    QDialog::accept();
}

void MachinesDialog::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ZORVANDI"), text, QMessageBox::Ok, this);
    box.exec();
}
