// The equivalent resistivity of the two soil layers over the vertical electrode.
#pragma once

#include "design/DesignState.h"

// The equivalent resistivity for a climatic coefficient psiV of the upper layer, by the layers the
// calculation found the electrode in (ElectrodeLayers). Throws ArithmeticFault where the
// arithmetic fails.
double equivalentResistivity(const DesignState& state, double psiV);
