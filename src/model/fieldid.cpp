#include "model/fieldid.h"

namespace {

struct FieldNames {
    const char* name;
    const char* caption;
};

// In FieldId order.
constexpr std::array<FieldNames, fieldCount> fieldNames = {{
    {"m_t", "MODÜL (m)"},
    {"Z2_t", "DİŞLİ DİŞ SAYISI (Z2)"},
    {"da1_t", "VİDA DİŞ ÜSTÜ ÇAPI (da1)"},
    {"N1_t", "GİRİŞ DEVİRİ (N1)"},
    {"da2_t", "DİŞLİ DİŞ ÜSTÜ ÇAPI (da2)"},
    {"d2_t", "DİŞLİ BÖLÜM DAİRESİ (d2)"},
    {"df2_t", "DİŞLİ DİŞ DİBİ ÇAPI (df2)"},
    {"h2_t", "DİŞLİ DİŞ DERİNLİĞİ (h2)"},
    {"ba_t", "DİŞLİ DİŞ GENİŞLİĞİ (ba)"},
    {"d1_t", "VİDA BÖLÜM DAİRESİ (d1)"},
    {"df1_t", "VİDA DİŞ DİBİ ÇAPI (df1)"},
    {"h1_t", "VİDA DİŞ DERİNLİĞİ (h1)"},
    {"L_t", "VİDA BOYU (L)"},
    {"P_t", "VİDA HATVESİ (P)"},
    {"A_t", "DİŞLİ - VİDA ARASI (A)"},
    {"N2_t", "ÇIKIŞ DEVİRİ (N2)"},
    {"AÇI_t", "AZDIRMA BIÇAK AÇISI (AÇI)"},
    {"AASAĞ_t", "AZDIRMA AÇISI (SAĞ)"},
    {"AASOL_t", "AZDIRMA AÇISI (SOL)"},
    {"GD_t", "GİRİŞ DİŞLİSİ (GD)"},
    {"ÇD_t", "ÇIKIŞ DİŞLİSİ (ÇD)"},
    {"KS_t", "KATSAYI (KS)"},
}};

constexpr std::array<const char*, buttonCount> buttonNames = {"HESAPLA", "Command2", "Command1"};

} // namespace

QString fieldName(FieldId field) {
    return QString::fromUtf8(fieldNames.at(indexOf(field)).name);
}

QString buttonName(ButtonId button) {
    return QString::fromUtf8(buttonNames.at(indexOf(button)));
}

QString fieldCaption(FieldId field) {
    return QString::fromUtf8(fieldNames.at(indexOf(field)).caption);
}

QString formTitle() {
    return QStringLiteral("SONSUZ REDÜKTÖR DİŞLİSİ-VİDASI VE AZDIRMA TEZGAHI HESABI");
}
