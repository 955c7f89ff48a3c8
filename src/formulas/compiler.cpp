#include "formulas/compiler.h"
#include <algorithm>
#include <vector>

namespace formulas {
namespace {
TFormulaCompiler* g_compiler = nullptr;
}

// Point by point: a compiler with a faster way overrides this.
void TFormulaCompiler::TryCallRow(int index, std::span<const double> values, int column,
                                  std::span<const double> columnValues, std::span<double> results) const noexcept
{
    const size_t count = std::min(columnValues.size(), results.size());
    if (column < 0 || size_t(column) >= values.size()) {
        std::fill_n(results.begin(), count, kNoValue);
        return;
    }
    std::vector<double> point(values.begin(), values.end());
    for (size_t i = 0; i < count; ++i) {
        point[size_t(column)] = columnValues[i];
        results[i] = TryCallFunction(index, point).value_or(kNoValue);
    }
}

TFormulaCompiler* Compiler() { return g_compiler; }
void SetCompiler(TFormulaCompiler* compiler) { g_compiler = compiler; }

} // namespace formulas
