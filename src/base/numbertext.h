#pragma once

#include <QString>

// Numbers as the window shows them: with a decimal comma instead of the point
// while the chosen language writes one (Italian, Spanish, French, German).
QString numberText(const QString &text);
QString numberText(double value, char format = 'g', int precision = 6);

// An entered number, with either decimal mark; nothing valid gives ok = false.
double numberFromText(const QString &text, bool *ok);
