#pragma once
#include "arithmetic/paintedsquare.h"
#include "arithmetic/ratiodivision.h"
#include "arithmetic/sectors.h"
#include "labframe/labwindow.h"
#include <array>

class QFrame;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

namespace fractionslab {

class TPaintBox;

// The lab "Дроби и проценты" (lab 14) with three pictures of parts of a whole:
// a quantity divided in a ratio (a ruler of equal parts and a table whose
// columns are the members' shares; dragging a column border moves parts
// between neighbours), a square of n × n cells painted with eight colours,
// and a circle of M equal sectors painted one click at a time. The palette
// shows each colour's share as a reduced fraction or a percentage.
class TfmLab14 : public labframe::TfmLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 14;
    static constexpr int kModeCount = 3;
    enum Mode { kDivisionMode = 0, kSquareMode = 1, kCircleMode = 2 };

    explicit TfmLab14(QWidget* parent = nullptr);

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    void WriteLab(labframe::LabFileData& data) override;

    void ShowMode(int mode);
    int CurrentMode() const { return m_mode; }
    int SelectedColor() const { return m_selectedColor; }
    void SelectColor(int color);
    const arithmetic::RatioDivision& Division() const { return m_division; }
    const arithmetic::PaintedSquare& Square() const { return m_square; }
    const QList<arithmetic::SectorRecord>& Sectors() const { return m_sectors; }
    int SectorCount() const { return m_sectorCount; }
    // The text the palette shows for a colour in the current mode and display.
    QString PaletteText(int color) const;
    // Where the circle is drawn in PBoxCircle.
    QPoint CircleCenter() const;
    int CircleRadius() const;
    // The top-left pixel of the square's cell (x, y) in PBoxSquare.
    QPoint SquareCellPixel(int x, int y) const;
    // The amount the table shows for member k (1-based), and the label's text.
    QString MemberAmountText(int k) const;

    std::array<QToolButton*, kModeCount> modeButtons{};
    QToolButton* bt0;
    QToolButton* bt1;
    QToolButton* bt2;
    QStackedWidget* PageControl1;
    QSpinBox* spVolume;
    QSpinBox* spMember;
    QSpinBox* spPart;
    QLabel* Label1;
    TPaintBox* PBox;
    QTableWidget* Grid;
    QFrame* Panel1;
    QSpinBox* spN;
    TPaintBox* PBoxSquare;
    QFrame* Panel2;
    QSpinBox* spM;
    TPaintBox* PBoxCircle;
    // The palette controls, shown on the square's or the circle's panel.
    QWidget* paletteBox;
    QToolButton* Pal0;
    QToolButton* Pal1;
    QToolButton* Pal2;
    QTableWidget* Pal;

    // Handlers, named after their controls.
    void PBoxSquareMouse(QPoint pixel);
    void PBoxCircleMouseDown(QPoint pixel);
    void GridColumnsReleased();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeModeRow();
    QWidget* makeDivisionPage();
    QWidget* makeSquarePage();
    QWidget* makeCirclePage();
    void makePalette();
    QSpinBox* makeSpin(const QString& name, int minimum, int maximum, const QString& hint, QWidget* parent);
    QToolButton* makePaletteButton(const QString& name, const QString& caption, const QString& hint);

    void SetMembers(int m);
    void SetPartCount(int p);
    void SetVolume(int v);
    void SetSquareSize(int n);
    void SetSectorCount(int m);
    // The division table follows the model: column count, widths, header texts.
    void showDivision();
    void showPartValue();
    void updatePalette();

    void paintRuler(QPainter& painter) const;
    void paintSquare(QPainter& painter) const;
    void paintCircle(QPainter& painter) const;
    int squareCellSize() const;
    QPoint squareOrigin() const;

    int m_mode = kDivisionMode;
    int m_selectedColor = 0;
    int m_sectorCount = 1;
    arithmetic::RatioDivision m_division;
    arithmetic::PaintedSquare m_square;
    QList<arithmetic::SectorRecord> m_sectors;
    std::array<std::optional<arithmetic::Fraction>, arithmetic::kPaletteSize> m_colorSums{};
    // While the model sets the table, column resizes are not the pupil's.
    bool m_settingColumns = false;
};

} // namespace fractionslab
