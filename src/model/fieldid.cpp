#include "model/fieldid.h"

#include <QCoreApplication>

namespace {

constexpr std::array<const char*, buttonCount> buttonNames = {"HESAPLA", "Command2", "Command1"};

// The table lists every field once, in FieldId order.
static_assert([] {
    for (std::size_t i = 0; i < fieldCount; ++i) {
        if (indexOf(fieldTable.at(i).id) != i) {
            return false;
        }
    }
    return true;
}());

} // namespace

QString fieldName(FieldId field) {
    return QString::fromUtf8(fieldInfo(field).name);
}

std::optional<FieldId> fieldNamed(const QString& name) {
    for (const FieldInfo& info : fieldTable) {
        if (name == QString::fromUtf8(info.name)) {
            return info.id;
        }
    }
    return std::nullopt;
}

QString buttonName(ButtonId button) {
    return QString::fromUtf8(buttonNames.at(indexOf(button)));
}

QString fieldCaption(FieldId field) {
    return QCoreApplication::translate("Form", fieldInfo(field).caption);
}

QString formTitle() {
    return QCoreApplication::translate("Form",
                                       "SONSUZ REDÜKTÖR DİŞLİSİ-VİDASI VE AZDIRMA TEZGAHI HESABI");
}
