#pragma once
#include "labframe/file/controlvalues.h"
#include "labframe/file/labdata.h"
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// What each lab accepts in its files, known without its window: the names and
// kinds of the window's controls and the reader of its engine section. Every
// lab registers its format here (next to its window's RegisterLab), so that
// the course checker and tests can tell whether a lab file would load.
namespace labframe {

struct LabControlFormat {
    QString name;
    ControlKind kind;
    friend bool operator==(const LabControlFormat&, const LabControlFormat&) = default;
};

struct LabFormat {
    int number = 0;
    // The window's controls in creation order, BaseLabControls() first. A
    // test of each lab compares them with the controls its window creates.
    QList<LabControlFormat> controls;
    // Reads the engine section as the lab's engine does, on an engine
    // without a window; firstLine is the file line of engineLines[0]. A
    // section the engine refuses throws base::AppError with the message the
    // lab window shows, or base::LineError naming the refused file line.
    // Empty for labs without an engine.
    std::function<void(const QStringList& engineLines, int firstLine)> readEngine;
    // For a lab that answers a task itself (TfmLab::TaskAnswers): whether a
    // name of a task's answer file is one of the lab's lines, and what is
    // wrong with such a line for the task's scene (empty when nothing is).
    // Empty for labs that add no answers.
    std::function<bool(const QString& name)> answersName;
    std::function<QString(const QStringList& engineLines, const QString& name, const QString& value)> checkTaskAnswer;
};

// The toolbar buttons every lab window creates first (TfmLab).
const QList<LabControlFormat>& BaseLabControls();

// Keeps the format under its number; false (and nothing kept) for a number
// outside the lab table.
bool RegisterLabFormat(LabFormat format);
// The format of a lab number; nullptr when none was registered.
const LabFormat* FindLabFormat(int number);
// Forgets every format (tests).
void ReleaseLabFormats();

// Where and why a lab window would refuse a file.
struct LabRefusal {
    int line = 0;
    QString message;
};

// Checks data the way the lab window of format reads it: the lab number, then
// each control line naming a control (in file order), then the engine
// section. nullopt when the window would load the file.
std::optional<LabRefusal> CheckLabData(const LabFormat& format, const LabFileData& data);
// The same for a lab file's text, including a first line without a number.
std::optional<LabRefusal> CheckLabText(const LabFormat& format, const QString& text);

} // namespace labframe
