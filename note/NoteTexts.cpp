#include "note/NoteTexts.h"

#include "calc/HighResistivityNorm.h"
#include "calc/InstallationCheck.h"
#include "calc/InstallationVerdict.h"
#include "calc/Strip.h"
#include "design/MeasuredSoilItems.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

QString NoteTexts::soil(const QString& name) {
    return name.isEmpty() ? QStringLiteral("не выбран") : name;
}

QString NoteTexts::arrangement() const {
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

QString NoteTexts::material() const {
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

QString NoteTexts::resistivityFormula() const {
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

QString NoteTexts::estimatedStrip() const {
    return arrangement() + QStringLiteral(" длина соединительной полосы ") +
           stripFormula(m_s.EstimatedCount, m_s.EstimatedHorizontalLength, QStringLiteral("Lг"),
                        QStringLiteral("N"));
}

QString NoteTexts::refinedStrip() const {
    if (m_s.RefinedCount == m_s.EstimatedCount &&
        G(m_s.RefinedHorizontalLength) == G(m_s.EstimatedHorizontalLength))
        return QStringLiteral("При Nу = N = ") + G(m_s.RefinedCount) +
               QStringLiteral(" длина полосы остаётся прежней: Lг.у = Lг");
    return QStringLiteral("При расположении ") + arrangement() + QStringLiteral(" ") +
           stripFormula(m_s.RefinedCount, m_s.RefinedHorizontalLength, QStringLiteral("Lг.у"),
                        QStringLiteral("Nу"));
}

QString NoteTexts::checkStrip() const {
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
           QStringLiteral("² / (") + G(m_s.StripWidthMm / 1000.0) + dot() + G(m_s.HorizontalDepth) +
           QStringLiteral(")) = ") + rh +
           QStringLiteral(" Ом, с учётом коэффициента использования R′г.у = Rг.у / ηг = ") + rh +
           QStringLiteral(" / ") + etaH + QStringLiteral(" = ") +
           R(*m_s.CheckStripInGroupResistance) + QStringLiteral(" Ом");
}

QString NoteTexts::checkVerticalGroup() const {
    const QString count = G(m_s.RefinedCount);
    if (!m_s.CheckVerticalGroupResistance)
        return QStringLiteral("Сопротивление вертикальных заземлителей вычислить нельзя: "
                              "Nу = ") +
               count + QStringLiteral(", ηв = ") + G(m_s.UtilizationVertical);
    const QString group = R(*m_s.CheckVerticalGroupResistance);
    if (oneElectrode())
        return QStringLiteral("Вертикальный заземлитель один: его сопротивление Rв = ") + group +
               QStringLiteral(" Ом");
    return QStringLiteral("Сопротивление группы вертикальных заземлителей Rв / (Nу·ηв) = ") +
           R(m_s.SingleVerticalResistance) + QStringLiteral(" / (") + count + dot() +
           G(m_s.UtilizationVertical) + QStringLiteral(") = ") + group + QStringLiteral(" Ом");
}

QString NoteTexts::checkInstallation() const {
    const QString lead = QStringLiteral("Сопротивление заземляющего устройства ");
    if (!m_s.CheckInstallationResistance)
        return lead + QStringLiteral("R вычислить нельзя, так как не вычислены его части");
    const QString total =
        resistanceAgainstNorm(*m_s.CheckInstallationResistance, m_s.NormalizedResistance, m_n);
    const QString group = oneElectrode() ? QStringLiteral("Rв") : QStringLiteral("Rв/(Nу·ηв)");
    if (!hasStrip())
        return lead + QStringLiteral("R = ") + group + QStringLiteral(" = ") + total +
               QStringLiteral(" Ом");
    const QString g = R(*m_s.CheckVerticalGroupResistance);
    const QString h = R(*m_s.CheckStripInGroupResistance);
    const QString bracketed = oneElectrode() ? group : QLatin1Char('(') + group + QLatin1Char(')');
    const QString parallel =
        oneElectrode() ? QStringLiteral("(вертикальный заземлитель параллельно с полосой)")
                       : QStringLiteral("(вертикальные заземлители параллельно с полосой)");
    return lead + parallel + QStringLiteral(" R = ") + bracketed + QStringLiteral("·R′г.у / (") +
           group + QStringLiteral(" + R′г.у) = ") + g + dot() + h + QStringLiteral(" / (") + g +
           QStringLiteral(" + ") + h + QStringLiteral(") = ") + total + QStringLiteral(" Ом");
}

QString NoteTexts::installation() const {
    if (oneElectrode())
        return hasStrip() ? QStringLiteral(", присоединённый к стальной полосе длиной ") +
                                G(m_s.RefinedHorizontalLength) + QStringLiteral(" м")
                          : QString();
    if (!hasStrip())
        return QStringLiteral(" каждый");
    return QStringLiteral(" каждый, соединённых стальной полосой общей длиной ") +
           G(m_s.RefinedHorizontalLength) + QStringLiteral(" м");
}

QString NoteTexts::decision() const {
    const std::optional<bool> meets = installationMeetsNorm(m_s);
    if (!meets)
        return QStringLiteral("сопротивление заземляющего устройства не вычислено, "
                              "выполнение требования R ≤ Rн = ") +
               NumberText::whole(m_s.NormalizedResistance) + QStringLiteral(" Ом не подтверждено");
    return installationComparison(m_s, m_n) +
           (*meets ? QStringLiteral(": требование выполняется")
                   : QStringLiteral(": требование не выполняется — увеличьте число электродов "
                                    "или длину полосы"));
}

QString NoteTexts::soilSource() const {
    if (!m_s.MeasuredSoilUsed)
        return {};
    const MeasuredSoil& soil = *m_s.MeasuredSoilUsed;
    const QString ohmMetre = QStringLiteral(" Ом·м");
    const auto bySpacing = [](const WennerReading& a, const WennerReading& b) {
        return a.spacing < b.spacing;
    };
    const auto [narrowest, widest] = std::ranges::minmax_element(soil.readings, bySpacing);
    const double least = narrowest != soil.readings.end() ? narrowest->spacing : 0.0;
    const double most = widest != soil.readings.end() ? widest->spacing : 0.0;
    QString text = QStringLiteral("Удельное сопротивление грунта определено по замерам на площадке "
                                  "методом Веннера (четыре электрода в линию на равных расстояниях "
                                  "a, ρкаж = 2π·a·R), число замеров ") +
                   NumberText::whole(static_cast<std::int64_t>(soil.readings.size())) +
                   QStringLiteral(", разнос электродов a от ") + G(least) + QStringLiteral(" до ") +
                   G(most) + QStringLiteral(" м. ");
    const QString misfit = QStringLiteral("; среднеквадратичное относительное расхождение с "
                                          "замерами ") +
                           m_n.fixed1(soil.misfit) + QStringLiteral(" %. ");
    // The model's values as the soil lists and the thickness box took them.
    const MeasuredSoilItems taken = measuredSoilItems(soil, m_n);
    if (soil.model == SoilModel::TwoLayer)
        text += QStringLiteral("Принята модель двухслойного грунта: ρ1 = ") + G(taken.upper) +
                ohmMetre + QStringLiteral(", ρ2 = ") + G(taken.lower) + ohmMetre +
                QStringLiteral(", H = ") + taken.thicknessText + QStringLiteral(" м") + misfit;
    else
        text += QStringLiteral("Принята модель однородного грунта: ρ = ") + G(taken.upper) +
                ohmMetre + misfit;
    return text + QStringLiteral("Замеры приведены в таблице.");
}

QString NoteTexts::raisedNorm() const {
    const std::optional<RaisedNorm> raised = ::raisedNorm(m_s);
    if (!raised)
        return {};
    // ρ with the decimals of the product, so that the product written is the one computed.
    const QString rho = m_n.fixed2(raised->resistivity);
    const bool capped = raised->factor < 0.01 * raised->resistivity;
    const QString factor = capped ? G(raised->factor) : G(0.01) + dot() + rho;
    QString text = QStringLiteral(" Для грунта с ρ > 100 Ом·м норма может быть увеличена в ") +
                   G(0.01) + QStringLiteral("·ρ раз, но не более чем в 10 раз; здесь ρ = ") + rho +
                   QStringLiteral(" Ом·м — эквивалентное удельное сопротивление п. 2.2, "
                                  "вычисленное без климатического коэффициента (ψв = 1), и "
                                  "Rн′ = ") +
                   NumberText::whole(m_s.NormalizedResistance) + dot() + factor +
                   QStringLiteral(" = ") + R(raised->norm) + QStringLiteral(" Ом");
    if (!raised->meets)
        return text + QStringLiteral(": выполнение требования R ≤ Rн′ не подтверждено.");
    // R with the digits of the check against Rн, or with those that show it above Rн′ as R()
    // writes Rн′.
    const double r = *m_s.CheckInstallationResistance;
    const double writtenNorm = std::round(raised->norm * 100) / 100;
    const QString total =
        QStringLiteral(", R = ") +
        resistanceAgainstNorm(r, r > writtenNorm ? writtenNorm : m_s.NormalizedResistance, m_n) +
        QStringLiteral(" Ом");
    return text + total +
           (*raised->meets ? QStringLiteral(" ≤ Rн′: увеличенная норма выполняется.")
                           : QStringLiteral(" > Rн′: увеличенная норма не выполняется."));
}

QString NoteTexts::stripFormula(double count, double taken, const QString& length,
                                const QString& countSymbol) const {
    const bool contour = m_s.ElectrodeArrangement == ElectrodeArrangement::Contour;
    const QString a = G(m_s.VerticalSpacing);
    QString text = length + QStringLiteral(" = ");
    if (contour)
        text += countSymbol + QStringLiteral("·a = ") + G(count) + dot() + a;
    else
        text += QLatin1Char('(') + countSymbol + QStringLiteral(" − 1)·a = (") + G(count) +
                QStringLiteral(" − 1)·") + a;
    const double byFormula = stripSegments(m_s.ElectrodeArrangement, count) * m_s.VerticalSpacing;
    if (G(byFormula) != G(taken))
        text += QStringLiteral(" = ") + G(byFormula) + QStringLiteral(" м; в расчёт принимается ") +
                length;
    return text;
}
