// The soil read off Wenner readings: a uniform and a two-layer soil fitted to them, and which of
// the two to propose.
#include "calc/WennerFit.h"

#include <Eigen/Core>
#include <unsupported/Eigen/NonLinearOptimization>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The RMS of the relative error (ρ − ρкаж)/ρкаж of a soil against readings, %.
double misfitPercent(const TwoLayerSoil& soil, std::span<const WennerReading> readings) {
    if (readings.empty())
        return 0.0;
    double sum = 0.0;
    for (const WennerReading& r : readings) {
        const double measured = r.apparentResistivity();
        const double e = (wennerApparentResistivity(soil, r.spacing).value - measured) / measured;
        sum += e * e;
    }
    return 100.0 * std::sqrt(sum / static_cast<double>(readings.size()));
}

// Thicknesses the two-layer fit starts from, spread evenly on a logarithmic scale from half the
// narrowest spacing to the widest.
constexpr int kStarts = 5;
// A uniform soil whose misfit is below this, %, is kept: the readings show no layer that a meter
// could tell from its own error.
constexpr double kUniformEnough = 1.0;
// Evaluations of the residuals that one start may spend.
constexpr int kEvaluationsPerStart = 100;
// The soils looked for: layers whose resistivities lie within this factor beyond the range of
// ρкаж, an upper layer from a tenth of the narrowest spacing to ten times the widest. Readings
// tell nothing of a layer beyond: a thinner one is the lower layer, a thicker one the upper.
const double kBeyondReadings = std::log(30.0);
const double kBeyondSpacings = std::log(10.0);

// (ln ρ1, ln ρ2, ln H) of the soils looked for.
struct Box {
    Eigen::Vector3d lowest;
    Eigen::Vector3d highest;
};

// The residuals ln ρ(a) − ln ρкаж of a two-layer soil over its parameters (ln ρ1, ln ρ2, ln H),
// with their Jacobian, as Eigen's Levenberg–Marquardt asks for them. A point outside the box is
// taken to the nearest point of the box, where the residuals no longer move with it.
class LogResiduals {
public:
    using Scalar = double;
    enum { InputsAtCompileTime = Eigen::Dynamic, ValuesAtCompileTime = Eigen::Dynamic };
    using InputType = Eigen::VectorXd;
    using ValueType = Eigen::VectorXd;
    using JacobianType = Eigen::MatrixXd;

    LogResiduals(std::span<const WennerReading> readings, const Box& box)
        : m_readings(readings), m_box(box) {
        for (const WennerReading& r : readings)
            m_logs.push_back(std::log(r.apparentResistivity()));
    }

    int inputs() const { return 3; }
    int values() const { return static_cast<int>(m_readings.size()); }

    int operator()(const Eigen::VectorXd& x, Eigen::VectorXd& residuals) const {
        const TwoLayerSoil soil = soilOf(x);
        for (int i = 0; i < values(); ++i)
            residuals[i] = std::log(wennerApparentResistivity(soil, spacing(i)).value) - m_logs[i];
        return 0;
    }

    int df(const Eigen::VectorXd& x, Eigen::MatrixXd& jacobian) const {
        const TwoLayerSoil soil = soilOf(x);
        const Eigen::Vector3d beyond = x - within(x);
        for (int i = 0; i < values(); ++i) {
            const ApparentResistivity rho = wennerApparentResistivity(soil, spacing(i));
            jacobian(i, 0) = beyond[0] == 0.0 ? rho.byUpper : 0.0;
            jacobian(i, 1) = beyond[1] == 0.0 ? rho.byLower : 0.0;
            jacobian(i, 2) = beyond[2] == 0.0 ? rho.byThickness : 0.0;
        }
        return 0;
    }

    // The nearest point of the box.
    Eigen::Vector3d within(const Eigen::VectorXd& x) const {
        return x.cwiseMax(m_box.lowest).cwiseMin(m_box.highest);
    }
    TwoLayerSoil soilOf(const Eigen::VectorXd& x) const {
        const Eigen::Vector3d y = within(x);
        return {.upper = std::exp(y[0]), .lower = std::exp(y[1]), .thickness = std::exp(y[2])};
    }

private:
    double spacing(int i) const { return m_readings[static_cast<std::size_t>(i)].spacing; }

    std::span<const WennerReading> m_readings;
    Box m_box;
    std::vector<double> m_logs;
};

TwoLayerFit fitTwoLayers(std::span<const WennerReading> readings) {
    const auto bySpacing = [](const WennerReading& a, const WennerReading& b) {
        return a.spacing < b.spacing;
    };
    const auto byRho = [](const WennerReading& a, const WennerReading& b) {
        return a.apparentResistivity() < b.apparentResistivity();
    };
    const auto [narrowest, widest] =
        std::minmax_element(readings.begin(), readings.end(), bySpacing);
    const auto [lowest, highest] = std::minmax_element(readings.begin(), readings.end(), byRho);
    const double lowestRho = std::log(lowest->apparentResistivity()) - kBeyondReadings;
    const double highestRho = std::log(highest->apparentResistivity()) + kBeyondReadings;
    const double first = std::log(narrowest->spacing);
    const double last = std::log(widest->spacing);
    const Box box{{lowestRho, lowestRho, first - kBeyondSpacings},
                  {highestRho, highestRho, last + kBeyondSpacings}};

    const double firstStart = first - std::log(2.0);

    LogResiduals residuals(readings, box);
    Eigen::VectorXd best;
    double bestCost = std::numeric_limits<double>::infinity();
    for (int start = 0; start < kStarts; ++start) {
        // ρ1 from the narrowest spacing, ρ2 from the widest.
        Eigen::VectorXd x(3);
        x << std::log(narrowest->apparentResistivity()), std::log(widest->apparentResistivity()),
            firstStart + (last - firstStart) * start / (kStarts - 1);
        Eigen::LevenbergMarquardt<LogResiduals> solver(residuals);
        solver.parameters.maxfev = kEvaluationsPerStart;
        solver.minimize(x);
        Eigen::VectorXd r(residuals.values());
        residuals(x, r);
        if (const double cost = r.squaredNorm(); cost < bestCost) {
            bestCost = cost;
            best = x;
        }
    }
    const TwoLayerSoil soil = residuals.soilOf(best);
    return {.soil = soil, .misfit = misfitPercent(soil, readings)};
}

} // namespace

MeasuredSoil SoilFit::soil(SoilModel model, std::vector<WennerReading> readings) const {
    if (model == SoilModel::TwoLayer && twoLayer)
        return {.model = SoilModel::TwoLayer,
                .upper = twoLayer->soil.upper,
                .lower = twoLayer->soil.lower,
                .thickness = twoLayer->soil.thickness,
                .misfit = twoLayer->misfit,
                .readings = std::move(readings)};
    return {.model = SoilModel::Uniform,
            .upper = uniform.resistivity,
            .lower = uniform.resistivity,
            .thickness = 0.0,
            .misfit = uniform.misfit,
            .readings = std::move(readings)};
}

SoilFit fitSoil(std::span<const WennerReading> readings) {
    SoilFit fit;
    if (readings.empty())
        return fit;
    double logSum = 0.0;
    for (const WennerReading& r : readings)
        logSum += std::log(r.apparentResistivity());
    const double rho = std::exp(logSum / static_cast<double>(readings.size()));
    fit.uniform = {.resistivity = rho,
                   .misfit =
                       misfitPercent({.upper = rho, .lower = rho, .thickness = 1.0}, readings)};
    if (readings.size() >= kTwoLayerMinReadings) {
        fit.twoLayer = fitTwoLayers(readings);
        if (fit.uniform.misfit >= kUniformEnough && fit.twoLayer->misfit < 0.5 * fit.uniform.misfit)
            fit.proposed = SoilModel::TwoLayer;
    }
    return fit;
}
