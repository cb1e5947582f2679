// The plot of the soil measurements: ρкаж against the spacing on logarithmic axes, the readings as
// points and the curves of both fitted soils, the proposed one drawn bold.
#pragma once

#include "calc/WennerFit.h"
#include "design/MeasuredSoil.h"

#include <QChartView>
#include <QImage>
#include <optional>
#include <span>

class QLineSeries;
class QLogValueAxis;
class QScatterSeries;

class SoilPlot : public QChartView {
    Q_OBJECT
public:
    explicit SoilPlot(QWidget* parent = nullptr);

    // Shows readings and, when there is a fit, the curves of its soils across them.
    void showSoil(std::span<const WennerReading> readings, const std::optional<SoilFit>& fit);

    // The plot as it is seen, for the clipboard and PNG files.
    QImage picture();
    // The plot as an SVG document.
    QByteArray svg();

private:
    QScatterSeries* m_readings;
    QLineSeries* m_uniform;
    QLineSeries* m_twoLayer;
    QLogValueAxis* m_spacingAxis;
    QLogValueAxis* m_resistivityAxis;
};
