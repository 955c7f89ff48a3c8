#pragma once
#include "base/apperror.h"
#include <QString>
#include <cstdint>

// Why a computation has no value. Every failure of the numeric helpers and of
// the expression evaluator is raised as an EvalError; callers that only need
// "is there a value" catch base::AppError and treat it as no value.
namespace expr {

enum class Fault : uint8_t {
    None,
    NotInODZ,          // argument outside the function's domain
    ZeroDivide,        // floating-point division by zero
    Overflow,          // result too large for extended precision
    InvalidOp,         // undefined result (0/0, a non-number value)
    BadNumber,         // a number text that does not convert
    UnknownParameter,  // a name missing from the owner's parameter list
    Syntax,            // a malformed expression text
};

class EvalError : public base::AppError {
public:
    EvalError(Fault fault, const QString& message) : base::AppError(message), m_fault(fault) {}
    Fault fault() const { return m_fault; }

private:
    Fault m_fault;
};

// The fixed message of a fault that carries no detail ("NotInODZ" for a domain
// violation, a Russian text for the floating-point faults).
QString FaultMessage(Fault fault);

// Raises EvalError with the fault's fixed message.
[[noreturn]] void RaiseFault(Fault fault);

// The messages that name what went wrong.
QString UnknownParameterMessage(const QString& name);
QString BadNumberMessage(const QString& text);

} // namespace expr
