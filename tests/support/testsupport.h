#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

// A program folder of its own for every test: the shell's program folder
// points into a fresh temporary folder, the process state is reset and the
// random generator seeded, so tests never touch content/ or a user's files.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Real path of a program path ("DATA\users.txt").
    QString real(const QString& programPath) const;
    // Writes text as the program's files are written (Windows-1251, CR LF after each line).
    void writeLines(const QString& programPath, const QStringList& lines) const;
    void writeBytes(const QString& programPath, const QByteArray& bytes) const;
    QByteArray readBytes(const QString& programPath) const;
    // Bytes of lines as Windows-1251 with CR LF after each line.
    static QByteArray cp1251Lines(const QStringList& lines);
    // Puts the examples of lab n of the sample course into this folder as the
    // program keeps them (LABS\LABn\examples.txt and 0.LAB, 1.LAB, … in
    // Windows-1251 with CR LF) and returns the bytes of each example, in the
    // order of the list. A listed example that is missing fails the test.
    QList<QByteArray> installLabExamples(int lab) const;

    QTemporaryDir m_dir;
};

// Fixed point of the clock for a test; restores the real clock on destruction.
class FixedClock {
public:
    explicit FixedClock(const QString& isoDateTime);
    ~FixedClock();
};

// Runs the event loop until condition holds or the time is up; returns the
// condition. Unlike QTest::qWaitFor, which sleeps between rounds, this keeps
// the loop running, so the web engine's own scheduling is not slowed down.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 15000);

// A file's bytes; empty when it cannot be read.
QByteArray ReadAll(const QString& path);
// A path in the sample course of the source tree: "LABS/LAB3/" is
// <source>/content/LABS/LAB3/.
QString SampleCoursePath(const QString& sub);
// A content file as the program folder holds it: the repository keeps
// content as UTF-8 with LF line ends, the program reads Windows-1251 with CR LF.
QByteArray ProgramText(const QByteArray& utf8);
