#include "model/fault.h"

QString faultMessage(const Fault& fault) {
    QString field = QStringLiteral("«%1»").arg(fieldCaption(fault.field));
    switch (fault.kind) {
    case FaultKind::NotANumber:
        return QStringLiteral("%1 alanındaki değer bir sayı değil.").arg(field);
    case FaultKind::DivisionByZero:
        return QStringLiteral("%1 hesaplanamadı: sıfıra bölme").arg(field);
    case FaultKind::InvalidOperation:
        return QStringLiteral("%1 hesaplanamadı: tanımsız işlem").arg(field);
    case FaultKind::Overflow:
        return QStringLiteral("%1 hesaplanamadı: sonuç çok büyük").arg(field);
    case FaultKind::InvalidAngle:
        return QStringLiteral("%1 geçerli bir açı değil: dakika 60'tan küçük olmalı.").arg(field);
    case FaultKind::NotACount:
        return QStringLiteral("%1 1 veya daha büyük bir tam sayı olmalı.").arg(field);
    }
    return field;
}
