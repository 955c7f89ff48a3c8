#pragma once
#include "dataanalysis/cellrange.h"
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace ixion { class model_context; }

// The lab's spreadsheet: what the user typed into each cell, and the values
// the formula engine (libixion) computes from it. Input starting with "="
// is a formula (=SUM(A1:A10), =AVERAGE(B1:B5), =A1*2 ...), a number may be
// written with a decimal comma or point, anything else is text.
namespace dataanalysis {

class SheetEngine;

class Sheet {
public:
    Sheet();
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    // Stores the input of a cell inside the sheet's bounds (others are
    // ignored); an empty input empties the cell. Values of formulas follow
    // after recalculate(), so that many cells can be set at once.
    void setInput(CellPos cell, const QString& input);
    // setInput, then recalculate: what one edit of the user does.
    void edit(CellPos cell, const QString& input);
    // Computes every formula whose inputs changed.
    void recalculate();
    // Empties every cell.
    void clear();

    // What was typed, as it is edited again.
    QString input(CellPos cell) const;
    // The number a cell shows: a number, or a formula's numeric result.
    std::optional<double> number(CellPos cell) const;
    // The text a cell shows: numbers with a decimal comma, texts as typed,
    // formula errors as spreadsheet programs show them ("#DIV/0!").
    QString text(CellPos cell) const;
    bool isFormula(CellPos cell) const;

    // Every non-empty cell and its input, row by row.
    const std::map<CellPos, QString>& inputs() const { return m_inputs; }

private:
    void resetEngine();
    // Gives the engine one cell's input; throws what the engine throws.
    void placeInput(CellPos cell, const QString& input);
    // Gives the engine every input that is not a formula.
    void placeValues();
    void storeFormula(CellPos cell, const QString& formula);
    void rebuildWithoutFailingFormulas();

    std::unique_ptr<SheetEngine> m_engine;
    // Reads formulas apart from the sheet, to vet them before the engine gets them.
    std::unique_ptr<ixion::model_context> m_parser;
    // Formula cells set since the last calculation.
    std::set<CellPos> m_uncalculated;
    std::map<CellPos, QString> m_inputs;
    // Formulas the engine cannot read or compute, and what their cells show
    // instead of a value ("#NAME?", "#VALUE!").
    std::map<CellPos, QString> m_refused;
};

// The number of an input text: decimal comma or point, blanks around.
std::optional<double> ParseCellNumber(const QString& input);
// A number as a cell shows it.
QString FormatCellNumber(double value);

} // namespace dataanalysis
