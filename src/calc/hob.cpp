#include "calc/hob.h"

#include "calc/hobangles.h"
#include "calc/machine.h"
#include "model/fieldvalues.h"

#include <QCoreApplication>

#include <cmath>

namespace {

bool noReservedName(const QString& /*name*/) {
    return false;
}

} // namespace

QString displayName(const Hob& hob) {
    return hob.name.trimmed();
}

QString unclashedHobName(const QString& name, const QList<Hob>& taken) {
    return unclashed(name, taken, noReservedName);
}

std::optional<double> hobAngle(const Hob& hob) {
    const QString text = hob.angle.trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    // A file is read the same in every locale: either separator, never a group.
    QString point = text;
    point.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(point, &ok);
    if (!ok || !std::isfinite(value) || !angleInMinutes(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<HobFault> checkHob(const Hob& h) {
    using namespace HobLimits;
    const qsizetype length = h.name.trimmed().size();
    if (length < 1 || length > MachineLimits::longestName) {
        return HobFault{h.name, HobKey::Name, HobRule::NameLength};
    }
    if (!(h.module >= moduleLow && h.module <= moduleHigh)) {
        return HobFault{h.name, HobKey::Module, HobRule::Range};
    }
    if (h.starts < startsLow || h.starts > startsHigh) {
        return HobFault{h.name, HobKey::Starts, HobRule::Range};
    }
    if (!(h.pitchDiameter > 2 * h.module) || !std::isfinite(h.pitchDiameter)) {
        return HobFault{h.name, HobKey::PitchDiameter, HobRule::AboveTwoModules};
    }
    if (!h.angle.trimmed().isEmpty() && !hobAngle(h)) {
        return HobFault{h.name, HobKey::Angle, HobRule::BadAngle};
    }
    return std::nullopt;
}

std::optional<HobFault> checkHobs(const QList<Hob>& hobs) {
    return checkNamed(hobs, checkHob, noReservedName, [](const Hob& h, bool /*reserved*/) {
        return HobFault{h.name, HobKey::Name, HobRule::NameTaken};
    });
}

QString hobFaultMessage(const HobFault& fault, const QLocale& locale) {
    const QString name = fault.hob.trimmed();
    const auto n = [&locale](double x) { return FieldValues::writeNumber(x, locale); };
    switch (fault.rule) {
    case HobRule::NameLength:
        return QCoreApplication::translate("Hob", "Azdırmanın adı 1 ile %1 karakter olmalı.")
            .arg(MachineLimits::longestName);
    case HobRule::NameTaken:
        return QCoreApplication::translate("Hob", "«%1» adında bir azdırma zaten var.").arg(name);
    case HobRule::Range:
        return fault.key == HobKey::Module
                   ? QCoreApplication::translate(
                         "Hob", "«%1» azdırmasının modülü %2 ile %3 arasında olmalı.")
                         .arg(name, n(HobLimits::moduleLow), n(HobLimits::moduleHigh))
                   : QCoreApplication::translate(
                         "Hob",
                         "«%1» azdırmasının ağız sayısı %2 ile %3 arasında bir tam sayı olmalı.")
                         .arg(name, n(HobLimits::startsLow), n(HobLimits::startsHigh));
    case HobRule::AboveTwoModules:
        return QCoreApplication::translate(
                   "Hob", "«%1» azdırmasının bölüm dairesi çapı modülün iki katından büyük olmalı.")
            .arg(name);
    case HobRule::BadAngle:
        return QCoreApplication::translate(
                   "Hob", "«%1» azdırmasının açısı okunmuyor: açı derece ve dakika olarak "
                          "yazılır, %2 = 5° 43′ (dakika 60'tan küçük).")
            .arg(name, locale.toString(5.43));
    }
    return {};
}

bool ofModuleAndStarts(const Hob& hob, double module, int starts) {
    return std::abs(hob.module - module) <= 1e-9 && hob.starts == starts;
}

const Hob* hobFor(const QList<Hob>& hobs, double module, int starts, double d1) {
    for (const Hob& h : hobs) {
        if (ofModuleAndStarts(h, module, starts) && std::abs(h.pitchDiameter - d1) <= 0.01 + 1e-9) {
            return &h;
        }
    }
    return nullptr;
}
