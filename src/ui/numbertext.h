#pragma once

#include <QString>

// A number text as the window shows it: with the decimal comma of the chosen
// language (Italian, Spanish, French, German) every "." becomes ",".
QString numberText(const QString &number);
