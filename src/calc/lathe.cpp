#include "calc/lathe.h"

#include <QCoreApplication>

#include "model/fieldvalues.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// The English interface's name of the built-in lathe, reserved whatever the language in use.
const QString englishBuiltInName = QStringLiteral("Default lathe");

std::optional<LatheFault> outside(const Lathe& l, LatheKey key, double value, double low,
                                  double high) {
    if (!(value >= low && value <= high)) {
        return LatheFault{l.name, key, LatheRule::Range, low, high};
    }
    return std::nullopt;
}

} // namespace

QList<GearboxPosition> Lathe::positions() const {
    return gearbox.isEmpty() ? QList<GearboxPosition>{GearboxPosition{QString(), 1}} : gearbox;
}

const Lathe& builtInLathe() {
    static const Lathe lathe = [] {
        Lathe l;
        l.name = QStringLiteral("Varsayılan torna");
        l.screw = {LeadScrew::Unit::Millimetre, 6};
        for (int teeth = 20; teeth <= 100; teeth += 5) {
            l.gears.append(teeth);
        }
        l.gears += {110, 120, 127};
        return l;
    }();
    return lathe;
}

bool isReservedLatheName(const QString& name) {
    return isReservedIn(name, builtInLathe().name, englishBuiltInName);
}

QString displayName(const Lathe& lathe) {
    if (lathe == builtInLathe()) {
        return QCoreApplication::translate("Lathe", "Varsayılan torna");
    }
    return lathe.name;
}

bool fits(const Lathe& lathe, int a, int b, int c, int d) {
    const int k = lathe.clearance.value_or(0);
    return !lathe.clearance || (a + b >= c + k && c + d >= b + k);
}

std::optional<LatheFault> checkLathe(const Lathe& l) {
    using namespace LatheLimits;
    const qsizetype length = l.name.trimmed().size();
    if (length < 1 || length > MachineLimits::longestName) {
        return LatheFault{l.name, LatheKey::Name, LatheRule::NameLength};
    }
    const bool mm = l.screw.unit == LeadScrew::Unit::Millimetre;
    if (auto f = outside(l, mm ? LatheKey::ScrewMm : LatheKey::ScrewTpi, l.screw.value,
                         mm ? screwMmLow : screwTpiLow, mm ? screwMmHigh : screwTpiHigh)) {
        return f;
    }
    const Limits count = MachineLimits::gearCount;
    if (l.gears.size() < count.low || l.gears.size() > count.high) {
        return LatheFault{l.name, LatheKey::Gears, LatheRule::GearCount, double(count.low),
                          double(count.high)};
    }
    const Limits teeth = MachineLimits::gearTeeth;
    for (const int gear : l.gears) {
        if (auto f = outside(l, LatheKey::Gears, gear, teeth.low, teeth.high)) {
            return f;
        }
    }
    for (const GearboxPosition& p : l.gearbox) {
        const qsizetype name = p.name.trimmed().size();
        if (name < 1 || name > gearboxNameLength) {
            return LatheFault{l.name, LatheKey::GearboxName, LatheRule::NameLength, 1,
                              double(gearboxNameLength)};
        }
        if (auto f = outside(l, LatheKey::GearboxRatio, p.ratio, ratioLow, ratioHigh)) {
            return f;
        }
    }
    if (l.clearance) {
        const Limits k = MachineLimits::clearance;
        if (auto f = outside(l, LatheKey::Clearance, *l.clearance, k.low, k.high)) {
            return f;
        }
    }
    if (l.reach) {
        return outside(l, LatheKey::Reach, *l.reach, reach.low, reach.high);
    }
    return std::nullopt;
}

std::optional<LatheFault> checkLathes(const QList<Lathe>& lathes) {
    return checkNamed(lathes, checkLathe, isReservedLatheName, [](const Lathe& l, bool reserved) {
        return LatheFault{l.name, LatheKey::Name,
                          reserved ? LatheRule::NameReserved : LatheRule::NameTaken};
    });
}

QString latheFaultMessage(const LatheFault& fault, const QLocale& locale) {
    QString name = fault.lathe.trimmed();
    const QString low = FieldValues::writeNumber(fault.low, locale);
    const QString high = FieldValues::writeNumber(fault.high, locale);
    switch (fault.rule) {
    case LatheRule::NameLength:
        if (fault.key == LatheKey::GearboxName) {
            return QCoreApplication::translate(
                       "Lathe",
                       "«%1» tornasının kutu konumlarının adı 1 ile %2 karakter arasında olmalı.")
                .arg(name, high);
        }
        return name.isEmpty()
                   ? QCoreApplication::translate(
                         "Lathe",
                         "Adsız bir torna var: her tornanın 1 ile %1 karakter arasında bir adı "
                         "olmalı.")
                         .arg(locale.toString(MachineLimits::longestName))
                   : QCoreApplication::translate(
                         "Lathe", "«%1» tornasının adı 1 ile %2 karakter arasında olmalı.")
                         .arg(name.left(MachineLimits::longestName) + QStringLiteral("…"),
                              locale.toString(MachineLimits::longestName));
    case LatheRule::NameTaken:
        return QCoreApplication::translate(
                   "Lathe",
                   "«%1» adı birden fazla tornada var: adlar, büyük küçük harf ayrımı olmadan, "
                   "birbirinden farklı olmalı.")
            .arg(name);
    case LatheRule::NameReserved:
        return QCoreApplication::translate("Lathe",
                                           "«%1» adı yerleşik tornanın adıdır; başka bir ad seçin.")
            .arg(name);
    case LatheRule::TwoScrews:
        return QCoreApplication::translate(
                   "Lathe",
                   "«%1» tornasının vidalı mili ya mm ya da tpi ile verilmeli, ikisiyle birden "
                   "değil.")
            .arg(name);
    case LatheRule::GearCount:
        return QCoreApplication::translate("Lathe",
                                           "«%1» tornasında %2 ile %3 arasında dişli olmalı.")
            .arg(name, low, high);
    case LatheRule::Range:
        break;
    }
    switch (fault.key) {
    case LatheKey::ScrewMm:
        return QCoreApplication::translate(
                   "Lathe", "«%1» tornasının vidalı mil adımı %2 ile %3 mm arasında olmalı.")
            .arg(name, low, high);
    case LatheKey::ScrewTpi:
        return QCoreApplication::translate(
                   "Lathe", "«%1» tornasının vidalı mili inçte %2 ile %3 diş arasında olmalı.")
            .arg(name, low, high);
    case LatheKey::Gears:
        return QCoreApplication::translate(
                   "Lathe", "«%1» tornasının dişlileri %2 ile %3 arasında tam sayılar olmalı.")
            .arg(name, low, high);
    case LatheKey::GearboxRatio:
        return QCoreApplication::translate(
                   "Lathe", "«%1» tornasının kutu konumlarının oranı %2 ile %3 arasında olmalı.")
            .arg(name, low, high);
    case LatheKey::Clearance:
        return QCoreApplication::translate(
                   "Lathe", "«%1» tornasının boşluğu (k) %2 ile %3 arasında bir tam sayı olmalı.")
            .arg(name, low, high);
    case LatheKey::Reach:
        return QCoreApplication::translate("Lathe", "«%1» tornasının erişimi (en az diş toplamı) "
                                                    "%2 ile %3 arasında bir tam sayı olmalı.")
            .arg(name, low, high);
    case LatheKey::Name:
    case LatheKey::GearboxName:
        break;
    }
    return name;
}

QString unclashedLatheName(const QString& name, const QList<Lathe>& taken) {
    return unclashed(name, taken, isReservedLatheName);
}

QString gearboxText(const QList<GearboxPosition>& gearbox, const QLocale& locale) {
    QStringList lines;
    for (const GearboxPosition& p : gearbox) {
        lines.append(p.name + QLatin1Char(' ') + FieldValues::writeNumber(p.ratio, locale));
    }
    return lines.join(QLatin1Char('\n'));
}

std::variant<QList<GearboxPosition>, LatheFault>
parseGearbox(const QString& lathe, const QString& text, const QLocale& locale) {
    using namespace LatheLimits;
    QList<GearboxPosition> positions;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            continue;
        }
        // The name is everything before the last blank; the ratio, what follows it.
        const qsizetype blank = trimmed.lastIndexOf(QLatin1Char(' '));
        const QString name = blank < 0 ? QString() : trimmed.left(blank).trimmed();
        const std::optional<double> ratio = FieldValues::readNumber(trimmed.mid(blank + 1), locale);
        if (name.isEmpty() || name.size() > gearboxNameLength) {
            return LatheFault{lathe, LatheKey::GearboxName, LatheRule::NameLength, 1,
                              double(gearboxNameLength)};
        }
        if (!ratio || *ratio < ratioLow || *ratio > ratioHigh) {
            return LatheFault{lathe, LatheKey::GearboxRatio, LatheRule::Range, ratioLow, ratioHigh};
        }
        positions.append({name, *ratio});
    }
    return positions;
}
