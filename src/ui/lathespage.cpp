#include "ui/lathespage.h"
#include "ui/machinefiledialogs.h"

#include "model/fieldvalues.h"
#include "store/machinefile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QPlainTextEdit* textBox(QWidget* parent, const char* name, int lines) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setTabChangesFocus(true);
    const QFontMetrics metrics(box->font());
    box->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("000 ")) * 12);
    box->setFixedHeight(metrics.lineSpacing() * lines + 2 * box->frameWidth() + 8);
    return box;
}

} // namespace

LathesPage::LathesPage(const QList<Lathe>& lathes, QString chosen, const QLocale& locale,
                       QWidget* parent)
    : QWidget(parent)
    , m_chosen(std::move(chosen))
    , m_locale(locale) {
    for (const Lathe& l : lathes) {
        m_entries.append(entryOf(l));
    }
    setObjectName(QStringLiteral("lathesPage"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("latheList"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("latheName"));
    m_name->setMaxLength(MachineLimits::longestName);
    m_screwUnit = new QComboBox(this);
    m_screwUnit->setObjectName(QStringLiteral("screwUnit"));
    m_screwUnit->addItems({tr("mm adım"), tr("inçte diş (tpi)")});
    m_screw = new QLineEdit(this);
    m_screw->setObjectName(QStringLiteral("screw"));
    m_gears = textBox(this, "latheGears", 4);
    m_gears->setToolTip(tr("Diş sayıları, boşluk ya da virgülle ayrılmış; iki kez "
                           "yazılan sayı o sayıda iki dişli demektir."));
    m_gearbox = textBox(this, "gearbox", 4);
    m_gearbox->setToolTip(tr("Hızlı değiştirme kutusunun konumları, satır başına bir konum: adı "
                             "ve oranı (\"A 1\", \"B 0,5\"). Boşsa oranı 1 olan tek konum."));
    m_hasClearance = new QCheckBox(tr("Bileşik dizi için boşluk (k)"), this);
    m_hasClearance->setObjectName(QStringLiteral("latheHasClearance"));
    m_clearance = new QSpinBox(this);
    m_clearance->setObjectName(QStringLiteral("latheClearance"));
    m_clearance->setRange(MachineLimits::clearance.low, MachineLimits::clearance.high);

    auto* screw = new QHBoxLayout;
    screw->addWidget(m_screw, 1);
    screw->addWidget(m_screwUnit);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Ad"), m_name);
    fields->addRow(tr("Vidalı mil"), screw);
    fields->addRow(tr("Dişliler"), m_gears);
    fields->addRow(tr("Kutu konumları"), m_gearbox);
    fields->addRow(m_hasClearance);
    fields->addRow(tr("Boşluk (k, diş)"), m_clearance);

    auto* add = new QPushButton(tr("&Yeni"), this);
    m_duplicate = new QPushButton(tr("Ç&oğalt"), this);
    m_remove = new QPushButton(tr("&Sil"), this);
    auto* import = new QPushButton(tr("İçe &Aktar…"), this);
    auto* exportButton = new QPushButton(tr("&Dışa Aktar…"), this);
    add->setObjectName(QStringLiteral("newLatheButton"));
    m_duplicate->setObjectName(QStringLiteral("duplicateLatheButton"));
    m_remove->setObjectName(QStringLiteral("removeLatheButton"));
    import->setObjectName(QStringLiteral("importLatheButton"));
    exportButton->setObjectName(QStringLiteral("exportLatheButton"));
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {add, m_duplicate, m_remove, import, exportButton}) {
        b->setAutoDefault(false);
        listButtons->addWidget(b);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(m_list, 1);
    top->addLayout(fields, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(listButtons);

    connect(m_list, &QListWidget::currentRowChanged, this, &LathesPage::showLathe);
    connect(m_name, &QLineEdit::textEdited, this, &LathesPage::takeEdits);
    connect(m_screw, &QLineEdit::textEdited, this, &LathesPage::takeEdits);
    connect(m_screwUnit, &QComboBox::currentIndexChanged, this, &LathesPage::takeEdits);
    connect(m_gears, &QPlainTextEdit::textChanged, this, &LathesPage::takeEdits);
    connect(m_gearbox, &QPlainTextEdit::textChanged, this, &LathesPage::takeEdits);
    connect(m_hasClearance, &QCheckBox::toggled, this, &LathesPage::takeEdits);
    connect(m_clearance, &QSpinBox::valueChanged, this, &LathesPage::takeEdits);
    connect(add, &QPushButton::clicked, this, &LathesPage::addNew);
    connect(m_duplicate, &QPushButton::clicked, this, &LathesPage::duplicate);
    connect(m_remove, &QPushButton::clicked, this, &LathesPage::remove);
    connect(import, &QPushButton::clicked, this, &LathesPage::importFile);
    connect(exportButton, &QPushButton::clicked, this, &LathesPage::exportFile);

    int active = 0;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].lathe.name == m_chosen) {
            active = int(i) + 1;
        }
    }
    refreshList(active);
}

LathesPage::Entry LathesPage::entryOf(const Lathe& lathe) const {
    return {lathe,
            FieldValues::writeNumber(lathe.screw.value, m_locale),
            gearsText(lathe.gears, m_locale),
            gearboxText(lathe.gearbox, m_locale),
            {}};
}

LathesPage::Entry* LathesPage::editable(int row) {
    return row >= 1 && row <= m_entries.size() ? &m_entries[row - 1] : nullptr;
}

QList<Lathe> LathesPage::lathes() const {
    QList<Lathe> list;
    for (const Entry& e : m_entries) {
        list.append(e.lathe);
    }
    return list;
}

void LathesPage::refreshList(int select) {
    m_list->clear();
    m_list->addItem(displayName(builtInLathe()));
    for (const Entry& e : m_entries) {
        m_list->addItem(e.lathe.name);
    }
    markFaults();
    m_list->setCurrentRow(select);
}

QString LathesPage::faultOf(const Entry& e) const {
    if (!e.fault.isEmpty()) {
        return e.fault;
    }
    const auto fault = checkLathe(e.lathe);
    return fault ? latheFaultMessage(*fault, m_locale) : QString();
}

void LathesPage::markFaults() {
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (QListWidgetItem* item = m_list->item(int(i) + 1)) {
            const QString reason = faultOf(m_entries[i]);
            item->setIcon(reason.isEmpty() ? QIcon() : warning);
            item->setToolTip(reason);
        }
    }
}

void LathesPage::showLathe(int row) {
    const Entry* shown = editable(row);
    const Entry builtIn = entryOf(builtInLathe());
    const Entry& e = shown != nullptr ? *shown : builtIn;
    m_showing = true;
    m_name->setText(displayName(e.lathe));
    m_screwUnit->setCurrentIndex(e.lathe.screw.unit == LeadScrew::Unit::Millimetre ? 0 : 1);
    m_screw->setText(e.screwText);
    m_gears->setPlainText(e.gearsText);
    m_gearbox->setPlainText(e.gearboxText);
    m_hasClearance->setChecked(e.lathe.clearance.has_value());
    m_clearance->setValue(e.lathe.clearance.value_or(0));
    m_showing = false;
    // The built-in lathe can be duplicated, never changed.
    for (QWidget* w : std::initializer_list<QWidget*>{m_name, m_screwUnit, m_screw, m_gears,
                                                      m_gearbox, m_hasClearance, m_remove}) {
        w->setEnabled(shown != nullptr);
    }
    m_clearance->setEnabled(shown != nullptr && e.lathe.clearance);
    m_duplicate->setEnabled(row >= 0);
}

// The texts are kept exactly as typed; the lathe's values follow them only where they read.
void LathesPage::takeEdits() {
    Entry* e = editable(m_list->currentRow());
    if (m_showing || e == nullptr) {
        return;
    }
    m_changed = true;
    Lathe& l = e->lathe;
    if (l.name == m_chosen) {
        m_chosen = m_name->text();
    }
    l.name = m_name->text();
    m_list->currentItem()->setText(l.name);
    e->screwText = m_screw->text();
    e->gearsText = m_gears->toPlainText();
    e->gearboxText = m_gearbox->toPlainText();
    e->fault.clear();
    const bool mm = m_screwUnit->currentIndex() == 0;
    const std::optional<double> pitch = FieldValues::readNumber(e->screwText, m_locale);
    l.screw = {mm ? LeadScrew::Unit::Millimetre : LeadScrew::Unit::ThreadsPerInch,
               pitch.value_or(0)};
    if (!pitch) {
        using namespace LatheLimits;
        e->fault = latheFaultMessage({l.name, mm ? LatheKey::ScrewMm : LatheKey::ScrewTpi,
                                      LatheRule::Range, mm ? screwMmLow : screwTpiLow,
                                      mm ? screwMmHigh : screwTpiHigh},
                                     m_locale);
    }
    auto gears = parseGears(l.name, e->gearsText, m_locale);
    if (auto* list = std::get_if<QList<int>>(&gears)) {
        l.gears = *list;
    } else if (e->fault.isEmpty()) {
        e->fault = machineFaultMessage(std::get<MachineFault>(gears), m_locale);
    }
    auto box = parseGearbox(l.name, e->gearboxText, m_locale);
    if (auto* positions = std::get_if<QList<GearboxPosition>>(&box)) {
        l.gearbox = *positions;
    } else if (e->fault.isEmpty()) {
        e->fault = latheFaultMessage(std::get<LatheFault>(box), m_locale);
    }
    l.clearance = m_hasClearance->isChecked() ? std::optional(m_clearance->value()) : std::nullopt;
    m_clearance->setEnabled(m_hasClearance->isChecked());
    markFaults();
}

bool LathesPage::refuseFaults(const QString& intro) {
    QStringList reasons;
    int first = -1;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const QString reason = faultOf(m_entries[i]);
        if (!reason.isEmpty()) {
            first = first < 0 ? int(i) + 1 : first;
            reasons.append(reason);
        }
    }
    if (reasons.isEmpty()) {
        if (const auto fault = checkLathes(lathes())) {
            for (qsizetype i = 0; i < m_entries.size() && first < 0; ++i) {
                if (m_entries[i].lathe.name == fault->lathe) {
                    first = int(i) + 1;
                }
            }
            reasons.append(latheFaultMessage(*fault, m_locale));
        }
    }
    if (reasons.isEmpty()) {
        return false;
    }
    m_list->setCurrentRow(std::max(first, 0));
    message(intro + QLatin1Char('\n') + reasons.join(QLatin1Char('\n')));
    return true;
}

void LathesPage::addNew() {
    Lathe l = builtInLathe();
    l.name = unclashedLatheName(tr("Yeni torna"), lathes());
    m_entries.append(entryOf(l));
    m_changed = true;
    refreshList(int(m_entries.size()));
}

void LathesPage::duplicate() {
    const Entry* shown = editable(m_list->currentRow());
    Entry copy = shown != nullptr ? *shown : entryOf(builtInLathe());
    copy.lathe.name = unclashedLatheName(displayName(copy.lathe), lathes());
    m_entries.append(copy);
    m_changed = true;
    refreshList(int(m_entries.size()));
}

void LathesPage::remove() {
    const int row = m_list->currentRow();
    if (editable(row) == nullptr) {
        return;
    }
    if (m_entries[row - 1].lathe.name == m_chosen) {
        m_chosen.clear();
    }
    m_entries.removeAt(row - 1);
    m_changed = true;
    refreshList(row - 1);
}

void LathesPage::importFile() {
    const std::optional<MachineBook> imported = askImport(this, tr("Torna İçe Aktar"), m_locale);
    if (!imported) {
        return;
    }
    QStringList renamed;
    for (Lathe l : imported->lathes) {
        const QString name = unclashedLatheName(l.name, lathes());
        if (name != l.name.trimmed()) {
            renamed.append(renamedLine(l.name.trimmed(), name));
        }
        l.name = name;
        m_entries.append(entryOf(l));
        m_changed = true;
    }
    refreshList(int(m_entries.size()));
    if (!renamed.isEmpty()) {
        message(tr("Bu tornaların adı, var olanlarla çakıştığı için değiştirildi:\n%1")
                    .arg(renamed.join(QLatin1Char('\n'))));
    }
}

void LathesPage::exportFile() {
    if (!refuseFaults(tr("Dışa aktarılmadı; önce şunları düzeltin:"))) {
        askExport(this, tr("Torna Dışa Aktar"), tr("tornalar.json"), MachineBook{{}, lathes(), {}});
    }
}

void LathesPage::message(const QString& text) {
    showEditorBox(this, text);
}
