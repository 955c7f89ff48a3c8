#include "users/tablewindow.h"
#include "base/apperror.h"
#include "base/appstate.h"
#include "ui/dialogs.h"
#include "shellcalls/shellcalls.h"
#include "ui/pictureset.h"
#include "ui/waitcursor.h"
#include "users/register.h"
#include "users/results.h"
#include <QBoxLayout>
#include <algorithm>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QHelpEvent>

namespace users {
namespace {

const QColor kWaits(255, 255, 0);  // yellow: needs a teacher's check
const QColor kRight(0, 255, 0);    // lime
const QColor kWrong(255, 0, 0);    // red
constexpr int kSavedNoteSeconds = 3;

QColor VerdictColor(QChar verdict)
{
    if (verdict == kVerdictWaits) return kWaits;
    if (verdict == kVerdictRight) return kRight;
    if (verdict == kVerdictWrong) return kWrong;
    return Qt::white;
}

QString Square(const QColor& color)
{
    return QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>").arg(color.name());
}

} // namespace

// --- the grid --------------------------------------------------------------------------------

TResultsGrid::TResultsGrid(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Grid"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

int TResultsGrid::columnCount() const { return m_grid ? int(m_grid->codes.size()) + 1 : 1; }
int TResultsGrid::rowCount() const { return m_grid ? int(m_grid->names.size()) + 1 : 1; }

QRect TResultsGrid::cellRect(int column, int row) const
{
    const int x = column == 0 ? 0 : kNameWidth + kLine + (column - 1) * (kCell + kLine);
    const int y = row == 0 ? 0 : kHeadHeight + kLine + (row - 1) * (kCell + kLine);
    return {x, y, column == 0 ? kNameWidth : kCell, row == 0 ? kHeadHeight : kCell};
}

void TResultsGrid::updateSize()
{
    const QRect last = cellRect(columnCount() - 1, rowCount() - 1);
    setFixedSize(last.right() + 1 + kLine, last.bottom() + 1 + kLine);
    update();
}

QPoint TResultsGrid::cellAt(const QPoint& pos) const
{
    auto index = [](int coordinate, int first, int step, int count) {
        if (coordinate < 0) return -1;
        if (coordinate < first) return 0;
        const int k = 1 + (coordinate - first - kLine) / step;
        return coordinate - first >= kLine && k < count ? k : -1;
    };
    const int column = index(pos.x(), kNameWidth, kCell + kLine, columnCount());
    const int row = index(pos.y(), kHeadHeight, kCell + kLine, rowCount());
    if (column < 0 || row < 0) return {-1, -1};
    return {column, row};
}

bool TResultsGrid::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    // The column heads show numbers; the tip names the exercise.
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint cell = cellAt(help->pos());
    const QString tip = m_grid && cell.y() == 0 ? m_grid->title(cell.x()) : QString();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this, cellRect(cell.x(), cell.y()));
    return true;
}

bool TResultsGrid::hasValueAt(int column, int row) const
{
    return m_grid && column >= 1 && row >= 1 && !m_grid->value(column, row).isEmpty();
}

void TResultsGrid::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), palette().color(QPalette::Mid));
    for (int row = 0; row < rowCount(); ++row) {
        if (!cellRect(0, row).intersects(QRect(0, event->rect().top(), 1, event->rect().height()))) continue;
        for (int column = 0; column < columnCount(); ++column)
            if (cellRect(column, row).intersects(event->rect())) drawCell(p, column, row);
    }
}

void TResultsGrid::drawCell(QPainter& p, int column, int row) const
{
    const QRect rect = cellRect(column, row);
    const QRect textRect = rect.adjusted(2, 0, 0, 0);
    if (row == 0 || column == 0) {
        p.fillRect(rect, QColor::fromRgb(kGridColor));
        QString text;
        if (row == 0 && column > 0)
            text = m_grid ? QString::number(m_grid->number(column)) : QString();
        else if (row > 0 && m_grid)
            text = m_grid->names.value(row - 1);
        else
            text = QStringLiteral("Ф И О");
        p.setPen(row > 0 && text == base::App().currentUserName ? Qt::red : Qt::black);
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, text);
    } else {
        const CellView cell = ViewCell(m_grid ? m_grid->value(column, row) : QString(),
                                       !m_showAttempts || m_showAttempts());
        p.fillRect(rect, cell.hasValue ? VerdictColor(cell.verdict) : QColor(Qt::white));
        if (cell.hasValue) {
            p.setPen(Qt::black);
            p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, cell.text);
        }
    }
    if (QPoint(column, row) == m_focus) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect.adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void TResultsGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() < 0) return;
    m_focus = cell;
    update();
    if (event->button() == Qt::LeftButton && hasValueAt(cell.x(), cell.y()) && m_pressed)
        m_pressed(cell.x(), cell.y());
}

void TResultsGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint cell = cellAt(event->position().toPoint());
    setCursor(hasValueAt(cell.x(), cell.y()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

// --- the window ------------------------------------------------------------------------------

TfmTable::TfmTable(const Register& reg, QWidget* parent) : QWidget(parent), m_register(reg)
{
    setObjectName(QStringLiteral("fmTable"));
    createControls();
    layOut();
    // The panel is not shown yet: a contents file that cannot be read is
    // reported when it is.
    LoadSections();
    FillClasses();

    connect(ComboBox0, &QComboBox::activated, this, [this](int item) { ComboBox0Change(item); });
    connect(ComboBox1, &QComboBox::activated, this, [this](int item) { ComboBox1Change(item); });
    connect(ComboBox2, &QComboBox::activated, this, [this](int item) { ComboBox2Change(item); });
    connect(bt1, &QToolButton::toggled, Grid, [this] { Grid->update(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void TfmTable::createControls()
{
    pnTable = new QWidget(this);
    pnTable->setObjectName(QStringLiteral("pnTable"));
    pnTable->setAutoFillBackground(true);
    QPalette palette = pnTable->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(TResultsGrid::kGridColor).lighter(112));
    pnTable->setPalette(palette);

    Image1 = new QLabel(pnTable);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedHeight(56);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ComboBox0 = new QComboBox(pnTable);
    ComboBox0->setObjectName(QStringLiteral("ComboBox0"));
    ComboBox1 = new QComboBox(pnTable);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));

    auto toggle = [this](const char* name, const QString& caption, const QString& hint) {
        auto* button = new QToolButton(pnTable);
        button->setObjectName(QLatin1String(name));
        button->setText(caption);
        button->setToolTip(hint);
        button->setCheckable(true);
        button->setAutoExclusive(true);
        return button;
    };
    bt2 = toggle("bt2", QStringLiteral("Кол-во попыток"), QStringLiteral("Чило попыток"));
    bt1 = toggle("bt1", QStringLiteral("Время (мин)"), QString());
    bt2->setChecked(true);
    SpeedButton1 = new QToolButton(pnTable);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Вельта"));
    SpeedButton1->setToolTip(QStringLiteral("Записать все результаты в файл XML"));

    GridArea = new QScrollArea(pnTable);
    GridArea->setWidgetResizable(false);
    GridArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Grid = new TResultsGrid;
    Grid->setGrid(&m_grid);
    Grid->setShowAttempts([this] { return bt2->isChecked(); });
    Grid->setCellPressed([this](int column, int row) { GridCellPressed(column, row); });
    GridArea->setWidget(Grid);
    // The class list lies over the grid's top-left cell.
    ComboBox2 = new QComboBox(Grid);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setGeometry(Grid->cellRect(0, 0));
    Grid->updateSize();

    lbLegend = new QLabel(pnTable);
    lbLegend->setObjectName(QStringLiteral("lbLegend"));
    lbLegend->setTextFormat(Qt::RichText);
    lbLegend->setText(QStringLiteral("Задача решена:&nbsp;&nbsp;&nbsp;верно - %1;&nbsp;&nbsp;&nbsp;неверно - %2;"
                                     "&nbsp;&nbsp;&nbsp;нужна проверка - %3.")
                          .arg(Square(kRight), Square(kWrong), Square(kWaits)));

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
}

void TfmTable::layOut()
{
    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(QStringLiteral("Раздел:"), pnTable));
    choices->addWidget(ComboBox0, 1);
    choices->addSpacing(12);
    choices->addWidget(new QLabel(QStringLiteral("Тема:"), pnTable));
    choices->addWidget(ComboBox1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bt2);
    buttons->addWidget(bt1);
    buttons->addStretch(1);
    buttons->addWidget(SpeedButton1);
    auto* column = new QVBoxLayout(pnTable);
    column->setContentsMargins(0, 0, 0, 6);
    column->addWidget(Image1);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 4, 8, 0);
    body->addLayout(choices);
    body->addLayout(buttons);
    body->addWidget(GridArea, 1);
    body->addWidget(lbLegend);
    column->addLayout(body, 1);
}

QString TfmTable::LoadSections()
{
    QString error;
    try {
        m_contents = base::LoadCourseContents();
    } catch (const base::AppError& e) {
        m_contents = {};
        error = e.message();
    }
    m_sections = TableSections(m_contents);
    ComboBox0->clear();
    for (const base::ContentsSection* section : m_sections) ComboBox0->addItem(section->title);
    ComboBox0->setCurrentIndex(m_sections.isEmpty() ? -1 : 0);
    ComboBox0Change(ComboBox0->currentIndex());
    return error;
}

void TfmTable::FillClasses()
{
    const QString shown = ComboBox2->currentText();
    ComboBox2->clear();
    m_classNames = m_register.classNames();
    ComboBox2->addItems(m_classNames);
    // The class shown before stays chosen when it is still there.
    const int item = std::max(0, ComboBox2->findText(shown));
    ComboBox2->setCurrentIndex(ComboBox2->count() > item ? item : -1);
    ComboBox2Change(ComboBox2->currentIndex());
}

void TfmTable::ShowPanel()
{
    if (m_sections.isEmpty()) {
        const QString error = LoadSections();
        if (!error.isEmpty()) ui::ShowMessage(error);
    }
    // Classes may have been added or renamed in the register meanwhile.
    if (m_classNames != m_register.classNames()) FillClasses();
    if (!m_headerLoaded) {
        m_headerLoaded = true;
        ui::PictureSet pictures;
        pictures.bitmap(Image1, kHeaderPicture);
        pictures.reportMissing();
    }
    Timer1Timer();
}

void TfmTable::StartTimer()
{
    if (!Timer1->isActive()) Timer1->start();
}

void TfmTable::ComboBox0Change(int item)
{
    ComboBox1->clear();
    m_topicCodes.clear();
    if (item >= 0 && item < m_sections.size()) {
        for (const base::ContentsTopic& topic : m_sections[item]->Topics()) {
            ComboBox1->addItem(base::TopicTitle(topic.rest));
            m_topicCodes.append(topic.code);
        }
    }
    ComboBox1->setCurrentIndex(m_topicCodes.isEmpty() ? -1 : 0);
    // The grid follows at the next tick.
}

void TfmTable::ComboBox1Change(int item)
{
    Q_UNUSED(item);
    m_missingReported.clear();
    ApplyTopic();
}

void TfmTable::ComboBox2Change(int item)
{
    const ClassUsers users = item >= 0 ? m_register.classUsers(item) : ClassUsers{};
    m_grid.ids = users.ids;
    m_grid.names = users.names;
    ApplyTopic();
}

void TfmTable::Timer1Timer()
{
    if (ComboBox1->currentIndex() >= 0) ApplyTopic();
}

QString TfmTable::currentTopic() const { return m_topicCodes.value(ComboBox1->currentIndex()); }

void TfmTable::ApplyTopic()
{
    const QString topic = currentTopic();
    std::optional<QStringList> codes;
    if (!topic.isEmpty()) codes = TopicExerciseColumns(topic);
    if (!topic.isEmpty() && !codes && m_missingReported != topic) {
        // Said once for the topic, not on every tick of the timer.
        m_missingReported = topic;
        ui::ShowMessage(QStringLiteral("Не удается открыть файл ") + base::PageListFile(topic));
    }
    m_grid.codes = codes.value_or(QStringList());
    m_grid.numbers = NumberExercises(m_grid.codes);
    FillGrid(m_grid);
    Grid->updateSize();
}

void TfmTable::GridCellPressed(int column, int row)
{
    const QString value = m_grid.value(column, row);
    if (value.isEmpty()) return;
    const ui::WaitCursor wait;
    const QChar verdict = value[0];
    const bool pressed = verdict == kVerdictRight || verdict == kVerdictWrong;
    shellcalls::navigation().OpenTask({m_grid.ids.value(row - 1), m_grid.codes.value(column - 1),
                              QStringLiteral("Упражнение №") + QString::number(m_grid.number(column)),
                              pressed ? QString(verdict) : QString(), QString()});
}

void TfmTable::SpeedButton1Click()
{
    // The hourglass only while writing: over the file dialog it would hide
    // the pointer the user chooses with.
    const QString file = ui::dialogs().saveFile(kExportFilter, kExportExt, QDir::homePath() + u'/' + kExportName);
    if (file.isEmpty()) return;
    ui::WaitCursor wait;
    const QString error = ExportResults(m_register, file);
    wait.Release();
    if (!error.isEmpty())
        ui::ShowMessage(error);
    else
        shellcalls::guide().ShowNote(ExportSavedNote(file), kSavedNoteSeconds);
}

} // namespace users
