#pragma once
#include "labframe/labwindow.h"
#include "labs/probability/modelchoice.h"
#include <QImage>
#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTimer;

namespace probability { class TLaplas; }
namespace ui { class HtmlView; }

namespace probabilitylab {

class TGraphBox;
class TOutcomeGrid;
class TPaintBox;

// The lab "Вероятностные модели" (lab 16): coins, dice and urns of coloured
// balls drawn with or without replacement. The pupil picks a model with the
// four model buttons, adjusts it on the model page (numbers, whether order
// counts, whether balls or only colours are told apart) and confirms with OK;
// recolours balls by clicking them in the urn; runs single experiments or a
// series; watches the outcome table with probabilities or frequencies; builds
// up to five events by clicking outcomes and compares each event's frequency
// with its probability on the graph. The engine Laplas owns the model and
// paints the outcome table, the event table and the graph.
class TfmLab16 : public labframe::TfmLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 16;
    static constexpr int kSeedAfterLoad = 8;

    explicit TfmLab16(QWidget* parent = nullptr);

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    void WriteLab(labframe::LabFileData& data) override;

    // The ball colour (palette index 0 ... 9) that a click on the urn gives.
    int CurrentColor() const { return m_currentColor; }
    // The picture strips of the outcome cells (30 x 30 tiles).
    const QImage& CoinPicture() const { return m_coins; }
    const QImage& DicePicture() const { return m_dice; }

    // Handlers, named after their controls.
    void btModelClick(int kind);
    void btOKClick();
    void btDoClick();
    void btStartClick();
    void btPauseClick();
    void btStopClick();
    void btAddClick();
    void btDelClick();
    void edMaxExpChange();
    void ComboBox1Change();
    void ComboColorChange();
    void grBoxClick(QPoint point);
    // One step of a scale button (tags 1 ... 4), as TimeMash does while it is held.
    void ScaleStep(int tag);

    probability::TLaplas* Laplas;

    std::array<QToolButton*, 4> modelButtons{};
    QToolButton* bt1;
    QToolButton* bt2;
    QToolButton* bt3;
    QToolButton* bt4;
    ui::HtmlView* HTML;
    QFrame* Panel4;
    TPaintBox* PBox;
    TPaintBox* grBox;
    QFrame* Panel3;
    QLabel* lbColor;
    QComboBox* ComboColor;
    QPushButton* btOK;
    QFrame* Panel5;
    QToolButton* btDo;
    QToolButton* btStart;
    QLabel* lbN;
    QToolButton* btPause;
    QToolButton* btStop;
    QLineEdit* edMaxExp;
    TPaintBox* PGet;
    TPaintBox* grGet;
    QFrame* Panel2;
    QFrame* pIshody;
    QComboBox* ComboBox1;
    std::array<QToolButton*, 4> scaleButtons{};
    TOutcomeGrid* Grid1;
    QFrame* PEvents;
    QToolButton* btAdd;
    QToolButton* btDel;
    TPaintBox* Grid2;
    // Beside the event table: what each of its rows shows.
    TPaintBox* Grid2Captions;
    TGraphBox* ScrollBox1;
    TPaintBox* Image1;
    QTimer* TimeMash;
    // The engine's series timer: one experiment every 30 ms while a series runs.
    QTimer* SeriesTimer;

protected:
    void FormShow() override;

private:
    // Building the window, top to bottom.
    QWidget* makeModelHeader();
    void makeUrnPanel();
    void makeColourPanel();
    void makeExperimentPanel();
    QWidget* makeOutcomePanel();
    QWidget* makeEventPanel();
    void makeTimers();
    void colourPaintBoxes();
    void bindEngine();
    void loadPictures();

    // Engine notifications.
    void LaplasSetModel();
    void LaplasExperiment();
    void showModelPage();
    void updateGrid1Layout();
    void updateGraphCanvas(QSize size);
    void updateEventColumns(int gridWidth);
    void paintEventCaptions(QPainter& painter) const;
    void fitPanelsToModel();

    // Painting of the panels.
    void paintPBox(QPainter& painter) const;
    void paintPGet(QPainter& painter) const;
    void paintGrBox(QPainter& painter) const;
    void paintGrGet(QPainter& painter) const;
    bool isCoinsOrDice() const;
    // The values PGet and grGet show: the shown table's row of the last
    // experiment, or the raw outcome when that table was cut before it.
    QList<int> drawnValues() const;

    QScrollArea* m_urn; // holds grBox
    int m_currentColor = 4;
    int m_scaleTag = 0;
    int m_boundRowHeight = 30;
    QImage m_coins;
    QImage m_dice;
};

} // namespace probabilitylab
