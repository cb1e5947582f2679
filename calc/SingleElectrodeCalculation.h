// What "Рассчитать" of the single-electrode calculator does with the texts of its four fields:
// readiness of the button, reading the numbers, the shape's formula and the text of the result.
#pragma once

#include <QString>

class NumberText;

// The texts of the fields Edit1 (soil resistance) and Edit2 to Edit4 (dimensions).
struct SingleElectrodeTexts {
    QString edit1;
    QString edit2;
    QString edit3;
    QString edit4;
};

struct SingleElectrodeOutcome {
    enum class Kind {
        Nothing,         // no shape has been taken over yet
        Resistance,      // text is the resistance with its unit
        ConditionNotMet, // the user is told kConditionNotMet, then text ("0") is shown
        NoResult,        // the formula gave a resistance that cannot be; text tells what to check
    };
    Kind kind = Kind::Nothing;
    QString text;
};

inline const QString kConditionNotMet = QStringLiteral("Необходимое условие не выполняется");

// Whether "Рассчитать" may be enabled: every field that the shape shows holds text. Never for
// shape 0 (none taken over yet).
bool readyToCalculate(int shapeNumber, const SingleElectrodeTexts& texts);

// Reads the soil resistance as a whole number (for every shape, shape 0 included), then the
// shape's dimensions in the order Edit2, Edit3, Edit4, tests the condition and computes.
// Throws ConversionError for a text that does not convert and ArithmeticFault for a fault of
// the formula.
SingleElectrodeOutcome calculateSingleElectrode(int shapeNumber, const SingleElectrodeTexts& texts,
                                                const NumberText& numbers);
