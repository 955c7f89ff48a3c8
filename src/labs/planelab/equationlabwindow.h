#pragma once
#include "labs/planelab/planelabwindow.h"

namespace plane {
class TAlgebra;
}

namespace planeview {
class TffDialog;
class TffDialog1;
} // namespace planeview

namespace planelab {

// The base of the labs of equations and inequalities in two variables. The
// pupil types F(x, y) in the formula editor and sees the curve F = 0; the
// sign menu or a click with the paint tool turns the equation into an
// inequality, the set where all inequalities hold is shaded silver, and the
// eraser clears the shading. The function list "Уравнения и неравенства:"
// shows every equation; its selected row is the one the sign menu and the
// delete button act on.
class TfmEquationLab : public TfmPlaneLab {
    Q_OBJECT
public:
    static constexpr int kZoomInterval = 50; // ms between zoom steps while a button is held
    static constexpr int kWaitNoteSeconds = 1;
    static constexpr int kNoEquationNoteSeconds = 3;

    explicit TfmEquationLab(int number, QWidget* parent = nullptr);

    // Handlers, named after their controls and menus.
    void btAddClick();
    void btDelClick();
    void btCaseTypeClick();
    void PopupTypeChoose(QAction* item);

    // The equation typed in the editor (its bracket text): added and drawn,
    // or refused with the expression core's message. True when added.
    bool AddEquation(const QString& text);
    // The relation of the chosen object: "=", "<" or ">".
    void SetSign(QChar relation);
    // The object the sign menu and the delete button act on: the one in the
    // list's selected row (the last one when no row is selected); nullptr
    // when the plane has none.
    plane::TAlgebra* ChosenObject() const;
    // Selects the list's row of the index-th object.
    void SelectRow(int index);

    planeview::TffDialog* NameDialog = nullptr;
    planeview::TffDialog1* CoordDialog = nullptr;
    QToolButton* bt0 = nullptr;
    QToolButton* bt230 = nullptr;
    QToolButton* bt255 = nullptr;
    QToolButton* btAdd = nullptr;
    QToolButton* btDel = nullptr;
    QToolButton* btCaseType = nullptr;
    QMenu* PopupType = nullptr;

protected:
    // The hand, the paint tool and the eraser of the shading.
    void makeShadingTools(QWidget* row);
    void makeAddButton(QWidget* row);
    // btDel, btCaseType, btCaseColor with Dot.
    void makeEditButtons(QWidget* row);
    // After the rows: the plane with its dialogs, the zoom, the sign menu and the list.
    void finishPlane(QWidget* rows);
    // The list and the shading follow a change of the equations; the
    // selected row stays selected when there is one.
    void equationsChanged(int selected = -1);

private:
    void makeTypeMenu();
};

} // namespace planelab
