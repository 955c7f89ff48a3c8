#include "base/paths.h"
#include "support/testsupport.h"
#include "ui/htmlscheme.h"
#include <QDir>
#include <QFile>

// The temporary folder lies apart from the program folder, as it does in a real run.
class HtmlScheme : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        base::SetTempFolder(m_temp.path());
    }
    QTemporaryDir m_temp;
};

TEST_F(HtmlScheme, ProgramPathsAndUrlsConvertBothWays)
{
    const QUrl page = ui::ProgramUrl(QStringLiteral("ZADS\\A05\\Дроби 1.htm"));
    EXPECT_EQ(page.scheme(), "orindo");
    EXPECT_EQ(page.path(), QStringLiteral("/ZADS/A05/Дроби 1.htm"));
    EXPECT_EQ(ui::ProgramPathOfUrl(page), QStringLiteral("ZADS\\A05\\Дроби 1.htm"));
    EXPECT_EQ(ui::ProgramUrl(QStringLiteral("ZADS\\00000001\\")).path(), "/ZADS/00000001/");

    // An absolute path inside the program folder becomes a program path; one
    // in the temporary folder stays absolute.
    const QString gif = base::ProgramFolder() + QStringLiteral("GIF\\btGo.gif");
    EXPECT_EQ(ui::ProgramPathOfUrl(ui::ProgramUrl(gif)), "GIF\\btGo.gif");
    const QUrl temp = QUrl(QStringLiteral("orindo://program") + base::TempFolder() + QStringLiteral("1.GIF"));
    EXPECT_EQ(ui::ProgramPathOfUrl(temp), base::TempFolder() + QStringLiteral("1.GIF"));

    // Held pages reach the temporary folder under a path of their own.
    EXPECT_EQ(ui::ProgramPathOfUrl(QUrl("orindo://program/~t12/1.GIF")), base::TempFolder() + QStringLiteral("1.GIF"));

    EXPECT_TRUE(ui::ProgramPathOfUrl(QUrl("https://example.org/a.htm")).isEmpty());
    EXPECT_TRUE(ui::ProgramPathOfUrl(QUrl("orindo://elsewhere/a.htm")).isEmpty());
}

TEST_F(HtmlScheme, ServesFilesOfTheProgramAndTemporaryFoldersOnly)
{
    writeLines("CSS\\work.css", {"body {}"});
    writeLines(base::TempFolder() + "1.GIF", {"x"});
    EXPECT_EQ(ui::ServedFile(QUrl("orindo://program/css/WORK.CSS")), real("CSS\\work.css"));
    EXPECT_EQ(ui::ServedFile(QUrl("orindo://program/ZADS/00000001/../../CSS/work.css")), real("CSS\\work.css"));
    EXPECT_EQ(ui::ServedFile(QUrl(QStringLiteral("orindo://program") + base::TempFolder() + "1.GIF")),
              base::TempFolder() + "1.GIF");

    // Paths that climb out, absolute paths elsewhere, folders and missing files give nothing.
    QTemporaryDir outside;
    QFile secret(outside.path() + "/secret.txt");
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("secret");
    secret.close();
    EXPECT_TRUE(ui::ServedFile(QUrl("orindo://program" + outside.path() + "/secret.txt")).isEmpty());
    EXPECT_TRUE(ui::ServedFile(QUrl("orindo://program/../../../../../../" + outside.path() + "/secret.txt")).isEmpty());
    ASSERT_TRUE(QFile::link(outside.path(), real("LINKED")));
    EXPECT_TRUE(ui::ServedFile(QUrl("orindo://program/LINKED/secret.txt")).isEmpty());
    EXPECT_TRUE(ui::ServedFile(QUrl("orindo://program/CSS")).isEmpty());
    EXPECT_TRUE(ui::ServedFile(QUrl("orindo://program/CSS/none.css")).isEmpty());
}
