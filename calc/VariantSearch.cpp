// The search for variants of the earthing device.
#include "calc/VariantSearch.h"

#include "base/Errors.h"
#include "calc/BillOfMaterials.h"
#include "calc/ElectrodeLayout.h"
#include "calc/ElectrodeStage.h"
#include "calc/HighResistivityNorm.h"
#include "calc/VariantColumns.h"
#include "calc/VariantTexts.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

namespace tx = variant_texts;

// One vertical profile of the lists.
struct Profile {
    ElectrodeMaterial material;
    std::int32_t sizeMm;
    std::int32_t wallMm;
};

bool positive(double v) {
    return std::isfinite(v) && v > 0;
}

QString inputError(const DesignState& site, const VariantSearchSettings& s) {
    if (!(site.UpperResistivity > 0) || !(site.LowerResistivity > 0) ||
        !(site.NormalizedResistance > 0) || !(site.HorizontalDepth > 0))
        return tx::siteNotComputed();
    if (!s.inRow && !s.alongContour)
        return tx::noArrangement();
    if (s.angles.empty() && s.roundDiametersMm.empty())
        return tx::emptyList(tx::anglesList() + QStringLiteral(" и ") + tx::roundsList());
    if (s.lengths.empty())
        return tx::emptyList(tx::lengthsList());
    if (s.ratios.empty())
        return tx::emptyList(tx::ratiosList());
    if (s.strips.empty())
        return tx::emptyList(tx::stripsList());
    for (const AngleSize& a : s.angles)
        if (a.flangeMm <= 0 || a.wallMm <= 0)
            return tx::notPositive(tx::anglesList(), NumberText::whole(a.flangeMm) +
                                                         QStringLiteral("×") +
                                                         NumberText::whole(a.wallMm));
    for (std::int32_t d : s.roundDiametersMm)
        if (d <= 0)
            return tx::notPositive(tx::roundsList(), NumberText::whole(d));
    for (double l : s.lengths)
        if (!positive(l))
            return tx::notPositive(tx::lengthsList(), QString::number(l));
    for (std::int32_t r : s.ratios)
        if (r < 1 || r > static_cast<std::int32_t>(kRatioItems.size()))
            return tx::ratioNotTabulated(NumberText::whole(r));
    for (const StripSize& st : s.strips)
        if (st.widthMm <= 0 || st.thicknessMm <= 0)
            return tx::notPositive(tx::stripsList(), NumberText::whole(st.widthMm) +
                                                         QStringLiteral("×") +
                                                         NumberText::whole(st.thicknessMm));
    if (s.maxElectrodes <= 0)
        return tx::notPositive(tx::maxElectrodesLimit(), NumberText::whole(s.maxElectrodes));
    if (s.maxRowLength && !positive(*s.maxRowLength))
        return tx::notPositive(tx::maxRowLengthLimit(), QString::number(*s.maxRowLength));
    if (s.maxContourSide && !positive(*s.maxContourSide))
        return tx::notPositive(tx::maxContourSideLimit(), QString::number(*s.maxContourSide));
    for (const auto& price : {s.anglePricePerKg, s.roundPricePerKg, s.stripPricePerKg,
                              s.pricePerElectrode, s.pricePerJoint})
        if (price && !(std::isfinite(*price) && *price >= 0))
            return tx::notPositive(tx::pricesList(), QString::number(*price));
    const std::int64_t combinations =
        std::int64_t{s.inRow + s.alongContour} *
        static_cast<std::int64_t>(s.angles.size() + s.roundDiametersMm.size()) *
        static_cast<std::int64_t>(s.lengths.size()) * static_cast<std::int64_t>(s.ratios.size()) *
        static_cast<std::int64_t>(s.strips.size());
    if (combinations > kMostVariantCombinations)
        return tx::tooManyCombinations(combinations, kMostVariantCombinations);
    return {};
}

bool pricesGiven(const VariantSearchSettings& s) {
    return s.anglePricePerKg || s.roundPricePerKg || s.stripPricePerKg || s.pricePerElectrode ||
           s.pricePerJoint;
}

double costOf(const BillOfMaterials& bill, ElectrodeMaterial material,
              const VariantSearchSettings& s) {
    const auto price = [](const std::optional<double>& p) { return p.value_or(0.0); };
    double cost = 0;
    if (bill.vertical) {
        const double perKg = material == ElectrodeMaterial::Angle ? price(s.anglePricePerKg)
                                                                  : price(s.roundPricePerKg);
        cost += bill.vertical->mass.value_or(0.0) * perKg +
                bill.vertical->count * price(s.pricePerElectrode);
    }
    if (bill.strip)
        cost += bill.strip->mass.value_or(0.0) * price(s.stripPricePerKg);
    return cost + bill.weldedJoints * price(s.pricePerJoint);
}

// The ranking: cost when priced, then mass, fewer electrodes, the shorter strip.
bool ranksBefore(const Variant& a, const Variant& b) {
    if (a.cost && b.cost && *a.cost != *b.cost)
        return *a.cost < *b.cost;
    if (a.mass != b.mass)
        return a.mass < b.mass;
    if (a.count != b.count)
        return a.count < b.count;
    return a.stripLength < b.stripLength;
}

// One arrangement with its two tables.
struct Arrangement {
    ElectrodeArrangement arrangement;
    VariantColumns vertical;
    VariantColumns strip;
};

class Search {
public:
    Search(const DesignState& site, const VariantSearchSettings& settings)
        : m_s(settings), m_work(site), m_priced(pricesGiven(settings)) {}

    // Computes the design of one combination and keeps it when it meets everything.
    void tryCombination(const Arrangement& arr, const Profile& p, double length, std::int32_t ratio,
                        double spacing, const StripSize& strip) {
        ++m_result.tried;
        const auto row = static_cast<std::size_t>(ratio - 1);
        std::size_t cv = 0, ch = 0;
        bool settled = false;
        // Nу grows as the columns move on and settles within their count; a design whose columns
        // keep changing (the counts of the two tables can pull Nу to and fro) is not offered.
        for (std::size_t step = 0; step <= arr.vertical.size() + arr.strip.size(); ++step) {
            const ElectrodeValues values{p.sizeMm,
                                         length,
                                         strip.widthMm,
                                         spacing,
                                         arr.strip.coefficient(row, ch),
                                         arr.vertical.coefficient(row, cv)};
            try {
                runElectrodeStage(values, m_work);
            } catch (const ArithmeticFault&) {
                return;
            }
            const auto nv = arr.vertical.column(m_work.RefinedCount);
            const auto nh = arr.strip.column(m_work.RefinedCount);
            if (!nv || !nh)
                return;
            if (*nv == cv && *nh == ch) {
                settled = true;
                break;
            }
            cv = *nv;
            ch = *nh;
        }
        if (!settled || !m_work.CheckInstallationResistance)
            return;
        const double r = *m_work.CheckInstallationResistance;
        double norm = m_work.NormalizedResistance;
        if (m_s.raisedNorm)
            if (const auto raised = raisedNorm(m_work))
                norm = raised->norm;
        if (!m_result.lowestResistance || r < *m_result.lowestResistance) {
            m_result.lowestResistance = r;
            m_result.lowestNorm = norm;
        }
        if (r > norm) {
            if (!m_s.raisedNorm)
                if (const auto raised = raisedNorm(m_work); raised && r <= raised->norm)
                    ++m_result.metRaisedNorm;
            return;
        }
        ++m_result.metNorm;
        const double n = m_work.RefinedCount;
        if (n > m_s.maxElectrodes) {
            ++m_rejected[VariantLimit::Electrodes];
            return;
        }
        const std::optional<double>& sideLimit =
            arr.arrangement == ElectrodeArrangement::Row ? m_s.maxRowLength : m_s.maxContourSide;
        if (sideLimit) {
            const auto plan = layOutElectrodes(m_work);
            if (!plan || std::max(plan->extent.width(), plan->extent.height()) > *sideLimit) {
                ++m_rejected[arr.arrangement == ElectrodeArrangement::Row
                                 ? VariantLimit::RowLength
                                 : VariantLimit::ContourSide];
                return;
            }
        }
        const SteelThickness thickness{
            p.material == ElectrodeMaterial::Angle ? p.wallMm : SteelThickness{}.angleWallMm,
            strip.thicknessMm};
        const BillOfMaterials bill = billOfMaterials(m_work, thickness);
        if (!bill.sizeWarnings.isEmpty()) {
            ++m_rejected[VariantLimit::Sizes];
            return;
        }
        if (!bill.totalMass)
            return;
        Variant v;
        v.arrangement = arr.arrangement;
        v.material = p.material;
        v.sizeMm = p.sizeMm;
        v.wallMm = p.wallMm;
        v.length = length;
        v.ratio = ratio;
        v.spacing = spacing;
        v.strip = strip;
        v.verticalColumn = cv;
        v.stripColumn = ch;
        v.utilizationVertical = m_work.UtilizationVertical;
        v.utilizationHorizontal = m_work.UtilizationHorizontal;
        v.count = n;
        v.stripLength = m_work.RefinedHorizontalLength;
        v.resistance = r;
        v.norm = norm;
        v.mass = *bill.totalMass;
        if (m_priced)
            v.cost = costOf(bill, p.material, m_s);
        m_kept.push_back(v);
    }

    void selectElectrodeKind(ElectrodeArrangement arrangement, ElectrodeMaterial material) {
        m_work.ElectrodeArrangement = arrangement;
        m_work.ElectrodeMaterial = material;
    }

    std::int64_t tried() const { return m_result.tried; }

    VariantSearchResult finish() {
        m_result.kept = static_cast<std::int64_t>(m_kept.size());
        m_result.byCost = m_priced;
        const std::size_t best = std::min(kBestVariants, m_kept.size());
        std::partial_sort(m_kept.begin(), m_kept.begin() + static_cast<std::ptrdiff_t>(best),
                          m_kept.end(), ranksBefore);
        m_result.best.assign(m_kept.begin(), m_kept.begin() + static_cast<std::ptrdiff_t>(best));
        std::int64_t most = 0;
        for (const auto& [limit, count] : m_rejected)
            if (count > most) {
                most = count;
                m_result.limitToRelax = limit;
            }
        return std::move(m_result);
    }

private:
    const VariantSearchSettings& m_s;
    DesignState m_work;
    bool m_priced;
    VariantSearchResult m_result;
    std::vector<Variant> m_kept;
    std::map<VariantLimit, std::int64_t> m_rejected;
};

} // namespace

double variantSpacing(std::int32_t ratio, double length) {
    // The general form has 15 significant digits; a spacing written and read back is this one.
    return QString::number(ratio * length, 'g', 15).toDouble();
}

VariantSearchResult searchVariants(const DesignState& site, const VariantSearchSettings& s,
                                   const std::function<bool()>& cancelled) {
    VariantSearchResult refused;
    refused.inputError = inputError(site, s);
    if (!refused.inputError.isEmpty())
        return refused;

    std::vector<Arrangement> arrangements;
    if (s.inRow)
        arrangements.push_back({ElectrodeArrangement::Row, VariantColumns(kVerticalRowTable),
                                VariantColumns(kStripRowTable)});
    if (s.alongContour)
        arrangements.push_back({ElectrodeArrangement::Contour,
                                VariantColumns(kVerticalContourTable),
                                VariantColumns(kStripContourTable)});
    std::vector<Profile> profiles;
    for (const AngleSize& a : s.angles)
        profiles.push_back({ElectrodeMaterial::Angle, a.flangeMm, a.wallMm});
    for (std::int32_t d : s.roundDiametersMm)
        profiles.push_back({ElectrodeMaterial::RoundSection, d, 0});

    Search search(site, s);
    for (const Arrangement& arr : arrangements)
        for (const Profile& p : profiles) {
            search.selectElectrodeKind(arr.arrangement, p.material);
            for (double length : s.lengths)
                for (std::int32_t ratio : s.ratios) {
                    const double spacing = variantSpacing(ratio, length);
                    for (const StripSize& strip : s.strips) {
                        if (cancelled && search.tried() % 256 == 0 && cancelled()) {
                            VariantSearchResult stopped;
                            stopped.cancelled = true;
                            return stopped;
                        }
                        search.tryCombination(arr, p, length, ratio, spacing, strip);
                    }
                }
        }
    return search.finish();
}
