#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "tasks/calculator.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tasks;

namespace {

// A PATH holding only the programs the test puts there, and no window system
// (so nothing is looked for to raise).
class CalculatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bin.isValid());
        m_path = qgetenv("PATH");
        m_display = qgetenv("DISPLAY");
        qputenv("PATH", QFile::encodeName(m_bin.path()));
        qunsetenv("DISPLAY");
    }
    void TearDown() override
    {
        qputenv("PATH", m_path);
        if (!m_display.isEmpty()) qputenv("DISPLAY", m_display);
    }
    // A calculator that notes each start in a file and runs for a while.
    void installFake(const QString& name)
    {
        QFile script(m_bin.filePath(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho started >> '%1'\nexec /bin/sleep 3\n").arg(startsFile()).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString startsFile() const { return m_bin.filePath(QStringLiteral("starts.txt")); }
    int starts() const
    {
        QFile file(startsFile());
        return file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : 0;
    }

    QTemporaryDir m_bin;
    QByteArray m_path, m_display;
    FakeDialogs dialogs;
};

} // namespace

TEST_F(CalculatorTest, WithoutACalculatorTheUserIsToldWhatToInstall)
{
    DesktopCalculator calculator;
    EXPECT_TRUE(DesktopCalculator::FindProgram().isEmpty());
    EXPECT_FALSE(calculator.Show());
    EXPECT_EQ(dialogs.lastMessage(), kNoCalculatorText);
}

TEST_F(CalculatorTest, ARunningCalculatorIsNotStartedTwice)
{
    installFake(QStringLiteral("xcalc"));
    installFake(QStringLiteral("galculator"));
    EXPECT_EQ(DesktopCalculator::FindProgram(), m_bin.filePath(QStringLiteral("galculator")));
    DesktopCalculator calculator;
    ASSERT_TRUE(calculator.Show());
    ASSERT_TRUE(WaitUntil([this] { return starts() == 1; }, 5000));
    EXPECT_TRUE(calculator.IsRunning());
    EXPECT_TRUE(calculator.Show());
    ASSERT_TRUE(WaitUntil([&] { return !calculator.IsRunning(); }, 8000));
    EXPECT_EQ(starts(), 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
