#pragma once
#include <span>

// The functions compiled formulas call: the elementary functions of the
// expression language in double precision, with the same domain rules as the
// expression core. Those that can fail return hoststatus::kValue and store
// the value, or another status where there is no value; the others return
// the value.
//
// Their names are fixed here and nowhere else: the code writer declares them
// in every program and the builder hands their addresses to the compiler.
namespace formulacompiler {

struct HostFunction {
    const char* name;
    const char* declaration;  // the C prototype the generated code sees
    const void* address;
};

// What the functions that can fail return.
namespace hoststatus {
inline constexpr int kValue = 0;
// The arguments lie outside the domain: decided by the arguments alone, by
// the same rule as the expression core.
inline constexpr int kOutsideDomain = 1;
// No value in double precision (an infinite argument, a result beyond range
// or near a pole): extended precision may still find one.
inline constexpr int kNoValueInDouble = 2;
} // namespace hoststatus

// The smallest double not below the expression core's domain threshold: a
// double is below one exactly when it is below the other.
double DomainThreshold();

// Every function a compiled formula may call.
std::span<const HostFunction> HostFunctions();

// The names the code writer uses, one per function of the language.
namespace host {
inline constexpr const char* Sin = "orindo_sin";
inline constexpr const char* Cos = "orindo_cos";
inline constexpr const char* Sqrt = "orindo_sqrt";
inline constexpr const char* SqrtExtended = "orindo_sqrtl";  // in long double
inline constexpr const char* Ln = "orindo_ln";
inline constexpr const char* ArcTg = "orindo_arctg";
inline constexpr const char* ArcCtg = "orindo_arcctg";
inline constexpr const char* Tg = "orindo_tg";
inline constexpr const char* Ctg = "orindo_ctg";
inline constexpr const char* ArcSin = "orindo_arcsin";
inline constexpr const char* ArcCos = "orindo_arccos";
inline constexpr const char* Power = "orindo_power";
inline constexpr const char* LogN = "orindo_logn";
} // namespace host

} // namespace formulacompiler
