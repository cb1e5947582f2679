// The pick of a cell from a three-row reference table, remembered between confirmations.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// Three table rows of one reference dialog, by the list position of the row item.
template <typename Cell> using TableRows = std::array<std::vector<Cell>, 3>;

// A dialog keeps the row it last loaded and the value it last handed out, so that a box left
// without a picked item (empty, or holding typed text that is no item) falls back on them.
template <typename Cell> class RememberedPick {
public:
    // The table must outlive the pick; the program's tables are constants.
    explicit RememberedPick(const TableRows<Cell>& table)
        : m_table(table), m_currentRow(table[0].size(), Cell{}) {}

    // One confirmation. rowPosition and columnPosition are the picked list positions, -1 when
    // the box holds no list item. A picked row becomes the remembered row; the remembered row,
    // if any, is loaded as the current row; a picked column takes its cell of the current row as
    // the remembered value. Returns the remembered value.
    Cell confirm(int rowPosition, int columnPosition) {
        if (rowPosition >= 0 && static_cast<std::size_t>(rowPosition) < m_table.size())
            m_rememberedRow = rowPosition;
        if (m_rememberedRow != kNone)
            m_currentRow = m_table[static_cast<std::size_t>(m_rememberedRow)];
        if (columnPosition >= 0 && static_cast<std::size_t>(columnPosition) < m_currentRow.size())
            m_value = m_currentRow[static_cast<std::size_t>(columnPosition)];
        return m_value;
    }

    // Takes up a remembered row (none, or a row of the table) and value, as if confirmations had
    // left them; a row outside the table is taken as none.
    void restore(std::optional<int> row, Cell value) {
        const bool inTable = row && *row >= 0 && static_cast<std::size_t>(*row) < m_table.size();
        m_rememberedRow = inTable ? *row : kNone;
        m_currentRow = inTable ? m_table[static_cast<std::size_t>(*row)]
                               : std::vector<Cell>(m_table[0].size(), Cell{});
        m_value = value;
    }

    std::optional<int> rememberedRow() const {
        return m_rememberedRow == kNone ? std::nullopt : std::optional<int>(m_rememberedRow);
    }
    Cell value() const { return m_value; }
    const std::vector<Cell>& currentRow() const { return m_currentRow; }

private:
    const TableRows<Cell>& m_table;
    std::vector<Cell> m_currentRow;
    static constexpr int kNone = -1;
    int m_rememberedRow = kNone;
    Cell m_value{};
};
