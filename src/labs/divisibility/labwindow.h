#pragma once
#include "arithmetic/divisorsegment.h"
#include "labframe/labwindow.h"
#include <array>

class QLabel;
class QLineEdit;
class QStackedWidget;
class QTableWidget;

namespace divisibilitylab {

// The lab "Делимость чисел" (lab 1): the pupil types natural numbers into
// tables and sees at once division with remainder (page 0), every way of
// writing a number as a product of two factors (page 1), the prime
// factorisation (page 2) and, for a segment of the natural series, the row of
// squares: one square per divisor, with the numbers of a chosen divisor count
// in red (page 3). Four mode buttons switch the pages. There is no engine:
// the lab file keeps the buttons, fields and tables.
class TfmLab1 : public labframe::TfmLab {
    Q_OBJECT
public:
    static constexpr int kNumber = 1;
    static constexpr int kModeCount = 4;

    explicit TfmLab1(QWidget* parent = nullptr);

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;

    // Shows page mode (0..3) and presses its button.
    void ShowMode(int mode);
    int Mode() const { return m_mode; }
    const arithmetic::DivisorSegment& Segment() const { return m_segment; }

    // What follows a change of an input cell's text (the pupil's typing).
    void MyTable3Edited(int row, const QString& text, int column);
    void MyTable2Edited(int column, const QString& text);
    void MyTable1Edited(int row, const QString& text);
    void edMinChange();
    void edMaxChange();
    void edDivCountChange();

    std::array<QToolButton*, kModeCount> modeButtons{};
    QToolButton* bt0;
    QToolButton* bt1;
    QToolButton* bt2;
    QToolButton* bt3;
    QStackedWidget* PageControl1;
    QTableWidget* MyTable3;
    QTableWidget* MyTable2;
    QTableWidget* MyTable1;
    QLineEdit* edMin;
    QLineEdit* edMax;
    QLineEdit* edDivCount;
    QTableWidget* Table1;

private:
    QWidget* makeModeRow();
    QWidget* makeDivisionPage();
    QWidget* makePairsPage();
    QWidget* makeFactorsPage();
    QWidget* makeSquaresPage();
    QTableWidget* makeInputGrid(const QString& name, int rows, const QList<int>& widths, int maxDigits,
                                const QString& hint, QWidget* page);
    QLineEdit* makeField(const QString& name, const QString& text, int maxDigits, const QString& hint, QWidget* page);
    // Gives every cell of the input grids its item, colour and whether it can
    // be chosen: input cells lilac and editable, result cells yellow.
    void dressCells();
    void dressRow(QTableWidget* grid, int row);
    bool isInputCell(const QTableWidget* grid, int row, int column) const;
    void setCell(QTableWidget* grid, int row, int column, const QString& text);
    void fitSquaresTable();
    void sayRefused(const QString& message);

    int m_mode = 0;
    arithmetic::DivisorSegment m_segment;
};

} // namespace divisibilitylab
