#include "base/apperror.h"
#include "base/textfile.h"
#include "support/testsupport.h"
#include "users/register.h"
#include "users/veltaimport.h"
#include <QFileInfo>

namespace {
const QByteArray kHead = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<USERS>\r\n";
const QByteArray kTail = "</USERS>\r\n";

class ImportTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines(QStringLiteral("DATA\\users.txt"), {QStringLiteral("Пользователи"), QStringLiteral("\tАдминистратор"),
                                                       QStringLiteral("\t\t00000000 SYSADMIN$46802135"),
                                                       QStringLiteral("\tПреподаватель")});
        reg.LoadRegister();
    }
    // Writes an import file of Windows-1251 text and imports it.
    users::ImportReport import(const QString& body)
    {
        writeBytes(QStringLiteral("in.xml"), kHead + cp1251Lines({body}) + kTail);
        return users::ImportVelta(reg, real(QStringLiteral("in.xml")));
    }

    users::Register reg;
};
} // namespace

TEST(VeltaParse, ReadsMarkersIgnoringLetterCase)
{
    const auto users = users::ParseVeltaUsers(QStringLiteral(
        "<user id=\"1001\" name=\"Анна Попова\" password=\"Ab1\"><role>Ученик</role><class>5А</class></user>"
        "<USER ID=\"1002\" NAME=\"Олег\"><CLASS> 6Б </CLASS></USER>"
        "<User Id=\"1003\" Name=\"Вера\" Password=\"\"><Role> Преподаватель </Role></User>"));
    ASSERT_EQ(users.size(), 3u);
    EXPECT_EQ(users[0].id, QStringLiteral("1001"));
    EXPECT_EQ(users[0].name, QStringLiteral("Анна Попова"));
    EXPECT_EQ(users[0].password, QStringLiteral("Ab1")); // letter case of the file kept
    EXPECT_EQ(users[0].className, QStringLiteral("Ученик 5А"));
    EXPECT_EQ(users[1].className, QStringLiteral("6Б")); // a class without a role
    EXPECT_TRUE(users[1].password.isEmpty());            // no password marker
    EXPECT_EQ(users[2].className, QStringLiteral("Преподаватель"));
}

TEST(VeltaParse, UnclosedElementRunsToTheEndInsteadOfLoopingForever)
{
    const auto users = users::ParseVeltaUsers(QStringLiteral("<USER ID=\"1\" NAME=\"A\"> <USER ID=\"2\" NAME=\"B\">"));
    ASSERT_EQ(users.size(), 1u);
    EXPECT_EQ(users[0].id, QStringLiteral("1"));
    EXPECT_TRUE(users::ParseVeltaUsers(QStringLiteral("<USERS><USERLIST/></USERS>")).empty());
}

TEST(VeltaParse, ValuesCannotBreakTheRegisterLine)
{
    const auto users = users::ParseVeltaUsers(QStringLiteral(
        "<USER ID=\"7\" NAME=\"Иван\r\n\tПетров\" PASSWORD=\"a&amp;b&quot;\"><ROLE>Уч&lt;ник</ROLE></USER>"));
    ASSERT_EQ(users.size(), 1u);
    EXPECT_EQ(users[0].name, QStringLiteral("Иван   Петров"));
    EXPECT_EQ(users[0].password, QStringLiteral("a&b\""));
}

TEST(VeltaDecode, HonoursTheDeclaredEncoding)
{
    const QString name = QStringLiteral("Пётр");
    EXPECT_EQ(users::DecodeImportFile("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + name.toUtf8()).right(4), name);
    EXPECT_EQ(users::DecodeImportFile("\xEF\xBB\xBF" + name.toUtf8()), name);
    EXPECT_EQ(users::DecodeImportFile(base::EncodeCp1251(name)), name);
}

TEST_F(ImportTest, RolesBecomeClassesInOrderOfFirstAppearance)
{
    const auto report = import(QStringLiteral(
        "<USER ID=\"20000001\" NAME=\"Анна Попова\" PASSWORD=\"111\"><ROLE>Ученик</ROLE></USER>\r\n"
        "<USER ID=\"20000002\" NAME=\"Ольга Смирнова\" PASSWORD=\"222\"><ROLE>Преподаватель</ROLE></USER>\r\n"
        "<USER ID=\"20000003\" NAME=\"Олег Петров\" PASSWORD=\"333\"><ROLE>ученик</ROLE></USER>"));
    EXPECT_EQ(report.imported, 3);
    EXPECT_TRUE(report.skipped.isEmpty());
    const QByteArray expected = cp1251Lines({QStringLiteral("Пользователи"), QStringLiteral("\tАдминистратор"),
                                             QStringLiteral("\t\t00000000 SYSADMIN$46802135"), QStringLiteral("\tУченик"),
                                             QStringLiteral("\t\t20000001 Анна Попова$111"),
                                             QStringLiteral("\t\t20000003 Олег Петров$333"),
                                             QStringLiteral("\tПреподаватель"),
                                             QStringLiteral("\t\t20000002 Ольга Смирнова$222")});
    EXPECT_EQ(readBytes(QStringLiteral("DATA\\usersvt.txt")), expected);
    EXPECT_EQ(reg.classNames().size(), 3);
    // A new run loads the imported register.
    users::Register again;
    again.LoadRegister();
    EXPECT_EQ(again.classUsers(1).names, QStringList({QStringLiteral("Анна Попова"), QStringLiteral("Олег Петров")}));
}

TEST_F(ImportTest, IdentifiersThatAreNotPlainOrAlreadyGivenAreSkipped)
{
    const auto report = import(QStringLiteral(
        "<USER ID=\"..\" NAME=\"Точки\"><ROLE>Ученик</ROLE></USER>"
        "<USER ID=\"a\\b\" NAME=\"Черта\"><ROLE>Ученик</ROLE></USER>"
        "<USER NAME=\"Без номера\"><ROLE>Ученик</ROLE></USER>"
        "<USER ID=\"00000000\" NAME=\"Двойник\"><ROLE>Ученик</ROLE></USER>"
        "<USER ID=\"30000001\" NAME=\"Годный\"><ROLE>Ученик</ROLE></USER>"
        "<USER ID=\"30000001\" NAME=\"Повтор\"><ROLE>Ученик</ROLE></USER>"));
    EXPECT_EQ(report.imported, 1);
    EXPECT_EQ(report.skipped, QStringList({QStringLiteral(".. Точки"), QStringLiteral("a\\b Черта"),
                                           QStringLiteral("Без номера"), QStringLiteral("00000000 Двойник"),
                                           QStringLiteral("30000001 Повтор")}));
    EXPECT_EQ(reg.classUsers(1).ids, QStringList{QStringLiteral("30000001")});
    EXPECT_EQ(reg.classUsers(0).names, QStringList{QStringLiteral("SYSADMIN")});
}

TEST_F(ImportTest, NamesWithADollarAreKeptOutOfTheRegister)
{
    // "$" ends a name in the register: the rest would become the password.
    const auto report = import(QStringLiteral(
        "<USER ID=\"30000001\" NAME=\"Иван$Петров\" PASSWORD=\"p\"><ROLE>Ученик</ROLE></USER>"
        "<USER ID=\"30000002\" NAME=\"Анна\" PASSWORD=\"a$b\"><ROLE>Ученик</ROLE></USER>"));
    EXPECT_EQ(report.imported, 1);
    EXPECT_EQ(report.dollarNames, QStringList{QStringLiteral("30000001 Иван$Петров")});
    EXPECT_TRUE(report.skipped.isEmpty());
    const users::ClassUsers pupils = reg.classUsers(1);
    EXPECT_EQ(pupils.names, QStringList{QStringLiteral("Анна")});
    EXPECT_EQ(pupils.passwords, QStringList{QStringLiteral("a$b")}); // a "$" in a password is harmless
    users::Register reread;
    reread.LoadRegister();
    EXPECT_EQ(reread.classUsers(1).ids, QStringList{QStringLiteral("30000002")});
}

TEST_F(ImportTest, AFileWithoutUsersChangesNothing)
{
    const QByteArray before = readBytes(QStringLiteral("DATA\\users.txt"));
    QString message;
    try {
        import(QStringLiteral("<LESSONS><LESSON NAME=\"Дроби\"/></LESSONS>"));
    } catch (const base::AppError& error) {
        message = error.message();
    }
    EXPECT_TRUE(message.contains(QStringLiteral("нет ни одного пользователя"))) << message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("DATA\\usersvt.txt"))));
    EXPECT_EQ(readBytes(QStringLiteral("DATA\\users.txt")), before);
    EXPECT_EQ(reg.classNames(), QStringList({QStringLiteral("Администратор"), QStringLiteral("Преподаватель")}));

    EXPECT_THROW(users::ImportVelta(reg, real(QStringLiteral("missing.xml"))), base::AppError);
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("DATA\\usersvt.txt"))));
}
