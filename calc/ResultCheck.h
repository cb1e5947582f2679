// Results looked at before they are shown: a value that cannot be (not finite, negative, or zero
// where only a positive value makes sense) is turned into a plain message that names the
// quantity and the inputs to check.
#pragma once

#include "design/DesignState.h"

#include <QString>
#include <functional>
#include <optional>

class NumberText;

// A result as the user knows it: its name on the results page (the subject of the message), the
// grammatical gender of that name, its unit and the inputs that decide it (as they follow
// "проверьте").
struct ResultQuantity {
    enum class Gender { Masculine, Feminine, Neuter };
    QString name;
    Gender gender = Gender::Neuter;
    QString unit;
    QString inputs;
    bool zeroAllowed = false;
};

// The message for `value` of `quantity` when it makes no sense, written with `written`, the form
// in which the result is shown; nothing for a sound value.
std::optional<QString> implausibleResult(const ResultQuantity& quantity, double value,
                                         const std::function<QString(double)>& written);

// The message for the first result of the electrode system calculation, in the order of the
// results page, that makes no sense; nothing when all of them do.
std::optional<QString> implausibleElectrodeResult(const DesignState& state,
                                                  const NumberText& numbers);
