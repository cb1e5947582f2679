// The smallest sizes of black-steel earth electrodes laid in the ground (ПУЭ, 7-е изд.,
// табл. 1.7.4).
#include "tables/MinimumSizeTable.h"

namespace {
constexpr MinimumSizes kBlackSteelInGround{16, 4, 100, 4};
} // namespace

const MinimumSizes& minimumSteelSizes() {
    return kBlackSteelInGround;
}

QString minimumSizeSource() {
    return QStringLiteral("ПУЭ, табл. 1.7.4");
}
