#pragma once
#include <QDialog>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolBar;
class QToolButton;

// The formula editor: a modal window that shows the formula in mathematical
// layout with a caret, a toolbar of structures and symbols, and OK and
// "Отмена". One window serves the whole run; Edit opens it.
namespace formulas {

class TFormula;

// Opens the formula editor on a formula, modal. Restricted editing offers
// only the characters and structures of function formulas. True when the
// edit was confirmed (the formula then holds the new text); false when it
// was cancelled (the text is as before).
bool Edit(TFormula& formula, bool restricted);

// The character a key press types, whatever keyboard layout is active: the
// Latin character of the key (the key of x gives x with a Russian layout
// too), found from the key code or the key's scan code; the typed text for
// keys without one (the keypad). A null character for keys that type
// nothing and for presses with Ctrl or Alt.
QChar LatinKeyCharacter(const QKeyEvent& event);

// What the editor makes of a typed character: "e" and "E" the number e, "["
// and "]" the braces that stand for square brackets, "<" and ">" the
// relation letters; anything else stays.
QChar EditorCharacter(QChar typed);

// The drawing box: the formula at (10, 10) with its caret.
class TFormulaBox : public QWidget {
public:
    explicit TFormulaBox(QWidget* parent);
    void SetFormula(TFormula* formula) { m_formula = formula; }
    // The size the formula needs, with its margins.
    QSize FormulaSize() const;
    // Where the caret was last drawn (for scrolling it into view).
    QRect CaretRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TFormula* m_formula = nullptr;
};

class TffEditFormula : public QDialog {
public:
    TffEditFormula();

    // The window of the run, made on first use.
    static TffEditFormula& Instance();

    // Edits a formula on which BeginEdit was called; modal; true for OK.
    bool Open(TFormula& formula, bool restricted);
    TFormula* Formula() const { return m_formula; }

    QToolButton* tbModul;
    QToolButton* tbDrob;
    QToolButton* tbSqrt;
    QToolButton* tbPower;
    QToolButton* btLog;
    QToolButton* bt2;
    QToolButton* bt3;
    QToolButton* bt7;
    QToolButton* btInt;
    QToolButton* btSyst;
    QToolButton* btIndex;
    QToolButton* btIn;
    QToolButton* btMore;
    QToolButton* btLess;
    QToolButton* btNot;
    QToolButton* btEq;
    QToolButton* btVector;
    TFormulaBox* Box;
    QLabel* lbHint;
    QPushButton* btOK;
    QPushButton* btCancel;

    void btOKClick();
    void btCancelClick();
    // Asks for the number of equations; a positive whole number inserts the
    // system, anything else nothing.
    void btSystClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* AddButton(const QString& name, const QString& hint, const QString& picture);
    void FormulaChanged();
    // The buttons that only full editing offers.
    QList<QToolButton*> FullOnly() const;

    TFormula* m_formula = nullptr;
    QScrollArea* m_scroll = nullptr;
    QToolBar* m_toolbar = nullptr;
};

} // namespace formulas
