#include "calc/ResultCheck.h"

#include "base/NumberText.h"

#include <cmath>

namespace {

using Gender = ResultQuantity::Gender;

QString agreeing(Gender gender, const char* masculine, const char* feminine, const char* neuter) {
    switch (gender) {
    case Gender::Masculine:
        return QString::fromUtf8(masculine);
    case Gender::Feminine:
        return QString::fromUtf8(feminine);
    case Gender::Neuter:
        break;
    }
    return QString::fromUtf8(neuter);
}

enum class Form { Fixed1, General };

// A result line of the results page: the field it shows and how it shows it.
struct ShownResult {
    double DesignState::*field;
    Form form;
    ResultQuantity quantity;
};

const QString kStripInputs = QStringLiteral("ширину полосы и расстояние между заземлителями");
const QString kCountInputs = QStringLiteral(
    "нормируемое сопротивление и коэффициенты использования вертикальных и горизонтальных "
    "заземлителей");
const QString kSpacingInputs = QStringLiteral("расстояние между заземлителями");

const ShownResult kShownResults[] = {
    {&DesignState::EquivalentResistivity,
     Form::Fixed1,
     {QStringLiteral("Удельный расчётный коэффициент сопротивления грунта"), Gender::Masculine,
      QStringLiteral("Ом*м"),
      QStringLiteral("грунты, климатический коэффициент для вертикального заземлителя, толщину "
                     "верхнего слоя грунта и длину вертикального заземлителя"),
      false}},
    {&DesignState::SingleVerticalResistance,
     Form::Fixed1,
     {QStringLiteral("Сопротивление одного вертикального заземлителя"), Gender::Neuter,
      QStringLiteral("Ом"),
      QStringLiteral("ширину полки уголка или диаметр и длину вертикального заземлителя"), false}},
    {&DesignState::EstimatedCount,
     Form::General,
     {QStringLiteral("Предполагаемое количество вертикальных заземлителей"), Gender::Neuter,
      QStringLiteral("шт"),
      QStringLiteral("нормируемое сопротивление и коэффициент использования вертикальных "
                     "заземлителей"),
      false}},
    {&DesignState::EstimatedHorizontalLength,
     Form::General,
     {QStringLiteral("Предполагаемая длина горизонтального заземлителя"), Gender::Feminine,
      QStringLiteral("м"), kSpacingInputs, false}},
    {&DesignState::HorizontalResistance,
     Form::Fixed1,
     {QStringLiteral("Сопротивление горизонтального заземлителя"), Gender::Neuter,
      QStringLiteral("Ом"), kStripInputs, false}},
    {&DesignState::RequiredVerticalResistance,
     Form::Fixed1,
     {QStringLiteral("Полное сопротивление заземлителей"), Gender::Neuter, QStringLiteral("Ом"),
      kCountInputs, false}},
    {&DesignState::RefinedCountRaw,
     Form::Fixed1,
     {QStringLiteral("Уточнённое количество вертикальных заземлителей"), Gender::Neuter,
      QStringLiteral("шт"), kCountInputs, false}},
    {&DesignState::RefinedCount,
     Form::General,
     {QStringLiteral("Количество вертикальных заземлителей к установке"), Gender::Neuter,
      QStringLiteral("шт"), kCountInputs, false}},
    // A single refined electrode needs no strip.
    {&DesignState::RefinedHorizontalLength,
     Form::General,
     {QStringLiteral("Уточнённая длина горизонтального заземлителя"), Gender::Feminine,
      QStringLiteral("м"), kSpacingInputs, true}},
};

} // namespace

std::optional<QString> implausibleResult(const ResultQuantity& quantity, double value,
                                         const std::function<QString(double)>& written) {
    const Gender g = quantity.gender;
    QString what;
    if (!std::isfinite(value)) {
        what = agreeing(g, "получился бесконечным или неопределённым",
                        "получилась бесконечной или неопределённой",
                        "получилось бесконечным или неопределённым");
    } else if (value < 0) {
        // The minus sign of running text, before the magnitude in the result's own form.
        what = agreeing(g, "получился отрицательным", "получилась отрицательной",
                        "получилось отрицательным") +
               QStringLiteral(" (\u2212") + written(-value) + QLatin1Char(' ') + quantity.unit +
               QLatin1Char(')');
    } else if (value == 0 && !quantity.zeroAllowed) {
        what = agreeing(g, "получился равным нулю", "получилась равной нулю",
                        "получилось равным нулю");
    } else {
        return std::nullopt;
    }
    return quantity.name + QLatin1Char(' ') + what + QStringLiteral(": проверьте ") +
           quantity.inputs;
}

std::optional<QString> implausibleElectrodeResult(const DesignState& state,
                                                  const NumberText& numbers) {
    for (const ShownResult& shown : kShownResults) {
        const auto written = [&](double v) {
            return shown.form == Form::Fixed1 ? numbers.fixed1(v) : numbers.general(v);
        };
        if (auto message = implausibleResult(shown.quantity, state.*shown.field, written))
            return message;
    }
    return std::nullopt;
}
