#include "report/ReportRows.h"

#include "calc/InstallationCheck.h"

namespace {

// The note's wording for what the design holds, with the numbers of the design put into the
// formulas. Every text here states the case that applied: the arrangement, the soil layer, one
// electrode or several, a strip or none, a value that could or could not be computed.
class NoteTexts {
public:
    NoteTexts(const DesignState& s, const NumberText& n) : m_s(s), m_n(n) {}

    QString soil(const QString& name) const {
        return name.isEmpty() ? QStringLiteral("не выбран") : name;
    }

    QString arrangement() const {
        switch (m_s.ElectrodeArrangement) {
        case ElectrodeArrangement::Row:
            return QStringLiteral("в ряд");
        case ElectrodeArrangement::Contour:
            return QStringLiteral("по контуру");
        case ElectrodeArrangement::None:
            break;
        }
        return QStringLiteral("не выбрано");
    }

    QString material() const {
        switch (m_s.ElectrodeMaterial) {
        case ElectrodeMaterial::Angle:
            return QStringLiteral("уголок");
        case ElectrodeMaterial::RoundSection:
            return QStringLiteral("круглая сталь");
        case ElectrodeMaterial::None:
            break;
        }
        return QStringLiteral("не выбран");
    }

    // The formula of the equivalent resistivity that the calculation used.
    QString resistivityFormula() const {
        switch (m_s.ElectrodeLayers) {
        case ElectrodeLayers::UpperOnly:
            return QStringLiteral("электрод целиком в верхнем слое (H − t0 ≥ L), поэтому "
                                  "ρэ = ψв·ρ1");
        case ElectrodeLayers::LowerOnly:
            return QStringLiteral("электрод целиком в нижнем слое (H ≤ t0), поэтому ρэ = ρ2");
        case ElectrodeLayers::Both:
            break;
        }
        return QStringLiteral("ρэ = ψв·ρ1·ρ2·L / (ψв·ρ1·(L − H + t0) + ρ2·(H − t0))");
    }

    // "в ряд длина соединительной полосы Lг = (N − 1)·a = (7 − 1)·5"; the note goes on with
    // " = <Lг> м".
    QString estimatedStrip() const {
        return arrangement() + QStringLiteral(" длина соединительной полосы ") +
               stripFormula(m_s.EstimatedCount, m_s.EstimatedHorizontalLength, QStringLiteral("Lг"),
                            QStringLiteral("N"));
    }

    // The refined strip; the note goes on with " = <Lг.у> м".
    QString refinedStrip() const {
        if (m_s.RefinedCount == m_s.EstimatedCount &&
            G(m_s.RefinedHorizontalLength) == G(m_s.EstimatedHorizontalLength))
            return QStringLiteral("При Nу = N = ") + G(m_s.RefinedCount) +
                   QStringLiteral(" длина полосы остаётся прежней: Lг.у = Lг");
        return QStringLiteral("При расположении ") + arrangement() + QStringLiteral(" ") +
               stripFormula(m_s.RefinedCount, m_s.RefinedHorizontalLength, QStringLiteral("Lг.у"),
                            QStringLiteral("Nу"));
    }

    // Follows "Длина соединительной полосы Lг.у = <Lг.у>".
    QString checkStrip() const {
        if (!hasStrip())
            return QStringLiteral(" — полоса не прокладывается");
        if (!m_s.CheckStripResistance || !m_s.CheckStripInGroupResistance)
            return QStringLiteral("; её сопротивление по формуле п. 2.6 вычислить нельзя: при "
                                  "этих значениях формула не даёт положительного сопротивления");
        const QString L = G(m_s.RefinedHorizontalLength);
        const QString etaH = G(m_s.UtilizationHorizontal);
        const QString rh = R(*m_s.CheckStripResistance);
        return QStringLiteral("; её сопротивление по формуле п. 2.6 Rг.у = (0,366·ψг·ρ1 / "
                              "(Lг.у·ηг))·lg(2·Lг.у² / (bп·t0)) = (0,366·") +
               G(m_s.ClimaticCoefHorizontal) + dot() + G(m_s.UpperResistivity) +
               QStringLiteral(" / (") + L + dot() + etaH + QStringLiteral("))·lg(2·") + L +
               QStringLiteral("² / (") + G(m_s.StripWidthMm / 1000.0) + dot() +
               G(m_s.HorizontalDepth) + QStringLiteral(")) = ") + rh +
               QStringLiteral(" Ом, с учётом коэффициента использования R′г.у = Rг.у / ηг = ") +
               rh + QStringLiteral(" / ") + etaH + QStringLiteral(" = ") +
               R(*m_s.CheckStripInGroupResistance) + QStringLiteral(" Ом");
    }

    QString checkVerticalGroup() const {
        const QString count = G(m_s.RefinedCount);
        if (!m_s.CheckVerticalGroupResistance)
            return QStringLiteral("Сопротивление вертикальных заземлителей вычислить нельзя: "
                                  "Nу = ") +
                   count + QStringLiteral(", ηв = ") + G(m_s.UtilizationVertical);
        const QString group = R(*m_s.CheckVerticalGroupResistance);
        if (oneElectrode())
            return QStringLiteral("Вертикальный заземлитель один: его сопротивление Rв = ") +
                   group + QStringLiteral(" Ом");
        return QStringLiteral("Сопротивление группы вертикальных заземлителей Rв / (Nу·ηв) = ") +
               R(m_s.SingleVerticalResistance) + QStringLiteral(" / (") + count + dot() +
               G(m_s.UtilizationVertical) + QStringLiteral(") = ") + group + QStringLiteral(" Ом");
    }

    QString checkInstallation() const {
        const QString lead = QStringLiteral("Сопротивление заземляющего устройства ");
        if (!m_s.CheckInstallationResistance)
            return lead + QStringLiteral("R вычислить нельзя, так как не вычислены его части");
        const QString total = R(*m_s.CheckInstallationResistance);
        const QString group = oneElectrode() ? QStringLiteral("Rв") : QStringLiteral("Rв/(Nу·ηв)");
        if (!hasStrip())
            return lead + QStringLiteral("R = ") + group + QStringLiteral(" = ") + total +
                   QStringLiteral(" Ом");
        const QString g = R(*m_s.CheckVerticalGroupResistance);
        const QString h = R(*m_s.CheckStripInGroupResistance);
        const QString bracketed =
            oneElectrode() ? group : QLatin1Char('(') + group + QLatin1Char(')');
        return lead + QStringLiteral("(вертикальные заземлители параллельно с полосой) R = ") +
               bracketed + QStringLiteral("·R′г.у / (") + group + QStringLiteral(" + R′г.у) = ") +
               g + dot() + h + QStringLiteral(" / (") + g + QStringLiteral(" + ") + h +
               QStringLiteral(") = ") + total + QStringLiteral(" Ом");
    }

    // Follows "Принимаем к установке <N> <words> длиной <L> м".
    QString installation() const {
        if (oneElectrode())
            return hasStrip() ? QStringLiteral(", присоединённый к стальной полосе длиной ") +
                                    G(m_s.RefinedHorizontalLength) + QStringLiteral(" м")
                              : QString();
        if (!hasStrip())
            return QStringLiteral(" каждый");
        return QStringLiteral(" каждый, соединённых стальной полосой общей длиной ") +
               G(m_s.RefinedHorizontalLength) + QStringLiteral(" м");
    }

    QString decision() const {
        const QString norm = QStringLiteral("Rн = ") + NumberText::whole(m_s.NormalizedResistance) +
                             QStringLiteral(" Ом");
        const std::optional<bool> meets = installationMeetsNorm(m_s);
        if (!meets)
            return QStringLiteral("сопротивление заземляющего устройства не вычислено, "
                                  "выполнение требования R ≤ ") +
                   norm + QStringLiteral(" не подтверждено");
        const QString total =
            QStringLiteral("R = ") + R(*m_s.CheckInstallationResistance) + QStringLiteral(" Ом");
        if (*meets)
            return total + QStringLiteral(" ≤ ") + norm +
                   QStringLiteral(": требование выполняется");
        return total + QStringLiteral(" > ") + norm +
               QStringLiteral(": требование не выполняется — увеличьте число электродов или "
                              "длину полосы");
    }

private:
    QString G(double v) const { return m_n.general(v); }
    QString R(double v) const { return m_n.fixed2(v); }
    static QString dot() { return QStringLiteral("·"); }
    bool oneElectrode() const { return m_s.RefinedCount == 1; }
    bool hasStrip() const { return m_s.RefinedHorizontalLength != 0; }

    // "<L> = (<N> − 1)·a = (7 − 1)·5" for a row, "<L> = <N>·a = 13·3" for a contour; where the
    // calculation took another length than the formula gives, the note says so.
    QString stripFormula(double count, double taken, const QString& length,
                         const QString& countSymbol) const {
        const bool contour = m_s.ElectrodeArrangement == ElectrodeArrangement::Contour;
        const double segments = contour ? count : count - 1;
        const QString a = G(m_s.VerticalSpacing);
        QString text = length + QStringLiteral(" = ");
        if (contour)
            text += countSymbol + QStringLiteral("·a = ") + G(count) + dot() + a;
        else
            text += QLatin1Char('(') + countSymbol + QStringLiteral(" − 1)·a = (") + G(count) +
                    QStringLiteral(" − 1)·") + a;
        const double byFormula = segments * m_s.VerticalSpacing;
        if (G(byFormula) != G(taken))
            text += QStringLiteral(" = ") + G(byFormula) +
                    QStringLiteral(" м; в расчёт принимается ") + length;
        return text;
    }

    const DesignState& m_s;
    const NumberText& m_n;
};

} // namespace

std::vector<ReportRow> reportRows(const DesignState& s, const NumberText& n) {
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
        {QStringLiteral("##rrpol&"), F(s.RequiredVerticalResistance), 3},
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
        {QStringLiteral("##sxema&"), note.arrangement(), 1},
        {QStringLiteral("##mater&"), note.material(), 1},
        {QStringLiteral("##rof&"), note.resistivityFormula(), 1},
        {QStringLiteral("##lgf&"), note.estimatedStrip(), 1},
        {QStringLiteral("##lgkf&"), note.refinedStrip(), 1},
        {QStringLiteral("##prpol&"), note.checkStrip(), 1},
        {QStringLiteral("##prv&"), note.checkVerticalGroup(), 1},
        {QStringLiteral("##prr&"), note.checkInstallation(), 1},
        {QStringLiteral("##kazh&"), note.installation(), 1},
        {QStringLiteral("##resh&"), note.decision(), 1},
    };
    rows.insert(rows.end(), design.begin(), design.end());
    return rows;
}
