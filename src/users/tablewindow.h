#pragma once
#include "users/resultstable.h"
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QScrollArea;
class QTimer;
class QToolButton;

// The teachers' results table (section 3 of the main window): for one class
// and one topic a grid with a row per pupil and a column per exercise, each
// cell coloured by the pupil's last verdict and showing the attempts or the
// minutes; a click opens the pupil's work in the task window. "Вельта"
// writes every result of every class into an XML file.
namespace users {

class Register;

// The grid drawn by the program: cells 19 × 19 pixels, column 0 160 pixels
// wide, row 0 28 pixels high, 1-pixel lines between the cells.
class TResultsGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCell = 19;
    static constexpr int kNameWidth = 160;
    static constexpr int kHeadHeight = 28;
    static constexpr int kLine = 1;
    // 9889535 as 0xBBGGRR: red 255, green 231, blue 150.
    static constexpr QRgb kGridColor = 0xFFFFE796;

    explicit TResultsGrid(QWidget* parent = nullptr);

    void setGrid(const ResultsGrid* grid) { m_grid = grid; }
    void setShowAttempts(std::function<bool()> showAttempts) { m_showAttempts = std::move(showAttempts); }
    // A press on a data cell that holds a value.
    void setCellPressed(std::function<void(int column, int row)> pressed) { m_pressed = std::move(pressed); }
    // Takes the size of the grid's cells.
    void updateSize();

    int columnCount() const;
    int rowCount() const;
    QRect cellRect(int column, int row) const;
    // The cell under a point, or (-1, -1).
    QPoint cellAt(const QPoint& pos) const;
    bool hasValueAt(int column, int row) const;
    QPoint focusedCell() const { return m_focus; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void drawCell(QPainter& p, int column, int row) const;

    const ResultsGrid* m_grid = nullptr;
    std::function<bool()> m_showAttempts;
    std::function<void(int, int)> m_pressed;
    QPoint m_focus{-1, -1};
};

class TfmTable : public QWidget {
    Q_OBJECT
public:
    static inline const QString kHeaderPicture = QStringLiteral("JPG\\Table.JPG");

    // Reads the contents and the classes of the register, which must outlive
    // the table.
    explicit TfmTable(const Register& reg, QWidget* parent = nullptr);

    QWidget* panel() const { return pnTable; }

    // Section 3 is being shown: loads the header picture the first time and
    // refreshes the grid at once.
    void ShowPanel();
    // Switches the refresh timer on; it stays on for the rest of the run.
    void StartTimer();

    // The handlers of the controls.
    void ComboBox0Change(int item);
    void ComboBox1Change(int item);
    void ComboBox2Change(int item);
    // Rereads the results of the shown class for the shown topic.
    void Timer1Timer();
    void SpeedButton1Click();
    void GridCellPressed(int column, int row);

    const ResultsGrid& grid() const { return m_grid; }
    // Topic codes parallel to ComboBox1's items.
    const QStringList& topicCodes() const { return m_topicCodes; }

    QWidget* pnTable;
    QLabel* Image1;
    QComboBox* ComboBox0;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QToolButton* bt2;
    QToolButton* bt1;
    QToolButton* SpeedButton1;
    QScrollArea* GridArea;
    TResultsGrid* Grid;
    QLabel* lbLegend;
    QTimer* Timer1;

private:
    void createControls();
    void layOut();
    // Fills the section list from the contents; the error when they cannot be read.
    QString LoadSections();
    // Fills the class list from the register.
    void FillClasses();
    void ApplyTopic();
    QString currentTopic() const;

    const Register& m_register;
    base::CourseContents m_contents;
    QList<const base::ContentsSection*> m_sections;
    QStringList m_topicCodes;
    QStringList m_classNames; // as the class list shows them
    ResultsGrid m_grid;
    QString m_missingReported; // the topic whose missing page list was reported
    bool m_headerLoaded = false;
};

} // namespace users
