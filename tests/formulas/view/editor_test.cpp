// The formula editor window and the data input dialog, offscreen: keys,
// buttons, OK and cancel, as a pupil drives them.
#include "formulas/compiler.h"
#include "formulas/formula.h"
#include "formulas/view/formulaeditor.h"
#include "formulas/formulatest.h"
#include "support/fakedialogs.h"
#include "ui/inputdialog.h"
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <vector>

using namespace formulas;

namespace {

// Runs Edit with the window driven by drive, which returns the window's
// result; the picture of the window before the result is kept.
struct EditRun {
    bool confirmed = false;
    QImage picture;
};

EditRun EditWith(TFormula& formula, bool restricted, const std::function<void(TffEditFormula&)>& drive)
{
    FakeDialogs dialogs;
    EditRun run;
    dialogs.dialogActions.push_back([&](QDialog& dialog) {
        auto& editor = static_cast<TffEditFormula&>(dialog);
        editor.show();
        QApplication::processEvents();
        drive(editor);
        if (editor.isVisible()) run.picture = editor.grab().toImage();
        if (!qEnvironmentVariableIsEmpty("ORINDO_EDITOR_SHOTS") && !run.picture.isNull())
            run.picture.save(qEnvironmentVariable("ORINDO_EDITOR_SHOTS"));
        const int result = editor.result();
        editor.hide();
        return result;
    });
    run.confirmed = Edit(formula, restricted);
    return run;
}

void Type(QWidget& window, const QString& keys) { QTest::keyClicks(&window, keys); }

// A key press as a keyboard with another layout sends it: the key code of
// the Latin key, the text of the active layout.
void PressWithLayout(QWidget& window, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&window, &press);
}

int BluePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == 0xFF0000FF) ++count;
    return count;
}

} // namespace

TEST(FormulaEditor, TypingAndOkGiveTheFormulaItsNewText)
{
    TFormula formula;
    formula.SetText(QString());
    QImage picture;
    const EditRun run = EditWith(formula, false, [&picture](TffEditFormula& editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("  Редактор формул"));
        Type(editor, QStringLiteral("(x+1)/x-1"));
        EXPECT_EQ(editor.Formula()->Notation(), QStringLiteral("[[drob[x+1][x-1]]]"));
        // Ctrl+Insert copies the notation as it stands.
        QTest::keyClick(&editor, Qt::Key_Insert, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("[[drob[x+1][x-1]]]"));
        QTest::keyClick(&editor, Qt::Key_Right);
        Type(editor, QStringLiteral("+2"));
        picture = editor.grab().toImage();
        QTest::keyClick(&editor, Qt::Key_Return);
    });
    EXPECT_TRUE(run.confirmed);
    EXPECT_EQ(formula.Text(), QStringLiteral("[[drob[x+1][x-1]][+2]]"));
    EXPECT_FALSE(formula.Editing());
    EXPECT_EQ(formula.Current(), nullptr);
    // The caret is drawn in blue in the box.
    EXPECT_GT(BluePixels(picture), 10);
}

TEST(FormulaEditor, CancelKeepsThePreviousTextAndValues)
{
    TFormula formula;
    formula.SetText(QStringLiteral("[2*a]"));
    formula.SetValue(u"a", 4);
    for (const bool escape : {true, false}) {
        const EditRun run = EditWith(formula, false, [escape](TffEditFormula& editor) {
            QTest::keyClick(&editor, Qt::Key_Delete);
            Type(editor, QStringLiteral("7"));
            EXPECT_EQ(editor.Formula()->Notation(), QStringLiteral("[7*a]"));
            if (escape) QTest::keyClick(&editor, Qt::Key_Escape);
            else QTest::mouseClick(editor.btCancel, Qt::LeftButton);
        });
        EXPECT_FALSE(run.confirmed);
        EXPECT_EQ(formula.Text(), QStringLiteral("[2*a]"));
        EXPECT_EQ(TermShape(formula.Root()), QStringLiteral("{'2*a'}"));
        EXPECT_DOUBLE_EQ(double(formula.Calculate()), 8.0);
    }
}

TEST(FormulaEditor, KeysMapToSymbolsAndLatinLettersWhateverTheLayout)
{
    TFormula formula;
    EditWith(formula, false, [](TffEditFormula& editor) {
        Type(editor, QStringLiteral("e<[x]>"));
        EXPECT_EQ(editor.Formula()->Notation(), QStringLiteral("[жа{x}б]"));
        // Russian layout: the keys of x, Y (with Shift) and c type Latin letters.
        PressWithLayout(editor, Qt::Key_X, QStringLiteral("ч"));
        PressWithLayout(editor, Qt::Key_Y, QStringLiteral("Н"), Qt::ShiftModifier);
        PressWithLayout(editor, Qt::Key_C, QStringLiteral("с"));
        // The key of e is still the number e.
        PressWithLayout(editor, Qt::Key_E, QStringLiteral("у"));
        EXPECT_EQ(editor.Formula()->Notation(), QStringLiteral("[жа{x}бxYcж]"));
        // Ctrl with a letter types nothing.
        QTest::keyClick(&editor, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(editor.Formula()->Notation(), QStringLiteral("[жа{x}бxYcж]"));
        QTest::keyClick(&editor, Qt::Key_Escape);
    });
}

TEST(FormulaEditor, RestrictedModeDisablesTheFullOnlyButtonsAndCharacters)
{
    TFormula formula;
    EditWith(formula, true, [](TffEditFormula& editor) {
        for (QToolButton* button : {editor.btInt, editor.btSyst, editor.btIndex, editor.btIn, editor.btMore,
                                    editor.btLess, editor.btNot, editor.btEq, editor.btVector})
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        for (QToolButton* button :
             {editor.tbModul, editor.tbDrob, editor.tbSqrt, editor.tbPower, editor.btLog, editor.bt2, editor.bt3, editor.bt7})
            EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_EQ(editor.tbDrob->toolTip(), QStringLiteral("Дробь"));
        EXPECT_EQ(editor.bt2->toolTip(), QStringLiteral("Число \"пи\""));
        Type(editor, QStringLiteral("< e"));
        EXPECT_EQ(editor.Formula()->Notation(), QStringLiteral("[ж]"));
        QTest::mouseClick(editor.bt2, Qt::LeftButton);
        QTest::mouseClick(editor.tbPower, Qt::LeftButton);
        Type(editor, QStringLiteral("2"));
        // e and π side by side are one operand: the power's base.
        EXPECT_EQ(editor.Formula()->Notation(), QStringLiteral("[[powr[жи][2]]]"));
        QTest::mouseClick(editor.btOK, Qt::LeftButton);
    });
    EXPECT_EQ(formula.Text(), QStringLiteral("[[powr[жи][2]]]"));

    // The next full edit has every button.
    EditWith(formula, false, [](TffEditFormula& editor) {
        EXPECT_TRUE(editor.btSyst->isEnabled());
        EXPECT_TRUE(editor.btVector->isEnabled());
        QTest::keyClick(&editor, Qt::Key_Escape);
    });
}

TEST(FormulaEditor, SystemButtonAsksForThePositiveNumberOfEquations)
{
    TFormula formula;
    FakeDialogs dialogs;
    QString caption, prompt;
    const auto answer = [&](const QString& text) {
        dialogs.dialogActions.push_back([&, text](QDialog& dialog) {
            auto& ask = static_cast<ui::TffDlg&>(dialog);
            caption = ask.windowTitle();
            prompt = ask.Labels().at(0)->text();
            ask.Fields().at(0)->setText(text);
            return int(QDialog::Accepted);
        });
    };
    dialogs.dialogActions.push_back([&](QDialog& dialog) {
        auto& editor = static_cast<TffEditFormula&>(dialog);
        for (const QString& text : {QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("два")}) {
            answer(text);
            editor.btSyst->click();
            EXPECT_EQ(editor.Formula()->Notation(), QStringLiteral("[]")) << text.toStdString();
        }
        answer(QStringLiteral(" 3 "));
        editor.btSyst->click();
        EXPECT_EQ(editor.Formula()->Notation(), QStringLiteral("[syst[[]][[]][[]]]"));
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(Edit(formula, false));
    EXPECT_EQ(caption, QStringLiteral("Введите значение"));
    EXPECT_EQ(prompt, QStringLiteral("Число уравнений системы"));
    EXPECT_EQ(formula.Text(), QStringLiteral("[syst[[]][[]][[]]]"));
}

TEST(InputDialog, LaysOutFieldsRightOfTheWidestLabelAndReturnsTheirTexts)
{
    FakeDialogs dialogs;
    int labelHeight = 0, fieldLeft = 0, widest = 0;
    QSize client;
    QRect ok;
    dialogs.dialogActions.push_back([&](QDialog& dialog) {
        auto& ask = static_cast<ui::TffDlg&>(dialog);
        labelHeight = ask.Labels().at(0)->height();
        widest = std::max(ask.Labels().at(0)->width(), ask.Labels().at(1)->width());
        EXPECT_EQ(ask.Labels().at(1)->y(), 2 * (labelHeight + 10));
        fieldLeft = ask.Fields().at(1)->x();
        EXPECT_EQ(ask.Fields().at(0)->text(), QStringLiteral("6"));
        EXPECT_FALSE(ask.Fields().at(0)->hasFrame());
        ask.Fields().at(1)->setText(QStringLiteral("2,5"));
        client = ask.size();
        ok = ask.btOk->geometry();
        EXPECT_EQ(ask.windowTitle(), ui::kInputCaption);
        return int(QDialog::Accepted);
    });
    ui::TffDlg dialog;
    EXPECT_TRUE(dialog.Ask({QStringLiteral("Число сторон: "), QStringLiteral("Длина стороны: ")},
                           {QStringLiteral("6"), QStringLiteral("1")}));
    EXPECT_EQ(dialog.Results(), QStringList({QStringLiteral("6"), QStringLiteral("2,5")}));
    EXPECT_EQ(client.height(), 2 * (labelHeight + 10) + 65);
    EXPECT_EQ(client.width(), widest + 65);
    EXPECT_EQ(fieldLeft, widest + 15);
    EXPECT_EQ(ok.top(), 3 * (labelHeight + 10) + 10);
    EXPECT_NEAR(ok.center().x(), client.width() / 2, 1);
    EXPECT_LE(ok.bottom(), client.height());
    // Fields are made anew for every question; a cancel is reported.
    EXPECT_FALSE(dialog.Ask({QStringLiteral("Введите угол поворота: ")}, {QStringLiteral("90")}));
    EXPECT_EQ(dialog.Results(), QStringList({QStringLiteral("90")}));
    EXPECT_TRUE(dialog.Fields().empty());
}

namespace {

// Records, for every build, whether the wait cursor was up.
class CursorWatchingCompiler : public TFormulaCompiler {
public:
    int AddFunction(const QString&, const QStringList&) override { return 0; }
    void SetFunction(const QString& expression, int, const QStringList&) override { expressions.append(expression); }
    void Build() override
    {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        waitingAtBuild.push_back(cursor && cursor->shape() == Qt::WaitCursor);
    }
    void RemoveFunction(int) override {}
    bool IsBuilt(int) const override { return true; }
    long double CallFunction(int, std::span<const long double>) override { return 0; }
    std::optional<long double> TryCallFunction(int, std::span<const long double>) const noexcept override { return 0; }
    std::optional<double> TryCallFunction(int, std::span<const double>) const noexcept override { return 0; }

    QStringList expressions;
    std::vector<bool> waitingAtBuild;
};

} // namespace

// The formula core shows no cursor; the editor puts the wait cursor around
// the rebuild that confirming a compiled formula starts, and only then.
TEST(FormulaEditor, ConfirmingACompiledFormulaRebuildsUnderTheWaitCursor)
{
    CursorWatchingCompiler compiler;
    SetCompiler(&compiler);
    TFormula formula;
    formula.SetText(QStringLiteral("[x]"));
    formula.Compile();
    ASSERT_TRUE(formula.Compiled());
    ASSERT_EQ(compiler.waitingAtBuild, std::vector<bool>({false}));

    EditWith(formula, false, [](TffEditFormula& editor) { editor.btCancel->click(); });
    EXPECT_EQ(compiler.waitingAtBuild.size(), 1u);

    EditWith(formula, false, [](TffEditFormula& editor) {
        QTest::keyClicks(&editor, QStringLiteral("+1"));
        editor.btOK->click();
    });
    EXPECT_EQ(compiler.expressions, QStringList({QStringLiteral("+1x")}));
    EXPECT_EQ(compiler.waitingAtBuild, std::vector<bool>({false, true}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    SetCompiler(nullptr);
}
