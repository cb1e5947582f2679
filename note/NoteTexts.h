// The wording of the calculation note that follows the design, with the design's numbers put into
// its formulas.
#pragma once

#include "base/NumberText.h"
#include "design/DesignState.h"

#include <QString>

// The note's wording for what the design holds, with the numbers of the design put into the
// formulas. Every text here states the case that applied: the arrangement, the soil layer, one
// electrode or several, a strip or none, a value that could or could not be computed.
class NoteTexts {
public:
    NoteTexts(const DesignState& s, const NumberText& n) : m_s(s), m_n(n) {}

    // The input data: a soil as picked, "в ряд" / "по контуру", "уголок" / "круглая сталь".
    static QString soil(const QString& name);
    QString arrangement() const;
    QString material() const;

    // Where the soil was measured on the site: the method with the number of readings and the
    // range of spacings, the model taken with its ρ1, ρ2, H and misfit, and the readings (a, R,
    // ρкаж); empty for soils of the table.
    QString soilSource() const;

    // The formula of the equivalent resistivity that the calculation used.
    QString resistivityFormula() const;

    // "в ряд длина соединительной полосы Lг = (N − 1)·a = (7 − 1)·5"; the note goes on with
    // " = <Lг> м".
    QString estimatedStrip() const;

    // The refined strip; the note goes on with " = <Lг.у> м".
    QString refinedStrip() const;

    // The check of the installed system: the strip (follows "Длина соединительной полосы
    // Lг.у = <Lг.у>"), the vertical electrodes, the whole installation; each with its numbers or
    // saying that it cannot be computed.
    QString checkStrip() const;
    QString checkVerticalGroup() const;
    QString checkInstallation() const;

    // Follows "Принимаем к установке <N> <words> длиной <L> м".
    QString installation() const;

    // "R = … Ом ≤ Rн = … Ом: требование выполняется", or that it is not met, or not confirmed.
    QString decision() const;

    // Follows the decision where ρ > 100 Ом·м: the norm raised for high resistivity and whether
    // the installed system meets it; empty elsewhere.
    QString raisedNorm() const;

private:
    QString G(double v) const { return m_n.general(v); }
    QString R(double v) const { return m_n.fixed2(v); }
    static QString dot() { return QStringLiteral("·"); }
    bool oneElectrode() const { return m_s.RefinedCount == 1; }
    bool hasStrip() const { return m_s.RefinedHorizontalLength != 0; }

    // "<L> = (<N> − 1)·a = (7 − 1)·5" for a row, "<L> = <N>·a = 13·3" for a contour; where the
    // calculation took another length than the formula gives, the note says so.
    QString stripFormula(double count, double taken, const QString& length,
                         const QString& countSymbol) const;

    const DesignState& m_s;
    const NumberText& m_n;
};
