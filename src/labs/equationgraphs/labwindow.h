#pragma once
#include "labs/planelab/equationlabwindow.h"

namespace plane {
class TFunction;
}

namespace equationgraphslab {

// The lab "Графики уравнений и неравенств" (lab 11): equations F(x, y) = 0
// and graphs y = f(x) on the coordinate plane. Either kind becomes an
// inequality by the sign menu or by a click with the paint tool (y < f(x)
// for a graph), the set where all inequalities hold is shaded, and the
// eraser clears the shading; the point tool marks points.
class TfmLab11 : public planelab::TfmEquationLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 11;

    explicit TfmLab11(QWidget* parent = nullptr);

    // Handlers, named after their controls.
    void btAddFunctionClick();
    // Adds y = the formula of this bracket text (what btAddFunction does
    // after the editor), or refuses it with the expression core's message.
    plane::TFunction* AddFunction(const QString& text);

    QToolButton* bt1;
    QToolButton* btAddFunction;
};

} // namespace equationgraphslab
