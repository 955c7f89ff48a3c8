// Ориндо: everything from start-up to shut-down is the shell's; formulas
// evaluated many times (graphs on the plane) run through the formula compiler
// of the run, which falls back to the expression parser wherever it cannot build.
#include "formulacompiler/compiler.h"
#include "shell/startup.h"

int main(int argc, char** argv)
{
    formulacompiler::TCompiler compiler;
    formulas::SetCompiler(&compiler);
    const int code = shell::RunProgram(argc, argv);
    formulas::SetCompiler(nullptr);
    return code;
}
