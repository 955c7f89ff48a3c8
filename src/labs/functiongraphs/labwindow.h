#pragma once
#include "labs/planelab/planelabwindow.h"
#include "plane/functions.h"

namespace functiongraphslab {

// The lab "Графики функций" (lab 3): graphs on the coordinate plane. The
// pupil enters y = f(x) in the formula editor, derives new graphs from the
// chosen one (shifts, stretches, reflections, absolute values, derivative),
// restricts a graph's domain, builds graphs through the plane's points
// (broken line, interpolation polynomial, least-squares line), by the
// coefficients of a polynomial or freehand, and builds points and figures on
// the same plane. The function list beside the lab shows the graphs and the
// parameters of their formulas.
class TfmLab3 : public planelab::TfmPlaneLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 3;
    // The tags of PopupFunArr's items and of the domain item of PopupFun.
    static constexpr int kBrokenLine = 0;
    static constexpr int kSmoothed = 1;
    static constexpr int kLeastSquares = 2;
    static constexpr int kByCoefficients = 3;
    static constexpr int kDomainItem = 100;
    // The note while a new formula is compiled.
    static constexpr int kWaitNoteSeconds = 1;

    explicit TfmLab3(QWidget* parent = nullptr);

    // Handlers, named after their controls and menus.
    void btAddClick();
    void btDelClick();
    void PopupFigChoose(QAction* item);
    void PopupFunChoose(QAction* item);
    void PopupFunArrChoose(QAction* item);

    // The domain editor for the selected graph.
    void EditDomain();
    // Adds y = the formula of this bracket text (what btAdd does after the editor).
    plane::TFunction* AddFormulaGraph(const QString& text);

    QToolButton* bt0;
    QToolButton* bt255;
    QToolButton* bt231;
    QToolButton* bt100;
    QToolButton* bt101;
    QToolButton* btFig;
    QToolButton* btAdd;
    QToolButton* btDel;
    QToolButton* btCaseFun;
    QToolButton* btCaseFunArr;
    QToolButton* btCaseFig;
    QToolButton* btODZ;
    QMenu* PopupFun;
    QMenu* PopupFunArr;
    QMenu* PopupFig;

protected:
    // A scene read or cleared holds the freehand graph no more.
    void DecChange() override;
    // Freehand drawing with tool 231 on the plane.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeToolRows();
    void makeToolButtons(QWidget* row);
    void makeViewButtons(QWidget* row);
    void makeGraphButtons(QWidget* row);
    void makeStyleControls(QWidget* row);
    void makeMenus();
    void showNote(const QString& text);
    // The list and the plane show a graph just made, or the note why none was.
    void graphMade(plane::TFunction* graph, const QString& note);
    void askCoefficients();

    plane::TFunctionArray* m_freehand = nullptr;
};

} // namespace functiongraphslab
