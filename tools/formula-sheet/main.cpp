// formula-sheet: draws lines of text with formula tags the way a page shows
// them (each formula picture centred on the middle of the text line) and
// writes the sheet as a PNG, so that the look of formulas can be checked at
// any picture font size.
//
//   formula-sheet [--size points] [--input file.txt] out.png
//
// Without --input a built-in sheet of varied formulas is drawn. Input lines
// are UTF-8; "<FORMULA=...>" tags are replaced by formula pictures.
#include "formulas/formula.h"
#include "formulas/view/formulapages.h"
#include "formulas/view/picture.h"
#include <QCommandLineParser>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <cstdio>

namespace {

const char* const kBuiltInSheet[] = {
    "Дробь дробей: <FORMULA=[drob[[drob[1][x]][+1]][drob[x][x+1]]]> и сумма <FORMULA=[drob[1][2]][+][drob[1][3]][=][drob[5][6]]>.",
    "Корни: <FORMULA=[sqrt[][x*x+1]]>, <FORMULA=[sqrt[3][drob[a][b]]]> и <FORMULA=[sqrt[n][powr[x][n]]][=][modl[x]]>.",
    "Степени: <FORMULA=[powr[x][2]]>, <FORMULA=[powr[ж][powr[x][2]]]>, <FORMULA=[powr[skob[a+b]][2]][=][powr[a][2]][+2ab+][powr[b][2]]>.",
    "Логарифмы: <FORMULA=[loga[2][8]][=3]>, <FORMULA=[lg 100=2]>, <FORMULA=[ln ж=1]>, <FORMULA=[loga[a][skob[x*y]]][=][loga[a][x]][+][loga[a][y]]>.",
    "Тригонометрия: <FORMULA=[powr[sin][2]][x+][powr[cos][2]][x=1]>, <FORMULA=[tg x=][drob[sin x][cos x]]>, <FORMULA=[arcsin(1)=][drob[и][2]]>.",
    "Система <FORMULA=[syst[[x+y=5]][[x-y=1]]]> имеет решение <FORMULA=[x=3, y=2]>.",
    "Интеграл <FORMULA=[intg[0][1][powr[x][2]][dx=][drob[1][3]]]> равен площади под параболой.",
    "Промежутки: <FORMULA=[x з {0; 1)]>, <FORMULA=[x з (-м; 2}]>, <FORMULA=[x й 0]>, <FORMULA=[x л 1]>, <FORMULA=[и п 3,14]>.",
    "Модуль и вектор: <FORMULA=[modl[x-1]][к 2]>, <FORMULA=[vect[AB]][=][vect[a]][+][vect[b]]>, индекс <FORMULA=[indx[a][n+1]][=][indx[a][n]][+d]>.",
    "Уравнение <FORMULA=[2*x-1=0]>, неравенство <FORMULA=[drob[x-1][x+2]][й 0]> и <FORMULA=[нx о 0]>.",
    "Квадратное уравнение: <FORMULA=[indx[x][1,2]][=][drob[[-b+][sqrt[][[powr[b][2]][-4ac]]]][2a]]>.",
};

struct Options {
    int size = formulas::PictureFontSize();
    QString input;
    QString output;
};

bool ReadOptions(const QGuiApplication& app, Options& options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws a sheet of text lines with formula tags as a PNG."));
    parser.addHelpOption();
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Picture font size in points."),
                                  QStringLiteral("points"));
    const QCommandLineOption input(QStringLiteral("input"), QStringLiteral("UTF-8 lines with formula tags."),
                                   QStringLiteral("file"));
    parser.addOption(size);
    parser.addOption(input);
    parser.addPositionalArgument(QStringLiteral("out.png"), QStringLiteral("The PNG to write."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) return false;
    options.output = parser.positionalArguments().first();
    options.input = parser.value(input);
    if (parser.isSet(size)) options.size = parser.value(size).toInt();
    return options.size > 0;
}

QStringList SheetLines(const QString& input)
{
    QStringList lines;
    if (input.isEmpty()) {
        for (const char* line : kBuiltInSheet) lines << QString::fromUtf8(line);
        return lines;
    }
    QFile file(input);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return lines;
}

// One line: pieces of text and formula pictures, each picture's middle on
// the middle of the text.
QImage DrawLine(const QString& line, const QFont& textFont)
{
    static const QRegularExpression tag(QStringLiteral("<FORMULA=([^>]*)>"), QRegularExpression::CaseInsensitiveOption);
    const QFontMetrics metrics(textFont);
    struct Piece {
        QString text;
        QImage picture;
    };
    QList<Piece> pieces;
    int at = 0, width = 0, height = metrics.height();
    for (auto match = tag.globalMatch(line); match.hasNext();) {
        const auto found = match.next();
        pieces.append({line.mid(at, found.capturedStart() - at), {}});
        formulas::TFormula formula;
        formula.SetText(found.captured(1));
        pieces.append({{}, formulas::Picture(formula, Qt::black, Qt::white)});
        at = int(found.capturedEnd());
    }
    pieces.append({line.mid(at), {}});
    for (const Piece& piece : pieces) {
        width += piece.picture.isNull() ? metrics.horizontalAdvance(piece.text) : piece.picture.width();
        height = std::max(height, piece.picture.height() + 4);
    }
    QImage image(width + 20, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(textFont);
    painter.setPen(Qt::black);
    const int middle = height / 2;
    const int baseline = middle - metrics.height() / 2 + metrics.ascent();
    int x = 10;
    for (const Piece& piece : pieces) {
        if (piece.picture.isNull()) {
            painter.drawText(x, baseline, piece.text);
            x += metrics.horizontalAdvance(piece.text);
        } else {
            painter.drawImage(x, middle - piece.picture.height() / 2, piece.picture);
            x += piece.picture.width();
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options options;
    if (!ReadOptions(app, options)) {
        std::fprintf(stderr, "usage: formula-sheet [--size points] [--input file.txt] out.png\n");
        return 2;
    }
    formulas::SetPictureFontSize(options.size);
    // The page's text is two points smaller than its formulas.
    QFont textFont(QStringLiteral("Times New Roman"));
    textFont.setStyleHint(QFont::Serif);
    textFont.setPixelSize(std::max(6, (options.size - 2) * 96 / 72));
    QList<QImage> lines;
    int width = 0, height = 10;
    for (const QString& line : SheetLines(options.input)) {
        lines.append(DrawLine(line, textFont));
        width = std::max(width, int(lines.last().width()));
        height += lines.last().height() + 6;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int y = 10;
    for (const QImage& line : lines) {
        painter.drawImage(0, y, line);
        y += line.height() + 6;
    }
    painter.end();
    if (!sheet.save(options.output)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(options.output));
        return 1;
    }
    return 0;
}
