#pragma once
#include "labframe/labwindow.h"
#include <QList>

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

namespace planeview {
class TDec2D;
class TffDialog;
} // namespace planeview

namespace planimetrylab {

// The lab "Планиметрия" (lab 4): plane geometry without coordinates. The
// plane control shows a grid of 30 pixels per unit without axes; the pupil
// builds points, segments, rays, lines, circles, polygons, regular polygons,
// vectors and midpoints from the tool row and the figure menu, measures
// lengths and angles, names points, lets points leave a trace, colours and
// thickens lines, and applies symmetries, rotations, translations and
// homotheties from the transformation menu.
class TfmLab4 : public labframe::TfmLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 4;
    static constexpr double kInitialScale = 30;
    static constexpr double kZoomFactor = 1.1;
    // Held zoom buttons step the scale on every tick of Timer1.
    static constexpr int kZoomInterval = 16;
    static constexpr int kMaxSideCount = 100;

    explicit TfmLab4(QWidget* parent = nullptr);

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    void WriteLab(labframe::LabFileData& data) override;

    // Handlers, named after their controls and menus.
    void ToolClick(QToolButton* button, bool pressed);
    void btGridClick(bool pressed);
    void btShowAllClick(bool pressed);
    void ZoomStep(int tag);
    void btCaseFigClick();
    void btCaseMorphClick();
    void btCaseColorClick();
    void btFontClick();
    void ComboBoxWidthChange(int index);
    void PopupFigChoose(QAction* item);
    void PopupMorphChoose(QAction* item);
    // The colour of new lines, shown on Dot.
    void SetDrawColor(const QColor& colour);

    planeview::TDec2D* Dec;
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
    QToolButton* btGrid;
    QToolButton* btShowAll;
    QToolButton* btPlus;
    QToolButton* btMinus;
    QTimer* Timer1;
    QToolButton* btCaseFig;
    QToolButton* btCaseMorph;
    QToolButton* btCaseColor;
    QLabel* Dot;
    QToolButton* btFont;
    QComboBox* ComboBoxWidth;
    QMenu* PopupFig;
    QMenu* PopupMorph;
    // The two items of the transformation menu that set a value, not a tool.
    QAction* itRotationAngle;
    QAction* itHomothetyFactor;
    QButtonGroup* Tools;

protected:
    // Every showing puts the current tool's hint back on the status line,
    // which hiding the lab emptied.
    void FormShow() override;

private:
    QWidget* makeToolRow();
    void makeToolButtons(QWidget* buildRow, QWidget* markRow);
    void makeViewButtons(QWidget* row);
    void makeStyleControls(QWidget* buildRow, QWidget* row);
    void makeFigureMenu();
    void makeMorphMenu();
    QToolButton* addToolButton(const QString& name, int tag, const QString& caption, const QString& hint, QWidget* row);
    QAction* addMenuItem(QMenu* menu, int tag, const QString& caption);
    // Puts the chosen item on its button, presses it and selects its tool.
    void chooseTool(QAction* item, QToolButton* button);
    void askRegularPolygon();
    void askRotationAngle();
    void askHomothetyFactor();
    // Filled polygons are not drawn black: black becomes cyan.
    void avoidBlackFill();

    int m_zoomTag = 0;
};

} // namespace planimetrylab
