// The function graphs lab as a pupil uses it: formulas from the editor,
// derived graphs with their parameter, graphs through points, the domain,
// deleting, freehand drawing, the function list's parameters, and the
// course's examples, which load and save again byte for byte.
#include "base/symbols.h"
#include "formulas/formula.h"
#include "formulas/view/formulaeditor.h"
#include "labframe/file/labformats.h"
#include "labframe/labregistry.h"
#include "labs/functiongraphs/format/labformat.h"
#include "labs/functiongraphs/labwindow.h"
#include "plane/functioncommands.h"
#include "plane/planetools.h"
#include "plane/view/functionwindow.h"
#include "plane/view/planecontrol.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include "ui/inputdialog.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QStringDecoder>
#include <QTableWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

using namespace plane;
using functiongraphslab::TfmLab3;

namespace {

class Lab3Test : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        lab = std::make_unique<TfmLab3>();
        lab->resize(1100, 760);
        lab->show();
    }
    void TearDown() override
    {
        lab.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
    FunctionList& Graphs() { return lab->Dec->Algebra(); }
    TFunction* Graph(int row) { return static_cast<TFunction*>(Graphs().At(row)); }
    QPoint Pixel(geometry::Vec2 world) const
    {
        return {lab->Dec->View().ToScreenX(world.x), lab->Dec->View().ToScreenY(world.y)};
    }
    // Answers the next data input dialog with this text (OK) or cancels it.
    void AnswerInput(const QString& text, bool ok = true)
    {
        dialogs.dialogActions.push_back([text, ok](QDialog& dialog) {
            static_cast<ui::TffDlg&>(dialog).Fields().at(0)->setText(text);
            return int(ok ? QDialog::Accepted : QDialog::Rejected);
        });
    }
    // Answers the next formula editor with this bracket text.
    void AnswerFormula(const QString& text)
    {
        dialogs.dialogActions.push_back([text](QDialog& dialog) {
            static_cast<formulas::TffEditFormula&>(dialog).Formula()->SetText(text);
            return int(QDialog::Accepted);
        });
    }
    void Choose(QMenu* menu, int tag)
    {
        for (QAction* item : menu->actions())
            if (!item->isSeparator() && labframe::Tag(item) == tag) {
                emit menu->triggered(item);
                return;
            }
        ADD_FAILURE() << "no menu item " << tag;
    }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<TfmLab3> lab;
};

TEST_F(Lab3Test, AFormulaFromTheEditorBecomesAGraphInTheList)
{
    AnswerFormula(QStringLiteral("[k*x+b]"));
    QTest::mouseClick(lab->btAdd, Qt::LeftButton);
    ASSERT_EQ(Graphs().Count(), 1);
    EXPECT_EQ(Graphs().At(0)->Formula().PrefixText(), QStringLiteral("y = "));
    EXPECT_DOUBLE_EQ(Graph(0)->Value(2).value_or(NAN), 3);
    EXPECT_TRUE(shellCalls.notes.contains(QStringLiteral("Минуточку ...")));
    EXPECT_TRUE(lab->FunctionList->isVisible());
    EXPECT_EQ(lab->FunctionList->DrawGrid->rowCount(), 1);
    ASSERT_EQ(lab->FunctionList->Grid->columnCount(), 2);
    EXPECT_EQ(lab->FunctionList->Grid->item(0, 0)->text(), QStringLiteral("k"));
    EXPECT_EQ(lab->FunctionList->Grid->item(0, 1)->text(), QStringLiteral("b"));
}

TEST_F(Lab3Test, ParametersTypedOrSteppedInTheListMoveTheGraphs)
{
    TFunction* kx = lab->AddFormulaGraph(QStringLiteral("[k*x]"));
    TFunction* kxb = lab->AddFormulaGraph(QStringLiteral("[k*x+b]"));
    planeview::TffFunc& list = *lab->FunctionList;
    list.Grid->setCurrentCell(1, 0);
    list.Grid->item(1, 0)->setText(QStringLiteral("2,5"));
    EXPECT_DOUBLE_EQ(kx->Value(2).value_or(NAN), 5);
    EXPECT_DOUBLE_EQ(kxb->Value(2).value_or(NAN), 6);

    QTest::mouseClick(list.btInc, Qt::LeftButton);
    EXPECT_EQ(list.Grid->item(1, 0)->text(), QStringLiteral("2,6"));
    EXPECT_DOUBLE_EQ(kx->Value(1).value_or(NAN), 2.6);
    EXPECT_DOUBLE_EQ(kxb->Value(1).value_or(NAN), 3.6);

    // Not a number: the pupil is told, the old value stays in the cell and the scene.
    list.Grid->item(1, 0)->setText(QStringLiteral("abc"));
    EXPECT_EQ(shellCalls.notes.last(), kNeedNumberNote);
    EXPECT_EQ(list.Grid->item(1, 0)->text(), QStringLiteral("2,6"));
    EXPECT_DOUBLE_EQ(kx->Value(1).value_or(NAN), 2.6);
}

TEST_F(Lab3Test, DerivedGraphsAskForTheirParameterAndNeedAGraph)
{
    Choose(lab->PopupFun, int(DerivedType::ShiftX));
    EXPECT_EQ(shellCalls.notes.last(), kNeedGraphNote);
    EXPECT_EQ(Graphs().Count(), 0);

    lab->AddFormulaGraph(QStringLiteral("[powr[x][2]]"));
    AnswerInput(QStringLiteral("1,5"));
    Choose(lab->PopupFun, int(DerivedType::ShiftX));
    ASSERT_EQ(Graphs().Count(), 2);
    EXPECT_DOUBLE_EQ(Graph(1)->Value(3.5).value_or(NAN), 4);

    AnswerInput(QStringLiteral("abc"));
    Choose(lab->PopupFun, int(DerivedType::StretchY));
    EXPECT_EQ(shellCalls.notes.last(), kNeedNumberNote);
    AnswerInput(QStringLiteral("2"), false); // cancelled: nothing
    Choose(lab->PopupFun, int(DerivedType::StretchY));
    EXPECT_EQ(Graphs().Count(), 2);

    // The derivative of the selected (last) graph, without a question.
    Choose(lab->PopupFun, int(DerivedType::Derivative));
    ASSERT_EQ(Graphs().Count(), 3);
    EXPECT_NEAR(Graph(2)->Value(2.5).value_or(NAN), 2, 1e-6);

    // Deleting the parabola takes every graph derived from it.
    lab->FunctionList->DrawGrid->selectRow(0);
    QTest::mouseClick(lab->btDel, Qt::LeftButton);
    EXPECT_EQ(Graphs().Count(), 0);
    EXPECT_FALSE(lab->FunctionList->DrawGrid->isVisibleTo(lab->FunctionList));
}

TEST_F(Lab3Test, GraphsThroughPointsNeedTwoVisiblePoints)
{
    lab->Dec->Scene().AddPoint({0, 0});
    Choose(lab->PopupFunArr, TfmLab3::kBrokenLine);
    EXPECT_EQ(shellCalls.notes.last(), kNeedTwoPointsNote);
    EXPECT_EQ(Graphs().Count(), 0);
    lab->Dec->Scene().AddPoint({2, 4});
    Choose(lab->PopupFunArr, TfmLab3::kLeastSquares);
    ASSERT_EQ(Graphs().Count(), 1);
    EXPECT_DOUBLE_EQ(Graph(0)->Value(1).value_or(NAN), 2);

    AnswerInput(QStringLiteral("1; 0; -1"));
    Choose(lab->PopupFunArr, TfmLab3::kByCoefficients);
    ASSERT_EQ(Graphs().Count(), 2);
    EXPECT_DOUBLE_EQ(Graph(1)->Value(2).value_or(NAN), -3);
}

TEST_F(Lab3Test, TheDomainEditorRestrictsTheSelectedGraph)
{
    lab->AddFormulaGraph(QStringLiteral("[powr[x][2]]"));
    QString shown;
    dialogs.dialogActions.push_back([&shown](QDialog& dialog) {
        formulas::TFormula& formula = *static_cast<formulas::TffEditFormula&>(dialog).Formula();
        shown = formula.Text();
        formula.SetText(QStringLiteral("[-1;2]"));
        return int(QDialog::Accepted);
    });
    Choose(lab->PopupFun, TfmLab3::kDomainItem);
    EXPECT_EQ(shown, QStringLiteral("[-") + base::symbol::Infinity + QStringLiteral(";+") + base::symbol::Infinity + u']');
    EXPECT_EQ(Graph(0)->XMin(), -1);
    EXPECT_EQ(Graph(0)->XMax(), 2);
}

TEST_F(Lab3Test, FreehandDrawingAddsPointsOnlyMovingRight)
{
    QTest::mouseClick(lab->bt231, Qt::LeftButton);
    ASSERT_EQ(lab->Dec->Tool(), kToolFreehandGraph);
    QTest::mousePress(lab->Dec, Qt::LeftButton, {}, Pixel({-2, 0}));
    for (double x = -2; x <= 2; x += 0.05) {
        QMouseEvent move(QEvent::MouseMove, Pixel({x, x}), lab->Dec->mapToGlobal(Pixel({x, x})), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(lab->Dec, &move);
    }
    QTest::mouseRelease(lab->Dec, Qt::LeftButton, {}, Pixel({2, 2}));
    ASSERT_EQ(Graphs().Count(), 1);
    const auto& samples = static_cast<TFunctionArray*>(Graphs().At(0))->Samples();
    ASSERT_GE(samples.size(), 10u);
    for (size_t i = 1; i < samples.size(); ++i) EXPECT_GT(samples[i].x - samples[i - 1].x, kFreehandStep);
    EXPECT_EQ(lab->FunctionList->DrawGrid->rowCount(), 1);
}

// What each example's first graph is worth at one x (computed by hand).
struct ExampleValue {
    double x, y;
};
const ExampleValue kExampleValues[] = {
    {2, 1},      // 0.5·x
    {3, 9},      // x²
    {-2, 2},     // |x|
    {4, 0.5},    // 2/x
    {9, 3},      // √x
    {M_PI / 2, 1}, // sin x
    {0, 0.1731981981981982}, // the least-squares line of the measured data at 0
    {2, 2},      // x³ − 3x
    {1, 3},      // the polynomial through (−2; −1), (0; 1), (1; 3), (3; 2)
    {M_PI / 4, 1}, // tg x
};

TEST_F(Lab3Test, EveryExampleLoadsDrawsAndSavesAgainByteForByte)
{
    const QList<QByteArray> examples = installLabExamples(3);
    ASSERT_GE(examples.size(), 8);
    QDir().mkpath(real("USERS"));
    for (int i = 0; i < examples.size(); ++i) {
        const QByteArray& example = examples[i];
        ASSERT_TRUE(lab->LoadLabFile(lab->exampleFolder() + QStringLiteral("%1.LAB").arg(i))) << i;
        ASSERT_GT(Graphs().Count(), 0) << i;
        if (size_t(i) < std::size(kExampleValues))
            EXPECT_NEAR(Graph(0)->Value(kExampleValues[i].x).value_or(NAN), kExampleValues[i].y, 1e-9) << i;
        EXPECT_EQ(lab->FunctionList->DrawGrid->rowCount(), Graphs().Count()) << i;
        for (int row = 0; row < Graphs().Count(); ++row) {
            EXPECT_TRUE(Graphs().At(row)->Valid()) << i << " " << row;
            // Every graph draws something on the plane.
            EXPECT_FALSE(Graph(row)->Graph(lab->Dec->View()).Pieces.empty()) << i << " " << row;
        }
        ASSERT_TRUE(lab->SaveLabFile(real("USERS\\again.LAB")));
        EXPECT_EQ(readBytes("USERS\\again.LAB"), example) << i;
        EXPECT_FALSE(labframe::CheckLabText(functiongraphslab::Lab3Format(),
                                            QStringDecoder("windows-1251").decode(example)).has_value()) << i;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Lab3Test, ThePlaneFollowsTheButtonsOfAFile)
{
    writeLines("USERS\\plain.LAB", {"3", "bt0=10", "bt231=11", "btGrid=10", "btCoord=10", "#", "40 0 0"});
    ASSERT_TRUE(lab->LoadLabFile(real("USERS\\plain.LAB")));
    EXPECT_FALSE(lab->Dec->GridVisible());
    EXPECT_FALSE(lab->Dec->Interaction().ShowCoordinates);
    EXPECT_EQ(lab->Dec->Tool(), kToolFreehandGraph);
    lab->ClearLab();
    // Whatever clearing does to the buttons, the plane shows what they say.
    EXPECT_EQ(lab->Dec->GridVisible(), lab->btGrid->isChecked());
}

TEST_F(Lab3Test, HoldingAZoomButtonKeepsZoomingUntilReleased)
{
    const double start = lab->Dec->Scale();
    QTest::mousePress(lab->btPlus, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(lab->Dec->Scale(), start * 1.1);
    // The timer's ticks keep zooming (however busy the machine is, within two seconds).
    EXPECT_TRUE(QTest::qWaitFor([&] { return lab->Dec->Scale() > start * 1.1 * 1.1 * 0.999; }, 2000));
    QTest::mouseRelease(lab->btPlus, Qt::LeftButton);
    EXPECT_FALSE(lab->Timer1->isActive());
    const double held = lab->Dec->Scale();
    QTest::qWait(40);
    EXPECT_EQ(lab->Dec->Scale(), held);
    QTest::mouseClick(lab->btMinus, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(lab->Dec->Scale(), held / 1.1);
}

TEST_F(Lab3Test, HostileAlgebraRecordsAreRefusedWhole)
{
    const QStringList window = {"3", "btClear=10", "#"};
    const QString domain = QStringLiteral(" -2.14748364700000E+0009  2.14748364700000E+0009 ");
    const QList<QStringList> sections = {
        {"40 0 0", "TDerivative: =0" + domain + "0 1  1.00000000000000E+0000"},   // refers to itself
        {"40 0 0", "TFunctionFormula: =0" + domain + "[x]", "TDerivative: =0" + domain + "5 1  1.0E+0000"},
        {"40 0 0", "TFunctionKoeffPolynom: =0" + domain + "nan "},
        {"40 0 0", "TFunctionArrayLine: =0 0 1 0 inf "},
    };
    for (const QStringList& section : sections) {
        dialogs.messages.clear();
        writeLines("USERS\\bad.LAB", window + section);
        EXPECT_FALSE(lab->LoadLabFile(real("USERS\\bad.LAB"))) << section.join('|').toStdString();
        EXPECT_EQ(Graphs().Count(), 0);
        EXPECT_TRUE(labframe::CheckLabText(functiongraphslab::Lab3Format(), (window + section).join("\r\n")));
    }
}

} // namespace
