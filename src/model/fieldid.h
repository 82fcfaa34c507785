#pragma once

// The names of the window's text fields and buttons, shared by the model, the calculations and
// the window. One table (fieldTable) is the single source of each field's control name, the
// caption of its label, the section that shows it, whether the user types it, its unit on the
// job sheet and the sections whose complete run reads or writes it. A new field is one entry
// there and one line in FieldId. Failure messages name a field by its caption, because that is
// what the user sees on the screen.

#include <QString>

#include <array>
#include <cstddef>
#include <optional>

enum class FieldId {
    // section 1, worm drive dimensions
    m_t,
    Z2_t,
    da1_t,
    z1_t,
    x2_t,
    N1_t,
    da2_t,
    d2_t,
    df2_t,
    h2_t,
    ba_t,
    d1_t,
    df1_t,
    h1_t,
    L_t,
    P_t,
    A_t,
    N2_t,
    // section 2, hob swivel angles
    AÇI_t,
    AASAĞ_t,
    AASOL_t,
    // section 3, index change gears
    GD_t,
    ÇD_t,
    KS_t,
};

// Each button runs the calculation of its section, so a button also names its section.
enum class ButtonId {
    HESAPLA,
    Command2,
    Command1,
};

enum class FieldRole {
    Input,  // typed by the user
    Output, // written by its section's calculation (the user may still type into it)
};

// What a field's number measures, for the unit the job sheet writes beside it.
enum class FieldUnit {
    None,
    Millimetre,
    RevolutionsPerMinute,
    Teeth,
    DegreesAndMinutes, // 1.35 is 1° 35′
};

inline constexpr std::size_t buttonCount = 3;

struct FieldInfo {
    FieldId id;
    const char* name;    // the control name, as the window's objectName
    const char* caption; // the caption of its label, UTF-8, as the Turkish interface shows it
    ButtonId section;    // the section whose frame holds it
    FieldRole role;
    FieldUnit unit;
    // The sections whose complete run reads or writes it, one bit per ButtonId.
    unsigned usedBy;
};

namespace FieldUse {
inline constexpr unsigned dimensions = 1U << 0U; // HESAPLA
inline constexpr unsigned angles = 1U << 1U;     // Command2
inline constexpr unsigned gears = 1U << 2U;      // Command1
} // namespace FieldUse

// In FieldId order, which is also the order the job sheet lists a section's fields in.
inline constexpr auto fieldTable = [] {
    using F = FieldId;
    using B = ButtonId;
    using R = FieldRole;
    using U = FieldUnit;
    using namespace FieldUse;
    return std::array<FieldInfo, 24>{{
        {F::m_t, "m_t", QT_TRANSLATE_NOOP("Form", "MODÜL (m)"), B::HESAPLA, R::Input, U::Millimetre,
         dimensions | angles},
        {F::Z2_t, "Z2_t", QT_TRANSLATE_NOOP("Form", "DİŞLİ DİŞ SAYISI (Z2)"), B::HESAPLA, R::Input,
         U::Teeth, dimensions | gears},
        {F::da1_t, "da1_t", QT_TRANSLATE_NOOP("Form", "VİDA DİŞ ÜSTÜ ÇAPI (da1)"), B::HESAPLA,
         R::Input, U::Millimetre, dimensions},
        // The number of the worm's starts: the lead, the speed and the index ratio follow it.
        {F::z1_t, "z1_t", QT_TRANSLATE_NOOP("Form", "VİDA AĞIZ SAYISI (z1)"), B::HESAPLA, R::Input,
         U::None, dimensions | angles | gears},
        // The wheel's profile shift in modules: it moves the wheel's tip and root and the
        // centre distance, so that a worm the shop has meets a given housing.
        {F::x2_t, "x2_t", QT_TRANSLATE_NOOP("Form", "PROFİL KAYDIRMA (x2)"), B::HESAPLA, R::Input,
         U::None, dimensions},
        {F::N1_t, "N1_t", QT_TRANSLATE_NOOP("Form", "GİRİŞ DEVİRİ (N1)"), B::HESAPLA, R::Input,
         U::RevolutionsPerMinute, dimensions},
        {F::da2_t, "da2_t", QT_TRANSLATE_NOOP("Form", "DİŞLİ DİŞ ÜSTÜ ÇAPI (da2)"), B::HESAPLA,
         R::Output, U::Millimetre, dimensions},
        {F::d2_t, "d2_t", QT_TRANSLATE_NOOP("Form", "DİŞLİ BÖLÜM DAİRESİ (d2)"), B::HESAPLA,
         R::Output, U::Millimetre, dimensions},
        {F::df2_t, "df2_t", QT_TRANSLATE_NOOP("Form", "DİŞLİ DİŞ DİBİ ÇAPI (df2)"), B::HESAPLA,
         R::Output, U::Millimetre, dimensions},
        {F::h2_t, "h2_t", QT_TRANSLATE_NOOP("Form", "DİŞLİ DİŞ DERİNLİĞİ (h2)"), B::HESAPLA,
         R::Output, U::Millimetre, dimensions},
        {F::ba_t, "ba_t", QT_TRANSLATE_NOOP("Form", "DİŞLİ DİŞ GENİŞLİĞİ (ba)"), B::HESAPLA,
         R::Output, U::Millimetre, dimensions},
        {F::d1_t, "d1_t", QT_TRANSLATE_NOOP("Form", "VİDA BÖLÜM DAİRESİ (d1)"), B::HESAPLA,
         R::Output, U::Millimetre, dimensions | angles},
        {F::df1_t, "df1_t", QT_TRANSLATE_NOOP("Form", "VİDA DİŞ DİBİ ÇAPI (df1)"), B::HESAPLA,
         R::Output, U::Millimetre, dimensions},
        {F::h1_t, "h1_t", QT_TRANSLATE_NOOP("Form", "VİDA DİŞ DERİNLİĞİ (h1)"), B::HESAPLA,
         R::Output, U::Millimetre, dimensions},
        {F::L_t, "L_t", QT_TRANSLATE_NOOP("Form", "VİDA BOYU (L)"), B::HESAPLA, R::Output,
         U::Millimetre, dimensions},
        {F::P_t, "P_t", QT_TRANSLATE_NOOP("Form", "VİDA HATVESİ (P)"), B::HESAPLA, R::Output,
         U::Millimetre, dimensions},
        {F::A_t, "A_t", QT_TRANSLATE_NOOP("Form", "DİŞLİ - VİDA ARASI (A)"), B::HESAPLA, R::Output,
         U::Millimetre, dimensions},
        {F::N2_t, "N2_t", QT_TRANSLATE_NOOP("Form", "ÇIKIŞ DEVİRİ (N2)"), B::HESAPLA, R::Output,
         U::RevolutionsPerMinute, dimensions},
        {F::AÇI_t, "AÇI_t", QT_TRANSLATE_NOOP("Form", "AZDIRMA BIÇAK AÇISI (AÇI)"), B::Command2,
         R::Input, U::DegreesAndMinutes, angles},
        {F::AASAĞ_t, "AASAĞ_t", QT_TRANSLATE_NOOP("Form", "AZDIRMA AÇISI (SAĞ)"), B::Command2,
         R::Output, U::DegreesAndMinutes, angles},
        {F::AASOL_t, "AASOL_t", QT_TRANSLATE_NOOP("Form", "AZDIRMA AÇISI (SOL)"), B::Command2,
         R::Output, U::DegreesAndMinutes, angles},
        {F::GD_t, "GD_t", QT_TRANSLATE_NOOP("Form", "GİRİŞ DİŞLİSİ (GD)"), B::Command1, R::Input,
         U::Teeth, gears},
        {F::ÇD_t, "ÇD_t", QT_TRANSLATE_NOOP("Form", "ÇIKIŞ DİŞLİSİ (ÇD)"), B::Command1, R::Output,
         U::Teeth, gears},
        {F::KS_t, "KS_t", QT_TRANSLATE_NOOP("Form", "KATSAYI (KS)"), B::Command1, R::Output,
         U::None, gears},
    }};
}();

inline constexpr std::size_t fieldCount = fieldTable.size();

inline constexpr std::array<FieldId, fieldCount> allFields = [] {
    std::array<FieldId, fieldCount> ids{};
    for (std::size_t i = 0; i < fieldCount; ++i) {
        ids.at(i) = fieldTable.at(i).id;
    }
    return ids;
}();

inline constexpr std::array<ButtonId, buttonCount> allButtons = {
    ButtonId::HESAPLA,
    ButtonId::Command2,
    ButtonId::Command1,
};

// The texts of all fields, in FieldId order.
using FieldTexts = std::array<QString, fieldCount>;

constexpr std::size_t indexOf(FieldId field) {
    return static_cast<std::size_t>(field);
}
constexpr std::size_t indexOf(ButtonId button) {
    return static_cast<std::size_t>(button);
}

constexpr const FieldInfo& fieldInfo(FieldId field) {
    return fieldTable.at(indexOf(field));
}

constexpr bool isInputField(FieldId field) {
    return fieldInfo(field).role == FieldRole::Input;
}

// Whether a complete run of the section reads or writes the field.
constexpr bool sectionUses(ButtonId section, FieldId field) {
    return (fieldInfo(field).usedBy & (1U << indexOf(section))) != 0;
}

// The input after `field` in its section, in table order; nothing for the section's last.
constexpr std::optional<FieldId> nextInputInSection(FieldId field) {
    for (std::size_t i = indexOf(field) + 1; i < fieldCount; ++i) {
        const FieldInfo& next = fieldTable.at(i);
        if (next.section == fieldInfo(field).section && next.role == FieldRole::Input) {
            return next.id;
        }
    }
    return std::nullopt;
}

// The control name, as the window's objectName ("AÇI_t").
QString fieldName(FieldId field);
// The field of that control name, if there is one.
std::optional<FieldId> fieldNamed(const QString& name);
QString buttonName(ButtonId button);
// The caption of the field's label ("AZDIRMA BIÇAK AÇISI (AÇI)").
QString fieldCaption(FieldId field);
// The window's title, which the job sheet carries too.
QString formTitle();
