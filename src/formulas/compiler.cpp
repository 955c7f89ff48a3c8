#include "formulas/compiler.h"

namespace formulas {
namespace {
TFormulaCompiler* g_compiler = nullptr;
}

TFormulaCompiler* Compiler() { return g_compiler; }
void SetCompiler(TFormulaCompiler* compiler) { g_compiler = compiler; }

} // namespace formulas
