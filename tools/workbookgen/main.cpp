// orindo-workbookgen <sources> <program folder>
// Every "<path>.tsv" under sources (UTF-8, one sheet row per line, cells
// separated by tabs, formulas starting with "=") becomes the workbook
// "<path>.XLS" under the program folder.
#include "dataanalysis/workbook.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {

bool Convert(const QString& source, const QString& target)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) return false;
    dataanalysis::Sheet sheet;
    const QStringList rows = QString::fromUtf8(file.readAll()).remove(u'\r').split(u'\n');
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split(u'\t');
        for (int c = 0; c < cells.size(); ++c) sheet.setInput({r + 1, c + 1}, cells[c]);
    }
    sheet.recalculate();
    QDir().mkpath(QFileInfo(target).path());
    const QString error = dataanalysis::WriteWorkbook(sheet, target);
    if (!error.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(error));
    return error.isEmpty();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: orindo-workbookgen <sources> <program folder>\n");
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QDir program(QString::fromLocal8Bit(argv[2]));
    const QString suffix = QStringLiteral(".tsv");
    bool allWritten = true;
    for (QDirIterator it(sources.path(), {QStringLiteral("*.tsv")}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString source = it.next();
        QString relative = sources.relativeFilePath(source);
        relative.chop(suffix.size());
        allWritten = Convert(source, program.filePath(relative + QStringLiteral(".XLS"))) && allWritten;
    }
    return allWritten ? 0 : 1;
}
