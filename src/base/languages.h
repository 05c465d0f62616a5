#pragma once

#include <QString>

// The user-interface languages, indexed by the LANG setting.
namespace Languages {
constexpr int kCount = 8;
// Code of the translation file <code>.qm, or an empty text for an index out of range.
QString code(int index);
// Name shown to the user (English source text).
QString name(int index);
// Language and country of Qt's own translations (qtbase_<locale>.qm), e.g. "zh_TW"; empty out of range.
QString locale(int index);
// Italian, Spanish, French and German write numbers with a decimal comma.
bool usesDecimalComma(int index);
} // namespace Languages
