// Any expression text through the formula compiler: never a crash or a hang;
// what the writer takes always builds; the written program holds only words
// the writer makes; and a call has a value wherever the expression parser
// has one. (The other way round holds only within rounding: double precision
// may fall on the other side of a domain boundary than extended precision.)
// Where the code alone answers that a point has no value, the parser has none.
// A row along x and one along y give what their points give.
#include "formulacompiler/compiler.h"
#include "formulacompiler/hostmath.h"
#include "base/apperror.h"
#include "base/textfile.h"
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

bool OnlyGeneratedWords(const std::string& source)
{
    static const QRegularExpression generated(QStringLiteral("^(int|double|void|const|static|long|return|if|for|continue|v|k|r|c|n|i|m|s|p\\d+|t\\d+|f\\d+|g\\d+|q\\d+|e\\d+|K)$"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z_][A-Za-z_0-9]*"));
    QSet<QString> host;
    for (const formulacompiler::HostFunction& function : formulacompiler::HostFunctions())
        host << QString::fromLatin1(function.name);
    for (const QRegularExpressionMatch& match : word.globalMatch(QString::fromStdString(source)))
        if (!generated.match(match.captured()).hasMatch() && !host.contains(match.captured())) return false;
    return source.find_first_of("#\"\\") == std::string::npos && source.find("/*") == std::string::npos &&
           source.find("//") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QStringList variables{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("a")};
    formulacompiler::TCompiler compiler;
    const int index = compiler.AddFunction(text, variables);
    try {
        compiler.Build();
    } catch (const base::AppError&) {
        __builtin_trap();  // the writer wrote a program that does not build
    }
    if (!OnlyGeneratedWords(compiler.Source())) __builtin_trap();
    const expr::BoundExpression parsed(expr::ParsedExpression::Read(text), variables);
    const long double values[] = {0.5L, -2.0L, 0.0L};
    const std::optional<long double> called = compiler.TryCallFunction(index, values);
    if (!called && parsed.Evaluate(values).Ok()) __builtin_trap();
    const double point[] = {0.5, -2.0, 0.0};
    const double columnValues[] = {-3.0, 0.0, 0.5, 1e-300, 7.25};
    for (const int column : {0, 1}) {
        double results[std::size(columnValues)];
        compiler.TryCallRow(index, point, column, columnValues, results);
        for (size_t i = 0; i < std::size(columnValues); ++i) {
            double values[std::size(point)];
            std::copy(std::begin(point), std::end(point), values);
            values[column] = columnValues[i];
            const std::optional<double> value = compiler.TryCallFunction(index, std::span<const double>(values));
            if (value.has_value() == std::isnan(results[i])) __builtin_trap();
            if (value && *value != results[i]) __builtin_trap();
            const long double extended[] = {values[0], values[1], values[2]};
            if (compiler.CompiledAnswer(index, values).answer == formulacompiler::TCompiler::CodeAnswer::NoValue &&
                parsed.Evaluate(extended).Ok())
                __builtin_trap();
        }
    }
    return 0;
}
