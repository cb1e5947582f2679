// The characters that the number boxes take: whole-millimetre boxes digits only, the others
// digits and either decimal separator (only the system's one converts).
#pragma once

#include <QString>

inline const QString kDigitCharacters = QStringLiteral("0123456789");
inline const QString kDecimalCharacters = QStringLiteral("0123456789,.");
