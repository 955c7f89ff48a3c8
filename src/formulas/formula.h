#pragma once
#include "formulas/terms.h"
#include "expr/evalerror.h"
#include "expr/parser.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// A formula: its bracket notation, the term tree read from it, an optional
// prefix and suffix shown around it ("y = ", "=0"), its variables with their
// current values, and its evaluation. It is the parameter owner of the
// expression parser that evaluates it.
namespace formulas {

class TFormulaCompiler;

class TFormula : public expr::TParamOwner {
public:
    TFormula();
    ~TFormula() override;
    TFormula(const TFormula&) = delete;
    TFormula& operator=(const TFormula&) = delete;

    // Rebuilds the tree from text (the empty text is an empty formula), then
    // the variables, every value being 1.
    void SetText(const QString& text);
    // The prefix and suffix are drawn with the formula and fix the places of
    // "x" and "y" among the variables; they take no part in the expression.
    void SetPrefix(const QString& text);
    void SetSuffix(const QString& text);
    // Variables: every name of ASCII letters and digits in the text that does
    // not begin with a digit and is no reserved word, sorted; with a prefix "x"
    // comes first, with a suffix "x" and then "y". Every value becomes 1.
    void RebuildVariables();

    // The arithmetic expression of the tree, with intervals rewritten as
    // products and the symbols of e, π and ∞ as numbers. Raises
    // base::AppError for an integral or a system.
    QString ExpressionText() const;

    // The value for the current values: through the compiler when Compiled,
    // otherwise through the expression parser. Raises base::AppError (an
    // integral or system, a syntax error) or expr::EvalError ("NotInODZ", a
    // floating-point fault, a parameter missing from the list).
    long double Calculate();
    // The same, with no value instead of an error (for long runs of points).
    std::optional<long double> TryCalculate();
    // The values along a row of points (a line of pixels): the variable at
    // column takes each of columnValues in turn, the others keep their
    // values; results[i] is the value at columnValues[i] in double precision,
    // or TFormulaCompiler::kNoValue. A compiled formula runs its code once
    // for the whole row. The formula's values are as before afterwards.
    void TryCalculateRow(int column, std::span<const double> columnValues, std::span<double> results);

    // Registers the formula with the run's compiler (in the index it already
    // holds there, if any) and builds it; a formula that does not build is
    // evaluated by the parser. Without a compiler the formula stays
    // uncompiled. Errors of ExpressionText are not caught. Building takes a
    // moment: a caller with a window shows the wait cursor around this and
    // RecompileAfterEdit. Many formulas at once: CompileFormulas.
    void Compile();
    // After a confirmed edit of a compiled formula: its slot gets the new
    // expression and the library is built again.
    void RecompileAfterEdit();
    // The tree became what the editor left: Text := the root's notation, the
    // variables are rebuilt and a compiled formula is recompiled.
    void AcceptTree();
    // The tree was changed in place (by the editor): the expression is made
    // anew at the next evaluation.
    void TreeChanged();

    const QString& Text() const { return m_text; }
    const QString& PrefixText() const { return m_prefixText; }
    const QString& SuffixText() const { return m_suffixText; }
    TSostTerm* Root() const { return m_root.get(); }
    TSimpleTerm* Prefix() const { return m_prefix.get(); }
    TSimpleTerm* Suffix() const { return m_suffix.get(); }
    const QStringList& Variables() const { return m_variables; }
    // Values are indexed like Variables; callers write them before evaluating
    // (the plane engine puts x into entry 0 and y into entry 1).
    std::span<long double> Values() { return m_values; }
    std::span<const long double> Values() const { return m_values; }
    // Sets the value of a variable; false when the formula has no such variable.
    bool SetValue(QStringView name, long double value);
    int IndexOfVariable(QStringView name) const;
    bool Compiled() const { return m_compiled; }
    int FunctionIndex() const { return m_functionIndex; }
    // Whether Calculate runs compiled code now: the formula is compiled and
    // its tree and variables have not changed since.
    bool UsesCompiledCode() const;

    // Editing state, kept for the formula editor (formulas/view/formulaeditor.h
    // opens it; measuring, drawing and clicks are formulas/view/drawing.h).
    TTerm* Current() const { return m_current; }
    void SetCurrent(TTerm* term) { m_current = term; }
    bool Editing() const { return m_editing; }
    void SetEditing(bool editing) { m_editing = editing; }

    // Editing operations (editing.cpp). Each works at the caret of the term
    // Current and ends with Refresh, after which Notation() is the tree's
    // bracket notation.
    //
    // Starts an edit: Editing, the character set (restricted: what a
    // computable formula may hold; full: every character of the notation's
    // code page), the caret at the start of the formula.
    void BeginEdit(bool restricted);
    // Ends it: confirmed, the tree becomes Text (AcceptTree); otherwise the
    // tree is read again from Text, variables and values staying as they are.
    void EndEdit(bool confirmed);
    // Whether InsertChar takes the character in the current character set.
    bool Accepts(QChar ch) const;
    // "/" a fraction, "\" a root, "^" a power; any other character is typed.
    void KeyChar(QChar ch);
    // Left and Up move the caret left, Right and Down right; Backspace and
    // Delete delete (key codes kKey...).
    void KeyDown(int key, Qt::KeyboardModifiers shift = Qt::NoModifier);
    void TypeText(const QString& text);
    // kind is a StructureKind; n is the number of equations of a system.
    void InsertStructure(int kind, int n = 0);
    // The caret was put on a term directly (a click on the drawing): it is
    // placed at the start when it went nowhere, the path above it is fixed
    // and the tree refreshed.
    void CaretPlaced();
    // Every term but Current forgets its caret; the terms above Current point
    // down the path to it.
    void FixCaretPath();
    // Writes the tree's notation into the terms and tells the listener (the
    // editor's box repaints). Text runs that would read back as something
    // else (a first four characters that name a structure, four blanks) are
    // mended first, so that what is shown is what is stored.
    void Refresh();
    void SetRefreshListener(std::function<void()> listener) { m_refreshListener = std::move(listener); }
    // The notation of the tree as the last Refresh wrote it.
    const QString& Notation() const;

    // The parameter owner of the expression parser.
    int ParamIndex(QStringView name) const override { return IndexOfVariable(name); }
    std::span<const long double> ParamValues() const override { return m_values; }
    uint64_t ParamListVersion() const override { return m_variablesVersion; }

private:
    friend void CompileFormulas(std::span<TFormula* const> formulas);

    expr::TshParser* ParsedExpression();
    void TakeSlot(TFormulaCompiler& compiler, const QString& expression);
    void ReleaseSlot();
    void BuildOrFallBack(TFormulaCompiler& compiler);
    void FallBackToParser(TFormulaCompiler& compiler);
    void PlaceVariable(const QString& name, int index);

    QString m_text;
    TTerm* m_current = nullptr;
    bool m_editing = false;
    QString m_prefixText;
    std::unique_ptr<TSimpleTerm> m_prefix;
    std::unique_ptr<TSimpleTerm> m_suffix;
    QString m_suffixText;
    int m_functionIndex = -1;
    TFormulaCompiler* m_slotOwner = nullptr;  // the compiler that holds m_functionIndex
    bool m_codeCurrent = false;  // the compiled slot was made from the present tree and variables
    std::unique_ptr<TSostTerm> m_root;
    QStringList m_variables;
    std::vector<long double> m_values;
    bool m_compiled = false;

    void EnsureCaret();
    void RestoreTree();

    bool m_restricted = false;  // the character set of the edit
    std::function<void()> m_refreshListener;

    uint64_t m_variablesVersion = 0;
    // The parsed expression of the current tree, kept between evaluations.
    std::unique_ptr<expr::TshParser> m_parser;
    bool m_parsed = false;
};

// Compiles many formulas with one build (a lab or a scene just loaded): each
// takes its index, then the compiler builds once. A formula whose expression
// cannot be made (an integral, a system) stays uncompiled and keeps its error
// for Calculate; when the build fails every formula is evaluated by the parser.
void CompileFormulas(std::span<TFormula* const> formulas);

} // namespace formulas
