// The normalized spreading resistance of an earthing installation, in whole ohms.
#pragma once

#include "tables/RememberedPick.h"

#include <array>
#include <cstdint>

// The kinds of earthing, one item per table row (the first item ends with a blank).
extern const std::array<const char16_t*, 3> kEarthingKindItems;
// The network voltages, one item per table column.
extern const std::array<const char16_t*, 3> kNetworkVoltageItems;
// Rows by kind of earthing, columns by network voltage; every value positive.
extern const TableRows<std::int32_t> kNormalizedResistances;
