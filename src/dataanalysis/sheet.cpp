#include "dataanalysis/sheet.h"
#include "base/numfmt.h"
#include "dataanalysis/sheetengine.h"
#include <ixion/address.hpp>
#include <ixion/cell.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/exceptions.hpp>
#include <ixion/formula.hpp>
#include <ixion/formula_function_opcode.hpp>
#include <ixion/formula_name_resolver.hpp>
#include <ixion/model_context.hpp>
#include <ixion/formula_tokens.hpp>
#include <cctype>
#include <cmath>

namespace dataanalysis {

namespace {

constexpr QChar kFormulaMark = u'=';
const QString kUnknownNameText = QStringLiteral("#NAME?");
const QString kUncomputableText = QStringLiteral("#VALUE!");
const std::string kSheetName = "Sheet1";

bool InBounds(CellPos cell)
{
    return cell.row >= 1 && cell.row <= kMaxRow && cell.col >= 1 && cell.col <= kMaxCol;
}

bool RowOnSheet(ixion::row_t row) { return row >= 0 && row < kMaxRow; }
bool ColumnOnSheet(ixion::col_t col) { return col >= 0 && col < kMaxCol; }

// Whether a range of a formula stays on the sheet: both corners on it, or
// whole columns or rows of it. The engine walks a range cell by cell when it
// looks for circular references, so a range reaching far past the sheet
// (the reader takes "=A11:1" for one of about two billion rows) hung the
// program.
bool RangeOnSheet(const ixion::abs_range_t& range)
{
    if (!range.valid()) return false;
    const bool rows = range.all_rows() || (RowOnSheet(range.first.row) && RowOnSheet(range.last.row));
    const bool columns =
        range.all_columns() || (ColumnOnSheet(range.first.column) && ColumnOnSheet(range.last.column));
    return rows && columns;
}

// Whether every "$" of a formula outside its quoted texts fixes the column
// or row of a reference ("$A$1", "B$2"): the engine's formula reader runs on
// past the end of its text after a "$" followed by anything else ("=A4+$").
bool DollarsMarkReferences(const std::string& formula)
{
    bool quoted = false;
    for (size_t at = 0; at < formula.size(); ++at) {
        if (formula[at] == '"') quoted = !quoted;
        if (quoted || formula[at] != '$') continue;
        const char next = at + 1 < formula.size() ? formula[at + 1] : '\0';
        if (!std::isalnum(static_cast<unsigned char>(next))) return false;
    }
    return true;
}

// Whether every quoted name of a formula ("'Sheet 1'!A1") outside its quoted
// texts is closed: the engine's formula reader runs on past the end of its
// text after an opening "'" that ends it ("=1+'").
bool QuotedNamesClosed(const std::string& formula)
{
    enum class In { Formula, Text, Name } in = In::Formula;
    for (const char c : formula) {
        if (in == In::Formula) in = c == '"' ? In::Text : c == '\'' ? In::Name : In::Formula;
        else if ((in == In::Text && c == '"') || (in == In::Name && c == '\'')) in = In::Formula;
    }
    return in != In::Name;
}

// Whether the engine reads the formula, it uses no function that blocks the
// program while it computes (WAIT sleeps), and its ranges stay on the sheet.
// Checked before the formula reaches the sheet's engine, which cannot take a
// formula back before it has calculated it.
bool AcceptableFormula(ixion::model_context& parser, CellPos cell, const std::string& formula)
{
    if (!DollarsMarkReferences(formula) || !QuotedNamesClosed(formula)) return false;
    try {
        const auto names = ixion::formula_name_resolver::get(ixion::formula_name_resolver_t::excel_a1, &parser);
        const ixion::formula_tokens_t tokens = ixion::parse_formula_string(parser, EngineAddress(cell), *names, formula);
        const auto blocking = uint32_t(ixion::formula_function_t::func_wait);
        for (const auto& token : tokens) {
            if (token->get_opcode() == ixion::fop_function && token->get_uint32() == blocking) return false;
            if (token->get_opcode() == ixion::fop_range_ref
                && !RangeOnSheet(token->get_range_ref().to_abs(EngineAddress(cell))))
                return false;
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

QString ErrorText(ixion::formula_error_t error)
{
    using E = ixion::formula_error_t;
    switch (error) {
    case E::division_by_zero: return QStringLiteral("#DIV/0!");
    case E::ref_result_not_available: return QStringLiteral("#REF!");
    case E::name_not_found: return QStringLiteral("#NAME?");
    case E::no_range_intersection: return QStringLiteral("#NULL!");
    case E::invalid_value_type: return QStringLiteral("#VALUE!");
    default: return QStringLiteral("#N/A");
    }
}

} // namespace

std::optional<double> ParseCellNumber(const QString& input)
{
    auto value = base::ParseReal(input, base::Decimal::Comma);
    if (!value) value = base::ParseReal(input, base::Decimal::Point);
    if (!value || !std::isfinite(double(*value))) return std::nullopt;
    return double(*value);
}

QString FormatCellNumber(double value)
{
    return base::FormatReal(value);
}

Sheet::Sheet() { resetEngine(); }
Sheet::~Sheet() = default;

void Sheet::resetEngine()
{
    m_engine = std::make_unique<SheetEngine>();
    m_uncalculated.clear();
    if (!m_parser) {
        m_parser = std::make_unique<ixion::model_context>(ixion::rc_size_t(kMaxRow, kMaxCol));
        m_parser->append_sheet(kSheetName);
    }
}

void Sheet::clear()
{
    resetEngine();
    m_inputs.clear();
    m_refused.clear();
}

void Sheet::setInput(CellPos cell, const QString& input)
{
    if (!InBounds(cell)) return;
    // The engine crashes when a formula it has not calculated yet is replaced.
    if (m_uncalculated.count(cell)) recalculate();
    m_refused.erase(cell);
    if (input.trimmed().isEmpty()) m_inputs.erase(cell);
    else m_inputs[cell] = input;
    try {
        placeInput(cell, input);
    } catch (const std::exception&) {
        // The engine's dependency tracker takes in formulas over whole
        // columns or rows but throws when one of them is taken out again;
        // the engine is then made afresh from the inputs as they are now.
        resetEngine();
        placeValues();
        for (const auto& [formulaCell, formula] : m_inputs)
            if (isFormula(formulaCell) && !m_refused.count(formulaCell)) placeInput(formulaCell, formula);
    }
}

void Sheet::placeInput(CellPos cell, const QString& input)
{
    const QString trimmed = input.trimmed();
    if (trimmed.isEmpty()) {
        m_engine->setEmpty(cell);
    } else if (trimmed.startsWith(kFormulaMark) && trimmed.size() > 1) {
        storeFormula(cell, trimmed.mid(1));
    } else if (const auto value = ParseCellNumber(trimmed)) {
        m_engine->setNumber(cell, *value);
    } else {
        m_engine->setText(cell, input.toStdString());
    }
}

void Sheet::placeValues()
{
    for (const auto& [cell, input] : m_inputs)
        if (!isFormula(cell)) placeInput(cell, input);
}

void Sheet::storeFormula(CellPos cell, const QString& formula)
{
    // Whatever the cell held leaves the engine first, so that a failure to
    // take it out is not mistaken for a formula the engine refuses.
    m_engine->setEmpty(cell);
    const std::string text = formula.toStdString();
    if (AcceptableFormula(*m_parser, cell, text)) {
        try {
            m_engine->setFormula(cell, text);
            m_uncalculated.insert(cell);
            return;
        } catch (const std::exception&) {
            // Read by the parser, refused by the sheet: shown as unreadable.
        }
    }
    m_refused[cell] = kUnknownNameText;
}

void Sheet::edit(CellPos cell, const QString& input)
{
    setInput(cell, input);
    recalculate();
}

void Sheet::recalculate()
{
    m_uncalculated.clear();
    try {
        m_engine->calculate();
    } catch (const std::exception&) {
        rebuildWithoutFailingFormulas();
    }
}

void Sheet::rebuildWithoutFailingFormulas()
{
    // The engine throws out of a calculation when a formula uses a function
    // it knows by name but does not compute, or gives one arguments it
    // cannot take, and does not say which. The sheet is then built again,
    // formula by formula, and each formula that makes the calculation throw
    // is refused; after a throw the engine starts afresh, as its state is
    // no longer trusted.
    for (bool failed = true; failed;) {
        failed = false;
        resetEngine();
        placeValues();
        for (const auto& [cell, input] : m_inputs) {
            if (!isFormula(cell) || m_refused.count(cell)) continue;
            storeFormula(cell, input.trimmed().mid(1));
            m_uncalculated.clear();
            try {
                m_engine->calculate();
            } catch (const ixion::not_implemented_error&) {
                m_refused[cell] = kUnknownNameText;
                failed = true;
            } catch (const std::exception&) {
                m_refused[cell] = kUncomputableText;
                failed = true;
            }
            if (failed) break;
        }
    }
}

QString Sheet::input(CellPos cell) const
{
    const auto found = m_inputs.find(cell);
    return found == m_inputs.end() ? QString() : found->second;
}

bool Sheet::isFormula(CellPos cell) const
{
    return input(cell).trimmed().startsWith(kFormulaMark);
}

std::optional<double> Sheet::number(CellPos cell) const
{
    if (!m_inputs.count(cell) || m_refused.count(cell)) return std::nullopt;
    try {
        const ixion::cell_access access = m_engine->cell(cell);
        switch (access.get_value_type()) {
        case ixion::cell_value_t::numeric: return access.get_numeric_value();
        case ixion::cell_value_t::boolean: return access.get_boolean_value() ? 1.0 : 0.0;
        default: return std::nullopt;
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

QString Sheet::text(CellPos cell) const
{
    if (!m_inputs.count(cell)) return {};
    if (const auto refused = m_refused.find(cell); refused != m_refused.end()) return refused->second;
    if (!isFormula(cell)) {
        if (const auto value = number(cell)) return FormatCellNumber(*value);
        return input(cell);
    }
    try {
        const ixion::cell_access access = m_engine->cell(cell);
        switch (access.get_value_type()) {
        case ixion::cell_value_t::numeric: return FormatCellNumber(access.get_numeric_value());
        case ixion::cell_value_t::boolean: return access.get_boolean_value() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        case ixion::cell_value_t::string: return QString::fromStdString(std::string(access.get_string_value()));
        case ixion::cell_value_t::error: return ErrorText(access.get_error_value());
        default: return {};
        }
    } catch (const std::exception&) {
        return ErrorText(ixion::formula_error_t::general_error);
    }
}

} // namespace dataanalysis
