#pragma once
#include "base/colours.h"
#include <QColor>
#include <QIcon>
#include <QSize>
#include <QString>
#include <functional>
#include <span>
#include <vector>

class QHBoxLayout;
class QLabel;
class QToolButton;
class QWidget;

// Building blocks of a lab's panels, so that every lab window lays out its
// rows, captions and tool rows alike.
namespace labframe {

class TfmLab;

// The colour of captions on the lab's panels.
inline const QColor kCaptionColour = base::BgrColor(base::colour::kCaptionBlue);
// The size of a colour swatch in a colour combo box.
constexpr QSize kSwatchSize(48, 14);

// A horizontal row of controls filling owner, margin pixels left and right.
QHBoxLayout* RowLayout(QWidget* owner, int margin = 4);
// A caption in the panels' caption colour.
QLabel* Caption(const QString& text, QWidget* parent);
// A row of controls that starts with a caption, as the toolbar of a table;
// its layout is a QHBoxLayout the lab appends to.
QWidget* ToolRow(const QString& caption, QWidget* parent);
// A framed swatch of a colour, for the items of a colour combo box.
QIcon Swatch(const QColor& colour);
// Lays out again every layout below widget, so that sizes a lab file gave the
// panels yield to the window's layout (after TfmLab::ReadLab).
void Relayout(QWidget* widget);

// The look and captions of a lab's row of page buttons.
struct ModeRow {
    std::span<const char* const> captions; // UTF-8, one per page
    std::span<const char* const> hints;
    QSize buttonSize;
    QColor checkedColour; // the background of the page shown
};
// Fills row (which has a QHBoxLayout) with the lab's page buttons "bt0",
// "bt1" ... as controls its files keep, in that order, each checkable with
// its help menu; a click calls show with the page's number (a click on the
// page shown shows it again).
std::vector<QToolButton*> AddModeButtons(TfmLab& lab, QWidget* row, const ModeRow& modes,
                                         const std::function<void(int)>& show);

} // namespace labframe
