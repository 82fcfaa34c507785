// The rating's words, apart from its figures: the method, the names, units, values and rules
// of the figures, and the warnings' sentences, for the window and the sheet alike.

#include "calc/angles.h"
#include "calc/hobangles.h"
#include "calc/jobsheet.h"
#include "calc/rating.h"
#include "model/fieldvalues.h"

#include <QCoreApplication>

#include <cmath>

QString ratingMethod() {
    return QCoreApplication::translate("Rating", "AGMA yöntemi (Shigley, 15. bölüm).");
}

QString castingName(Casting casting) {
    switch (casting) {
    case Casting::SandCast:
        return QCoreApplication::translate("Rating", "kum döküm");
    case Casting::StaticChillCast:
        return QCoreApplication::translate("Rating", "kokil döküm");
    case Casting::CentrifugallyCast:
        return QCoreApplication::translate("Rating", "santrifüj döküm");
    }
    return {};
}

QString ratedLimitName(RatedLimit limit) {
    switch (limit) {
    case RatedLimit::Surface:
        return QCoreApplication::translate("Rating", "yüzey dayanımı");
    case RatedLimit::Bending:
        return QCoreApplication::translate("Rating", "diş eğilmesi");
    case RatedLimit::Deflection:
        return QCoreApplication::translate("Rating", "vida mili sehimi");
    }
    return {};
}

QString ratingCaption(RatingFigureId id) {
    using R = RatingFigureId;
    const auto t = [](const char* text) { return QCoreApplication::translate("Rating", text); };
    switch (id) {
    case R::LeadAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA HELİS AÇISI (γ)"));
    case R::NormalPressureAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "NORMAL KAVRAMA AÇISI (αn)"));
    case R::WormPitchLineSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA ÇEVRE HIZI (v1)"));
    case R::WheelPitchLineSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "DİŞLİ ÇEVRE HIZI (v2)"));
    case R::SlidingSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "KAYMA HIZI (vs)"));
    case R::Friction:
        return t(QT_TRANSLATE_NOOP("Rating", "SÜRTÜNME KATSAYISI (f)"));
    case R::FrictionAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "SÜRTÜNME AÇISI (ρ′)"));
    case R::Efficiency:
        return t(QT_TRANSLATE_NOOP("Rating", "VERİM, VİDA SÜRERKEN (η)"));
    case R::BackEfficiency:
        return t(QT_TRANSLATE_NOOP("Rating", "VERİM, DİŞLİ SÜRERKEN (η′)"));
    case R::InputTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "GİRİŞ MOMENTİ (T1)"));
    case R::OutputTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "ÇIKIŞ MOMENTİ (T2)"));
    case R::InputPower:
        return t(QT_TRANSLATE_NOOP("Rating", "GİRİŞ GÜCÜ (P1)"));
    case R::OutputPower:
        return t(QT_TRANSLATE_NOOP("Rating", "ÇIKIŞ GÜCÜ (P2)"));
    case R::PowerLoss:
        return t(QT_TRANSLATE_NOOP("Rating", "GÜÇ KAYBI (Pv)"));
    case R::WheelTangentialForce:
        return t(QT_TRANSLATE_NOOP("Rating", "DİŞLİ ÇEVRE KUVVETİ = VİDA EKSENEL KUVVETİ (Wt2)"));
    case R::WormTangentialForce:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA ÇEVRE KUVVETİ = DİŞLİ EKSENEL KUVVETİ (Wt1)"));
    case R::SeparatingForce:
        return t(QT_TRANSLATE_NOOP("Rating", "AYIRMA KUVVETİ (Wr)"));
    case R::WormSizeLow:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA ÇAPININ ALT SINIRI"));
    case R::WormSizeHigh:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA ÇAPININ ÜST SINIRI"));
    case R::MaterialsFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "MALZEME FAKTÖRÜ (Cs)"));
    case R::RatioFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "ORAN FAKTÖRÜ (Cm)"));
    case R::VelocityFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "HIZ FAKTÖRÜ (Cv)"));
    case R::EffectiveFaceWidth:
        return t(QT_TRANSLATE_NOOP("Rating", "ETKİN DİŞ GENİŞLİĞİ (Fe)"));
    case R::AllowableLoad:
        return t(QT_TRANSLATE_NOOP("Rating", "İZİN VERİLEN ÇEVRE KUVVETİ (Wt,all)"));
    case R::SurfaceTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "YÜZEY DAYANIMININ MOMENTİ"));
    case R::LewisFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "LEWIS FORM FAKTÖRÜ (y)"));
    case R::NormalPitch:
        return t(QT_TRANSLATE_NOOP("Rating", "NORMAL ADIM (pn)"));
    case R::BendingStress:
        return t(QT_TRANSLATE_NOOP("Rating", "DİŞ DİBİ EĞİLME GERİLMESİ (σ)"));
    case R::BendingAllowable:
        return t(QT_TRANSLATE_NOOP("Rating", "İZİN VERİLEN EĞİLME GERİLMESİ (σall)"));
    case R::BendingRatio:
        return t(QT_TRANSLATE_NOOP("Rating", "EĞİLME ORANI (σ ÷ σall)"));
    case R::BendingTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "DİŞ EĞİLMESİNİN MOMENTİ"));
    case R::ShaftForce:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA MİLİNE GELEN KUVVET (F)"));
    case R::BearingSpan:
        return t(QT_TRANSLATE_NOOP("Rating", "YATAK ARALIĞI (l)"));
    case R::SecondMoment:
        return t(QT_TRANSLATE_NOOP("Rating", "DİŞ DİBİ KESİTİNİN ATALET MOMENTİ (I)"));
    case R::Deflection:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA MİLİ SEHİMİ (y)"));
    case R::AllowableDeflection:
        return t(QT_TRANSLATE_NOOP("Rating", "İZİN VERİLEN SEHİM (yall)"));
    case R::DeflectionRatio:
        return t(QT_TRANSLATE_NOOP("Rating", "SEHİM ORANI (y ÷ yall)"));
    case R::DeflectionTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA MİLİ SEHİMİNİN MOMENTİ"));
    case R::RatedTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "TAŞINABİLEN ÇIKIŞ MOMENTİ"));
    case R::RatedPower:
        return t(QT_TRANSLATE_NOOP("Rating", "TAŞINABİLEN ÇIKIŞ GÜCÜ (N1'de)"));
    case R::LoadRatio:
        return t(QT_TRANSLATE_NOOP("Rating", "TAŞIMA ORANI (taşınabilen ÷ T2)"));
    case R::HeatTransfer:
        return t(QT_TRANSLATE_NOOP("Rating", "ISI GEÇİŞ KATSAYISI (h)"));
    case R::HousingArea:
        return t(QT_TRANSLATE_NOOP("Rating", "GÖVDE YAN YÜZEYİ (A)"));
    case R::SumpTemperature:
        return t(QT_TRANSLATE_NOOP("Rating", "YAĞ SICAKLIĞI (ts)"));
    }
    return {};
}

QString ratingUnit(RatingFigureId id) {
    using R = RatingFigureId;
    switch (id) {
    case R::LeadAngle: // its value carries its own degrees and minutes
        return {};
    case R::NormalPressureAngle:
    case R::FrictionAngle:
        return QStringLiteral("°");
    case R::WormPitchLineSpeed:
    case R::WheelPitchLineSpeed:
    case R::SlidingSpeed:
        return QStringLiteral("m/s");
    case R::Efficiency:
    case R::BackEfficiency: // its value carries the sign, before or after as the locale puts it
        return {};
    case R::InputTorque:
    case R::OutputTorque:
    case R::SurfaceTorque:
    case R::BendingTorque:
    case R::DeflectionTorque:
    case R::RatedTorque:
        return QStringLiteral("N·m");
    case R::BendingStress:
    case R::BendingAllowable:
        return QStringLiteral("MPa");
    case R::SecondMoment:
        return QStringLiteral("mm⁴");
    case R::InputPower:
    case R::OutputPower:
    case R::PowerLoss:
    case R::RatedPower:
        return QStringLiteral("kW");
    case R::WheelTangentialForce:
    case R::WormTangentialForce:
    case R::SeparatingForce:
    case R::AllowableLoad:
    case R::ShaftForce:
        return QStringLiteral("N");
    case R::EffectiveFaceWidth:
    case R::WormSizeLow:
    case R::WormSizeHigh:
    case R::NormalPitch:
    case R::BearingSpan:
    case R::Deflection:
    case R::AllowableDeflection:
        return QStringLiteral("mm");
    case R::HeatTransfer:
        return QStringLiteral("W/(m²·°C)");
    case R::HousingArea:
        return QStringLiteral("m²");
    case R::SumpTemperature:
        return QStringLiteral("°C");
    case R::Friction:
    case R::MaterialsFactor:
    case R::RatioFactor:
    case R::VelocityFactor:
    case R::LoadRatio:
    case R::LewisFactor:
    case R::BendingRatio:
    case R::DeflectionRatio:
        return {};
    }
    return {};
}

QString ratingValue(const RatingFigure& figure, const QLocale& locale) {
    using R = RatingFigureId;
    if (figure.id == R::LeadAngle) {
        // In the notation of the form's second section, to the same minute.
        return degreesAndMinutes(leadAngle(std::tan(figure.value * radiansPerDegree)).notation);
    }
    if (figure.id == R::BackEfficiency && figure.value <= 0) {
        return QStringLiteral("—"); // the warning says why
    }
    if (figure.id == R::Efficiency || figure.id == R::BackEfficiency) {
        return percentText(figure.value, locale);
    }
    int decimals = 2;
    switch (figure.id) {
    case R::WormPitchLineSpeed:
    case R::WheelPitchLineSpeed:
    case R::SlidingSpeed:
    case R::InputPower:
    case R::OutputPower:
    case R::PowerLoss:
    case R::RatedPower:
        decimals = 3;
        break;
    case R::Friction:
    case R::RatioFactor:
    case R::VelocityFactor:
    case R::HousingArea:
    case R::Deflection:
    case R::AllowableDeflection:
        decimals = 4;
        break;
    case R::LewisFactor:
    case R::BendingRatio:
    case R::DeflectionRatio:
        decimals = 3;
        break;
    case R::SecondMoment:
        decimals = 0;
        break;
    case R::WheelTangentialForce:
    case R::WormTangentialForce:
    case R::SeparatingForce:
    case R::AllowableLoad:
    case R::MaterialsFactor:
    case R::SumpTemperature:
    case R::ShaftForce:
    case R::BendingStress:
    case R::BendingAllowable:
        decimals = 1;
        break;
    default:
        break;
    }
    return sheetNumber(figure.value, locale, decimals);
}

namespace {

// Where the worm's d1 stands against AGMA's window, said without a warning: the standard's and the
// shop's worms carry their own proportion.
QString wormSizeStanding(double d1, const ValueRange& window, const QLocale& locale) {
    const QString shown = sheetNumber(d1, locale, 2);
    if (d1 < window.low) {
        return QCoreApplication::translate("Rating", "d1 = %1 mm, aralığın altında").arg(shown);
    }
    if (d1 > window.high) {
        return QCoreApplication::translate("Rating", "d1 = %1 mm, aralığın üstünde").arg(shown);
    }
    return QCoreApplication::translate("Rating", "d1 = %1 mm, aralığın içinde").arg(shown);
}

} // namespace

QString wormSizeNote(const FieldTexts& texts, const QLocale& locale) {
    const auto a = FieldValues::readNumber(texts.at(indexOf(FieldId::A_t)), locale);
    const auto d1 = FieldValues::readNumber(texts.at(indexOf(FieldId::d1_t)), locale);
    if (!a || !d1 || !(*a > 0) || !std::isfinite(*a) || !std::isfinite(*d1)) {
        return {};
    }
    const ValueRange window = wormSizeWindow(*a);
    return QCoreApplication::translate(
               "Rating", "AGMA'nın bu merkez mesafesi için vida çapı aralığı %1 … %2 mm "
                         "(Shigley, denklem 15-27); %3.")
        .arg(sheetNumber(window.low, locale, 2), sheetNumber(window.high, locale, 2),
             wormSizeStanding(*d1, window, locale));
}

QString ratingRule(RatingFigureId id, const DriveRating& rating, const QLocale& locale) {
    using R = RatingFigureId;
    const auto t = [](const char* text) { return QCoreApplication::translate("Rating", text); };
    const RatingInputs& in = rating.inputs;
    switch (id) {
    case R::LeadAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "atan(z1·m ÷ d1)"));
    case R::NormalPressureAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "atan(tan αx · cos γ), αx profil açısı"));
    case R::WormPitchLineSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "π·d1·N1 ÷ %1")).arg(sheetNumber(60000, locale));
    case R::WheelPitchLineSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "π·d2·N2 ÷ %1")).arg(sheetNumber(60000, locale));
    case R::SlidingSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "v1 ÷ cos γ"));
    case R::Friction:
        return in.friction ? t(QT_TRANSLATE_NOOP("Rating", "kullanıcının ölçtüğü değer"))
                           : t(QT_TRANSLATE_NOOP("Rating", "AGMA eğrisi, kayma hızına göre"));
    case R::FrictionAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "atan(f ÷ cos αn)"));
    case R::Efficiency:
        return t(QT_TRANSLATE_NOOP("Rating", "(cos αn − f·tan γ) ÷ (cos αn + f·cot γ); yalnız "
                                             "kavramanın verimi, yataklar ve keçeler hariç"));
    case R::BackEfficiency:
        return t(QT_TRANSLATE_NOOP("Rating", "(cos αn − f·cot γ) ÷ (cos αn + f·tan γ)"));
    case R::InputTorque:
        return in.given == LoadGiven::InputPower ? t(QT_TRANSLATE_NOOP("Rating", "verilen P1'den"))
                                                 : t(QT_TRANSLATE_NOOP("Rating", "T2 ÷ (i·η)"));
    case R::OutputTorque:
        return in.given == LoadGiven::OutputTorque ? t(QT_TRANSLATE_NOOP("Rating", "verilen"))
                                                   : t(QT_TRANSLATE_NOOP("Rating", "P2 ÷ ω2"));
    case R::InputPower:
        return in.given == LoadGiven::InputPower ? t(QT_TRANSLATE_NOOP("Rating", "verilen"))
                                                 : t(QT_TRANSLATE_NOOP("Rating", "T1·ω1"));
    case R::OutputPower:
        return in.given == LoadGiven::InputPower ? t(QT_TRANSLATE_NOOP("Rating", "η·P1"))
                                                 : t(QT_TRANSLATE_NOOP("Rating", "T2·ω2"));
    case R::PowerLoss:
        return t(QT_TRANSLATE_NOOP("Rating", "P1 − P2"));
    case R::WheelTangentialForce:
        return t(QT_TRANSLATE_NOOP("Rating", "2·T2 ÷ d2"));
    case R::WormTangentialForce:
        return t(
            QT_TRANSLATE_NOOP("Rating", "Wt2·(cos αn·sin γ + f·cos γ) ÷ (cos αn·cos γ − f·sin γ)"));
    case R::SeparatingForce:
        return t(QT_TRANSLATE_NOOP("Rating", "Wt2·sin αn ÷ (cos αn·cos γ − f·sin γ)"));
    case R::WormSizeLow:
        return t(QT_TRANSLATE_NOOP("Rating", "C^%1 ÷ 3 (C, d inç), Shigley, denklem 15-27"))
            .arg(sheetNumber(0.875, locale, 3));
    case R::WormSizeHigh:
        return t(QT_TRANSLATE_NOOP("Rating", "C^%1 ÷ %2; %3"))
            .arg(sheetNumber(0.875, locale, 3), sheetNumber(1.6, locale, 1),
                 wormSizeStanding(rating.wormDiameter,
                                  {rating.find(R::WormSizeLow).value_or(0),
                                   rating.find(R::WormSizeHigh).value_or(0)},
                                  locale));
    case R::MaterialsFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "bronz dişli, %1; merkez mesafesine ve d2'ye göre"))
            .arg(castingName(in.casting));
    case R::RatioFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "i = %1 oranına göre"))
            .arg(sheetNumber(rating.ratio, locale, 2));
    case R::VelocityFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "kayma hızına göre"));
    case R::EffectiveFaceWidth:
        return (in.faceWidth ? t(QT_TRANSLATE_NOOP("Rating", "verilen genişlik, en çok %1·d1"))
                             : t(QT_TRANSLATE_NOOP("Rating", "ba, en çok %1·d1")))
            .arg(sheetNumber(0.67, locale));
    case R::AllowableLoad:
        return t(QT_TRANSLATE_NOOP("Rating", "Cs·d2^%1·Fe·Cm·Cv (lbf, inç)"))
            .arg(sheetNumber(0.8, locale));
    case R::SurfaceTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "Wt,all·d2 ÷ 2"));
    case R::LewisFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "αn'ye göre, Shigley'nin sonsuz vida dişlisi için "
                                             "Lewis tablosu (14,5°: 0,100 … 30°: 0,175)"));
    case R::NormalPitch:
        return t(QT_TRANSLATE_NOOP("Rating", "π·m·cos γ"));
    case R::BendingStress:
        return t(QT_TRANSLATE_NOOP("Rating", "Wt2 ÷ (pn·Fe·y), Lewis denkleminin sonsuz vida "
                                             "dişlisine uyarlaması (Shigley)"));
    case R::BendingAllowable:
        return t(QT_TRANSLATE_NOOP("Rating", "verilen, dişlinin bronzu için"));
    case R::BendingRatio:
        return t(QT_TRANSLATE_NOOP("Rating", "1'in üstünde diş eğilmesi sınırı aşılır"));
    case R::BendingTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "σall·pn·Fe·y·d2 ÷ 2"));
    case R::ShaftForce:
        return t(QT_TRANSLATE_NOOP("Rating", "√(Wt1² + Wr²)"));
    case R::BearingSpan:
        return in.bearingSpan
                   ? t(QT_TRANSLATE_NOOP("Rating", "verilen"))
                   : t(QT_TRANSLATE_NOOP("Rating", "%1 × vida boyu L, vida yataklar "
                                                   "arasında ortada (Autodesk Inventor)"))
                         .arg(sheetNumber(2.5, locale, 1));
    case R::SecondMoment:
        return t(QT_TRANSLATE_NOOP("Rating", "π·df1⁴ ÷ 64"));
    case R::Deflection:
        return t(QT_TRANSLATE_NOOP("Rating", "F·l³ ÷ (48·E·I), E = %1 N/mm² (çelik, Callister "
                                             "Tablo B.2)"))
            .arg(sheetNumber(207000, locale, 0));
    case R::AllowableDeflection:
        return (in.hardenedWorm ? t(QT_TRANSLATE_NOOP(
                                      "Rating", "%1·m, sertleştirilmiş vida (Autodesk Inventor)"))
                                : t(QT_TRANSLATE_NOOP(
                                      "Rating", "%1·m, ıslah edilmiş vida (Autodesk Inventor)")))
            .arg(sheetNumber(in.hardenedWorm ? 0.004 : 0.01, locale, 3));
    case R::DeflectionRatio:
        return t(QT_TRANSLATE_NOOP("Rating", "1'in üstünde vida mili sehim sınırı aşılır"));
    case R::DeflectionTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "y = yall olan moment"));
    case R::RatedTorque:
        return rating.governs
                   ? t(QT_TRANSLATE_NOOP("Rating", "sınırların en küçüğü; sınırlayan: %1"))
                         .arg(ratedLimitName(*rating.governs))
                   : QString();
    case R::RatedPower:
        return t(QT_TRANSLATE_NOOP("Rating", "taşınabilen moment·ω2"));
    case R::LoadRatio:
        return t(QT_TRANSLATE_NOOP("Rating", "servis faktörü %1"))
            .arg(sheetNumber(in.serviceFactor, locale, 2));
    case R::HeatTransfer:
        return in.fan ? t(QT_TRANSLATE_NOOP("Rating", "AGMA eğrisi, vida milinde fanla"))
                      : t(QT_TRANSLATE_NOOP("Rating", "AGMA eğrisi, fansız"));
    case R::HousingArea:
        return in.housingArea
                   ? t(QT_TRANSLATE_NOOP("Rating", "verilen"))
                   : t(QT_TRANSLATE_NOOP("Rating", "AGMA en küçük alanı, merkez mesafesinden"));
    case R::SumpTemperature:
        return t(QT_TRANSLATE_NOOP("Rating", "ta + Pv ÷ (h·A), ta = %1 °C"))
            .arg(sheetNumber(in.ambient, locale, 1));
    }
    return {};
}

QString ratingWarningText(const RatingWarning& w, const QLocale& locale) {
    const auto n = [&locale](double x, int decimals) { return sheetNumber(x, locale, decimals); };
    switch (w.kind) {
    case RatingWarningKind::RatioBelowFit:
        return QCoreApplication::translate(
                   "Rating", "Cm eğrisi %1'ten büyük oranlar için yayımlandı; oran %2, bu aralığın "
                             "dışında.")
            .arg(n(w.limit, 0), n(w.value, 2));
    case RatingWarningKind::SlidingBeyondTable:
        return QCoreApplication::translate(
                   "Rating", "Kayma hızı %1 m/s: f ve Cv eğrilerinin tablosu %2 m/s'de biter.")
            .arg(n(w.value, 2), n(w.limit, 2));
    case RatingWarningKind::BelowServiceFactor:
        return QCoreApplication::translate(
                   "Rating", "Verilen yük, %3 sınırını aşıyor: taşıma oranı %1, servis faktörü %2.")
            .arg(n(w.value, 2), n(w.limit, 2), ratedLimitName(w.governs));
    case RatingWarningKind::SumpAboveLimit:
        return QCoreApplication::translate("Rating",
                                           "Yağ sıcaklığı %1 °C, verilen sınır %2 °C'nin üstünde.")
            .arg(n(w.value, 1), n(w.limit, 1));
    case RatingWarningKind::WormCannotDrive:
        return QCoreApplication::translate(
                   "Rating", "f = %1 sürtünmede vida dişliyi döndüremez: yük hesaplanmadı.")
            .arg(n(w.value, 4));
    case RatingWarningKind::WheelCannotDrive:
        return QCoreApplication::translate(
                   "Rating", "f = %1 sürtünmede dişli sonsuz vidayı döndüremez; duruş sürtünmesi "
                             "ve titreşim bunu değiştirir.")
            .arg(n(w.value, 4));
    case RatingWarningKind::PowerWithoutSpeed:
        return QCoreApplication::translate(
            "Rating", "N1 sıfırken verilen güçten moment çıkmaz: yük hesaplanmadı.");
    }
    return {};
}
