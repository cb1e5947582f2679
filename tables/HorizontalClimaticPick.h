// The climatic coefficient of the horizontal electrode alone, remembered between confirmations.
#pragma once

#include <array>
#include <optional>

class HorizontalClimaticPick {
public:
    // One confirmation: each selected zone of I to IV, in order, loads the current horizontal
    // value (none selected keeps it). Returns the current horizontal value.
    double confirm(const std::array<bool, 4>& zones);

    double horizontal() const { return m_horizontal; }
    // The zone (0 to 3 for I to IV) whose value is the current one; none before a zone has been
    // loaded.
    std::optional<int> zone() const { return m_zone; }

    // Takes up a loaded zone (none, or 0 to 3; any other is taken as none), as if confirmations
    // had left it: its horizontal value becomes the current one (0 for none).
    void restore(std::optional<int> zone);

private:
    double m_horizontal = 0.0;
    std::optional<int> m_zone;
};
