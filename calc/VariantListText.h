// The lists of the variant search as the engineer types them: items parted by ";", sizes b×b×δ
// and bп×δп, decimals with the system's separator.
#pragma once

#include "base/NumberText.h"
#include "design/VariantSearchSettings.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The items of a list as read, or the sentence on the first item that cannot be read.
template <class Item> struct ReadList {
    std::vector<Item> items;
    QString error;
};

ReadList<AngleSize> readAngles(const QString& text);
ReadList<std::int32_t> readRoundDiameters(const QString& text);
ReadList<double> readLengths(const QString& text, const NumberText& numbers);
ReadList<std::int32_t> readRatios(const QString& text);
ReadList<StripSize> readStrips(const QString& text);
// A limit or price that may be left empty; name is how the sentences name it.
struct ReadValue {
    std::optional<double> value;
    QString error;
};
ReadValue readOptionalValue(const QString& text, const NumberText& numbers, const QString& name);
// The most electrodes: a whole number.
ReadValue readMaxElectrodes(const QString& text);

// The lists written back as the engineer types them.
QString anglesText(const std::vector<AngleSize>& angles);
QString roundDiametersText(const std::vector<std::int32_t>& diameters);
QString lengthsText(const std::vector<double>& lengths, const NumberText& numbers);
QString ratiosText(const std::vector<std::int32_t>& ratios);
QString stripsText(const std::vector<StripSize>& strips);
QString optionalValueText(const std::optional<double>& value, const NumberText& numbers);
