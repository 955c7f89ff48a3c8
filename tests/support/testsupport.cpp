#include "support/testsupport.h"
#include "base/appstate.h"
#include "base/clock.h"
#include "base/paths.h"
#include "base/random.h"
#include "base/textfile.h"
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

void ProgramFolderTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    base::SetProgramFolder(m_dir.path());
    QDir().mkpath(m_dir.path() + QStringLiteral("/tmp"));
    base::SetTempFolder(m_dir.path() + QStringLiteral("/tmp"));
    base::ResetAppState();
    base::SetRandomSeed(12345);
}

void ProgramFolderTest::TearDown()
{
    base::ResetAppState();
    base::SetClockForTests({});
}

QString ProgramFolderTest::real(const QString& programPath) const
{
    return base::RealPath(programPath);
}

void ProgramFolderTest::writeBytes(const QString& programPath, const QByteArray& bytes) const
{
    const QString path = real(programPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

void ProgramFolderTest::writeLines(const QString& programPath, const QStringList& lines) const
{
    writeBytes(programPath, cp1251Lines(lines));
}

QByteArray ProgramFolderTest::readBytes(const QString& programPath) const
{
    QFile file(real(programPath));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QByteArray ProgramFolderTest::cp1251Lines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) bytes += base::EncodeCp1251(line) + "\r\n";
    return bytes;
}

FixedClock::FixedClock(const QString& isoDateTime)
{
    const QDateTime moment = QDateTime::fromString(isoDateTime, Qt::ISODate);
    base::SetClockForTests([moment] { return moment; });
}

FixedClock::~FixedClock() { base::SetClockForTests({}); }

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    if (condition()) return true;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition()) loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start();
    loop.exec();
    return condition();
}

QList<QByteArray> ProgramFolderTest::installLabExamples(int lab) const
{
    const QString source = SampleCoursePath(QStringLiteral("LABS/LAB%1/").arg(lab));
    const QString target = QStringLiteral("LABS\\LAB%1\\").arg(lab);
    const QByteArray list = ReadAll(source + QStringLiteral("examples.txt"));
    writeBytes(target + QStringLiteral("examples.txt"), ProgramText(list));
    const qsizetype count = QString::fromUtf8(list).split(u'\n', Qt::SkipEmptyParts).size();
    QList<QByteArray> examples;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("%1.LAB").arg(i);
        const QByteArray example = ProgramText(ReadAll(source + name));
        if (example.isEmpty()) ADD_FAILURE() << "example " << i << " of lab " << lab << " is missing";
        writeBytes(target + name, example);
        examples.append(example);
    }
    return examples;
}

QString SampleCoursePath(const QString& sub)
{
    return qEnvironmentVariable("ORINDO_SOURCE_DIR") + QStringLiteral("/content/") + sub;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ProgramText(const QByteArray& utf8)
{
    QString text = QStringDecoder(QStringDecoder::Utf8).decode(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QStringLiteral("\r\n"));
    return QStringEncoder("windows-1251").encode(text);
}
