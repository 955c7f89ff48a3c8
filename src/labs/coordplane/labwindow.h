#pragma once
#include "labframe/labwindow.h"

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

namespace plane {
class TAlgebra;
}

namespace planeview {
class TDec2D;
class TffDialog;
class TffDialog1;
} // namespace planeview

namespace coordplanelab {

// The lab "Координатная плоскость" (lab 6): the coordinate plane with its
// axes, points and figures, and equations F(x, y) = 0 the pupil types in
// the formula editor. Their curves are drawn in their colours; the sign
// menu or a click with the paint tool turns them into inequalities, and the
// set where all of them hold is shaded silver; the eraser clears the shading.
class TfmLab6 : public labframe::TfmLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 6;
    static constexpr double kZoomFactor = 1.1;
    static constexpr int kZoomInterval = 50; // ms between zoom steps while a button is held
    static constexpr int kWaitNoteSeconds = 1;
    static constexpr int kNoEquationNoteSeconds = 3;

    explicit TfmLab6(QWidget* parent = nullptr);

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    void WriteLab(labframe::LabFileData& data) override;

    // Handlers, named after their controls and menus.
    void ToolClick(QToolButton* button, bool pressed);
    void btGridClick(bool pressed);
    void btCoordClick(bool pressed);
    void ZoomStep(int tag);
    void btAddClick();
    void btDelClick();
    void btCaseTypeClick();
    void btCaseColorClick();
    void btCaseFigClick();
    void PopupTypeChoose(QAction* item);
    void PopupFigChoose(QAction* item);

    // The equation typed in the editor (its bracket text): added and drawn,
    // or refused with the expression core's message. True when added.
    bool AddEquation(const QString& text);
    // The relation of the chosen object: "=", "<" or ">".
    void SetSign(QChar relation);
    // The object the sign menu and the delete button act on: the one entered last.
    plane::TAlgebra* ChosenObject() const;
    void SetDrawColor(const QColor& colour);

    planeview::TDec2D* Dec;
    planeview::TffDialog* NameDialog;
    planeview::TffDialog1* CoordDialog;

    QWidget* pXY;
    QLabel* lbX;
    QLabel* lbY;
    QToolButton* btPlus;
    QToolButton* btMinus;
    QTimer* Timer1;
    QToolButton* bt0;
    QToolButton* bt230;
    QToolButton* bt255;
    QToolButton* btGrid;
    QToolButton* btCoord;
    QToolButton* btAdd;
    QToolButton* btDel;
    QToolButton* btCaseType;
    QToolButton* btCaseColor;
    QLabel* Dot;
    QToolButton* bt241;
    QToolButton* btFig;
    QToolButton* btCaseFig;
    QMenu* PopupType;
    QMenu* PopupFig;
    QButtonGroup* Tools;

protected:
    // Every showing puts the current tool's hint back on the status line.
    void FormShow() override;

private:
    QWidget* makeToolRow();
    void makeViewButtons(QWidget* row);
    void makeToolButtons(QWidget* row);
    void makeEquationButtons(QWidget* row);
    void makeFigureButtons(QWidget* row);
    void makeTypeMenu();
    void makeFigureMenu();
    QToolButton* addToolButton(const QString& name, int tag, const QString& caption, const QString& hint, QWidget* row);
    QAction* addMenuItem(QMenu* menu, int tag, const QString& caption, const QString& hint = {});
    void regionsChanged();

    int m_zoomTag = 0;
};

} // namespace coordplanelab
