#include "ui/entrykinds.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace {

QSpinBox* spinBox(QWidget* parent, const char* name, MachineKey key) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(limitsOf(key).low, limitsOf(key).high);
    return box;
}

// A hobbing machine as edited: its values, and the gear list as typed, which may not read yet.
struct MachineEntry {
    Machine value;
    QString gearsText;
    QString fault;
};

struct MachineRules {
    using Value = Machine;
    static const Machine& builtIn() { return builtInMachine(); }
    static QString newName() {
        return QCoreApplication::translate("MachinesDialog", "Yeni tezgâh");
    }
    static std::optional<QString> check(const Machine& m, const QLocale& locale) {
        const auto f = checkMachine(m);
        return f ? std::optional(machineFaultMessage(*f, locale)) : std::nullopt;
    }
    static std::optional<std::pair<QString, QString>> clash(const QList<Machine>& all,
                                                            const QLocale& locale) {
        const auto f = checkMachines(all);
        return f ? std::optional(std::pair{f->machine, machineFaultMessage(*f, locale)})
                 : std::nullopt;
    }
    static QString unclashed(const QString& name, const QList<Machine>& taken) {
        return unclashedName(name, taken);
    }
    static QList<Machine>& in(MachineBook& book) { return book.machines; }
};

class MachineKind final : public ListKind<MachineRules, MachineEntry> {
public:
    MachineKind(const QList<Machine>& machines, const QLocale& locale)
        : ListKind(locale) {
        start(machines);
    }

    QWidget* fields() override {
        if (m_fields != nullptr) {
            return m_fields;
        }
        m_fields = new QWidget;
        m_name = new QLineEdit(m_fields);
        m_name->setObjectName(QStringLiteral("name"));
        m_name->setMaxLength(MachineLimits::longestName);
        m_constant = spinBox(m_fields, "indexConstant", MachineKey::IndexConstant);
        m_gears = new QPlainTextEdit(m_fields);
        m_gears->setObjectName(QStringLiteral("gears"));
        m_gears->setTabChangesFocus(true);
        m_gears->setToolTip(QCoreApplication::translate(
            "MachinesDialog", "Diş sayıları, boşluk ya da virgülle ayrılmış; iki kez "
                              "yazılan sayı o sayıda iki dişli demektir."));
        // Room for a box of 32 gears as the editor writes them, without scrolling.
        const QFontMetrics metrics(m_gears->font());
        m_gears->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("000 ")) * 12);
        m_gears->setFixedHeight(metrics.lineSpacing() * 4 + 2 * m_gears->frameWidth() + 8);
        m_hasLargeWheel = new QCheckBox(
            QCoreApplication::translate("MachinesDialog", "Büyük çark için ikinci sabit"),
            m_fields);
        m_hasLargeWheel->setObjectName(QStringLiteral("hasLargeWheel"));
        m_above = spinBox(m_fields, "largeWheelAbove", MachineKey::LargeWheelAbove);
        m_largeConstant = spinBox(m_fields, "largeWheelConstant", MachineKey::LargeWheelConstant);
        m_hasClearance = new QCheckBox(
            QCoreApplication::translate("MachinesDialog", "Bileşik dizi için boşluk (k)"),
            m_fields);
        m_hasClearance->setObjectName(QStringLiteral("hasClearance"));
        m_clearance = spinBox(m_fields, "clearance", MachineKey::Clearance);

        auto* form = new QFormLayout(m_fields);
        form->setContentsMargins({});
        form->addRow(QCoreApplication::translate("MachinesDialog", "Ad"), m_name);
        form->addRow(QCoreApplication::translate("MachinesDialog", "Bölme sabiti (K)"), m_constant);
        form->addRow(QCoreApplication::translate("MachinesDialog", "Dişliler"), m_gears);
        form->addRow(m_hasLargeWheel);
        form->addRow(QCoreApplication::translate("MachinesDialog", "Z2 şundan büyükse"), m_above);
        form->addRow(QCoreApplication::translate("MachinesDialog", "Sabit (K′)"), m_largeConstant);
        form->addRow(m_hasClearance);
        form->addRow(QCoreApplication::translate("MachinesDialog", "Boşluk (k, diş)"), m_clearance);

        const auto changed = [this] {
            if (!m_showing) {
                edited();
            }
        };
        QObject::connect(m_name, &QLineEdit::textEdited, m_fields, changed);
        QObject::connect(m_gears, &QPlainTextEdit::textChanged, m_fields, changed);
        for (QSpinBox* box : {m_constant, m_above, m_largeConstant, m_clearance}) {
            QObject::connect(box, &QSpinBox::valueChanged, m_fields, changed);
        }
        for (QCheckBox* box : {m_hasLargeWheel, m_hasClearance}) {
            QObject::connect(box, &QCheckBox::toggled, m_fields, changed);
        }
        return m_fields;
    }

    void show(std::optional<qsizetype> i) override {
        const MachineEntry builtIn = entryOf(builtInMachine());
        const MachineEntry& e = i ? m_entries.at(*i) : builtIn;
        const Machine& m = e.value;
        m_showing = true;
        m_name->setText(displayName(m));
        m_constant->setValue(m.indexConstant);
        m_gears->setPlainText(e.gearsText);
        m_hasLargeWheel->setChecked(m.largeWheel.has_value());
        m_above->setValue(m.largeWheel ? m.largeWheel->above : 1);
        m_largeConstant->setValue(m.largeWheel ? m.largeWheel->indexConstant : m.indexConstant);
        m_hasClearance->setChecked(m.clearance.has_value());
        m_clearance->setValue(m.clearance.value_or(0));
        m_showing = false;
        for (QWidget* w : std::initializer_list<QWidget*>{m_name, m_constant, m_gears,
                                                          m_hasLargeWheel, m_hasClearance}) {
            w->setEnabled(i.has_value());
        }
        m_above->setEnabled(i && m.largeWheel);
        m_largeConstant->setEnabled(i && m.largeWheel);
        m_clearance->setEnabled(i && m.clearance);
    }

    // The texts are kept exactly as typed; the machine's values follow them where they read.
    void take(qsizetype i) override {
        MachineEntry& e = m_entries[i];
        Machine& m = e.value;
        m.name = m_name->text();
        m.indexConstant = m_constant->value();
        e.gearsText = m_gears->toPlainText();
        auto gears = parseGears(m.name, e.gearsText, m_locale);
        if (auto* list = std::get_if<QList<int>>(&gears)) {
            m.gears = *list;
            e.fault.clear();
        } else {
            e.fault = machineFaultMessage(std::get<MachineFault>(gears), m_locale);
        }
        m.largeWheel =
            m_hasLargeWheel->isChecked()
                ? std::optional(LargeWheelRule{m_above->value(), m_largeConstant->value()})
                : std::nullopt;
        m.clearance =
            m_hasClearance->isChecked() ? std::optional(m_clearance->value()) : std::nullopt;
        m_above->setEnabled(m_hasLargeWheel->isChecked());
        m_largeConstant->setEnabled(m_hasLargeWheel->isChecked());
        m_clearance->setEnabled(m_hasClearance->isChecked());
    }

private:
    MachineEntry entryOf(const Machine& m) const override {
        return {m, gearsText(m.gears, m_locale), {}};
    }

    bool m_showing = false;
    QWidget* m_fields = nullptr;
    QLineEdit* m_name = nullptr;
    QSpinBox* m_constant = nullptr;
    QPlainTextEdit* m_gears = nullptr;
    QCheckBox* m_hasLargeWheel = nullptr;
    QSpinBox* m_above = nullptr;
    QSpinBox* m_largeConstant = nullptr;
    QCheckBox* m_hasClearance = nullptr;
    QSpinBox* m_clearance = nullptr;
};

} // namespace

std::unique_ptr<EntryKind> makeMachineKind(const QList<Machine>& machines, const QLocale& locale) {
    return std::make_unique<MachineKind>(machines, locale);
}

QString renamedLine(const QString& before, const QString& after) {
    return QCoreApplication::translate("MachineFileDialogs", "«%1» → «%2»").arg(before, after);
}
