#pragma once
#include "base/apperror.h"
#include <QString>
#include <QStringList>
#include <optional>

// The open text file of a lab file, as the lab window and its engines see it:
// the window part is read and written line by line, and each engine continues
// on the same reader or writer with its own records. Neither an engine nor the
// window opens or closes files; TfmLab does (LoadLabFile, SaveLabFile).
namespace labframe {

// The message of every lab file that cannot be read as one.
inline const QString kWrongFormatText = QStringLiteral("Неверный формат файла");
// File dialogs of lab files.
inline const QString kLabFileFilter = QStringLiteral("Файлы лабораторий|*.LAB");
inline const QString kLabFileExt = QStringLiteral("LAB");

// Lab files are small text files; anything larger is not one, and is refused
// before it is read into memory.
constexpr qint64 kMaxLabFileBytes = 32 * 1024 * 1024;

// A lab file that stops making sense where it is read. Readers throw it; the
// lab window shows its message and keeps what was read before it.
class LabFormatError : public base::AppError {
public:
    LabFormatError() : base::AppError(kWrongFormatText) {}
};

class LabFileReader {
public:
    explicit LabFileReader(QStringList lines) : m_lines(std::move(lines)) {}
    // The lines of a lab file's text (CR LF, LF or CR line ends).
    static LabFileReader FromText(const QString& text);

    bool atEnd() const { return m_next >= m_lines.size(); }
    // The next line; an empty line at the end of the file, as a text file gives.
    QString readLine();
    // Number of lines read so far.
    int position() const { return int(m_next); }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};

class LabFileWriter {
public:
    // Appends text to the current line.
    void write(const QString& text) { m_text += text; }
    // Appends text and ends the line with CR LF.
    void writeLine(const QString& text = {});
    // Everything written, exactly.
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The integer that starts a lab file's first line (its lab number), read as
// the window reads it; nullopt when the line holds none.
std::optional<int> ParseLabNumber(const QString& firstLine);

// The lab number of a lab file (program path or real path); nullopt when the
// file cannot be read or its first line holds no number. The shell reads it
// before CreateLab for "LAB:", "SPR:" links, tasks and the command line.
std::optional<int> ReadLabNumber(const QString& path);

// The text of a lab file, or nullopt with the message to show: the file
// cannot be opened, or it is too large to be a lab file.
struct LabFileText {
    std::optional<QString> text;
    QString error;
};
LabFileText ReadLabFileText(const QString& path);

} // namespace labframe
