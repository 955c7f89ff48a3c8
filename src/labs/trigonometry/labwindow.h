#pragma once
#include "labs/planelab/planelabwindow.h"
#include <QString>

class QFrame;
class QSplitter;

namespace plane {
class TPoint;
}

namespace planeview {
class TffDialog;
}

namespace trigonometrylab {

// The lab "Тригонометрия" (lab 5): on the left the circle plane Dec0 with
// the unit circle, on the right the graph plane Dec. The point P on the
// circle (Dec0's point 1) and the point Q on the graph plane's x axis
// (Dec's point 2, with its vertical guide line) are linked: dragging either
// moves the other, so that the angle of P equals the x of Q, continuously
// over several turns. Toggle buttons draw sin, cos, tg and ctg on Dec. Both
// come from the start scene "Lab5\Clear.lab"; without it the planes work
// unlinked.
class TfmLab5 : public planelab::TfmPlaneLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 5;
    static constexpr double kCircleScale = 140;
    static constexpr int kCirclePanelWidth = 325;
    static constexpr int kSplitterWidth = 4;
    static constexpr int kCirclePoint = 1; // P among Dec0's points
    static constexpr int kAnglePoint = 2;  // Q among Dec's points

    explicit TfmLab5(QWidget* parent = nullptr);

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    void WriteLab(labframe::LabFileData& data) override;

    // The linked pair; nullptr when the planes are not linked.
    plane::TPoint* P() const;
    plane::TPoint* Q() const;
    bool Linked() const { return P() && Q(); }

    // Handlers, named after their controls and menus.
    void GraphClick(QToolButton* button, bool pressed);
    void btCaseFigClick();
    void btCaseMorphClick();
    void PopupFigChoose(QAction* item);
    void PopupMorphChoose(QAction* item);
    void Splitter1Moved();
    // The links: Q follows P, and P follows Q.
    void CircleDragged();
    void GraphDragged();

    // The bracket text of a graph button's formula.
    static QString GraphText(int tag);

    QFrame* Panel1;
    QFrame* Panel3;
    QSplitter* Splitter1;
    // The circle plane; Dec is the graph plane.
    planeview::TDec2D* Dec0;
    planeview::TffDialog* NameDialog;
    QToolButton* bt0;
    QToolButton* bt255;
    QToolButton* btFig;
    QToolButton* btMorph;
    QToolButton* bt100;
    QToolButton* bt101;
    QToolButton* btCaseFig;
    QToolButton* btCaseMorph;
    QToolButton* btSIN;
    QToolButton* btCOS;
    QToolButton* btTG;
    QToolButton* btCTG;
    QMenu* PopupFig;
    QMenu* PopupMorph;

protected:
    // The first showing loads the start scene; every showing puts the
    // current tool's hint back on the status line.
    void FormShow() override;
    void btClearClick() override;
    // Tools, font and width act on both planes.
    QList<planeview::TDec2D*> planes() const override { return {Dec0, Dec}; }

private:
    QWidget* makeToolRow();
    void makeToolButtons(QWidget* row);
    void makeViewButtons(QWidget* row);
    void makeGraphButtons(QWidget* row);
    void makeStyleControls(QWidget* row);
    void makePlanes();
    void makeFigureMenu();
    void makeMorphMenu();
    // Loads "Lab5\Clear.lab" and links P and Q; after it failed once the
    // planes stay unlinked without a further message.
    void loadStartScene();

    bool m_linked = false;
    bool m_startSceneFailed = false;
};

} // namespace trigonometrylab
