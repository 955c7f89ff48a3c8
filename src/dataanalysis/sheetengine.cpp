#include "dataanalysis/sheetengine.h"
#include <ixion/formula.hpp>

namespace dataanalysis {

namespace {
const std::string kSheetName = "Sheet1";
}

ixion::abs_address_t EngineAddress(CellPos cell)
{
    return ixion::abs_address_t(0, cell.row - 1, cell.col - 1);
}

SheetEngine::SheetEngine()
    : m_cells(ixion::rc_size_t(kMaxRow, kMaxCol)),
      m_names(ixion::formula_name_resolver::get(ixion::formula_name_resolver_t::excel_a1, &m_cells))
{
    m_cells.append_sheet(kSheetName);
}

ixion::abs_address_t SheetEngine::releaseCell(CellPos cell)
{
    const ixion::abs_address_t address = EngineAddress(cell);
    ixion::unregister_formula_cell(m_cells, address);
    m_newFormulas.erase(ixion::abs_range_t(address));
    m_changed.insert(ixion::abs_range_t(address));
    return address;
}

void SheetEngine::setNumber(CellPos cell, double value)
{
    m_cells.set_numeric_cell(releaseCell(cell), value);
}

void SheetEngine::setText(CellPos cell, std::string_view text)
{
    m_cells.set_string_cell(releaseCell(cell), text);
}

void SheetEngine::setEmpty(CellPos cell)
{
    m_cells.empty_cell(releaseCell(cell));
}

void SheetEngine::setFormula(CellPos cell, std::string_view formula)
{
    const ixion::abs_address_t address = EngineAddress(cell);
    ixion::formula_tokens_t tokens = ixion::parse_formula_string(m_cells, address, *m_names, formula);
    releaseCell(cell);
    const ixion::formula_cell* stored = m_cells.set_formula_cell(address, std::move(tokens));
    ixion::register_formula_cell(m_cells, address, stored);
    m_newFormulas.insert(ixion::abs_range_t(address));
}

void SheetEngine::calculate()
{
    const std::vector<ixion::abs_range_t> order =
        ixion::query_and_sort_dirty_cells(m_cells, m_changed, &m_newFormulas);
    m_changed.clear();
    m_newFormulas.clear();
    ixion::calculate_sorted_cells(m_cells, order, 0);
}

ixion::cell_access SheetEngine::cell(CellPos cell) const
{
    return m_cells.get_cell_access(EngineAddress(cell));
}

} // namespace dataanalysis
