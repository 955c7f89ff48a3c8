#include "labs/fractions/labwindow.h"
#include "arithmetic/fractions.h"
#include "base/apperror.h"
#include "base/colours.h"
#include "base/cursorids.h"
#include "labframe/labpanel.h"
#include "labs/fractions/format/fractionssection.h"
#include "labs/fractions/paintbox.h"
#include "ui/cursors.h"
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace fractionslab {

using namespace base::colour::numberlabs;
using arithmetic::Fraction;
using labframe::Caption;

namespace {

constexpr int kModeButtonWidth = 240;
constexpr int kModeButtonHeight = 28;
constexpr int kLeftPanelWidth = 250;
constexpr int kRulerHeight = 9;
constexpr int kRulerLine = 5;
constexpr int kFixedRowHeight = 24;
constexpr int kFixedColumnWidth = 64;
// The strip left of the division table whose lower edge sets the amount.
constexpr int kRowHandleWidth = 8;
constexpr int kPaletteRow = 40;
constexpr int kPaletteDiscColumn = 40;
constexpr int kPaletteTextColumn = 140;
constexpr int kDiscInset = 4;
constexpr int kTextInset = 4;
constexpr int kCircleMargin = 6;
constexpr int kPartValueDigits = 4;
constexpr int kDefaultMembers = 2;
constexpr int kDefaultParts = 10;
constexpr int kDefaultVolume = 100;
constexpr int kDefaultSquare = 10;
constexpr int kDefaultSectors = 1;

const std::array<const char*, TfmLab14::kModeCount> kModeCaptions = {"Деление в заданном отношении", "Квадрат", "Круг"};
const std::array<const char*, TfmLab14::kModeCount> kModeHints = {
    "Деление величины в заданном отношении", "Доли квадрата: закрашивайте клетки", "Доли круга: закрашивайте секторы"};

QColor PaletteColour(int color)
{
    return base::BgrColor(kPalette[color]);
}

// Draws the palette's rows: a disc of the colour and the colour's share.
class PaletteDelegate : public QStyledItemDelegate {
public:
    PaletteDelegate(const TfmLab14& lab, QObject* parent) : QStyledItemDelegate(parent), m_lab(lab) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        const QRect rect = option.rect;
        painter->fillRect(rect, base::BgrColor(kResultCell));
        if (index.column() == 0) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::black);
            painter->setBrush(PaletteColour(index.row()));
            painter->drawEllipse(rect.adjusted(kDiscInset, kDiscInset, -kDiscInset, -kDiscInset));
            if (index.row() == m_lab.SelectedColor()) {
                painter->setPen(QPen(Qt::black, 2));
                painter->setBrush(Qt::NoBrush);
                painter->drawRect(rect.adjusted(1, 1, -2, -2));
            }
        } else {
            painter->setPen(Qt::black);
            painter->drawText(rect.adjusted(kTextInset, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                              m_lab.PaletteText(index.row()));
        }
        painter->restore();
    }

private:
    const TfmLab14& m_lab;
};

// Draws the members' amounts of the division table, centred.
class AmountDelegate : public QStyledItemDelegate {
public:
    AmountDelegate(const TfmLab14& lab, QObject* parent) : QStyledItemDelegate(parent), m_lab(lab) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        const bool total = index.column() == 0;
        painter->fillRect(option.rect, base::BgrColor(total ? kInputCell : kResultCell));
        painter->setPen(Qt::black);
        const QString text = total ? QString::number(m_lab.Division().Volume()) : m_lab.MemberAmountText(index.column());
        painter->drawText(option.rect, Qt::AlignCenter, text);
        painter->restore();
    }

private:
    const TfmLab14& m_lab;
};

} // namespace

TfmLab14::TfmLab14(QWidget* parent) : TfmLab(kNumber, parent)
{
    auto* column = new QVBoxLayout(workArea());
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(makeModeRow());
    PageControl1 = new QStackedWidget(workArea());
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    column->addWidget(PageControl1, 1);
    PageControl1->addWidget(makeDivisionPage());
    PageControl1->addWidget(makeSquarePage());
    PageControl1->addWidget(makeCirclePage());
    makePalette();
    Grid->installEventFilter(this);
    ClearLab();
    ShowMode(kDivisionMode);
}

// --- building ----------------------------------------------------------------

QWidget* TfmLab14::makeModeRow()
{
    auto* row = new QWidget(workArea());
    auto* layout = labframe::RowLayout(row, 0);
    // The pressed button stays pressed: a click on it shows its page again.
    const std::vector<QToolButton*> buttons = labframe::AddModeButtons(
        *this, row, {kModeCaptions, kModeHints, QSize(kModeButtonWidth, kModeButtonHeight), base::BgrColor(kInputCell)},
        [this](int mode) { ShowMode(mode); });
    std::copy(buttons.begin(), buttons.end(), modeButtons.begin());
    layout->addStretch(1);
    bt0 = modeButtons[0];
    bt1 = modeButtons[1];
    bt2 = modeButtons[2];
    return row;
}

QSpinBox* TfmLab14::makeSpin(const QString& name, int minimum, int maximum, const QString& hint, QWidget* parent)
{
    auto* spin = addControl<QSpinBox>(name, parent);
    spin->setRange(minimum, maximum);
    spin->setToolTip(hint);
    spin->setStyleSheet(QStringLiteral("QSpinBox { background: %1; }").arg(base::BgrColor(kInputCell).name()));
    addHelpMenu(spin);
    return spin;
}

QWidget* TfmLab14::makeDivisionPage()
{
    auto* page = new QWidget;
    auto* row = labframe::RowLayout(page, 0);
    auto* left = new QWidget(page);
    left->setFixedWidth(kLeftPanelWidth);
    auto* form = new QVBoxLayout(left);
    form->addWidget(Caption(QStringLiteral("Общее количество:"), left));
    spVolume = makeSpin(QStringLiteral("spVolume"), arithmetic::kMinVolume, arithmetic::kMaxVolume,
                        QStringLiteral("Величина, которую делят"), left);
    form->addWidget(spVolume);
    auto* members = new QWidget(left);
    auto* membersRow = labframe::RowLayout(members, 0);
    membersRow->addWidget(Caption(QStringLiteral("Отношение из"), members));
    spMember = makeSpin(QStringLiteral("spMember"), 1, arithmetic::kMaxMembers,
                        QStringLiteral("Сколько членов в отношении"), members);
    membersRow->addWidget(spMember);
    membersRow->addWidget(Caption(QStringLiteral("членов"), members));
    membersRow->addStretch(1);
    form->addWidget(members);
    form->addWidget(Caption(QStringLiteral("Количество частей ="), left));
    spPart = makeSpin(QStringLiteral("spPart"), 1, arithmetic::kMaxParts,
                      QStringLiteral("На сколько равных частей делят величину (не меньше числа членов)"), left);
    form->addWidget(spPart);
    Label1 = Caption(QStringLiteral("Одна часть составляет"), left);
    Label1->setObjectName(QStringLiteral("Label1"));
    form->addWidget(Label1);
    form->addStretch(1);
    row->addWidget(left);

    auto* right = new QWidget(page);
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* rulerRow = new QWidget(right);
    auto* ruler = labframe::RowLayout(rulerRow, 0);
    ruler->addSpacing(kRowHandleWidth + kFixedColumnWidth);
    PBox = new TPaintBox(rulerRow);
    PBox->setObjectName(QStringLiteral("PBox"));
    PBox->setFixedHeight(kRulerHeight);
    PBox->setToolTip(QStringLiteral("Линейка: величина, разделенная на равные части"));
    PBox->setPainter([this](QPainter& painter) { paintRuler(painter); });
    PBox->setResized([this](QSize size) {
        m_division.SetRulerWidth(size.width());
        showDivision();
    });
    addHelpMenu(PBox);
    ruler->addWidget(PBox, 1);
    column->addWidget(rulerRow);

    Grid = new QTableWidget(1, kDefaultMembers + 1, right);
    Grid->setObjectName(QStringLiteral("Grid"));
    // The row's lower border, dragged at the strip on its left, sets the amount.
    Grid->verticalHeader()->setFixedWidth(kRowHandleWidth);
    Grid->verticalHeader()->setMinimumSectionSize(arithmetic::kMinVolume);
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Grid->setVerticalHeaderLabels({QString()});
    Grid->horizontalHeader()->setFixedHeight(kFixedRowHeight);
    Grid->horizontalHeader()->setMinimumSectionSize(0);
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionMode(QAbstractItemView::NoSelection);
    Grid->setFocusPolicy(Qt::NoFocus);
    Grid->setShowGrid(true);
    Grid->setItemDelegate(new AmountDelegate(*this, Grid));
    Grid->setStyleSheet(QStringLiteral("QHeaderView::section { background: %1; border: 1px solid #a0a0a0; }")
                            .arg(base::BgrColor(kInputCell).name()));
    Grid->setToolTip(QStringLiteral("Перетащите границу столбца, чтобы передать части соседу"));
    Grid->horizontalHeader()->viewport()->installEventFilter(this);
    addHelpMenu(Grid);
    column->addWidget(Grid, 1);
    row->addWidget(right, 1);

    connect(spVolume, &QSpinBox::valueChanged, this, [this](int v) { SetVolume(v); });
    connect(Grid->verticalHeader(), &QHeaderView::sectionResized, this, [this](int, int, int height) {
        if (!m_settingColumns) SetVolume(std::clamp(height, arithmetic::kMinVolume, arithmetic::kMaxVolume));
    });
    connect(spMember, &QSpinBox::valueChanged, this, [this](int m) { SetMembers(m); });
    connect(spPart, &QSpinBox::valueChanged, this, [this](int p) { SetPartCount(p); });
    return page;
}

QWidget* TfmLab14::makeSquarePage()
{
    auto* page = new QWidget;
    auto* row = labframe::RowLayout(page, 0);
    Panel1 = new QFrame(page);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(kLeftPanelWidth);
    auto* form = new QVBoxLayout(Panel1);
    auto* size = new QWidget(Panel1);
    auto* sizeRow = labframe::RowLayout(size, 0);
    sizeRow->addWidget(Caption(QStringLiteral("В одном ряду"), size));
    spN = makeSpin(QStringLiteral("spN"), 1, arithmetic::kMaxSquareSize, QStringLiteral("Сколько клеток в одном ряду квадрата"),
                   size);
    sizeRow->addWidget(spN);
    sizeRow->addWidget(Caption(QStringLiteral("клеток"), size));
    sizeRow->addStretch(1);
    form->addWidget(size);
    row->addWidget(Panel1);
    PBoxSquare = new TPaintBox(page);
    PBoxSquare->setObjectName(QStringLiteral("PBoxSquare"));
    if (const auto cursor = ui::NumberedCursor(base::kCursorBrush)) PBoxSquare->setCursor(*cursor);
    PBoxSquare->setToolTip(QStringLiteral("Закрашивайте клетки выбранным цветом: щелкните или ведите мышью"));
    PBoxSquare->setPainter([this](QPainter& painter) { paintSquare(painter); });
    PBoxSquare->setPressed([this](QPoint pixel) { PBoxSquareMouse(pixel); });
    PBoxSquare->setDragged([this](QPoint pixel) { PBoxSquareMouse(pixel); });
    addHelpMenu(PBoxSquare);
    row->addWidget(PBoxSquare, 1);
    connect(spN, &QSpinBox::valueChanged, this, [this](int n) { SetSquareSize(n); });
    return page;
}

QWidget* TfmLab14::makeCirclePage()
{
    auto* page = new QWidget;
    auto* row = labframe::RowLayout(page, 0);
    Panel2 = new QFrame(page);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedWidth(kLeftPanelWidth);
    auto* form = new QVBoxLayout(Panel2);
    form->addWidget(Caption(QStringLiteral("Количество секторов:"), Panel2));
    spM = makeSpin(QStringLiteral("spM"), 1, arithmetic::kMaxSectorCount, QStringLiteral("На сколько равных секторов разделен круг"),
                   Panel2);
    form->addWidget(spM);
    row->addWidget(Panel2);
    PBoxCircle = new TPaintBox(page);
    PBoxCircle->setObjectName(QStringLiteral("PBoxCircle"));
    if (const auto cursor = ui::NumberedCursor(base::kCursorPaint)) PBoxCircle->setCursor(*cursor);
    PBoxCircle->setToolTip(QStringLiteral("Щелкните по сектору, чтобы закрасить его выбранным цветом"));
    PBoxCircle->setPainter([this](QPainter& painter) { paintCircle(painter); });
    PBoxCircle->setPressed([this](QPoint pixel) { PBoxCircleMouseDown(pixel); });
    addHelpMenu(PBoxCircle);
    row->addWidget(PBoxCircle, 1);
    connect(spM, &QSpinBox::valueChanged, this, [this](int m) { SetSectorCount(m); });
    return page;
}

QToolButton* TfmLab14::makePaletteButton(const QString& name, const QString& caption, const QString& hint)
{
    auto* button = addControl<QToolButton>(name, paletteBox);
    button->setCheckable(true);
    button->setAutoExclusive(true);
    button->setText(caption);
    button->setToolTip(hint);
    // Sized by the caption, not as a square picture button.
    button->setMinimumSize(0, 0);
    button->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    connect(button, &QToolButton::clicked, this, [this, button] {
        button->setChecked(true);
        updatePalette();
    });
    addHelpMenu(button);
    return button;
}

void TfmLab14::makePalette()
{
    paletteBox = new QWidget(Panel1);
    paletteBox->setObjectName(QStringLiteral("paletteBox"));
    auto* column = new QVBoxLayout(paletteBox);
    column->setContentsMargins(0, 8, 0, 0);
    auto* buttons = new QWidget(paletteBox);
    auto* row = labframe::RowLayout(buttons, 0);
    row->addWidget(Caption(QStringLiteral("Показать:"), buttons));
    Pal0 = makePaletteButton(QStringLiteral("Pal0"), QStringLiteral("Ничего"), QStringLiteral("Не показывать доли"));
    Pal1 = makePaletteButton(QStringLiteral("Pal1"), QStringLiteral("a/b"), QStringLiteral("Доли цветов обыкновенными дробями"));
    Pal2 = makePaletteButton(QStringLiteral("Pal2"), QStringLiteral("%"), QStringLiteral("Доли цветов в процентах"));
    for (QToolButton* button : {Pal0, Pal1, Pal2}) {
        button->setParent(buttons);
        row->addWidget(button);
    }
    row->addStretch(1);
    column->addWidget(buttons);
    Pal = addControl<QTableWidget>(QStringLiteral("Pal"), paletteBox);
    Pal->setRowCount(arithmetic::kPaletteSize);
    Pal->setColumnCount(2);
    Pal->horizontalHeader()->hide();
    Pal->verticalHeader()->hide();
    Pal->verticalHeader()->setDefaultSectionSize(kPaletteRow);
    Pal->setColumnWidth(0, kPaletteDiscColumn);
    Pal->setColumnWidth(1, kPaletteTextColumn);
    Pal->setFixedSize(kPaletteDiscColumn + kPaletteTextColumn + 4, kPaletteRow * arithmetic::kPaletteSize + 4);
    Pal->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Pal->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Pal->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Pal->setSelectionMode(QAbstractItemView::NoSelection);
    Pal->setItemDelegate(new PaletteDelegate(*this, Pal));
    Pal->setToolTip(QStringLiteral("Выберите цвет: им будут закрашиваться клетки и секторы"));
    connect(Pal, &QTableWidget::cellClicked, this, [this](int row, int) { SelectColor(row); });
    addHelpMenu(Pal);
    column->addWidget(Pal);
    column->addStretch(1);
    Pal0->setChecked(true);
}

// --- the division --------------------------------------------------------------

void TfmLab14::SetMembers(int m)
{
    m_division.SetMembers(m);
    const QSignalBlocker quietMembers(spMember);
    const QSignalBlocker quietParts(spPart);
    spMember->setValue(m_division.Members());
    spPart->setValue(m_division.PartCount());
    showDivision();
}

void TfmLab14::SetPartCount(int p)
{
    m_division.SetPartCount(p);
    const QSignalBlocker quiet(spPart);
    spPart->setValue(m_division.PartCount());
    showDivision();
}

void TfmLab14::SetVolume(int v)
{
    m_division.SetVolume(v);
    const QSignalBlocker quiet(spVolume);
    spVolume->setValue(m_division.Volume());
    showDivision();
}

void TfmLab14::showDivision()
{
    const int members = m_division.Members();
    m_settingColumns = true;
    Grid->setColumnCount(members + 1);
    Grid->setRowHeight(0, m_division.Volume());
    Grid->setColumnWidth(0, kFixedColumnWidth);
    Grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    QStringList parts = {QString()};
    for (int k = 1; k <= members; ++k) {
        parts.append(QString::number(m_division.MemberParts(k)));
        Grid->setColumnWidth(k, m_division.ColumnWidth(k) + 1);
        // The right border of the last member cannot be moved.
        Grid->horizontalHeader()->setSectionResizeMode(
            k, k == members ? QHeaderView::Fixed : QHeaderView::Interactive);
    }
    Grid->setHorizontalHeaderLabels(parts);
    m_settingColumns = false;
    showPartValue();
    PBox->update();
    Grid->viewport()->update();
}

void TfmLab14::showPartValue()
{
    Label1->setText(QStringLiteral("Одна часть составляет ") +
                    arithmetic::GeneralNumber(m_division.PartValue(), kPartValueDigits));
}

QString TfmLab14::MemberAmountText(int k) const
{
    if (k < 1 || k > m_division.Members()) return {};
    return arithmetic::GeneralNumber(m_division.MemberParts(k) * m_division.PartValue(), kPartValueDigits);
}

void TfmLab14::GridColumnsReleased()
{
    QList<int> widths;
    for (int k = 1; k <= m_division.Members(); ++k) widths.append(Grid->columnWidth(k) - 1);
    m_division.DragBorder(widths);
    showDivision();
}

void TfmLab14::paintRuler(QPainter& painter) const
{
    const int width = PBox->width();
    painter.setPen(QPen(base::BgrColor(kSquare), kRulerLine, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(0, kRulerHeight / 2, width, kRulerHeight / 2);
    painter.setPen(Qt::white);
    for (int a = 0; a <= m_division.PartCount(); ++a) {
        const int x = m_division.PartLine(a);
        painter.drawLine(x, 0, x, PBox->height());
    }
}

// --- the square ----------------------------------------------------------------

void TfmLab14::SetSquareSize(int n)
{
    if (!m_square.SetSize(n)) return;
    const QSignalBlocker quiet(spN);
    spN->setValue(n);
    PBoxSquare->update();
    updatePalette();
}

int TfmLab14::squareCellSize() const
{
    return arithmetic::SquareCellSize(PBoxSquare->size(), m_square.Size());
}

QPoint TfmLab14::squareOrigin() const
{
    const int side = squareCellSize() * m_square.Size();
    return QPoint((PBoxSquare->width() - side) / 2, (PBoxSquare->height() - side) / 2);
}

QPoint TfmLab14::SquareCellPixel(int x, int y) const
{
    const int cell = squareCellSize();
    return squareOrigin() + QPoint(x * cell, y * cell);
}

void TfmLab14::PBoxSquareMouse(QPoint pixel)
{
    const auto cell = arithmetic::SquareCellAt(pixel - squareOrigin(), squareCellSize(), m_square.Size());
    if (!cell || !m_square.Paint(cell->x(), cell->y(), m_selectedColor)) return;
    PBoxSquare->update();
    updatePalette();
}

void TfmLab14::paintSquare(QPainter& painter) const
{
    const int cell = squareCellSize();
    const int n = m_square.Size();
    painter.setPen(base::BgrColor(kSquareGrid));
    const QPoint origin = squareOrigin();
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            painter.setBrush(PaletteColour(m_square.Cell(x, y)));
            painter.drawRect(origin.x() + x * cell, origin.y() + y * cell, cell, cell);
        }
}

// --- the circle ----------------------------------------------------------------

void TfmLab14::SetSectorCount(int m)
{
    if (m < 1 || m > arithmetic::kMaxSectorCount) return;
    m_sectorCount = m;
    const QSignalBlocker quiet(spM);
    spM->setValue(m);
    PBoxCircle->update();
    updatePalette();
}

QPoint TfmLab14::CircleCenter() const
{
    return QPoint(PBoxCircle->width() / 2, PBoxCircle->height() / 2);
}

int TfmLab14::CircleRadius() const
{
    return std::max(1, std::min(PBoxCircle->width(), PBoxCircle->height()) / 2 - kCircleMargin);
}

void TfmLab14::PBoxCircleMouseDown(QPoint pixel)
{
    const QPoint offset = pixel - CircleCenter();
    const int k = arithmetic::SectorAt(offset.x(), offset.y(), m_sectorCount);
    if (!arithmetic::AddSector(m_sectors, k, m_sectorCount, m_selectedColor)) return;
    PBoxCircle->update();
    updatePalette();
}

void TfmLab14::paintCircle(QPainter& painter) const
{
    const QPoint c = CircleCenter();
    const int r = CircleRadius();
    const QRect box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    constexpr int kSixteenthsPerTurn = 360 * 16;
    painter.setRenderHint(QPainter::Antialiasing);
    for (const arithmetic::SectorRecord& record : m_sectors) {
        const QColor colour = PaletteColour(record.Color);
        painter.setPen(colour);
        painter.setBrush(colour);
        const double from = double(record.From.Num) / double(record.From.Den);
        const double to = double(record.To.Num) / double(record.To.Den);
        painter.drawPie(box, int(std::lround(from * kSixteenthsPerTurn)),
                        int(std::lround((to - from) * kSixteenthsPerTurn)));
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box);
    for (int j = 1; j <= m_sectorCount; ++j) {
        const double angle = 2 * std::numbers::pi * j / m_sectorCount;
        painter.drawLine(QPointF(c), QPointF(c.x() + r * std::cos(angle), c.y() - r * std::sin(angle)));
    }
}

// --- the paletteBox ---------------------------------------------------------------

void TfmLab14::SelectColor(int color)
{
    if (color < 0 || color >= arithmetic::kPaletteSize) return;
    m_selectedColor = color;
    Pal->viewport()->update();
}

QString TfmLab14::PaletteText(int color) const
{
    if (Pal0->isChecked() || color < 0 || color >= arithmetic::kPaletteSize) return {};
    std::optional<Fraction> share;
    if (m_mode == kSquareMode) share = m_square.Share(color);
    else if (m_mode == kCircleMode) share = m_colorSums[size_t(color)];
    else return {};
    if (!share) return QStringLiteral("слишком длинная дробь");
    if (share->Num == 0) return {};
    return Pal2->isChecked() ? arithmetic::PercentText(*share) : arithmetic::FractionText(*share);
}

void TfmLab14::updatePalette()
{
    m_colorSums = arithmetic::SumSectors(m_sectors);
    Pal->viewport()->update();
}

// --- modes, window, files --------------------------------------------------------

void TfmLab14::ShowMode(int mode)
{
    if (mode < 0 || mode >= kModeCount) return;
    m_mode = mode;
    if (mode == kSquareMode) Panel1->layout()->addWidget(paletteBox);
    else if (mode == kCircleMode) Panel2->layout()->addWidget(paletteBox);
    PageControl1->setCurrentIndex(mode);
    for (int i = 0; i < kModeCount; ++i) modeButtons[size_t(i)]->setChecked(i == mode);
    updatePalette();
}

void TfmLab14::showEvent(QShowEvent* event)
{
    TfmLab::showEvent(event);
    updatePalette();
}

bool TfmLab14::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Grid->horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease)
        GridColumnsReleased();
    return TfmLab::eventFilter(watched, event);
}

void TfmLab14::ClearLab()
{
    TfmLab::ClearLab();
    SetMembers(kDefaultMembers);
    SetPartCount(kDefaultParts);
    m_division.SetMemberParts({kDefaultParts / 2, kDefaultParts / 2});
    SetVolume(kDefaultVolume);
    m_square.Clear();
    SetSquareSize(kDefaultSquare);
    SetSectorCount(kDefaultSectors);
    m_sectors = arithmetic::WholeWhiteCircle();
    showDivision();
    PBoxSquare->update();
    PBoxCircle->update();
    updatePalette();
}

void TfmLab14::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    const FractionsSection section = ReadFractionsSection(data.engineLines, data.engineLine);
    const int members = m_division.Members();
    if (!section.memberParts.isEmpty() && !m_division.SetMemberParts(section.memberParts.mid(0, members)))
        throw base::LineError(data.engineLine,
                              QStringLiteral("Части членов отношения: нужно %1 положительных чисел с суммой %2")
                                  .arg(members)
                                  .arg(m_division.PartCount()));
    const int n = m_square.Size();
    if (!section.squareCells.isEmpty()) {
        if (section.squareCells.size() < n * n)
            throw base::LineError(data.engineLine + 1, QStringLiteral("Клетки квадрата: нужно %1 чисел").arg(n * n));
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y) m_square.Paint(x, y, section.squareCells[x * n + y]);
    }
    if (!section.sectors.isEmpty()) m_sectors = section.sectors;
    showDivision();
    PBoxSquare->update();
    PBoxCircle->update();
    updatePalette();
}

void TfmLab14::WriteLab(labframe::LabFileData& data)
{
    TfmLab::WriteLab(data);
    FractionsSection section;
    section.memberParts = m_division.AllMemberParts();
    const int n = m_square.Size();
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) section.squareCells.append(m_square.Cell(x, y));
    section.sectors = m_sectors;
    data.engineLines = FractionsSectionLines(section);
}

} // namespace fractionslab
