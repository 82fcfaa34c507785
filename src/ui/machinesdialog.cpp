#include "ui/machinesdialog.h"

#include "ui/lathespage.h"
#include "ui/machinefiledialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QSpinBox* spinBox(QWidget* parent, const char* name, MachineKey key) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(limitsOf(key).low, limitsOf(key).high);
    return box;
}

} // namespace

MachinesDialog::MachinesDialog(const MachineBook& book, QString chosen, const QString& chosenLathe,
                               const QLocale& locale, Save save, QWidget* parent)
    : QDialog(parent)
    , m_chosen(std::move(chosen))
    , m_locale(locale)
    , m_save(std::move(save)) {
    for (const Machine& m : book.machines) {
        m_entries.append({m, gearsText(m.gears, m_locale), {}});
    }
    setObjectName(QStringLiteral("machinesDialog"));
    setWindowTitle(tr("Tezgâhlar"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("machineList"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(MachineLimits::longestName);
    m_constant = spinBox(this, "indexConstant", MachineKey::IndexConstant);
    m_gears = new QPlainTextEdit(this);
    m_gears->setObjectName(QStringLiteral("gears"));
    m_gears->setTabChangesFocus(true);
    m_gears->setToolTip(tr("Diş sayıları, boşluk ya da virgülle ayrılmış; iki kez "
                           "yazılan sayı o sayıda iki dişli demektir."));
    // Room for a box of 32 gears as the editor writes them, without scrolling.
    const QFontMetrics metrics(m_gears->font());
    m_gears->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("000 ")) * 12);
    m_gears->setFixedHeight(metrics.lineSpacing() * 4 + 2 * m_gears->frameWidth() + 8);
    m_hasLargeWheel = new QCheckBox(tr("Büyük çark için ikinci sabit"), this);
    m_hasLargeWheel->setObjectName(QStringLiteral("hasLargeWheel"));
    m_above = spinBox(this, "largeWheelAbove", MachineKey::LargeWheelAbove);
    m_largeConstant = spinBox(this, "largeWheelConstant", MachineKey::LargeWheelConstant);
    m_hasClearance = new QCheckBox(tr("Bileşik dizi için boşluk (k)"), this);
    m_hasClearance->setObjectName(QStringLiteral("hasClearance"));
    m_clearance = spinBox(this, "clearance", MachineKey::Clearance);

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
    for (QAbstractButton* b : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(b)) {
            push->setAutoDefault(false);
        }
    }

    auto* machinesPage = new QWidget(this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_list, 1);
    top->addLayout(fields, 2);
    auto* page = new QVBoxLayout(machinesPage);
    page->addLayout(top);
    page->addLayout(listButtons);
    m_lathes = new LathesPage(book.lathes, chosenLathe, m_locale, this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(machinesPage, tr("Azdırma tezgâhları"));
    tabs->addTab(m_lathes, tr("Tornalar"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, &MachinesDialog::showMachine);
    connect(m_name, &QLineEdit::textEdited, this, &MachinesDialog::takeEdits);
    connect(m_gears, &QPlainTextEdit::textChanged, this, &MachinesDialog::takeEdits);
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
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].machine.name == m_chosen) {
            active = int(i) + 1;
        }
    }
    refreshList(active);
}

MachinesDialog::Entry* MachinesDialog::editable(int row) {
    return row >= 1 && row <= m_entries.size() ? &m_entries[row - 1] : nullptr;
}

QList<Machine> MachinesDialog::machines() const {
    QList<Machine> list;
    for (const Entry& e : m_entries) {
        list.append(e.machine);
    }
    return list;
}

void MachinesDialog::refreshList(int select) {
    m_list->clear();
    m_list->addItem(displayName(builtInMachine()));
    for (const Entry& e : m_entries) {
        m_list->addItem(e.machine.name);
    }
    markFaults();
    m_list->setCurrentRow(select);
}

// A machine whose texts break a rule carries a mark and, as its tooltip, the reason.
void MachinesDialog::markFaults() {
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        QString reason = e.gearsFault;
        if (reason.isEmpty()) {
            if (const auto fault = checkMachine(e.machine)) {
                reason = machineFaultMessage(*fault, m_locale);
            }
        }
        QListWidgetItem* item = m_list->item(int(i) + 1);
        if (item == nullptr) {
            continue;
        }
        item->setIcon(reason.isEmpty() ? QIcon() : warning);
        item->setToolTip(reason);
    }
}

void MachinesDialog::showMachine(int row) {
    const Entry* shown = editable(row);
    const Machine& m = shown != nullptr ? shown->machine : builtInMachine();
    m_showing = true;
    m_name->setText(displayName(m));
    m_constant->setValue(m.indexConstant);
    m_gears->setPlainText(shown != nullptr ? shown->gearsText : gearsText(m.gears, m_locale));
    m_hasLargeWheel->setChecked(m.largeWheel.has_value());
    m_above->setValue(m.largeWheel ? m.largeWheel->above : 1);
    m_largeConstant->setValue(m.largeWheel ? m.largeWheel->indexConstant : m.indexConstant);
    m_hasClearance->setChecked(m.clearance.has_value());
    m_clearance->setValue(m.clearance.value_or(0));
    m_showing = false;
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

// The texts are kept exactly as typed; the machine's values follow them only where they read.
void MachinesDialog::takeEdits() {
    Entry* e = editable(m_list->currentRow());
    if (m_showing || e == nullptr) {
        return;
    }
    m_changed = true;
    Machine& m = e->machine;
    if (m.name == m_chosen) {
        m_chosen = m_name->text();
    }
    m.name = m_name->text();
    m_list->currentItem()->setText(m.name);
    m.indexConstant = m_constant->value();
    e->gearsText = m_gears->toPlainText();
    auto gears = parseGears(m.name, e->gearsText, m_locale);
    if (auto* list = std::get_if<QList<int>>(&gears)) {
        m.gears = *list;
        e->gearsFault.clear();
    } else {
        e->gearsFault = machineFaultMessage(std::get<MachineFault>(gears), m_locale);
    }
    m.largeWheel = m_hasLargeWheel->isChecked()
                       ? std::optional(LargeWheelRule{m_above->value(), m_largeConstant->value()})
                       : std::nullopt;
    m.clearance = m_hasClearance->isChecked() ? std::optional(m_clearance->value()) : std::nullopt;
    m_above->setEnabled(m_hasLargeWheel->isChecked());
    m_largeConstant->setEnabled(m_hasLargeWheel->isChecked());
    m_clearance->setEnabled(m_hasClearance->isChecked());
    markFaults();
}

QStringList MachinesDialog::faults(int* firstRow) {
    QStringList reasons;
    *firstRow = -1;
    const auto note = [&](int row, const QString& reason) {
        if (*firstRow < 0) {
            *firstRow = row;
        }
        reasons.append(reason);
    };
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        if (!e.gearsFault.isEmpty()) {
            note(int(i) + 1, e.gearsFault);
        } else if (const auto fault = checkMachine(e.machine)) {
            note(int(i) + 1, machineFaultMessage(*fault, m_locale));
        }
    }
    if (reasons.isEmpty()) {
        if (const auto fault = checkMachines(machines())) {
            for (qsizetype i = 0; i < m_entries.size(); ++i) {
                if (m_entries[i].machine.name == fault->machine) {
                    note(int(i) + 1, machineFaultMessage(*fault, m_locale));
                    break;
                }
            }
        }
    }
    return reasons;
}

// Names every machine at fault and selects the first; false when there is none.
bool MachinesDialog::refuseFaults(const QString& intro) {
    int first = -1;
    const QStringList reasons = faults(&first);
    if (reasons.isEmpty()) {
        return false;
    }
    m_list->setCurrentRow(first);
    message(intro + QLatin1Char('\n') + reasons.join(QLatin1Char('\n')));
    return true;
}

void MachinesDialog::addNew() {
    Machine m = builtInMachine();
    m.name = unclashedName(tr("Yeni tezgâh"), machines());
    m_entries.append({m, gearsText(m.gears, m_locale), {}});
    m_changed = true;
    refreshList(int(m_entries.size()));
}

void MachinesDialog::duplicate() {
    const Entry* shown = editable(m_list->currentRow());
    Entry copy = shown != nullptr
                     ? *shown
                     : Entry{builtInMachine(), gearsText(builtInMachine().gears, m_locale), {}};
    copy.machine.name = unclashedName(displayName(copy.machine), machines());
    m_entries.append(copy);
    m_changed = true;
    refreshList(int(m_entries.size()));
}

void MachinesDialog::remove() {
    const int row = m_list->currentRow();
    if (editable(row) == nullptr) {
        return;
    }
    if (m_entries[row - 1].machine.name == m_chosen) {
        m_chosen.clear();
    }
    m_entries.removeAt(row - 1);
    m_changed = true;
    refreshList(row - 1);
}

void MachinesDialog::importFile() {
    const std::optional<MachineBook> imported = askImport(this, tr("Tezgâh İçe Aktar"), m_locale);
    if (!imported) {
        return;
    }
    QStringList renamed;
    for (Machine m : imported->machines) {
        const QString name = unclashedName(m.name, machines());
        if (name != m.name.trimmed()) {
            renamed.append(renamedLine(m.name.trimmed(), name));
        }
        m.name = name;
        m_entries.append({m, gearsText(m.gears, m_locale), {}});
        m_changed = true;
    }
    refreshList(int(m_entries.size()));
    if (!renamed.isEmpty()) {
        message(tr("Bu tezgâhların adı, var olanlarla çakıştığı için değiştirildi:\n%1")
                    .arg(renamed.join(QLatin1Char('\n'))));
    }
}

void MachinesDialog::exportFile() {
    if (!refuseFaults(tr("Dışa aktarılmadı; önce şunları düzeltin:"))) {
        askExport(this, tr("Tezgâh Dışa Aktar"), tr("tezgahlar.json"),
                  MachineBook{machines(), {}, {}});
    }
}

void MachinesDialog::accept() {
    if (refuseFaults(tr("Kaydedilmedi; önce şunları düzeltin:")) ||
        m_lathes->refuseFaults(tr("Kaydedilmedi; önce şunları düzeltin:"))) {
        return;
    }
    if (const auto error =
            m_save(MachineBook{machines(), m_lathes->lathes(), {}}, m_chosen, m_lathes->chosen())) {
        message(*error);
        return;
    }
    QDialog::accept();
}

void MachinesDialog::reject() {
    if (m_changed || m_lathes->changed()) {
        QMessageBox ask(QMessageBox::Question, QStringLiteral("ZORVANDI"),
                        tr("Tezgâhlardaki değişiklikler kaydedilmedi. Atılsın mı?"),
                        QMessageBox::Discard | QMessageBox::Cancel, this);
        ask.setDefaultButton(QMessageBox::Cancel);
        if (ask.exec() != QMessageBox::Discard) {
            return;
        }
    }
    QDialog::reject();
}

void MachinesDialog::message(const QString& text) {
    showEditorBox(this, text);
}
