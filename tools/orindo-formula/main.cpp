// orindo-formula: shows what the program makes of lines of bracket notation.
//
// For every input line it prints, on labelled lines, the notation as the term
// tree writes it back, the variables in their order, the expression text, and
// the value for the variable values given with --set (every other variable is
// 1), or the exact error message of the evaluation. Input is UTF-8 unless
// --encoding cp1251 says it is Windows-1251 (the program folder's files); the
// output is UTF-8. The symbol letters (и for π, ж for e, ...) are shown as
// stored.
#include "formulas/formula.h"
#include "base/apperror.h"
#include "base/numfmt.h"
#include "base/textfile.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

struct Options {
    bool cp1251 = false;
    QString prefix;
    QString suffix;
    std::vector<std::pair<QString, long double>> values;
    QStringList files;
};

std::optional<long double> ParseValue(const QString& text)
{
    if (auto value = base::ParseReal(text, base::Decimal::Comma)) return value;
    return base::ParseReal(text, base::Decimal::Point);
}

bool ReadOptions(const QCoreApplication& app, Options& options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads lines of bracket notation (UTF-8; Windows-1251 with --encoding cp1251) from the\n"
        "files given or from standard input and prints for each line the notation written back,\n"
        "the variables, the expression text and the value or the evaluation's error message."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Input files; standard input when none."),
                                 QStringLiteral("[files...]"));
    const QCommandLineOption encoding(QStringLiteral("encoding"),
                                      QStringLiteral("Input encoding: utf8 (default) or cp1251."),
                                      QStringLiteral("name"), QStringLiteral("utf8"));
    const QCommandLineOption set(QStringLiteral("set"),
                                 QStringLiteral("A variable's value, e.g. x=2 or a=0,5 (repeatable)."),
                                 QStringLiteral("name=value"));
    const QCommandLineOption prefix(QStringLiteral("prefix"),
                                    QStringLiteral("Prefix text, e.g. \"y = \" (puts x first)."),
                                    QStringLiteral("text"));
    const QCommandLineOption suffix(QStringLiteral("suffix"),
                                    QStringLiteral("Suffix text, e.g. \"=0\" (puts x, then y first)."),
                                    QStringLiteral("text"));
    parser.addOptions({encoding, set, prefix, suffix});
    parser.process(app);

    const QString encodingName = parser.value(encoding).toLower();
    if (encodingName != u"utf8" && encodingName != u"cp1251") {
        std::fprintf(stderr, "orindo-formula: unknown encoding \"%s\" (utf8 or cp1251)\n", qPrintable(encodingName));
        return false;
    }
    options.cp1251 = encodingName == u"cp1251";
    options.prefix = parser.value(prefix);
    options.suffix = parser.value(suffix);
    options.files = parser.positionalArguments();
    for (const QString& assignment : parser.values(set)) {
        const qsizetype equals = assignment.indexOf(u'=');
        const std::optional<long double> value = equals > 0 ? ParseValue(assignment.mid(equals + 1)) : std::nullopt;
        if (!value) {
            std::fprintf(stderr, "orindo-formula: --set expects name=value, got \"%s\"\n", qPrintable(assignment));
            return false;
        }
        options.values.emplace_back(assignment.left(equals).trimmed(), *value);
    }
    return true;
}

void Describe(formulas::TFormula& formula, const QString& line, const Options& options, QString& out)
{
    formula.SetText(line);
    for (const auto& [name, value] : options.values) formula.SetValue(name, value);

    QString notation;
    formula.Root()->ToBracketText(notation);
    out += QLatin1String("notation: ") + notation + u'\n';
    out += QLatin1String("variables: ") + formula.Variables().join(QLatin1String(", ")) + u'\n';
    try {
        out += QLatin1String("expression: ") + formula.ExpressionText() + u'\n';
        out += QLatin1String("value: ") + base::FormatReal(formula.Calculate()) + u'\n';
    } catch (const base::AppError& error) {
        out += QLatin1String("error: ") + error.message() + u'\n';
    }
    out += u'\n';
}

bool ReadInput(const QString& file, bool cp1251, QStringList& lines)
{
    QFile input;
    const bool opened = file.isEmpty() ? input.open(stdin, QIODevice::ReadOnly) : (input.setFileName(file), input.open(QIODevice::ReadOnly));
    if (!opened) {
        std::fprintf(stderr, "orindo-formula: cannot read \"%s\"\n", qPrintable(file));
        return false;
    }
    const QByteArray bytes = input.readAll();
    lines += base::SplitLines(cp1251 ? base::DecodeCp1251(bytes) : QString::fromUtf8(bytes));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Options options;
    if (!ReadOptions(app, options)) return 2;

    QStringList lines;
    const QStringList sources = options.files.isEmpty() ? QStringList{QString()} : options.files;
    for (const QString& source : sources)
        if (!ReadInput(source, options.cp1251, lines)) return 1;

    formulas::TFormula formula;
    formula.SetPrefix(options.prefix);
    formula.SetSuffix(options.suffix);
    QString out;
    for (const QString& line : lines) {
        Describe(formula, line, options, out);
        if (out.size() > 1 << 16) {
            const QByteArray utf8 = out.toUtf8();
            std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
            out.clear();
        }
    }
    const QByteArray utf8 = out.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    return 0;
}
