// The climatic coefficient of the horizontal electrode alone, remembered between confirmations.
#pragma once

#include <array>

class HorizontalClimaticPick {
public:
    // One confirmation: each selected zone of I to IV, in order, loads the current horizontal
    // value (none selected keeps it). Returns the current horizontal value.
    double confirm(const std::array<bool, 4>& zones);

    double horizontal() const { return m_horizontal; }

private:
    double m_horizontal = 0.0;
};
