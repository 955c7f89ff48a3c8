#include "base/appstate.h"
#include "shell/loginlayout.h"
#include "shell/loginwindow.h"
#include "shell/mainwindow.h"
#include "shell/workspace.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "ui/gifwriter.h"
#include "ui/imagebuttons.h"
#include "ui/windowstack.h"
#include "users/regwindow.h"
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using base::App;
using shell::TfmZast;

namespace {
const QStringList kRegister = {
    QStringLiteral("Пользователи"),
    QStringLiteral("\tАдминистратор"),
    QStringLiteral("\t\t00000000 SYSADMIN$46802135"),
    QStringLiteral("\tПреподаватель"),
    QStringLiteral("\t\t27182818 Ольга Смирнова$euler"),
    QStringLiteral("\t5 А"),
    QStringLiteral("\t\t10000501 Алексей Иванов$  1111  "),
    QStringLiteral("\t\t10000502 Мария Кузнецова$"),
    QStringLiteral("\t6 Б"),
    QStringLiteral("\t\t10000601 Мария Кузнецова$66"),
};

class LoginTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines(QStringLiteral("DATA\\users.txt"), kRegister);
    }
    void TearDown() override
    {
        delete shell::workspace().fmMain;
        shell::workspace() = {};
        login.reset();
        reg.reset();
        ui::WindowStack::instance().clear();
        ProgramFolderTest::TearDown();
    }
    // Creates the windows as start-up does and shows the login window.
    void start()
    {
        login = std::make_unique<TfmZast>();
        reg = std::make_unique<users::TffReg>();
        login->setRegisterWindow(reg.get());
        shell::workspace().fmZast = login.get();
        shell::workspace().ffReg = reg.get();
        login->show();
    }
    void chooseClass(int k) { login->ComboBox1->setCurrentIndex(k); }
    void typeLogin(const QString& name, const QString& password)
    {
        login->edName->setText(name);
        login->edPass->setText(password);
    }
    // Intro animations with the frames the intro rules need, quickly played.
    void writeAnimations()
    {
        const auto animation = [this](const QString& file, int frames) {
            QList<ui::GifFrame> list;
            for (int i = 0; i < frames; ++i) {
                QImage image(4, 4, QImage::Format_RGB32);
                image.fill(QColor(i * 8, 0, 0));
                list.append({image, 20});
            }
            ASSERT_TRUE(ui::WriteGif(real(file), list));
        };
        writeBytes(QStringLiteral("GIF\\keep"), {});
        animation(QStringLiteral("GIF\\Z3.GIF"), 17);
        animation(QStringLiteral("GIF\\Z1.GIF"), 23);
        animation(QStringLiteral("GIF\\Z2.GIF"), 31);
    }

    FakeDialogs dialogs;
    std::unique_ptr<users::TffReg> reg;
    std::unique_ptr<TfmZast> login;
};
} // namespace

TEST_F(LoginTest, ShowingOffersTheSecondClassAndSetsIsTeacherOnEveryChoice)
{
    start();
    EXPECT_EQ(login->windowTitle(), QStringLiteral("Регистрация"));
    EXPECT_EQ(login->ComboBox1->count(), 4);
    EXPECT_EQ(login->ComboBox1->currentText(), QStringLiteral("Преподаватель"));
    EXPECT_TRUE(App().isTeacher);
    EXPECT_EQ(ui::WindowStack::instance().at(0), login.get());
    chooseClass(2);
    EXPECT_FALSE(App().isTeacher);
    EXPECT_EQ(login->ListBox1->count(), 2);
    EXPECT_EQ(login->classUsers().ids, QStringList({QStringLiteral("10000501"), QStringLiteral("10000502")}));
    chooseClass(0);
    EXPECT_TRUE(App().isTeacher);
    // A click on a name copies it into the name field.
    chooseClass(2);
    login->ListBox1->setCurrentRow(1);
    EXPECT_EQ(login->edName->text(), QStringLiteral("Мария Кузнецова"));
}

TEST_F(LoginTest, NamesAreFoundIgnoringCaseWithinTheChosenClassOnly)
{
    start();
    dialogs.messages.clear(); // the pictures this folder lacks
    chooseClass(2);
    typeLogin(QStringLiteral("алексей иванов "), QStringLiteral("1111"));
    login->btOKClick();
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Такого пользователя в этом классе нет"));
    typeLogin(QStringLiteral("алексей иванов"), QStringLiteral("  1111  "));
    login->btOKClick();
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Неверный пароль")); // stored trimmed, compared exactly
    typeLogin(QStringLiteral("алексей иванов"), QStringLiteral("1112"));
    login->btOKClick();
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Неверный пароль"));
    EXPECT_EQ(login->edName->text(), QStringLiteral("алексей иванов")); // fields keep their content
    EXPECT_EQ(login->edPass->text(), QStringLiteral("1112"));
    chooseClass(1);
    typeLogin(QStringLiteral("Алексей Иванов"), QStringLiteral("1111"));
    login->btOKClick();
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Такого пользователя в этом классе нет"));
    EXPECT_EQ(dialogs.messages.size(), 4);
    EXPECT_EQ(shell::workspace().fmMain, nullptr);
    // Blank names do nothing at all.
    typeLogin(QStringLiteral("   "), QString());
    login->btOKClick();
    EXPECT_EQ(dialogs.messages.size(), 4);
}

TEST_F(LoginTest, SuccessfulLoginFillsTheStateAndOpensTheMainWindow)
{
    writeLines(QStringLiteral("USERS\\10000501\\results.txt"), {QStringLiteral("A05\\012=1  1    10 07.03.2004")});
    writeLines(QStringLiteral("DLL\\tools\\cc.txt"), {QStringLiteral("tool")});
    start();
    chooseClass(2);
    typeLogin(QStringLiteral("алексей иванов"), QStringLiteral("1111"));
    QTest::keyClick(login->edPass, Qt::Key_Return);
    EXPECT_EQ(App().currentUserName, QStringLiteral("алексей иванов")); // as typed
    EXPECT_EQ(App().currentUserId, QStringLiteral("10000501"));
    EXPECT_EQ(App().userFolder, QStringLiteral("USERS\\10000501\\"));
    EXPECT_FALSE(App().isTeacher);
    EXPECT_EQ(App().userResults.value(QStringLiteral("a05\\012")), QStringLiteral("1  1    10 07.03.2004"));
    ASSERT_NE(shell::workspace().fmMain, nullptr);
    EXPECT_EQ(ui::WindowStack::instance().top(), shell::workspace().fmMain);
    EXPECT_EQ(shell::workspace().fmMain->objectName(), QStringLiteral("fmMain"));
    EXPECT_EQ(shell::workspace().fmMain->windowTitle(), QStringLiteral("Ориндо"));
    EXPECT_FALSE(login->isVisible());
    EXPECT_FALSE(login->isEnabled());
    EXPECT_TRUE(QFileInfo::exists(real(QStringLiteral("tmp\\tools\\cc.txt"))));
}

TEST_F(LoginTest, ChangingUserReturnsToTheLoginWindowForTheNextOne)
{
    start();
    chooseClass(0);
    typeLogin(QStringLiteral("SYSADMIN"), QStringLiteral("46802135"));
    login->btOKClick();
    shell::TfmMain* main = shell::workspace().fmMain;
    ASSERT_NE(main, nullptr);
    QWidget note(nullptr, Qt::Tool); // a small window of the work, left open
    note.show();
    main->ShowSection(shell::kSectionTable);

    main->ChangeUser();
    EXPECT_EQ(ui::WindowStack::instance().count(), 1);
    EXPECT_EQ(ui::WindowStack::instance().top(), login.get());
    EXPECT_TRUE(login->isVisible());
    EXPECT_TRUE(login->isEnabled());
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(note.isVisible());
    EXPECT_TRUE(App().currentUserId.isEmpty());
    EXPECT_TRUE(App().userFolder.isEmpty());
    EXPECT_TRUE(login->edPass->text().isEmpty());
    EXPECT_TRUE(App().isTeacher); // the class still chosen is staff

    chooseClass(2);
    EXPECT_FALSE(App().isTeacher);
    typeLogin(QStringLiteral("Алексей Иванов"), QStringLiteral("1111"));
    login->btOKClick();
    EXPECT_EQ(App().currentUserId, QStringLiteral("10000501"));
    EXPECT_EQ(ui::WindowStack::instance().top(), main);
    EXPECT_EQ(main->section(), shell::kSectionStart); // not the previous user's section
    EXPECT_EQ(main->btBack->parentWidget(), main);
}

TEST_F(LoginTest, EmptyPasswordMatchesAnEmptyField)
{
    start();
    chooseClass(2);
    login->ListBox1->setCurrentRow(1);
    emit login->ListBox1->itemDoubleClicked(login->ListBox1->item(1)); // a double click logs in
    EXPECT_EQ(App().currentUserId, QStringLiteral("10000502"));
}

TEST_F(LoginTest, DollarCannotBeTypedIntoTheName)
{
    start();
    login->SkipIntro();
    login->edName->setFocus();
    QTest::keyClicks(login->edName, QStringLiteral("ab$c"));
    EXPECT_EQ(login->edName->text(), QStringLiteral("abc"));
}

TEST_F(LoginTest, RegisterEditingIsForTheFirstClassOnly)
{
    start();
    login->btDelClick();
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("Для редактирования списка зарегистрируйтесь как \"Администратор\""));
    EXPECT_EQ(dialogs.messages.last().caption, QStringLiteral("Редактирование списка пользователей"));
    chooseClass(0);
    typeLogin(QStringLiteral("SYSADMIN"), QStringLiteral("wrong"));
    login->btDelClick();
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Неверный пароль"));
    EXPECT_FALSE(reg->isVisible());
    typeLogin(QStringLiteral("sysadmin"), QStringLiteral("46802135"));
    login->btDelClick();
    EXPECT_TRUE(reg->isVisible());
    EXPECT_EQ(reg->selectedClass(), 0);
    EXPECT_TRUE(App().currentUserName.isEmpty()); // nothing else of the login happens
    EXPECT_EQ(shell::workspace().fmMain, nullptr);
}

TEST_F(LoginTest, ClosingTheRegisterWindowShowsItsSelection)
{
    start();
    chooseClass(0);
    typeLogin(QStringLiteral("SYSADMIN"), QStringLiteral("46802135"));
    login->btDelClick();
    reg->List1->setCurrentRow(3);
    reg->close();
    EXPECT_EQ(login->ComboBox1->currentIndex(), 3);
    EXPECT_EQ(login->ListBox1->currentRow(), 0);
    EXPECT_EQ(login->edName->text(), QStringLiteral("Мария Кузнецова"));
    EXPECT_TRUE(login->edPass->text().isEmpty()); // the administrator's password is gone
    EXPECT_FALSE(App().isTeacher);
}

TEST_F(LoginTest, ChangingTheClassClearsTheNameAndPassword)
{
    start();
    chooseClass(2);
    typeLogin(QStringLiteral("Алексей Иванов"), QStringLiteral("1111"));
    chooseClass(3);
    EXPECT_TRUE(login->edName->text().isEmpty());
    EXPECT_TRUE(login->edPass->text().isEmpty());
}

TEST_F(LoginTest, IntroPlaysTheThreeAnimationsThenShowsThePanel)
{
    writeAnimations();
    start();
    EXPECT_FALSE(login->Panel->isVisible());
    EXPECT_TRUE(login->Gif3->animate());
    EXPECT_FALSE(login->GIF1->animate());
    QList<int> order;
    QObject::connect(login->GIF1, &ui::TGifImage::frameChanged, [&](int f) { if (f == 1) order.append(1); });
    QObject::connect(login->Gif2, &ui::TGifImage::frameChanged, [&](int f) { if (f == 1) order.append(2); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return login->Panel->isVisible(); }, 10000));
    EXPECT_EQ(order, QList<int>({1, 2}));
    EXPECT_EQ(login->Gif3->frame(), shell::loginlayout::kGif3LastFrame);
    EXPECT_EQ(login->GIF1->frame(), shell::loginlayout::kGif1LastFrame);
    EXPECT_EQ(login->Gif2->frame(), shell::loginlayout::kGif2LastFrame);
    EXPECT_FALSE(login->Gif3->animate() || login->GIF1->animate() || login->Gif2->animate());
}

TEST_F(LoginTest, AnyKeyOrClickSkipsTheIntro)
{
    writeAnimations();
    start();
    QTest::keyClick(login.get(), Qt::Key_Space);
    EXPECT_TRUE(login->Panel->isVisible());
    EXPECT_EQ(login->Gif3->frame(), 16);
    EXPECT_EQ(login->GIF1->frame(), 22);
    EXPECT_EQ(login->Gif2->frame(), 30);
    EXPECT_FALSE(login->Gif3->animate() || login->GIF1->animate() || login->Gif2->animate());

    login.reset();
    reg.reset();
    ui::WindowStack::instance().clear();
    start();
    QTest::mouseClick(login->GIF1, Qt::LeftButton);
    EXPECT_TRUE(login->Panel->isVisible());
}

TEST_F(LoginTest, StartModeWaitsForAMouseMoveInsteadOfTheIntro)
{
    writeAnimations();
    App().startMode = QStringLiteral("4");
    int calls = 0;
    login = std::make_unique<TfmZast>();
    login->setStartModeHandler([&] { ++calls; });
    reg = std::make_unique<users::TffReg>();
    login->setRegisterWindow(reg.get());
    login->show();
    EXPECT_FALSE(login->Gif3->animate());
    QTest::mouseMove(login->imZastFon, QPoint(10, 10));
    QTest::mouseMove(login->imZastFon, QPoint(20, 20));
    EXPECT_EQ(calls, 1);
    QTest::mouseClick(login->imZastFon, Qt::LeftButton);
    EXPECT_TRUE(login->Panel->isVisible());
}

TEST_F(LoginTest, ReleasingTheAnimationsEmptiesThem)
{
    writeAnimations();
    start();
    EXPECT_EQ(login->GIF1->frameCount(), 23);
    login->ReleaseAnimations();
    EXPECT_EQ(login->GIF1->frameCount() + login->Gif2->frameCount() + login->Gif3->frameCount(), 0);
}
