#pragma once
#include "labframe/labwindow.h"
#include <QList>
#include <functional>
#include <initializer_list>

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

namespace planeview {
class TDec2D;
class TffFunc;
class ZoomButtons;
} // namespace planeview

namespace planelab {

// The base of the lab windows on the plane control. It holds the plane Dec
// and the controls every such lab wires the same way, and their handlers.
// A lab creates the controls through the make… helpers in its own order,
// because the order of creation is the order of the lines in its files; a
// helper's control stays nullptr in a lab that never makes it, and the
// handlers pass over what is missing.
class TfmPlaneLab : public labframe::TfmLab {
    Q_OBJECT
public:
    explicit TfmPlaneLab(int number, QWidget* parent = nullptr);

    // One plane's scene in the lab file, after the window lines.
    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    void WriteLab(labframe::LabFileData& data) override;

    // Handlers, named after their controls.
    void ToolClick(QToolButton* button, bool pressed);
    void btGridClick(bool pressed);
    void btCoordClick(bool pressed);
    void btCaseColorClick();
    void btFontClick();
    void ComboBoxWidthChange(int index);
    // The colour of new lines and figures, shown on Dot.
    void SetDrawColor(const QColor& colour);

    planeview::TDec2D* Dec = nullptr;
    // Zooms Dec while btPlus or btMinus is held.
    planeview::ZoomButtons* Zoom = nullptr;
    // The function list beside the plane, in the labs that have one.
    planeview::TffFunc* FunctionList = nullptr;
    QButtonGroup* Tools = nullptr;
    QToolButton* btGrid = nullptr;
    QToolButton* btCoord = nullptr;
    QToolButton* btPlus = nullptr;
    QToolButton* btMinus = nullptr;
    QTimer* Timer1 = nullptr;
    QToolButton* btCaseColor = nullptr;
    QLabel* Dot = nullptr;
    QToolButton* btFont = nullptr;
    QComboBox* ComboBoxWidth = nullptr;
    QWidget* pXY = nullptr;
    QLabel* lbX = nullptr;
    QLabel* lbY = nullptr;

    // Spoken hints name a tool in double quotation marks.
    static QString Quoted(const char* word);
    // A text button keeps the width of its caption when a menu choice changes it.
    static void FitToCaption(QToolButton* button);
    // The caption of a figure or transformation tool in the labs' menus;
    // empty for a code no menu offers.
    static QString ToolMenuCaption(int tool);
    // In a list of menu tools: a separator line.
    static constexpr int kMenuSeparator = -1;

protected:
    // Every showing puts the current tool's hint back on the status line,
    // which hiding the lab emptied, and shows the function list.
    void FormShow() override;
    void hideEvent(QHideEvent* event) override;

    // The planes the tools, the font and the width apply to.
    virtual QList<planeview::TDec2D*> planes() const { return {Dec}; }
    void setTool(int code);
    // After the window lines of a file were read: the plane follows the
    // buttons, which were set without being clicked.
    virtual void followButtons();
    // The plane's scene was read or cleared, or a graph was made: the list follows.
    virtual void DecChange();

    // Rows of controls above the plane: a column of count rows, each a row
    // layout; the rows are returned in order.
    QWidget* makeRows(int count, QList<QWidget*>& rows, int spacing = 0);
    QButtonGroup* makeToolGroup();
    QToolButton* addToolButton(const QString& name, int tag, const QString& caption, const QString& hint, QWidget* row);
    QAction* addMenuItem(QMenu* menu, int tag, const QString& caption, const QString& hint = {});
    // A menu of tools (items tagged with their codes, captions from
    // ToolMenuCaption) whose choice goes to chosen.
    QMenu* makeToolMenu(const QString& name, std::initializer_list<int> tools, std::function<void(QAction*)> chosen);
    void popupUnder(QMenu* menu, QToolButton* button);
    // Puts the chosen item on its button, presses it and selects its tool.
    void chooseTool(QAction* item, QToolButton* button);

    void makeGridButton(QWidget* row);
    void makeCoordButton(QWidget* row);
    // btPlus, btMinus and Timer1; wireZoom hands them to Zoom once Dec exists.
    void makeZoomButtons(QWidget* row);
    void wireZoom(int interval);
    // btCaseColor and the colour swatch Dot with its hint.
    void makeColourControls(QWidget* row, const QString& dotHint);
    void makeFontButton(QWidget* row);
    void makeWidthList(QWidget* row);
    // pXY with the mouse coordinates lbX and lbY (not a control of the files).
    void makeCoordinatePanel(QWidget* row);
    // The plane under the rows, filling the rest of the work area.
    void makePlane(QWidget* rows);
    // The function list with its caption; it follows the plane's changes.
    void makeFunctionList(const QString& caption);
    // The note on the status line for a user's mistake or a wait.
    void showNote(const QString& text, int seconds);

private:
    QString m_listCaption;
};

} // namespace planelab
