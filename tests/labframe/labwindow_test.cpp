// The lab window: top strip, toolbar, example menu, file dialogs, the lab
// table and the menu-choice helper.
#include "labframe/labregistry.h"
#include "base/appstate.h"
#include "support/fakedialogs.h"
#include "labtest.h"
#include <QAction>
#include <QBuffer>
#include <QColorDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QDir>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using labframe::TfmLab;

namespace {

class TfmLabTest : public LabTest {
protected:
    void writeExamples(int lab, const QStringList& captions)
    {
        const QString folder = QStringLiteral("LABS\\LAB") + QString::number(lab) + u'\\';
        writeLines(folder + QStringLiteral("examples.txt"), captions);
        for (int i = 0; i < captions.size(); ++i)
            writeLines(folder + QString::number(i) + QStringLiteral(".LAB"),
                       {QString::number(lab), QStringLiteral("edName=example ") + QString::number(i), QStringLiteral("#")});
    }
    FakeDialogs dialogs;
};

} // namespace

TEST_F(TfmLabTest, FirstShowNamesTheWindowAndBuildsTheExampleMenu)
{
    QImage top(300, 117, QImage::Format_RGB32);
    top.fill(Qt::darkBlue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    ASSERT_TRUE(top.save(&buffer, "JPG"));
    writeBytes(QStringLiteral("JPG\\LabTop.JPG"), jpeg);
    writeExamples(6, {QStringLiteral("Прямая"), QStringLiteral("Окружность"), QStringLiteral("Парабола")});

    TestLab lab;
    EXPECT_EQ(lab.objectName(), QStringLiteral("fmLab6"));
    EXPECT_EQ(lab.helpName(), QStringLiteral("Lab6"));
    EXPECT_EQ(labframe::Tag(&lab), 6);
    lab.show();
    EXPECT_EQ(lab.lbName->text(), QStringLiteral("Координатная плоскость"));
    EXPECT_FALSE(lab.imTop->pixmap().isNull());
    EXPECT_FALSE(lab.btExample->isHidden());
    ASSERT_EQ(lab.PopupEx->actions().size(), 3);
    QTest::mouseClick(lab.btExample, Qt::LeftButton);
    EXPECT_TRUE(lab.PopupEx->isVisible());
    EXPECT_EQ(lab.PopupEx->pos(), lab.btExample->mapToGlobal(QPoint(0, 26)));
    lab.PopupEx->hide();

    // The third line belongs to 2.LAB.
    lab.PopupEx->actions()[2]->trigger();
    EXPECT_EQ(lab.edName->text(), QStringLiteral("example 2"));
    EXPECT_EQ(lab.lbExample->text(), QStringLiteral("( Парабола )"));

    // Showing again builds nothing twice; the clear button empties the note.
    lab.hide();
    lab.show();
    EXPECT_EQ(lab.PopupEx->actions().size(), 3);
    QTest::mouseClick(lab.btClear, Qt::LeftButton);
    EXPECT_TRUE(lab.edName->text().isEmpty());
    EXPECT_TRUE(lab.lbExample->text().isEmpty());
}

TEST_F(TfmLabTest, LabWithoutExampleListHasNoExamplesButton)
{
    TestLab lab;
    lab.show();
    EXPECT_TRUE(lab.btExample->isHidden());
    EXPECT_TRUE(lab.PopupEx->actions().isEmpty());
}

TEST_F(TfmLabTest, ExampleThatFailsToLoadIsNotAnnounced)
{
    writeExamples(6, {QStringLiteral("Сломанный")});
    writeLines(QStringLiteral("LABS\\LAB6\\0.LAB"), {QStringLiteral("3"), QStringLiteral("#")});
    TestLab lab;
    lab.show();
    lab.PopupEx->actions()[0]->trigger();
    EXPECT_EQ(dialogs.lastMessage(), labframe::kWrongFormatText);
    EXPECT_TRUE(lab.lbExample->text().isEmpty());
}

TEST_F(TfmLabTest, SaveButtonWritesIntoTheUserFolderAddingTheExtension)
{
    base::App().userFolder = QStringLiteral("USERS\\12345678\\");
    writeLines(QStringLiteral("USERS\\12345678\\keep.txt"), {});
    TestLab lab;
    lab.edName->setText(QStringLiteral("saved"));
    dialogs.files.push_back(real(QStringLiteral("USERS\\12345678\\")) + QStringLiteral("scene"));
    QTest::mouseClick(lab.btSave, Qt::LeftButton);
    EXPECT_EQ(dialogs.fileFilters.value(0), QStringLiteral("Файлы лабораторий|*.LAB"));
    EXPECT_EQ(dialogs.fileFolders.value(0), real(QStringLiteral("USERS\\12345678\\")));
    EXPECT_TRUE(readBytes(QStringLiteral("USERS\\12345678\\scene.LAB")).contains("\r\nedName=saved\r\n"));
}

// A pupil who saved her scene finds it again: both dialogs then start in the
// folder she saved to, and later in the one she opened from.
TEST_F(TfmLabTest, DialogsStartWhereTheLastFileWasSavedOrOpened)
{
    base::App().userFolder = QStringLiteral("USERS\\12345678\\");
    writeLines(QStringLiteral("USERS\\12345678\\own\\keep.txt"), {});
    writeLines(QStringLiteral("OTHER\\other.LAB"), {QStringLiteral("6"), QStringLiteral("#")});
    TestLab lab;
    const QString own = real(QStringLiteral("USERS\\12345678\\own\\"));
    dialogs.files.push_back(own + QStringLiteral("scene"));
    QTest::mouseClick(lab.btSave, Qt::LeftButton);
    QTest::mouseClick(lab.btLoad, Qt::LeftButton); // cancelled
    QTest::mouseClick(lab.btSave, Qt::LeftButton); // cancelled
    EXPECT_EQ(QDir(dialogs.fileFolders.value(1)), QDir(own));
    EXPECT_EQ(QDir(dialogs.fileFolders.value(2)), QDir(own));

    const QString other = real(QStringLiteral("OTHER\\"));
    dialogs.files.push_back(other + QStringLiteral("other.LAB"));
    QTest::mouseClick(lab.btLoad, Qt::LeftButton);
    QTest::mouseClick(lab.btSave, Qt::LeftButton); // cancelled
    EXPECT_EQ(QDir(dialogs.fileFolders.value(4)), QDir(other));
}

TEST_F(TfmLabTest, OpenButtonStartsAtTheVisibleTaskOrTheExamples)
{
    writeLines(QStringLiteral("ZADS\\A05\\x.txt"), {});
    writeLines(QStringLiteral("LABS\\LAB6\\mine.LAB"), {QStringLiteral("6"), QStringLiteral("edName=opened"), QStringLiteral("#")});
    TestLab lab;
    dialogs.files.push_back(real(QStringLiteral("LABS\\LAB6\\mine.LAB")));
    QTest::mouseClick(lab.btLoad, Qt::LeftButton);
    EXPECT_EQ(dialogs.fileFolders.value(0), real(QStringLiteral("LABS\\LAB6\\")));
    EXPECT_EQ(lab.edName->text(), QStringLiteral("opened"));

    shellCalls.visibleTaskCode = QStringLiteral("A05\\task-with-a-long-name");
    QTest::mouseClick(lab.btLoad, Qt::LeftButton); // cancelled
    EXPECT_EQ(dialogs.fileFolders.value(1), real(QStringLiteral("ZADS\\A05\\")) + QStringLiteral("task-with-a-"));
    EXPECT_EQ(lab.edName->text(), QStringLiteral("opened"));
}

TEST_F(TfmLabTest, HidingClosesTheTaskWindowsAndEmptiesTheStatusText)
{
    TestLab lab;
    lab.show();
    shellCalls.calls.clear();
    lab.hide();
    EXPECT_EQ(shellCalls.calls, (QStringList{"close task windows", "status "}));
}

TEST_F(TfmLabTest, MenuChoiceGoesOntoTheToolButton)
{
    TestLab lab;
    QMenu pictures;
    QPixmap glyph(16, 16);
    glyph.fill(Qt::red);
    QAction* circle = pictures.addAction(QIcon(glyph), QStringLiteral("Окружность"));
    labframe::SetTag(circle, 41);
    circle->setToolTip(QStringLiteral("Окружность по центру и точке"));
    TfmLab::ApplyMenuChoice(circle, lab.btTool);
    EXPECT_TRUE(circle->isChecked());
    EXPECT_EQ(lab.btTool->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(labframe::Tag(lab.btTool), 41);
    EXPECT_EQ(lab.btTool->toolTip(), QStringLiteral("Окружность по центру и точке"));

    QMenu words;
    QAction* sine = words.addAction(QStringLiteral("sin"));
    TfmLab::ApplyMenuChoice(sine, lab.btTool);
    EXPECT_EQ(lab.btTool->text(), QStringLiteral("sin"));
    EXPECT_EQ(lab.btTool->toolTip(), QStringLiteral("sin")); // no hint: the caption
    EXPECT_EQ(labframe::Tag(lab.btTool), 0);
}

TEST_F(TfmLabTest, ColourDialogGoesThroughTheDialogService)
{
    TestLab lab;
    dialogs.dialogActions.push_back([](QDialog& dialog) {
        static_cast<QColorDialog&>(dialog).setCurrentColor(QColor(10, 20, 30));
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(lab.chooseColor(Qt::white), QColor(10, 20, 30));
    EXPECT_EQ(lab.chooseColor(Qt::white), std::nullopt); // rejected
}

TEST_F(TfmLabTest, CreateLabMakesEachWindowOnceAndOnlyForKnownLabs)
{
    int made = 0;
    EXPECT_FALSE(labframe::RegisterLab(7, [] { return new TestLab(7); }));
    ASSERT_TRUE(labframe::RegisterLab(6, [&] { ++made; return new TestLab(6); }));

    EXPECT_EQ(labframe::CreateLab(3), nullptr); // in the table, no window yet
    EXPECT_EQ(labframe::CreateLab(7), nullptr); // outside the table
    EXPECT_EQ(labframe::CurrentLab(), nullptr);

    TfmLab* lab = labframe::CreateLab(6);
    ASSERT_NE(lab, nullptr);
    EXPECT_EQ(labframe::CurrentLab(), lab);
    EXPECT_EQ(labframe::CreateLab(6), lab);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(lab->windowTitle(), QStringLiteral("Координатная плоскость"));

    EXPECT_EQ(labframe::CreateLab(99), nullptr);
    EXPECT_EQ(labframe::CurrentLab(), lab); // unchanged by an unknown number
    labframe::SetCurrentLab(nullptr);
    EXPECT_EQ(labframe::CurrentLab(), nullptr);
    EXPECT_EQ(labframe::ExistingLab(6), lab);
}

TEST_F(TfmLabTest, WideTopPictureDoesNotWidenTheWindow)
{
    QImage top(1920, 117, QImage::Format_RGB32);
    top.fill(Qt::darkBlue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    ASSERT_TRUE(top.save(&buffer, "JPG"));
    writeBytes(QStringLiteral("JPG\\LabTop.JPG"), jpeg);
    TestLab lab;
    lab.resize(1024, 700);
    lab.show();
    ASSERT_FALSE(lab.imTop->pixmap().isNull());
    EXPECT_LT(lab.minimumSizeHint().width(), 1024);
    lab.resize(1024, 700);
    EXPECT_EQ(lab.width(), 1024);
}

TEST_F(TfmLabTest, PanelsLargerThanTheWindowScrollInsteadOfBeingCutOff)
{
    TestLab lab;
    auto* panel = new QWidget(lab.workArea());
    ASSERT_NE(lab.workArea()->layout(), nullptr);
    lab.workArea()->layout()->addWidget(panel);
    panel->setMinimumSize(810, 687);
    lab.resize(640, 480);
    lab.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(lab.size(), QSize(640, 480));
    auto* scroller = lab.findChild<QScrollArea*>(QStringLiteral("sbWork"));
    ASSERT_NE(scroller, nullptr);
    EXPECT_GE(lab.workArea()->width(), 810);
    EXPECT_GE(lab.workArea()->height(), 687);
    EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(scroller->horizontalScrollBar()->maximum(), 0);
    // Once the panels fit, the area fills the window without scrolling.
    panel->setMinimumSize(10, 10);
    lab.resize(800, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(lab.workArea()->width(), scroller->viewport()->width());
}
