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
// expression core). Parameters are read as v[slot] and numbers as k[index],
// so no name or number of the formula appears in the text: the only words in
// it are C keywords, the temporaries t<n>, the function names f<n> and the
// host functions of hostmath.h.
//
// Arithmetic is in double precision. Infinities and undefined values pass
// through + - * and the functions that keep them; they are tested where an
// operation could swallow them (a divisor, the argument of an arctangent, a
// base raised to the power 0) and once at the end, which finds every value
// the expression core finds too large or undefined at some step.
namespace formulacompiler {

struct FunctionSource {
    std::string text;
    std::vector<double> constants;  // k[0] is the domain threshold, then the numbers
};

// The name of function number (f<number>).
std::string FunctionName(int number);

// Declarations of the host functions; every program begins with them.
std::string ProgramPrelude();

// The function for an expression whose names' values lie at binding's slots;
// nothing when it has no compiled form: a failed expression, a name without a
// slot, a number that does not convert, a node of a kind it does not know.
std::optional<FunctionSource> WriteFunction(const expr::ParsedExpression& expression, const expr::Slots& binding,
                                            int number);

} // namespace formulacompiler
