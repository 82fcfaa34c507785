#pragma once

// The names of the window's 22 text fields and 3 buttons, shared by the model, the
// calculations and the window. A field's caption is the text of its label; failure messages
// name a field by it, because that is what the user sees on the screen.

#include <QString>

#include <array>
#include <cstddef>

enum class FieldId {
    // section 1, worm drive dimensions
    m_t,
    Z2_t,
    da1_t,
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

enum class ButtonId {
    HESAPLA,
    Command2,
    Command1,
};

inline constexpr std::size_t fieldCount = 22;
inline constexpr std::size_t buttonCount = 3;

inline constexpr std::array<FieldId, fieldCount> allFields = {
    FieldId::m_t,   FieldId::Z2_t,  FieldId::da1_t,   FieldId::N1_t,    FieldId::da2_t,
    FieldId::d2_t,  FieldId::df2_t, FieldId::h2_t,    FieldId::ba_t,    FieldId::d1_t,
    FieldId::df1_t, FieldId::h1_t,  FieldId::L_t,     FieldId::P_t,     FieldId::A_t,
    FieldId::N2_t,  FieldId::AÇI_t, FieldId::AASAĞ_t, FieldId::AASOL_t, FieldId::GD_t,
    FieldId::ÇD_t,  FieldId::KS_t,
};

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

// True for the six fields the user types; the other sixteen are written by a calculation.
constexpr bool isInputField(FieldId field) {
    switch (field) {
    case FieldId::m_t:
    case FieldId::Z2_t:
    case FieldId::da1_t:
    case FieldId::N1_t:
    case FieldId::AÇI_t:
    case FieldId::GD_t:
        return true;
    default:
        return false;
    }
}

// The control name, as the window's objectName ("AÇI_t").
QString fieldName(FieldId field);
QString buttonName(ButtonId button);
// The caption of the field's label ("AZDIRMA BIÇAK AÇISI (AÇI)").
QString fieldCaption(FieldId field);
// The window's title, which the job sheet carries too.
QString formTitle();
