#include "ui/entrykinds.h"

#include "model/fieldvalues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

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

QSpinBox* spinBox(QWidget* parent, const char* name, Limits limits) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(limits.low, limits.high);
    return box;
}

// A lathe as edited: its values, and the texts as typed, which may not read yet.
struct LatheEntry {
    Lathe value;
    QString screwText;
    QString gearsText;
    QString gearboxText;
    QString fault; // a text that does not read
};

struct LatheRules {
    using Value = Lathe;
    static const Lathe& builtIn() { return builtInLathe(); }
    static QString newName() { return QCoreApplication::translate("LathesPage", "Yeni torna"); }
    static std::optional<QString> check(const Lathe& l, const QLocale& locale) {
        const auto f = checkLathe(l);
        return f ? std::optional(latheFaultMessage(*f, locale)) : std::nullopt;
    }
    static std::optional<std::pair<QString, QString>> clash(const QList<Lathe>& all,
                                                            const QLocale& locale) {
        const auto f = checkLathes(all);
        return f ? std::optional(std::pair{f->lathe, latheFaultMessage(*f, locale)}) : std::nullopt;
    }
    static QString unclashed(const QString& name, const QList<Lathe>& taken) {
        return unclashedLatheName(name, taken);
    }
    static QList<Lathe>& in(MachineBook& book) { return book.lathes; }
};

class LatheKind final : public ListKind<LatheRules, LatheEntry> {
public:
    LatheKind(const QList<Lathe>& lathes, const QLocale& locale)
        : ListKind(locale) {
        start(lathes);
    }

    QWidget* fields() override {
        if (m_fields != nullptr) {
            return m_fields;
        }
        m_fields = new QWidget;
        m_name = new QLineEdit(m_fields);
        m_name->setObjectName(QStringLiteral("latheName"));
        m_name->setMaxLength(MachineLimits::longestName);
        m_screwUnit = new QComboBox(m_fields);
        m_screwUnit->setObjectName(QStringLiteral("screwUnit"));
        m_screwUnit->addItems({QCoreApplication::translate("LathesPage", "mm adım"),
                               QCoreApplication::translate("LathesPage", "inçte diş (tpi)")});
        m_screw = new QLineEdit(m_fields);
        m_screw->setObjectName(QStringLiteral("screw"));
        m_gears = textBox(m_fields, "latheGears", 4);
        m_gears->setToolTip(QCoreApplication::translate(
            "LathesPage", "Diş sayıları, boşluk ya da virgülle ayrılmış; iki kez "
                          "yazılan sayı o sayıda iki dişli demektir."));
        m_gearbox = textBox(m_fields, "gearbox", 4);
        m_gearbox->setToolTip(QCoreApplication::translate(
            "LathesPage", "Hızlı değiştirme kutusunun konumları, satır başına bir konum: "
                          "adı ve oranı (\"A 1\", \"B 0,5\"). Boşsa oranı 1 olan tek "
                          "konum."));
        m_hasClearance = new QCheckBox(
            QCoreApplication::translate("LathesPage", "Bileşik dizi için boşluk (k)"), m_fields);
        m_hasClearance->setObjectName(QStringLiteral("latheHasClearance"));
        m_clearance = spinBox(m_fields, "latheClearance", MachineLimits::clearance);
        m_hasReach = new QCheckBox(
            QCoreApplication::translate("LathesPage", "Erişim: en az diş toplamı"), m_fields);
        m_hasReach->setObjectName(QStringLiteral("latheHasReach"));
        m_hasReach->setToolTip(QCoreApplication::translate(
            "LathesPage", "Kolun (banjo) bağlayabildiği en küçük dizi: basit dizide "
                          "A + B, bileşik dizide A + B + C + D en az bu kadar olmalı."));
        m_reach = spinBox(m_fields, "latheReach", LatheLimits::reach);

        auto* screw = new QHBoxLayout;
        screw->addWidget(m_screw, 1);
        screw->addWidget(m_screwUnit);
        auto* form = new QFormLayout(m_fields);
        form->setContentsMargins({});
        form->addRow(QCoreApplication::translate("LathesPage", "Ad"), m_name);
        form->addRow(QCoreApplication::translate("LathesPage", "Vidalı mil"), screw);
        form->addRow(QCoreApplication::translate("LathesPage", "Dişliler"), m_gears);
        form->addRow(QCoreApplication::translate("LathesPage", "Kutu konumları"), m_gearbox);
        form->addRow(m_hasClearance);
        form->addRow(QCoreApplication::translate("LathesPage", "Boşluk (k, diş)"), m_clearance);
        form->addRow(m_hasReach);
        form->addRow(QCoreApplication::translate("LathesPage", "Erişim (diş)"), m_reach);

        const auto changed = [this] {
            if (!m_showing) {
                edited();
            }
        };
        QObject::connect(m_name, &QLineEdit::textEdited, m_fields, changed);
        QObject::connect(m_screw, &QLineEdit::textEdited, m_fields, changed);
        QObject::connect(m_screwUnit, &QComboBox::currentIndexChanged, m_fields, changed);
        QObject::connect(m_gears, &QPlainTextEdit::textChanged, m_fields, changed);
        QObject::connect(m_gearbox, &QPlainTextEdit::textChanged, m_fields, changed);
        for (QCheckBox* box : {m_hasClearance, m_hasReach}) {
            QObject::connect(box, &QCheckBox::toggled, m_fields, changed);
        }
        for (QSpinBox* box : {m_clearance, m_reach}) {
            QObject::connect(box, &QSpinBox::valueChanged, m_fields, changed);
        }
        return m_fields;
    }

    void show(std::optional<qsizetype> i) override {
        const LatheEntry builtIn = entryOf(builtInLathe());
        const LatheEntry& e = i ? m_entries.at(*i) : builtIn;
        m_showing = true;
        m_name->setText(displayName(e.value));
        m_screwUnit->setCurrentIndex(e.value.screw.unit == LeadScrew::Unit::Millimetre ? 0 : 1);
        m_screw->setText(e.screwText);
        m_gears->setPlainText(e.gearsText);
        m_gearbox->setPlainText(e.gearboxText);
        m_hasClearance->setChecked(e.value.clearance.has_value());
        m_clearance->setValue(e.value.clearance.value_or(0));
        m_hasReach->setChecked(e.value.reach.has_value());
        m_reach->setValue(e.value.reach.value_or(0));
        m_showing = false;
        for (QWidget* w : std::initializer_list<QWidget*>{m_name, m_screwUnit, m_screw, m_gears,
                                                          m_gearbox, m_hasClearance, m_hasReach}) {
            w->setEnabled(i.has_value());
        }
        m_clearance->setEnabled(i && e.value.clearance);
        m_reach->setEnabled(i && e.value.reach);
    }

    // The texts are kept exactly as typed; the lathe's values follow them where they read.
    void take(qsizetype i) override {
        LatheEntry& e = m_entries[i];
        Lathe& l = e.value;
        l.name = m_name->text();
        e.screwText = m_screw->text();
        e.gearsText = m_gears->toPlainText();
        e.gearboxText = m_gearbox->toPlainText();
        e.fault.clear();
        const bool mm = m_screwUnit->currentIndex() == 0;
        const std::optional<double> pitch = FieldValues::readNumber(e.screwText, m_locale);
        l.screw = {mm ? LeadScrew::Unit::Millimetre : LeadScrew::Unit::ThreadsPerInch,
                   pitch.value_or(0)};
        if (!pitch) {
            using namespace LatheLimits;
            e.fault = latheFaultMessage({l.name, mm ? LatheKey::ScrewMm : LatheKey::ScrewTpi,
                                         LatheRule::Range, mm ? screwMmLow : screwTpiLow,
                                         mm ? screwMmHigh : screwTpiHigh},
                                        m_locale);
        }
        auto gears = parseGears(l.name, e.gearsText, m_locale);
        if (auto* list = std::get_if<QList<int>>(&gears)) {
            l.gears = *list;
        } else if (e.fault.isEmpty()) {
            e.fault = machineFaultMessage(std::get<MachineFault>(gears), m_locale);
        }
        auto box = parseGearbox(l.name, e.gearboxText, m_locale);
        if (auto* positions = std::get_if<QList<GearboxPosition>>(&box)) {
            l.gearbox = *positions;
        } else if (e.fault.isEmpty()) {
            e.fault = latheFaultMessage(std::get<LatheFault>(box), m_locale);
        }
        l.clearance =
            m_hasClearance->isChecked() ? std::optional(m_clearance->value()) : std::nullopt;
        l.reach = m_hasReach->isChecked() ? std::optional(m_reach->value()) : std::nullopt;
        m_clearance->setEnabled(m_hasClearance->isChecked());
        m_reach->setEnabled(m_hasReach->isChecked());
    }

private:
    LatheEntry entryOf(const Lathe& lathe) const override {
        return {lathe,
                FieldValues::writeNumber(lathe.screw.value, m_locale),
                gearsText(lathe.gears, m_locale),
                gearboxText(lathe.gearbox, m_locale),
                {}};
    }

    bool m_showing = false;
    QWidget* m_fields = nullptr;
    QLineEdit* m_name = nullptr;
    QComboBox* m_screwUnit = nullptr;
    QLineEdit* m_screw = nullptr;
    QPlainTextEdit* m_gears = nullptr;
    QPlainTextEdit* m_gearbox = nullptr;
    QCheckBox* m_hasClearance = nullptr;
    QSpinBox* m_clearance = nullptr;
    QCheckBox* m_hasReach = nullptr;
    QSpinBox* m_reach = nullptr;
};

} // namespace

std::unique_ptr<EntryKind> makeLatheKind(const QList<Lathe>& lathes, const QLocale& locale) {
    return std::make_unique<LatheKind>(lathes, locale);
}
