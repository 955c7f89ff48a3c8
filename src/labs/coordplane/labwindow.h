#pragma once
#include "labs/planelab/equationlabwindow.h"

namespace coordplanelab {

// The lab "Координатная плоскость" (lab 6): the coordinate plane with its
// axes, points and figures, and equations F(x, y) = 0 the pupil types in
// the formula editor, turned into inequalities and shaded as in every
// equation lab.
class TfmLab6 : public planelab::TfmEquationLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 6;

    explicit TfmLab6(QWidget* parent = nullptr);

    // Handlers, named after their controls and menus.
    void btCaseFigClick();
    void PopupFigChoose(QAction* item);

    QToolButton* bt241;
    QToolButton* btFig;
    QToolButton* btCaseFig;
    QMenu* PopupFig;

private:
    void makeFigureButtons(QWidget* row);
    void makeFigureMenu();
};

} // namespace coordplanelab
