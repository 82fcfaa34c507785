#include "calc/machine.h"

#include <QCoreApplication>

#include "calc/changegears.h"
#include "model/fieldvalues.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

constexpr qsizetype longestName = MachineLimits::longestName;

// The English interface's name of the built-in machine, reserved whatever the language in use.
const QString englishBuiltInName = QStringLiteral("Default machine");

std::optional<MachineFault> outside(const Machine& m, MachineKey key, int value) {
    const Limits limits = limitsOf(key);
    if (value < limits.low || value > limits.high) {
        return MachineFault{m.name, key, MachineRule::WholeNumber, limits.low, limits.high};
    }
    return std::nullopt;
}

QString keyName(MachineKey key) {
    switch (key) {
    case MachineKey::Name:
        return QCoreApplication::translate("Machine", "adı");
    case MachineKey::IndexConstant:
        return QCoreApplication::translate("Machine", "bölme sabiti (K)");
    case MachineKey::Gears:
        return QCoreApplication::translate("Machine", "dişlileri");
    case MachineKey::LargeWheelAbove:
        return QCoreApplication::translate("Machine", "büyük çark sınırı (Z2 >)");
    case MachineKey::LargeWheelConstant:
        return QCoreApplication::translate("Machine", "büyük çark sabiti (K′)");
    case MachineKey::Clearance:
        return QCoreApplication::translate("Machine", "boşluğu (k)");
    }
    return {};
}

} // namespace

const Machine& builtInMachine() {
    static const Machine machine = [] {
        Machine m;
        m.name = QStringLiteral("Varsayılan tezgâh");
        m.indexConstant = 24;
        m.gears = QList<int>(changeGearSet.begin(), changeGearSet.end());
        return m;
    }();
    return machine;
}

bool isReservedName(const QString& name) {
    return isReservedIn(name, builtInMachine().name, englishBuiltInName);
}

QString displayName(const Machine& machine) {
    if (machine == builtInMachine()) {
        return QCoreApplication::translate("Machine", "Varsayılan tezgâh");
    }
    return machine.name;
}

int effectiveConstant(const Machine& machine, double z2) {
    if (machine.largeWheel && z2 > machine.largeWheel->above) {
        return machine.largeWheel->indexConstant;
    }
    return machine.indexConstant;
}

bool hasGear(const Machine& machine, double teeth) {
    // Every count is whole, so an exact compare also refuses fractions.
    return std::any_of(machine.gears.begin(), machine.gears.end(),
                       [teeth](int count) { return teeth == count; });
}

bool fits(const Machine& machine, int a, int b, int c, int d) {
    const int k = machine.clearance.value_or(0);
    return !machine.clearance || (a + b >= c + k && c + d >= b + k);
}

std::optional<MachineFault> checkMachine(const Machine& m) {
    const qsizetype length = m.name.trimmed().size();
    if (length < 1 || length > longestName) {
        return MachineFault{m.name, MachineKey::Name, MachineRule::NameLength};
    }
    if (auto f = outside(m, MachineKey::IndexConstant, m.indexConstant)) {
        return f;
    }
    const Limits count = MachineLimits::gearCount;
    if (m.gears.size() < count.low || m.gears.size() > count.high) {
        return MachineFault{m.name, MachineKey::Gears, MachineRule::GearCount, count.low,
                            count.high};
    }
    for (const int gear : m.gears) {
        if (auto f = outside(m, MachineKey::Gears, gear)) {
            return f;
        }
    }
    if (m.largeWheel) {
        if (auto f = outside(m, MachineKey::LargeWheelAbove, m.largeWheel->above)) {
            return f;
        }
        if (auto f = outside(m, MachineKey::LargeWheelConstant, m.largeWheel->indexConstant)) {
            return f;
        }
    }
    if (m.clearance) {
        return outside(m, MachineKey::Clearance, *m.clearance);
    }
    return std::nullopt;
}

std::optional<MachineFault> checkMachines(const QList<Machine>& machines) {
    return checkNamed(machines, checkMachine, isReservedName, [](const Machine& m, bool reserved) {
        return MachineFault{m.name, MachineKey::Name,
                            reserved ? MachineRule::NameReserved : MachineRule::NameTaken};
    });
}

std::variant<QList<int>, MachineFault> parseGears(const QString& machine, const QString& text,
                                                  const QLocale& locale) {
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    QList<int> gears;
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts)) {
        const std::optional<double> count = FieldValues::readNumber(part, locale);
        const Limits teeth = MachineLimits::gearTeeth;
        if (!count || *count != std::floor(*count) || *count < teeth.low || *count > teeth.high) {
            return MachineFault{machine, MachineKey::Gears, MachineRule::WholeNumber, teeth.low,
                                teeth.high};
        }
        gears.append(static_cast<int>(*count));
    }
    std::sort(gears.begin(), gears.end());
    return gears;
}

QString gearsText(const QList<int>& gears, const QLocale& locale) {
    QStringList parts;
    for (const int gear : gears) {
        parts.append(FieldValues::writeNumber(gear, locale));
    }
    return parts.join(QLatin1Char(' '));
}

QString machineFaultMessage(const MachineFault& fault, const QLocale& locale) {
    QString name = fault.machine.trimmed();
    const QString low = FieldValues::writeNumber(fault.low, locale);
    const QString high = FieldValues::writeNumber(fault.high, locale);
    switch (fault.rule) {
    case MachineRule::NameLength:
        return name.isEmpty()
                   ? QCoreApplication::translate(
                         "Machine", "Adsız bir tezgâh var: her tezgâhın 1 ile %1 karakter "
                                    "arasında bir adı olmalı.")
                         .arg(locale.toString(longestName))
                   : QCoreApplication::translate(
                         "Machine", "«%1» tezgâhının adı 1 ile %2 karakter arasında olmalı.")
                         .arg(name.left(longestName) + QStringLiteral("…"),
                              locale.toString(longestName));
    case MachineRule::NameTaken:
        return QCoreApplication::translate(
                   "Machine", "«%1» adı birden fazla tezgâhta var: adlar, büyük küçük harf "
                              "ayrımı olmadan, birbirinden farklı olmalı.")
            .arg(name);
    case MachineRule::NameReserved:
        return QCoreApplication::translate("Machine",
                                           "«%1» adı yerleşik tezgâhın adıdır; başka bir ad seçin.")
            .arg(name);
    case MachineRule::WholeNumber:
        if (fault.key == MachineKey::Gears) {
            return QCoreApplication::translate(
                       "Machine", "«%1» tezgâhının dişlileri %2 ile %3 arasında tam sayılar "
                                  "olmalı.")
                .arg(name, low, high);
        }
        return QCoreApplication::translate(
                   "Machine", "«%1» tezgâhının %2 %3 ile %4 arasında bir tam sayı olmalı.")
            .arg(name, keyName(fault.key), low, high);
    case MachineRule::GearCount:
        return QCoreApplication::translate("Machine",
                                           "«%1» tezgâhında %2 ile %3 arasında dişli olmalı.")
            .arg(name, low, high);
    }
    return name;
}

// Turkish case rules: "KIRIKKALE" is "Kırıkkale", and "ISPARTA" is not "isparta".
bool sameName(const QString& a, const QString& b) {
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return turkish.toLower(a.trimmed()) == turkish.toLower(b.trimmed());
}

bool isReservedIn(const QString& name, const QString& turkishName, const QString& englishName) {
    // The English name is English words, so its case folds by the English rule as well.
    return sameName(name, turkishName) || sameName(name, englishName) ||
           name.trimmed().compare(englishName, Qt::CaseInsensitive) == 0;
}

QString unclashedName(const QString& name, const QList<Machine>& taken) {
    return unclashed(name, taken, isReservedName);
}
