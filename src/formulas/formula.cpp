#include "formulas/formula.h"
#include "formulas/compiler.h"
#include "base/apperror.h"
#include "base/symbols.h"
#include <algorithm>
#include <cfloat>
#include <cmath>

namespace formulas {
namespace {

bool IsAsciiLetterOrDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

bool IsReservedWord(QStringView word)
{
    return std::any_of(kReservedWords.begin(), kReservedWords.end(), [word](QStringView reserved) {
        return word.compare(reserved, Qt::CaseInsensitive) == 0;
    });
}

// Intervals become comparable numbers: "(a;b]" is (a + 1)*(b - 0), an open
// end counting 1 and a closed one (stored as a brace) 0. Only the first ";"
// splits; the parts are not checked.
QString RewriteInterval(const QString& expression)
{
    const qsizetype semicolon = expression.indexOf(u';');
    if (semicolon < 0) return expression;
    QString before = expression.left(semicolon);
    QString after = expression.mid(semicolon + 1);
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i] == u'(' || before[i] == base::symbol::OpenSquare) {
            before += before[i] == u'(' ? QLatin1String("+1") : QLatin1String("+0");
            before[i] = u'(';
            break;
        }
    }
    for (qsizetype i = after.size() - 1; i >= 0; --i) {
        if (after[i] == u')' || after[i] == base::symbol::CloseSquare) {
            const QLatin1String offset = after[i] == u')' ? QLatin1String("-1") : QLatin1String("-0");
            after[i] = u')';
            after.insert(i, offset);
            break;
        }
    }
    return before + QLatin1String(")*(") + after;
}

} // namespace

TFormula::TFormula()
    : m_prefix(std::make_unique<TSimpleTerm>(nullptr, this)),
      m_suffix(std::make_unique<TSimpleTerm>(nullptr, this))
{
    // A formula is usable before its first SetText: an empty root.
    SetText(QString());
}

TFormula::~TFormula() { ReleaseSlot(); }

void TFormula::SetText(const QString& text)
{
    m_current = nullptr;
    m_text = text;
    m_root = std::make_unique<TSostTerm>(nullptr, this);
    m_root->Data = text;
    m_root->ParseText();
    TreeChanged();
    RebuildVariables();
}

void TFormula::SetPrefix(const QString& text)
{
    m_prefixText = text;
    m_prefix->Data = text;
}

void TFormula::SetSuffix(const QString& text)
{
    m_suffixText = text;
    m_suffix->Data = text;
}

void TFormula::RebuildVariables()
{
    m_variables.clear();
    const QString lower = m_text.toLower();
    QString run;
    for (QChar c : lower) {
        if (IsAsciiLetterOrDigit(c)) {
            run += c;
            continue;
        }
        // A run still open at the end of the text is not taken; notation
        // always ends with "]".
        if (!run.isEmpty() && !run[0].isDigit() && !m_variables.contains(run, Qt::CaseInsensitive)
            && !IsReservedWord(run))
            m_variables.append(run);
        run.clear();
    }
    std::sort(m_variables.begin(), m_variables.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    if (!m_prefixText.isEmpty()) PlaceVariable(QStringLiteral("x"), 0);
    if (!m_suffixText.isEmpty()) {
        PlaceVariable(QStringLiteral("x"), 0);
        PlaceVariable(QStringLiteral("y"), 1);
    }
    m_values.assign(size_t(m_variables.size()), 1.0L);
    ++m_variablesVersion;
    // Compiled code reads values by the order of the variables it was built for.
    m_codeCurrent = false;
}

// Moves name to index by exchanging it with the entry there, or inserts it.
void TFormula::PlaceVariable(const QString& name, int index)
{
    const int at = IndexOfVariable(name);
    if (at >= 0) m_variables.swapItemsAt(at, index);
    else m_variables.insert(index, name);
}

int TFormula::IndexOfVariable(QStringView name) const
{
    for (int i = 0; i < m_variables.size(); ++i)
        if (name.compare(m_variables[i], Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool TFormula::SetValue(QStringView name, long double value)
{
    const int index = IndexOfVariable(name);
    if (index < 0) return false;
    m_values[size_t(index)] = value;
    return true;
}

QString TFormula::ExpressionText() const
{
    QString expression;
    m_root->ToExpression(expression);
    expression = RewriteInterval(expression);
    expression.replace(base::symbol::NumberE, base::symbol::NumberEText);
    expression.replace(base::symbol::Pi, base::symbol::PiText);
    expression.replace(base::symbol::Infinity, base::symbol::InfinityText);
    return expression;
}

void TFormula::TreeChanged()
{
    m_codeCurrent = false;
    m_parsed = false;
}

namespace {

// The parsed expression of a formula. A formula without one (a structure
// nested deeper than the reader goes, an integral, a text that does not
// parse) gets a failed expression that keeps the error: evaluating it again
// costs nothing until the tree changes.
std::shared_ptr<const expr::ParsedExpression> ReadExpression(const TFormula& formula)
{
    if (HoldsUnreadNesting(*formula.Root()))
        return expr::ParsedExpression::Failure(
            expr::Fault::Syntax,
            QStringLiteral("Слишком глубокая вложенность в формуле (больше %1 уровней)").arg(kMaxNestedStructures));
    try {
        return expr::ParsedExpression::Read(formula.ExpressionText());
    } catch (const base::AppError& error) {
        return expr::ParsedExpression::Failure(expr::Fault::Syntax, error.message());
    }
}

} // namespace

// The expression of the tree is parsed once and kept, with its error if it
// has one, until the tree changes; the parser reads the values (and finds
// renamed variables) at every run.
expr::TshParser* TFormula::ParsedExpression()
{
    if (!m_parsed) {
        if (!m_parser) m_parser = std::make_unique<expr::TshParser>(this);
        m_parser->Use(ReadExpression(*this));
        m_parsed = true;
    }
    return m_parser.get();
}

bool TFormula::UsesCompiledCode() const
{
    return m_compiled && m_codeCurrent && m_slotOwner && m_slotOwner == Compiler();
}

long double TFormula::Calculate()
{
    if (UsesCompiledCode()) return m_slotOwner->CallFunction(m_functionIndex, m_values);
    return ParsedExpression()->Evaluate();
}

std::optional<long double> TFormula::TryCalculate()
{
    if (UsesCompiledCode()) return m_slotOwner->TryCallFunction(m_functionIndex, Values());
    try {
        return ParsedExpression()->TryEvaluate();
    } catch (const base::AppError&) {
        return std::nullopt;
    }
}

void TFormula::TryCalculateRow(int column, std::span<const double> columnValues, std::span<double> results)
{
    const size_t count = std::min(columnValues.size(), results.size());
    if (column < 0 || size_t(column) >= m_values.size()) {
        std::fill_n(results.begin(), count, TFormulaCompiler::kNoValue);
        return;
    }
    if (UsesCompiledCode()) {
        const std::vector<double> values(m_values.begin(), m_values.end());
        m_slotOwner->TryCallRow(m_functionIndex, values, column, columnValues.first(count), results.first(count));
        return;
    }
    const long double kept = m_values[size_t(column)];
    for (size_t i = 0; i < count; ++i) {
        m_values[size_t(column)] = columnValues[i];
        // A value beyond the range of double is none in double precision.
        const std::optional<long double> value = TryCalculate();
        results[i] = value && fabsl(*value) <= DBL_MAX ? double(*value) : TFormulaCompiler::kNoValue;
    }
    m_values[size_t(column)] = kept;
}

void TFormula::Compile()
{
    const QString expression = ExpressionText();
    TFormulaCompiler* compiler = Compiler();
    if (!compiler) {
        m_compiled = false;
        return;
    }
    TakeSlot(*compiler, expression);
    BuildOrFallBack(*compiler);
}

// A formula keeps one index with the compiler that gave it, so compiling it
// again replaces its expression instead of taking another index.
void TFormula::TakeSlot(TFormulaCompiler& compiler, const QString& expression)
{
    if (m_slotOwner != &compiler) ReleaseSlot();
    if (m_functionIndex >= 0) {
        compiler.SetFunction(expression, m_functionIndex, m_variables);
    } else {
        m_functionIndex = compiler.AddFunction(expression, m_variables);
        m_slotOwner = &compiler;
    }
    m_codeCurrent = true;
}

// Only the compiler of the run is told: one that was replaced may be gone.
void TFormula::ReleaseSlot()
{
    if (m_functionIndex >= 0 && m_slotOwner && m_slotOwner == Compiler()) m_slotOwner->RemoveFunction(m_functionIndex);
    m_functionIndex = -1;
    m_slotOwner = nullptr;
    m_compiled = false;
}

// A formula that does not build leaves the harmless expression "0" in its
// slot, so that the other compiled formulas keep a library; it is evaluated
// by the parser from then on, and nothing is shown.
void TFormula::BuildOrFallBack(TFormulaCompiler& compiler)
{
    try {
        compiler.Build();
        m_compiled = compiler.IsBuilt(m_functionIndex);
        return;
    } catch (const base::AppError&) {
    }
    FallBackToParser(compiler);
}

void TFormula::FallBackToParser(TFormulaCompiler& compiler)
{
    m_compiled = false;
    compiler.SetFunction(QStringLiteral("0"), m_functionIndex, m_variables);
    try {
        compiler.Build();
    } catch (const base::AppError&) {
    }
}

void TFormula::RecompileAfterEdit()
{
    TFormulaCompiler* compiler = Compiler();
    if (!m_compiled || !compiler) return;
    // An edit can leave a text that has no expression (letters that read back
    // as an integral): that formula builds as "0" and the parser reports it.
    QString expression;
    try {
        expression = ExpressionText();
    } catch (const base::AppError&) {
        FallBackToParser(*compiler);
        return;
    }
    TakeSlot(*compiler, expression);
    BuildOrFallBack(*compiler);
}

void CompileFormulas(std::span<TFormula* const> formulas)
{
    TFormulaCompiler* compiler = Compiler();
    std::vector<TFormula*> taken;
    for (TFormula* formula : formulas) {
        formula->m_compiled = false;
        if (!compiler) continue;
        QString expression;
        try {
            expression = formula->ExpressionText();
        } catch (const base::AppError&) {
            formula->ReleaseSlot();
            continue;
        }
        formula->TakeSlot(*compiler, expression);
        taken.push_back(formula);
    }
    if (taken.empty()) return;
    bool built = true;
    try {
        compiler->Build();
    } catch (const base::AppError&) {
        built = false;
    }
    for (TFormula* formula : taken) formula->m_compiled = built && compiler->IsBuilt(formula->m_functionIndex);
}

void TFormula::AcceptTree()
{
    QString notation;
    m_root->ToBracketText(notation);
    m_text = notation;
    TreeChanged();
    RebuildVariables();
    RecompileAfterEdit();
}

} // namespace formulas
