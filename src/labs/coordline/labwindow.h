#pragma once
#include "labframe/labwindow.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QToolButton;

namespace numberline { class TDec1D; }

namespace coordlinelab {

class TffNumb;

// The lab "Координатная прямая" (lab 2): the number line Dec with points
// whose coordinates are formulas, segments and rays, the divisions of the
// unit segment, and the points table TffNumb beside it.
class TfmLab2 : public labframe::TfmLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 2;
    static constexpr int kStartParts = 3;

    explicit TfmLab2(QWidget* parent = nullptr);
    ~TfmLab2() override;

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    void WriteLab(labframe::LabFileData& data) override;
    // One line per point for "place the points" tasks (numberline/placement.h).
    QStringList TaskAnswers() const override;

    // Handlers, named after their controls.
    void btAddClick();
    void btCaseColorClick();
    void edPartsChange();
    // One step of a held zoom button: +1 enlarges, −1 reduces.
    void ZoomStep(int direction);
    void RefreshTable();

    numberline::TDec1D* Dec;
    TffNumb* ffNumb;
    QToolButton* btNumb;
    QToolButton* btPlus;
    QToolButton* btMinus;
    QToolButton* bt0;
    QToolButton* btGrid;
    QLineEdit* edParts;
    QToolButton* btAdd;
    QToolButton* btFig;
    QToolButton* btCaseFig;
    QToolButton* bt244;
    QToolButton* bt255;
    QToolButton* bt243;
    QToolButton* bt230;
    QToolButton* btCaseColor;
    QLabel* Dot;
    QToolButton* btDecimal;
    QMenu* PopupFig;
    QLabel* imBottom;

protected:
    void FormShow() override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* makeToolRow(QWidget* rows);
    void makeToolButtons(QWidget* viewRow, QWidget* toolRow);
    QToolButton* addToolButton(const QString& name, int tool, const QString& caption, const QString& hint, QWidget* row);
    void makeFigureMenu();
    void bindEngine();
    void paintDot();
    // Puts the points table beside the lab, or over it where the screen has no room.
    void placeTable();

    QButtonGroup* m_tools;
    QTimer* m_zoomTimer;
    int m_zoomDirection = 0;
    QColor m_drawColour = Qt::black;
};

} // namespace coordlinelab
