#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// A lab file as plain data, read and written without a window:
//   16                  the lab number (what follows it on the line is ignored)
//   name=value          one line per control of the lab window, in its order
//   #                   the end of the window part
//   ...                 the lab engine's section, read by the engine
// The lab window reads and writes its files through this form (TfmLab::ReadLab,
// WriteLab); tools and tests read them with it and check them against what a
// lab accepts (labformats.h).
namespace labframe {

struct LabControlLine {
    QString name;
    QString value;
    int line = 0; // line number in the file (from 1); 0 for lines made in memory
};

struct LabFileData {
    int number = 0;
    QList<LabControlLine> controls;
    QStringList engineLines;
    // Line number of the engine section's first line.
    int engineLine = 0;
};

// Reads a lab file's text. A first line without a lab number throws
// LabFormatError. Window lines run up to "#" (or the end of the file); lines
// without "=" among them are skipped, as the window skips them.
LabFileData ReadLabData(const QString& text);

// The text of the file, lines ending in CR LF. Line breaks inside a name,
// value or engine line are written as blanks, so that every line stays the
// one line it was meant to be and the file reads back the same.
QString LabDataText(const LabFileData& data);

} // namespace labframe
