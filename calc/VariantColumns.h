// The column rule of the variant search: which column of a utilization table holds the
// coefficient for a number of electrodes.
#pragma once

#include "tables/UtilizationTable.h"

#include <cstddef>
#include <optional>
#include <vector>

class VariantColumns {
public:
    // The table must outlive the columns; the program's tables are constants.
    explicit VariantColumns(const UtilizationTable& table);

    // The column of the smallest tabulated number of electrodes not below count (coefficients
    // fall as the count grows, so this is the cautious reading); none beyond the last column.
    std::optional<std::size_t> column(double count) const;
    // The coefficient of the ratio's row (0, 1, 2 for "1", "2", "3") in a column.
    double coefficient(std::size_t row, std::size_t column) const;
    std::size_t size() const { return m_counts.size(); }

private:
    const UtilizationTable& m_table;
    std::vector<double> m_counts; // the tabulated numbers of electrodes, by column
};
