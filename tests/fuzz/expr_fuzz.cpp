// Parse and evaluate of any expression text: never a crash or a hang; a
// value, when there is one, is finite, and the throwing and the non-throwing
// evaluation agree.
#include "expr/parser.h"
#include "base/textfile.h"
#include <QStringList>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

class Owner : public expr::TParamOwner {
public:
    QStringList names{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("a")};
    std::vector<long double> values{0.5L, -2.0L, 0.0L};
    int ParamIndex(QStringView name) const override { return int(names.indexOf(name.toString())); }
    std::span<const long double> ParamValues() const override { return values; }
    uint64_t ParamListVersion() const override { return 1; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    Owner owner;
    expr::TshParser parser(&owner);
    try {
        parser.Parse(text);
    } catch (const expr::EvalError&) {
        return 0;
    }
    expr::Fault fault = expr::Fault::None;
    const std::optional<long double> quiet = parser.TryEvaluate(&fault);
    try {
        const long double value = parser.Evaluate();
        if (!quiet || *quiet != value || !std::isfinite(value)) __builtin_trap();
    } catch (const expr::EvalError& error) {
        if (quiet || error.fault() != fault) __builtin_trap();
    }
    return 0;
}
