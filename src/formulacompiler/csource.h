#pragma once
#include "expr/expression.h"
#include <optional>
#include <string>
#include <vector>

// C source written from a parsed expression tree, never from its text.
//
// A function of the program has the form
//     int f<number>(const double* v, const double* k, double* r)
// and returns 0 with the value in *r, or 1 where the formula has no value
// (or where double precision cannot tell: the caller then asks the
// expression core). Its row form
//     void g<number>(const double* v, const double* k, const double* c, int n, double* r)
// evaluates the same for n points at once, the variable at kRowSlot taking
// the values c[0..n) in turn, and writes each value to r[i], or k[1] (an
// undefined value) where f<number> would return 1. What does not depend on
// that variable (the parameters' part of a graph) is computed once per row.
//
// Parameters are read from v[slot] into p<slot> and numbers as k[index], so
// no name or number of the formula appears in the text: the only words in it
// are C keywords, the parameters p<n>, the temporaries t<n>, the function
// names f<n> and g<n>, the row's c, n and i, and the host functions of
// hostmath.h.
//
// Arithmetic is in double precision. Infinities and undefined values pass
// through + - * and the functions that keep them; they are tested where an
// operation could swallow them (a divisor, the argument of an arctangent, a
// base raised to the power 0) and once at the end, which finds every value
// the expression core finds too large or undefined at some step.
namespace formulacompiler {

struct FunctionSource {
    std::string text;  // the point form and the row form
    // k[0] is the domain threshold, k[1] the mark of no value (an undefined
    // value), then the numbers.
    std::vector<double> constants;
};

// The slot of the variable a row runs along: the first (x of a graph or an equation).
inline constexpr int kRowSlot = 0;

// The names of function number: the point form f<number>, the row form g<number>.
std::string FunctionName(int number);
std::string RowFunctionName(int number);

// Declarations of the host functions; every program begins with them.
std::string ProgramPrelude();

// The function for an expression whose names' values lie at binding's slots;
// nothing when it has no compiled form: a failed expression, a name without a
// slot, a number that does not convert, a node of a kind it does not know.
std::optional<FunctionSource> WriteFunction(const expr::ParsedExpression& expression, const expr::Slots& binding,
                                            int number);

} // namespace formulacompiler
