#include "base/appstate.h"
#include "base/numfmt.h"
#include "shell/startup.h"
#include "support/testsupport.h"
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <clocale>
#include <unistd.h>

namespace {
// The built program in its program folder, with the course laid out.
QString Program() { return qEnvironmentVariable("ORINDO_PROGRAM_DIR") + QStringLiteral("/orindo"); }

// The program started with a temporary folder of its own and no sound.
void Prepare(QProcess& process, const QString& temp, bool probe)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), temp);
    env.insert(QStringLiteral("ORINDO_NO_SOUND"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (probe) env.insert(QStringLiteral("ORINDO_STARTUP_PROBE"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProgram(Program());
}

class StartupTest : public ProgramFolderTest {};
} // namespace

TEST(SingleInstance, OnlyOneHolderOfTheLockAtATime)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("orindo.lock"));
    {
        const shell::SingleInstance first(lock);
        EXPECT_TRUE(first.acquired());
        const shell::SingleInstance second(lock);
        EXPECT_FALSE(second.acquired());
    }
    const shell::SingleInstance again(lock);
    EXPECT_TRUE(again.acquired());
}

TEST_F(StartupTest, CommandLineGivesStartModeAndPath)
{
    shell::ReadCommandLine({QStringLiteral("orindo"), QStringLiteral("4"), QStringLiteral("LABS\\LAB3\\1.LAB"),
                            QStringLiteral("extra")});
    EXPECT_EQ(base::App().startMode, QStringLiteral("4"));
    EXPECT_EQ(base::App().startPath, QStringLiteral("LABS\\LAB3\\1.LAB"));
    shell::ReadCommandLine({QStringLiteral("orindo")});
    EXPECT_TRUE(base::App().startMode.isEmpty());
    EXPECT_TRUE(base::App().startPath.isEmpty());
}

TEST_F(StartupTest, FontsOfTheProgramFolderAreRegisteredAndRemoved)
{
    const QString system = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (!QFileInfo::exists(system)) GTEST_SKIP() << "no DejaVu font on this machine";
    writeBytes(QStringLiteral("FONTS\\Arialn.ttf"), "not a font");
    QFile::copy(system, real(QStringLiteral("FONTS\\Tahoma.ttf")));
    const QList<int> ids = shell::RegisterFonts();
    ASSERT_EQ(ids.size(), 1); // the broken file is passed over
    EXPECT_FALSE(QFontDatabase::applicationFontFamilies(ids[0]).isEmpty());
    shell::RemoveFonts(ids);
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(ids[0]).isEmpty());
}

TEST_F(StartupTest, NumbersKeepTheirSeparatorsWhateverTheSystemLocale)
{
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // may not exist; then "C" stays
    shell::SetGlobalFormats();
    EXPECT_EQ(base::FormatReal(2.5L, base::Decimal::Point), QStringLiteral("2.5"));
    EXPECT_EQ(base::FormatReal(2.5L), QStringLiteral("2,5"));
    EXPECT_EQ(base::ParseReal(QStringLiteral("2.5"), base::Decimal::Point).value_or(0), 2.5L);
}

TEST(ProgramRun, LoginPanelBecomesUsableAndASecondCopyEndsSilently)
{
    QTemporaryDir temp;
    QProcess first;
    Prepare(first, temp.path(), false);
    first.start();
    ASSERT_TRUE(first.waitForStarted(10000));
    const QString lock = temp.filePath(QStringLiteral("orindo-%1.lock").arg(getuid()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(lock); }, 10000));

    QProcess second;
    Prepare(second, temp.path(), true);
    second.start();
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty()); // it never got to its login panel
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(10000);

    // Once the first copy is gone, a copy starts and its login panel is usable.
    QProcess third;
    Prepare(third, temp.path(), true);
    third.start();
    ASSERT_TRUE(third.waitForFinished(30000));
    EXPECT_EQ(third.exitCode(), 0);
    EXPECT_EQ(third.readAllStandardOutput(), QByteArray("ready\n"));
}

TEST(QtTranslations, StandardButtonsAndFileDialogsSpeakRussian)
{
    const char* yes = "&Yes";
    {
        const std::unique_ptr<QTranslator> translator = shell::InstallQtTranslations();
        if (!translator) GTEST_SKIP() << "Qt's Russian translations are not installed (qt6-translations-l10n)";
        EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", yes).contains(QStringLiteral("Да")));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
    }
    // Gone with its translator.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", yes), QString::fromLatin1(yes));
}
