// The plot of the soil measurements: ρкаж against the spacing on logarithmic axes, the readings as
// points and the curves of both fitted soils, the proposed one drawn bold.
#include "dialogs/SoilPlot.h"

#include <QBuffer>
#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

// Points on each curve, evenly spread on the logarithmic axis.
constexpr int kCurvePoints = 80;
// The axes reach at least this factor beyond the points and curves, and then on to whole decades,
// so that every axis has a labelled decade at each end.
constexpr double kMargin = 1.05;
// The spacings, m, and the resistivities, Ohm·m, shown while there are no readings.
constexpr std::pair<double, double> kNoSpacings{0.1, 100.0};
constexpr std::pair<double, double> kNoResistivities{10.0, 1000.0};

// The decades around [from, to] with kMargin to spare.
std::pair<double, double> decades(double from, double to) {
    return {std::pow(10.0, std::floor(std::log10(from / kMargin))),
            std::pow(10.0, std::ceil(std::log10(to * kMargin)))};
}

void drawCurve(QLineSeries* series, bool proposed) {
    QPen pen(series->color(), proposed ? 3.0 : 1.5, proposed ? Qt::SolidLine : Qt::DashLine);
    series->setPen(pen);
}

} // namespace

SoilPlot::SoilPlot(QWidget* parent)
    : QChartView(parent), m_readings(new QScatterSeries), m_uniform(new QLineSeries),
      m_twoLayer(new QLineSeries), m_spacingAxis(new QLogValueAxis),
      m_resistivityAxis(new QLogValueAxis) {
    auto* chart = new QChart;
    // The labels write numbers as the system does, without grouping their digits.
    QLocale numbers;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(numbers);
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);

    m_readings->setObjectName(QStringLiteral("readingsSeries"));
    m_readings->setName(QStringLiteral("Замеры"));
    m_readings->setMarkerSize(9.0);
    m_readings->setColor(Qt::black);
    m_uniform->setObjectName(QStringLiteral("uniformSeries"));
    m_uniform->setName(QStringLiteral("Однородный грунт"));
    m_uniform->setColor(QColor(31, 119, 180));
    m_twoLayer->setObjectName(QStringLiteral("twoLayerSeries"));
    m_twoLayer->setName(QStringLiteral("Двухслойный грунт"));
    m_twoLayer->setColor(QColor(214, 39, 40));

    m_spacingAxis->setTitleText(QStringLiteral("Разнос a, м"));
    m_resistivityAxis->setTitleText(QStringLiteral("Кажущееся сопротивление ρкаж, Ом·м"));
    for (QLogValueAxis* axis : {m_spacingAxis, m_resistivityAxis}) {
        axis->setBase(10.0);
        axis->setLabelFormat(QStringLiteral("%.6g"));
        axis->setMinorTickCount(8);
    }
    chart->addAxis(m_spacingAxis, Qt::AlignBottom);
    chart->addAxis(m_resistivityAxis, Qt::AlignLeft);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{m_uniform, m_twoLayer, m_readings}) {
        chart->addSeries(series);
        series->attachAxis(m_spacingAxis);
        series->attachAxis(m_resistivityAxis);
    }
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    showSoil({}, std::nullopt);
}

void SoilPlot::showSoil(std::span<const WennerReading> readings,
                        const std::optional<SoilFit>& fit) {
    QList<QPointF> points;
    for (const WennerReading& r : readings)
        points << QPointF(r.spacing, r.apparentResistivity());
    m_readings->replace(points);

    auto [from, to] = kNoSpacings;
    if (!readings.empty()) {
        const auto [narrowest, widest] = std::minmax_element(
            readings.begin(), readings.end(),
            [](const WennerReading& a, const WennerReading& b) { return a.spacing < b.spacing; });
        std::tie(from, to) = decades(narrowest->spacing, widest->spacing);
    }
    m_spacingAxis->setRange(from, to);

    // Both curves across the whole axis.
    QList<QPointF> uniform, twoLayer;
    if (fit) {
        const double rho = fit->uniform.resistivity;
        uniform << QPointF(from, rho) << QPointF(to, rho);
        if (fit->twoLayer) {
            for (int i = 0; i < kCurvePoints; ++i) {
                const double a = from * std::pow(to / from, i / (kCurvePoints - 1.0));
                twoLayer << QPointF(a, wennerApparentResistivity(fit->twoLayer->soil, a).value);
            }
        }
        drawCurve(m_uniform, fit->proposed == SoilModel::Uniform);
        drawCurve(m_twoLayer, fit->proposed == SoilModel::TwoLayer);
    }
    m_uniform->replace(uniform);
    m_twoLayer->replace(twoLayer);

    auto [bottom, top] = kNoResistivities;
    if (!points.isEmpty()) {
        double lowest = HUGE_VAL, highest = 0.0;
        for (const QList<QPointF>* list : {&points, &uniform, &twoLayer}) {
            for (const QPointF& p : *list) {
                lowest = std::min(lowest, p.y());
                highest = std::max(highest, p.y());
            }
        }
        std::tie(bottom, top) = decades(lowest, highest);
    }
    m_resistivityAxis->setRange(bottom, top);
}

QImage SoilPlot::picture() {
    return grab().toImage();
}

QByteArray SoilPlot::svg() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size());
    generator.setViewBox(rect());
    generator.setTitle(QStringLiteral("Удельное сопротивление грунта по замерам"));
    QPainter painter(&generator);
    render(&painter);
    painter.end();
    return buffer.data();
}
