#include "model/fault.h"

#include <QCoreApplication>

#include <cmath>

#include "model/fieldvalues.h"

namespace {

// The question particle after a number as it is read aloud: Turkish vowel harmony follows the
// last spoken word ("1440 mı?", bin dört yüz kırk; "1,44 mü?", bir virgül kırk dört).
QString questionParticle(const QString& number, const QLocale& locale) {
    const QString decimal = locale.decimalPoint();
    QString digits = number.section(decimal, -1);
    if (number.contains(decimal) && digits.count(QLatin1Char('0')) == digits.size()) {
        digits = number.section(decimal, 0, 0);
    }
    digits.remove(QLatin1Char('-'));
    while (digits.startsWith(QLatin1Char('0'))) {
        digits.remove(0, 1);
    }
    if (digits.isEmpty()) {
        return QStringLiteral("mı"); // sıfır
    }
    qsizetype zeros = 0;
    while (digits.at(digits.size() - 1 - zeros) == QLatin1Char('0')) {
        ++zeros;
    }
    const int last = digits.at(digits.size() - 1 - zeros).digitValue();
    // bir iki üç dört beş altı yedi sekiz dokuz; on yirmi otuz kırk elli altmış yetmiş seksen
    // doksan; yüz; bin; milyon; milyar; trilyon.
    static const std::array<const char*, 10> units = {"",   "mi", "mi", "mü", "mü",
                                                      "mi", "mı", "mi", "mi", "mu"};
    static const std::array<const char*, 10> tens = {"",   "mu", "mi", "mu", "mı",
                                                     "mi", "mı", "mi", "mi", "mı"};
    static const std::array<const char*, 5> groups = {"mi", "mu", "mı", "mu", "mi"};
    if (zeros == 0) {
        return QString::fromUtf8(units.at(std::size_t(last)));
    }
    if (zeros == 1) {
        return QString::fromUtf8(tens.at(std::size_t(last)));
    }
    if (zeros == 2) {
        return QStringLiteral("mü"); // yüz
    }
    return QString::fromUtf8(groups.at(std::min<std::size_t>(std::size_t(zeros / 3 - 1), 4)));
}

// The number asked about. Each particle is a pattern of its own, so that a language that asks
// without one translates it to the number alone.
QString asked(const QString& number, const QLocale& locale) {
    const QString particle = questionParticle(number, locale);
    if (particle == QStringLiteral("mı")) {
        return QCoreApplication::translate("Fault", "%1 mı").arg(number);
    }
    if (particle == QStringLiteral("mu")) {
        return QCoreApplication::translate("Fault", "%1 mu").arg(number);
    }
    if (particle == QStringLiteral("mü")) {
        return QCoreApplication::translate("Fault", "%1 mü").arg(number);
    }
    return QCoreApplication::translate("Fault", "%1 mi").arg(number);
}

QString ambiguousMessage(const QString& field, const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    const QString asDecimal = FieldValues::writeNumber(QLocale::c().toDouble(trimmed), locale);
    QString asWhole = trimmed;
    asWhole.remove(QLatin1Char('.'));
    asWhole = FieldValues::writeNumber(QLocale::c().toDouble(asWhole), locale);
    return QCoreApplication::translate("Fault",
                                       "%1 alanındaki «%2» iki türlü okunabilir: %3 %4? Ondalık "
                                       "ayırıcı olarak virgül yazın, binlik ayırıcı yazmayın.")
        .arg(field, trimmed, asked(asDecimal, locale), asked(asWhole, locale));
}

} // namespace

Fault outOfScale(std::span<const std::pair<FieldId, double>> inputs) {
    FieldId culprit = inputs.empty() ? FieldId::m_t : inputs.front().first;
    double worst = -1;
    for (const auto& [field, value] : inputs) {
        const double x = std::abs(value);
        const double scale = x > 0 ? std::abs(std::log10(x)) : 0;
        if (scale > worst) {
            worst = scale;
            culprit = field;
        }
    }
    return Fault{culprit, FaultKind::OutOfScale};
}

QString faultMessage(const Fault& fault, const QLocale& locale) {
    return faultMessage(fault, fieldCaption(fault.field), locale);
}

QString faultMessage(const Fault& fault, const QString& caption, const QLocale& locale) {
    QString field = QStringLiteral("«%1»").arg(caption);
    switch (fault.kind) {
    case FaultKind::NotANumber:
        return QCoreApplication::translate("Fault", "%1 alanındaki değer bir sayı değil.")
            .arg(field);
    case FaultKind::DivisionByZero:
        return QCoreApplication::translate("Fault", "%1 hesaplanamadı: sıfıra bölme").arg(field);
    case FaultKind::InvalidOperation:
        return QCoreApplication::translate("Fault", "%1 hesaplanamadı: tanımsız işlem").arg(field);
    case FaultKind::Overflow:
        return QCoreApplication::translate("Fault", "%1 hesaplanamadı: sonuç çok büyük").arg(field);
    case FaultKind::InvalidAngle:
        return QCoreApplication::translate("Fault",
                                           "%1 geçerli bir açı değil: dakika 60'tan küçük olmalı.")
            .arg(field);
    case FaultKind::NotACount:
        return QCoreApplication::translate("Fault", "%1 1 veya daha büyük bir tam sayı olmalı.")
            .arg(field);
    case FaultKind::AmbiguousPoint:
        return ambiguousMessage(field, fault.text, locale);
    case FaultKind::InvalidStarts:
        return QCoreApplication::translate(
            "Fault", "Vida ağız sayısı için 1 ile 6 arasında bir tam sayı girin.");
    case FaultKind::NotPositive:
        return QCoreApplication::translate("Fault", "%1 sıfırdan büyük olmalı.").arg(field);
    case FaultKind::Negative:
        return QCoreApplication::translate("Fault", "%1 sıfırdan küçük olamaz.").arg(field);
    case FaultKind::OutOfScale:
        return QCoreApplication::translate(
                   "Fault", "%1 alanındaki değer bu hesap için çok büyük ya da çok küçük.")
            .arg(field);
    case FaultKind::OutsideBounds:
        return QCoreApplication::translate("Fault", "%1 %2 ile %3 arasında olmalı.")
            .arg(field, FieldValues::writeNumber(fault.low, locale),
                 FieldValues::writeNumber(fault.high, locale));
    case FaultKind::GroupSeparator: {
        QLocale grouping = locale;
        grouping.setNumberOptions(QLocale::DefaultNumberOptions);
        return QCoreApplication::translate("Fault",
                                           "%1 alanındaki «%2» basamakları gruplanmış; binlik "
                                           "ayırıcı kabul edilmez: sayıyı %3 olarak yazın.")
            .arg(field, fault.text.trimmed(),
                 FieldValues::writeNumber(grouping.toDouble(fault.text.trimmed()), locale));
    }
    }
    return field;
}
