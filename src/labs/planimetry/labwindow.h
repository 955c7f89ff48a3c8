#pragma once
#include "labs/planelab/planelabwindow.h"

namespace planeview {
class TffDialog;
}

namespace planimetrylab {

// The lab "Планиметрия" (lab 4): plane geometry without coordinates. The
// plane control shows a grid of 30 pixels per unit without axes; the pupil
// builds points, segments, rays, lines, circles, polygons, regular polygons,
// vectors and midpoints from the tool row and the figure menu, measures
// lengths and angles, names points, lets points leave a trace, colours and
// thickens lines, and applies symmetries, rotations, translations and
// homotheties from the transformation menu.
class TfmLab4 : public planelab::TfmPlaneLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 4;
    static constexpr double kInitialScale = 30;
    static constexpr int kMaxSideCount = 100;

    explicit TfmLab4(QWidget* parent = nullptr);

    // Handlers, named after their controls and menus.
    void btShowAllClick(bool pressed);
    void btCaseFigClick();
    void btCaseMorphClick();
    void PopupFigChoose(QAction* item);
    void PopupMorphChoose(QAction* item);

    planeview::TffDialog* NameDialog;

    QToolButton* bt0;
    QToolButton* bt255;
    QToolButton* btFig;
    QToolButton* btMorph;
    QToolButton* bt242;
    QToolButton* bt240;
    QToolButton* bt230;
    QToolButton* bt100;
    QToolButton* bt101;
    QToolButton* btShowAll;
    QToolButton* btCaseFig;
    QToolButton* btCaseMorph;
    QMenu* PopupFig;
    QMenu* PopupMorph;
    // The two items of the transformation menu that set a value, not a tool.
    QAction* itRotationAngle;
    QAction* itHomothetyFactor;

protected:
    void followButtons() override;

private:
    QWidget* makeToolRow();
    void makeToolButtons(QWidget* buildRow, QWidget* markRow);
    void makeViewButtons(QWidget* row);
    void makeStyleControls(QWidget* buildRow, QWidget* row);
    void makeFigureMenu();
    void makeMorphMenu();
    void askRegularPolygon();
    void askRotationAngle();
    void askHomothetyFactor();
    // Filled polygons are not drawn black: black becomes cyan.
    void avoidBlackFill();
};

} // namespace planimetrylab
