#pragma once
#include "base/colours.h"
#include <QString>

// One record line of the plane engine's lab-file section being read: its
// words, and the file line number for messages. Every refusal throws
// SceneFormatError naming that line.
namespace plane {

class RecordLine {
public:
    RecordLine(QString text, int line);

    [[noreturn]] void Fail(const QString& reason) const;

    bool AtEnd() const { return m_pos >= m_end; }
    bool RestStartsWith(QChar c) const { return !AtEnd() && m_text[m_pos] == c; }
    // What is left of the line, without blanks at either end.
    QString Rest() const { return m_text.mid(m_pos, m_end - m_pos); }

    int LineNumber() const { return m_line; }

    // Words are taken by position, so a long line costs its length once.
    QString Word();
    // A finite real with a decimal point.
    double Real();
    long long Integer();
    // "TRUE" is true, any other word false.
    bool Boolean();
    // A colour value 0xBBGGRR.
    base::Bgr Colour();
    // An index into a list of count objects read before this line.
    int Index(int count, const QString& what);

private:
    void SkipBlanks();

    QString m_text;
    qsizetype m_pos = 0;
    qsizetype m_end = m_text.size();
    int m_line;
};

} // namespace plane
