#pragma once
#include "dataanalysis/cellrange.h"
#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/formula_name_resolver.hpp>
#include <ixion/model_context.hpp>
#include <memory>
#include <string_view>

// The formula engine of the lab's one sheet: libixion's cells, sized to the
// sheet (kMaxRow × kMaxCol), and what changed since the last calculation.
// ixion::document keeps the same books for a sheet of a million rows and
// 16 384 columns, whose empty columns alone take about 20 ms to make; the
// sheet makes an engine on every clear and on every rebuild after a failed
// calculation.
namespace dataanalysis {

class SheetEngine {
public:
    SheetEngine();
    SheetEngine(const SheetEngine&) = delete;
    SheetEngine& operator=(const SheetEngine&) = delete;

    void setNumber(CellPos cell, double value);
    void setText(CellPos cell, std::string_view text);
    void setEmpty(CellPos cell);
    // Throws what the formula reader throws for a formula it cannot read.
    void setFormula(CellPos cell, std::string_view formula);
    // Computes the formulas set since the last calculation and those that
    // depend on a changed cell. Throws what the engine throws.
    void calculate();

    ixion::cell_access cell(CellPos cell) const;
    // Reads formulas (for cells of this sheet's size) without changing a cell.
    ixion::model_context& context() { return m_cells; }

private:
    // Replacing a formula cell must first take it out of the dependency tracker.
    ixion::abs_address_t releaseCell(CellPos cell);

    ixion::model_context m_cells;
    std::unique_ptr<ixion::formula_name_resolver> m_names;
    ixion::abs_range_set_t m_changed;
    ixion::abs_range_set_t m_newFormulas;
};

// A cell of the sheet as the engine addresses it.
ixion::abs_address_t EngineAddress(CellPos cell);

} // namespace dataanalysis
