#include "ui/entrykinds.h"

#include "model/fieldvalues.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace {

// A hob as edited: its values, and the number texts as typed, which may not read yet.
struct HobEntry {
    Hob value;
    QString moduleText;
    QString diameterText;
    QString fault; // a text that does not read
};

struct HobRules {
    using Value = Hob;
    // What a new hob starts from; the shop has no built-in hob.
    static const Hob& builtIn() {
        static const Hob blank;
        return blank;
    }
    static QString newName() { return QCoreApplication::translate("HobsPage", "Yeni azdırma"); }
    static std::optional<QString> check(const Hob& h, const QLocale& locale) {
        const auto f = checkHob(h);
        return f ? std::optional(hobFaultMessage(*f, locale)) : std::nullopt;
    }
    static std::optional<std::pair<QString, QString>> clash(const QList<Hob>& all,
                                                            const QLocale& locale) {
        const auto f = checkHobs(all);
        return f ? std::optional(std::pair{f->hob, hobFaultMessage(*f, locale)}) : std::nullopt;
    }
    static QString unclashed(const QString& name, const QList<Hob>& taken) {
        return unclashedHobName(name, taken);
    }
    static QList<Hob>& in(MachineBook& book) { return book.hobs; }
};

class HobKind final : public ListKind<HobRules, HobEntry> {
public:
    HobKind(const QList<Hob>& hobs, const QLocale& locale)
        : ListKind(locale) {
        start(hobs);
    }

    bool hasBuiltIn() const override { return false; }

    QWidget* fields() override {
        if (m_fields != nullptr) {
            return m_fields;
        }
        m_fields = new QWidget;
        const auto edit = [this](const char* name) {
            auto* e = new QLineEdit(m_fields);
            e->setObjectName(QLatin1String(name));
            return e;
        };
        m_name = edit("hobName");
        m_name->setMaxLength(MachineLimits::longestName);
        m_module = edit("hobModule");
        m_starts = new QSpinBox(m_fields);
        m_starts->setObjectName(QStringLiteral("hobStarts"));
        m_starts->setRange(HobLimits::startsLow, HobLimits::startsHigh);
        m_diameter = edit("hobPitchDiameter");
        m_hand = new QComboBox(m_fields);
        m_hand->setObjectName(QStringLiteral("hobHand"));
        m_hand->addItems({QCoreApplication::translate("HobsPage", "Sağ"),
                          QCoreApplication::translate("HobsPage", "Sol")});
        m_angle = edit("hobAngle");
        m_angle->setToolTip(QCoreApplication::translate(
            "HobsPage", "Azdırmanın üzerinde yazan açı, derece ve dakika: 5,43 = 5° 43′. Boşsa "
                        "yazılı açı yok."));

        auto* form = new QFormLayout(m_fields);
        form->setContentsMargins({});
        form->addRow(QCoreApplication::translate("HobsPage", "Ad"), m_name);
        form->addRow(QCoreApplication::translate("HobsPage", "Modül (m)"), m_module);
        form->addRow(QCoreApplication::translate("HobsPage", "Ağız sayısı (z1)"), m_starts);
        form->addRow(QCoreApplication::translate("HobsPage", "Bölüm dairesi çapı (d1, mm)"),
                     m_diameter);
        form->addRow(QCoreApplication::translate("HobsPage", "Helis yönü"), m_hand);
        form->addRow(QCoreApplication::translate("HobsPage", "Yazılı açı (AÇI)"), m_angle);

        const auto changed = [this] {
            if (!m_showing) {
                edited();
            }
        };
        for (QLineEdit* e : {m_name, m_module, m_diameter, m_angle}) {
            QObject::connect(e, &QLineEdit::textEdited, m_fields, changed);
        }
        QObject::connect(m_starts, &QSpinBox::valueChanged, m_fields, changed);
        QObject::connect(m_hand, &QComboBox::currentIndexChanged, m_fields, changed);
        return m_fields;
    }

    void show(std::optional<qsizetype> i) override {
        const HobEntry blank = entryOf(HobRules::builtIn());
        const HobEntry& e = i ? m_entries.at(*i) : blank;
        m_showing = true;
        m_name->setText(i ? e.value.name : QString());
        m_module->setText(e.moduleText);
        m_starts->setValue(e.value.starts);
        m_diameter->setText(e.diameterText);
        m_hand->setCurrentIndex(e.value.hand == Hob::Hand::Left ? 1 : 0);
        m_angle->setText(e.value.angle);
        m_showing = false;
        for (QWidget* w : std::initializer_list<QWidget*>{m_name, m_module, m_starts, m_diameter,
                                                          m_hand, m_angle}) {
            w->setEnabled(i.has_value());
        }
    }

    void take(qsizetype i) override {
        HobEntry& e = m_entries[i];
        Hob& h = e.value;
        h.name = m_name->text();
        e.moduleText = m_module->text();
        e.diameterText = m_diameter->text();
        h.starts = m_starts->value();
        h.hand = m_hand->currentIndex() == 1 ? Hob::Hand::Left : Hob::Hand::Right;
        h.angle = m_angle->text().trimmed();
        e.fault.clear();
        const auto module = FieldValues::readNumber(e.moduleText, m_locale);
        const auto diameter = FieldValues::readNumber(e.diameterText, m_locale);
        h.module = module.value_or(0);
        h.pitchDiameter = diameter.value_or(0);
        if (!module) {
            e.fault = hobFaultMessage({h.name, HobKey::Module, HobRule::Range}, m_locale);
        } else if (!diameter) {
            e.fault = hobFaultMessage({h.name, HobKey::PitchDiameter, HobRule::AboveTwoModules},
                                      m_locale);
        }
    }

private:
    HobEntry entryOf(const Hob& hob) const override {
        return {hob,
                FieldValues::writeNumber(hob.module, m_locale),
                FieldValues::writeNumber(hob.pitchDiameter, m_locale),
                {}};
    }

    bool m_showing = false;
    QWidget* m_fields = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_module = nullptr;
    QSpinBox* m_starts = nullptr;
    QLineEdit* m_diameter = nullptr;
    QComboBox* m_hand = nullptr;
    QLineEdit* m_angle = nullptr;
};

} // namespace

std::unique_ptr<EntryKind> makeHobKind(const QList<Hob>& hobs, const QLocale& locale) {
    return std::make_unique<HobKind>(hobs, locale);
}
