#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The list of example programs, "ZADS\Programs.txt": indented tree text with
// the root at depth 0, groups at depth 1 and examples at depth 2, each
// example line being its code, a space and its title. The file comes with the
// course and is read as untrusted text: a line the reader refuses throws
// base::LineError naming it, so that nothing half-read reaches the window.
namespace programming {

inline const QString kExampleListFile = QStringLiteral("ZADS\\Programs.txt");

struct ProgramExample {
    QString code;
    QString title;
    friend bool operator==(const ProgramExample&, const ProgramExample&) = default;
};

struct ExampleGroup {
    QString title;
    QList<ProgramExample> examples;
};

struct ExampleTree {
    QString title; // the root
    QList<ExampleGroup> groups;

    // The example of the code (letter case ignored, as file names are), or nullptr.
    const ProgramExample* find(const QString& code) const;
    int exampleCount() const;
};

// Codes name files in "ZADS\": letters, digits, "_" and "-", at most this long.
constexpr int kMaxCodeLength = 32;
bool IsExampleCode(const QString& code);

ExampleTree ReadExampleTree(const QStringList& lines);

// "ZADS\{code}.PAS", always in the DOS encoding, and the ready program
// "ZADS\{code}.exe" (optional; a native program of this system).
QString ExampleSourcePath(const QString& code);
QString ExampleProgramPath(const QString& code);

} // namespace programming
