#include "note/ReportRows.h"

#include "calc/EquipmentSchedule.h"
#include "note/NoteProject.h"
#include "note/NoteTexts.h"
#include "tables/MinimumSizeTable.h"

#include <array>

namespace {

// Rvg of step 2.7 as the note writes it after its formula: the formula's value, and where that is
// negative (the strip alone, Rh' below Rn) the magnitude the calculation takes.
QString requiredVerticalText(const DesignState& s, const NumberText& n) {
    const QString value = n.fixed1(s.RequiredVerticalResistance);
    if (!s.RequiredVerticalResistanceNegated)
        return value;
    return n.fixed1(-s.RequiredVerticalResistance) +
           QStringLiteral(" Ом (R′г < Rн); в расчёт принимается модуль ") + value;
}

// The readings of a measured soil as the note's table (a, R, ρкаж).
ReportTable readingsTable(const MeasuredSoil& soil, const NumberText& numbers) {
    ReportTable table;
    const double width = kNoteTextWidthMm / 3;
    table.columns = {{QStringLiteral("a, м"), width, true},
                     {QStringLiteral("R, Ом"), width, true},
                     {QStringLiteral("ρкаж, Ом·м"), width, true}};
    for (const WennerReading& r : soil.readings)
        table.rows.push_back({numbers.general(r.spacing), numbers.general(r.resistance),
                              numbers.fixed1(r.apparentResistivity())});
    return table;
}

} // namespace

ReportTable billTable(const BillOfMaterials& bill, const NumberText& numbers) {
    // Widths in mm, filling the text's width; the numbers are aligned right.
    static constexpr std::array<double, 6> kWidths = {40, 43, 18, 20, 24, 20};
    const QStringList titles = billColumns();
    ReportTable table;
    for (qsizetype c = 0; c < titles.size(); ++c)
        table.columns.push_back({titles[c], kWidths.at(std::size_t(c)), c >= 2});
    for (const BillRow& r : billRows(bill, numbers))
        table.rows.push_back({r.name, r.profile, r.pieceLength, r.count, r.totalLength, r.mass});
    return table;
}

ReportTable equipmentScheduleTable(const BillOfMaterials& bill, const NumberText& numbers) {
    // Widths in mm, filling the text's width: at 7.5 pt every word of the headings, and a strip's
    // length of 1 km in metres, stands whole on a line between the cell's margins, with a
    // millimetre to spare; the quantity and the mass are aligned right.
    static constexpr std::array<double, 9> kWidths = {10.5, 27, 21, 19, 20.5, 18.5, 14.5, 13, 21};
    ReportTable table;
    table.fontPt = 7.5;
    const EquipmentSchedule schedule = equipmentSchedule(bill, numbers);
    if (schedule.rows.empty())
        return table;
    const QStringList titles = equipmentScheduleColumns();
    for (qsizetype c = 0; c < titles.size(); ++c)
        table.columns.push_back({titles[c], kWidths.at(std::size_t(c)), c == 6 || c == 7});
    table.rows = equipmentScheduleTexts(schedule, numbers);
    return table;
}

std::vector<ReportRow> reportRows(const DesignState& s, const NumberText& n,
                                  const SteelThickness& thickness, const ReportPicture& scheme,
                                  const ProjectData& project) {
    const QString m = QStringLiteral(" м");
    const QString mm = QStringLiteral(" мм");
    const QString ohmMetre = QStringLiteral(" Ом*м");
    const auto G = [&](double v) { return n.general(v); };
    const auto F = [&](double v) { return n.fixed1(v); };
    const auto W = [](std::int64_t v) { return NumberText::whole(v); };

    std::vector<ReportRow> rows = {
        {QStringLiteral("##ro1"), G(s.UpperResistivity), 3},
        {QStringLiteral("##ro2"), G(s.LowerResistivity), 0},
        {QStringLiteral("##k1&"), G(s.ClimaticCoefVertical), 3},
        {QStringLiteral("###l&"), G(s.VerticalLength), 3},
        {QStringLiteral("###h&"), G(s.UpperLayerThickness), 3},
        {QStringLiteral("###t&"), G(s.HorizontalDepth), 3},
        {QStringLiteral("##ro&"), F(s.EquivalentResistivity), 3},
    };
    if (s.ElectrodeMaterial == ElectrodeMaterial::Angle) {
        rows.push_back({QStringLiteral("##db&"), QStringLiteral("b"), 3});
        rows.push_back({QStringLiteral("##ddb"), QStringLiteral("Ширина полки уголка"), 3});
        rows.push_back({QStringLiteral("##bd&"), W(s.AngleFlangeWidthMm), 3});
    } else if (s.ElectrodeMaterial == ElectrodeMaterial::RoundSection) {
        rows.push_back({QStringLiteral("##db&"), QStringLiteral("d"), 3});
        rows.push_back({QStringLiteral("##ddb"), QStringLiteral("Диаметр электрода"), 3});
        rows.push_back({QStringLiteral("##bd&"), W(s.RoundDiameterMm), 3});
    }
    const std::vector<ReportRow> rest = {
        {QStringLiteral("##tz&"), G(s.VerticalMidDepth), 3},
        {QStringLiteral("##r1v&"), F(s.SingleVerticalResistance), 3},
        {QStringLiteral("##rrn"), W(s.NormalizedResistance), 3},
        {QStringLiteral("##nuv"), G(s.UtilizationVertical), 3},
        {QStringLiteral("##ngpr&"), F(s.EstimatedCountRaw), 3},
        {QStringLiteral("##ngpro&"), G(s.EstimatedCount), 3},
        {QStringLiteral("##hz&"), G(s.VerticalSpacing), 3},
        {QStringLiteral("##lg&"), G(s.EstimatedHorizontalLength), 3},
        {QStringLiteral("##bp&"), W(s.StripWidthMm), 3},
        {QStringLiteral("##k2&"), G(s.ClimaticCoefHorizontal), 3},
        {QStringLiteral("##nug"), G(s.UtilizationHorizontal), 3},
        {QStringLiteral("##rg&"), F(s.HorizontalResistance), 3},
        {QStringLiteral("##rrpol&"), requiredVerticalText(s, n), 3},
        {QStringLiteral("##nkon&"), F(s.RefinedCountRaw), 3},
        {QStringLiteral("##nkonok&"), G(s.RefinedCount), 3},
        {QStringLiteral("##zaz&"), s.ElectrodeNounForm, 3},
        {QStringLiteral("##ver&"), s.VerticalAdjectiveForm, 3},
        {QStringLiteral("##lgkon&"), G(s.RefinedHorizontalLength) + m, 3},
        {QStringLiteral("##ll&"), G(s.VerticalLength) + m, 0},
        {QStringLiteral("#ttz&"), G(s.VerticalMidDepth) + m, 3},
        {QStringLiteral("##hh&"), G(s.UpperLayerThickness) + m, 0},
        {QStringLiteral("##tt&"), G(s.HorizontalDepth) + m, 3},
        {QStringLiteral("#bp1&"), W(s.StripWidthMm) + mm, 0},
        {QStringLiteral("##rro"), G(s.UpperResistivity) + ohmMetre, 3},
        {QStringLiteral("##rrro"), G(s.LowerResistivity) + ohmMetre, 3},
        {QStringLiteral("##hmm"), G(s.VerticalSpacing) + m, 5},
        {QStringLiteral("##lmm"), G(s.VerticalLength) + m, 5},
        {QStringLiteral("##lkon&"), G(s.RefinedHorizontalLength) + m, 5},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());

    const NoteTexts note(s, n);
    const std::vector<ReportRow> design = {
        {QStringLiteral("##grunt1&"), note.soil(s.UpperSoilName), 1},
        {QStringLiteral("##grunt2&"), note.soil(s.LowerSoilName), 1},
        {QStringLiteral("##grzam&"), note.soilSource(), 0, true},
        {QStringLiteral("##sxema&"), note.arrangement(), 1},
        {QStringLiteral("##mater&"), note.material(), 1},
        {QStringLiteral("##rof&"), note.resistivityFormula(), 1},
        {QStringLiteral("##lgf&"), note.estimatedStrip(), 1},
        {QStringLiteral("##lgkf&"), note.refinedStrip(), 1},
        {QStringLiteral("##prpol&"), note.checkStrip(), 1},
        {QStringLiteral("##prv&"), note.checkVerticalGroup(), 1},
        {QStringLiteral("##prr&"), note.checkInstallation(), 1},
        {QStringLiteral("##kazh&"), note.installation(), 1},
        {QStringLiteral("##rnvys&"), note.raisedNorm(), 0},
        {QStringLiteral("##resh&"), note.decision(), 1},
    };
    rows.insert(rows.end(), design.begin(), design.end());
    if (s.MeasuredSoilUsed)
        rows.emplace_back(QStringLiteral("##grzamt&"), readingsTable(*s.MeasuredSoilUsed, n), 0);
    else
        rows.push_back({QStringLiteral("##grzamt&"), QString(), 0, true});

    // The picture last: the rows after it need not look through its bytes.
    const BillOfMaterials bill = billOfMaterials(s, thickness);
    rows.emplace_back(QStringLiteral("##vedomost&"), billTable(bill, n), 1);
    rows.emplace_back(QStringLiteral("##razmery&"), sizeCheckText(bill), 1);
    rows.emplace_back(QStringLiteral("##specifikaciya&"), equipmentScheduleTable(bill, n), 0);
    rows.back().ownParagraph = rows.back().optional = true;
    rows.emplace_back(QStringLiteral("##proekt&"), noteProjectHead(project), 0, true);
    rows.back().optional = true;
    rows.emplace_back(QStringLiteral("##obekt&"), noteObject(project), 0);
    rows.back().optional = true;
    rows.emplace_back(QStringLiteral("##data&"), noteDate(project), 0);
    rows.back().optional = true;
    rows.emplace_back(QStringLiteral("##vypolnil&"), noteSignedBy(project), 0, true);
    rows.back().optional = true;
    rows.emplace_back(QStringLiteral("##podpisi&"), noteSignatures(project), 0, true);
    rows.back().optional = true;
    rows.emplace_back(QStringLiteral("##risunok&"), scheme, 1);
    return rows;
}
