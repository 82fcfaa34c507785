#pragma once

// What Qt's JSON reader hides: it keeps the last of two equal keys in an object without a word,
// so a file with "lead" twice would open with one of two meanings. The program's files check
// their bytes for that before they are read.

#include <QByteArray>
#include <QString>

#include <optional>

// The place of the first key written twice in one object of well-formed JSON, from the top:
// "rating.load", "machines.#2.name"; nothing when every key is written once.
std::optional<QString> duplicateKey(const QByteArray& json);
