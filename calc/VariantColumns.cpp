// The column rule of the variant search.
#include "calc/VariantColumns.h"

#include <QString>

VariantColumns::VariantColumns(const UtilizationTable& table) : m_table(table) {
    m_counts.reserve(table.numberItems.size());
    for (const char16_t* item : table.numberItems)
        m_counts.push_back(QString::fromUtf16(item).toDouble());
}

std::optional<std::size_t> VariantColumns::column(double count) const {
    for (std::size_t c = 0; c < m_counts.size(); ++c)
        if (m_counts[c] >= count)
            return c;
    return std::nullopt;
}

double VariantColumns::coefficient(std::size_t row, std::size_t column) const {
    return m_table.rows[row][column];
}
