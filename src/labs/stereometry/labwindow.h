#pragma once
#include "labframe/labwindow.h"

class QAction;
class QActionGroup;
class QButtonGroup;
class QComboBox;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

namespace planeview {
class TffDialog;
} // namespace planeview

namespace space {
class TDec3D;
} // namespace space

namespace stereometrylab {

// The lab "Стереометрия" (lab 13): the space control fills the panel under
// two rows of tools. The pupil turns the scene, builds points, lines,
// planes, sections and the five solids from the figure menu, measures,
// rotates, reflects, translates and scales objects from the transformation
// menu, switches between wireframe, image and solid drawing, names,
// recolours and erases.
class TfmLab13 : public labframe::TfmLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 13;
    static constexpr double kZoomFactor = 1.1;
    // Held zoom buttons step the scale on every tick of Timer1.
    static constexpr int kZoomInterval = 50;
    // The menus drop from the button's left edge, this far below its top.
    static constexpr int kMenuDrop = 26;
    static constexpr int kFontPixels = 13;

    explicit TfmLab13(QWidget* parent = nullptr);

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    void WriteLab(labframe::LabFileData& data) override;

    // Handlers, named after their controls and menus.
    void ToolClick(QToolButton* button, bool pressed);
    void DrawRegClick(QToolButton* button, bool pressed);
    void btShowAllClick(bool pressed);
    void ZoomStep(int tag);
    void btCaseFigClick();
    void btCaseMorphClick();
    void btCaseColorClick();
    void btFontClick();
    void ComboBoxWidthChange(int index);
    void PopupFigChoose(QAction* item);
    void PopupMorphChoose(QAction* item);
    void SetDrawColor(const QColor& colour);

    space::TDec3D* Dec;
    planeview::TffDialog* NameDialog;

    QToolButton* btPlus;
    QToolButton* btMinus;
    QToolButton* bt0;
    QToolButton* bt98;
    QToolButton* bt99;
    QToolButton* btDrawReg0;
    QToolButton* btDrawReg1;
    QToolButton* btDrawReg2;
    QToolButton* btFig;
    QToolButton* btCaseFig;
    QToolButton* bt100;
    QToolButton* bt101;
    QToolButton* btMorph;
    QToolButton* btCaseMorph;
    QToolButton* bt255;
    QToolButton* bt240;
    QToolButton* btFont;
    QComboBox* ComboBoxWidth;
    QToolButton* bt230;
    QToolButton* btCaseColor;
    QLabel* Dot;
    QToolButton* btShowAll;
    QTimer* Timer1;
    QMenu* PopupFig;
    QMenu* PopupMorph;
    // The two items of the transformation menu that set a value, not a tool.
    QAction* itRotationAngle;
    QAction* itHomothetyFactor;
    QButtonGroup* Tools;
    QButtonGroup* DrawModes;

protected:
    // Every showing puts the current tool's hint back on the status line.
    void FormShow() override;

private:
    QWidget* makeToolRows();
    void makeViewButtons(QWidget* row);
    void makeBuildButtons(QWidget* row, QWidget* morphRow);
    void makeStyleControls(QWidget* row);
    void makeFigureMenu();
    void makeMorphMenu();
    QToolButton* addToolButton(const QString& name, int tag, const QString& caption, const QString& hint, QWidget* row);
    QAction* addMenuItem(QMenu* menu, QActionGroup* group, int tag, const QString& caption);
    void chooseTool(QAction* item, QToolButton* button);
    void askSideCount();
    void askRotationAngle();
    void askHomothetyFactor();

    int m_zoomTag = 0;
};

} // namespace stereometrylab
