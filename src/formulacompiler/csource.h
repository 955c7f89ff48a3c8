#pragma once
#include "expr/expression.h"
#include <optional>
#include <string>
#include <vector>

// C source written from a parsed expression tree, never from its text.
//
// A function of the program has the form
//     int f<number>(const double* v, const double* k, double* r, double* m)
// and returns status::kValue with the value in *r, or one of the other
// statuses where double precision finds no value. Its row form
//     void g<number>(const double* v, const double* k, const double* c, int n, double* r)
// evaluates the same for n points at once, the variable at kRowSlot taking
// the values c[0..n) in turn, and writes each value to r[i], or k[status]
// (an undefined value, one bit pattern per status) where f<number> would
// return that status. What does not depend on that variable (the
// parameters' part of a graph) is computed once per row. Its check form
//     int e<number>(const double* v, const long double* K)
// is asked only where the point form answers kCheckInExtendedPrecision: it
// repeats the arithmetic in long double, step for step as the core does it
// and on the core's numbers K, so that its tests of arithmetic results see
// the core's values; it returns status::kNoValue where one of them fails
// (the elementary functions remain the core's to judge).
//
// The point form keeps that part in its memo m (FunctionSource::memoSize
// values, m[0] < 0 before the first call): while the other variables keep
// their bits from one call to the next, only the part of the row's variable
// is computed again.
//
// Parameters are read from v[slot] into p<slot> and numbers as k[index], so
// no name or number of the formula appears in the text: the only words in it
// are C keywords, the parameters p<n>, the temporaries t<n>, the function
// names f<n>, g<n>, q<n> and e<n>, the row's c, n and i, the memo m, the
// host status s, the check form's K, and the host functions of hostmath.h.
//
// Arithmetic is in double precision. A divisor is tested before the
// division, the argument of a function with a domain before the call, and
// the result at the end; each test fails with the status its operand's
// history allows (see status below), in the order the expression core
// evaluates. The parameters the prelude reads are tested there; those of the
// body pass through + - * and the functions that keep them and, where a test
// fails with one of them infinite or undefined, make the answer certain.
namespace formulacompiler {

// What the code answers. The expression core computes in extended precision
// and is the reference; code in double can tell a point has no value only
// where its failing step saw what the core sees.
namespace status {
inline constexpr int kValue = 0;
// No value: the failing test saw a parameter or a number the core sees too.
inline constexpr int kNoValue = 1;
// The failing test saw arithmetic on parameters and numbers, which double
// rounds otherwise than the core: the check form (below) decides.
inline constexpr int kCheckInExtendedPrecision = 2;
// Double precision cannot tell (a value from an elementary function, a
// number double does not hold, an overflow): the core decides.
inline constexpr int kUndecided = 3;
} // namespace status

struct FunctionSource {
    std::string text;  // the point form, its memo's helper and the row form
    // k[0] is the domain threshold, k[1..3] the marks of no value per
    // status, then the numbers.
    std::vector<double> constants;
    std::vector<long double> extendedConstants;  // K, laid out like k
    int memoSize = 1;
};

// The slot of the variable a row runs along: the first (x of a graph or an equation).
inline constexpr int kRowSlot = 0;

// The names of function number: the point form f<number>, the row form g<number>.
std::string FunctionName(int number);
std::string RowFunctionName(int number);
std::string ExtendedFunctionName(int number);

// Declarations of the host functions; every program begins with them.
std::string ProgramPrelude();

// The function for an expression whose names' values lie at binding's slots;
// nothing when it has no compiled form: a failed expression, a name without a
// slot, a number that does not convert, a node of a kind it does not know.
std::optional<FunctionSource> WriteFunction(const expr::ParsedExpression& expression, const expr::Slots& binding,
                                            int number);

} // namespace formulacompiler
