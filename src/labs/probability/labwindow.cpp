#include "labs/probability/labwindow.h"
#include "labs/probability/paintedcontrols.h"
#include "probability/laplas.h"
#include "labframe/labpanel.h"
#include "base/numfmt.h"
#include "base/paths.h"
#include "base/random.h"
#include "ui/dialogs.h"
#include "shellcalls/shellcalls.h"
#include "ui/htmlview.h"
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace probabilitylab {

using namespace probability;
using labframe::Caption;
using labframe::Relayout;
using labframe::RowLayout;
using labframe::ToolRow;

namespace {

constexpr int kHeaderHeight = 104;
constexpr int kHtmlHeight = 128;       // before the page reports its height
constexpr int kHtmlMargin = 4;         // below the page's content
constexpr int kTile = 30;              // coins, dice and balls
constexpr int kCell = kTile + 1;       // a ball cell with its grid line
constexpr int kGraphWidth = 2000;
constexpr int kEventColumn = 64;       // default column width of the event table
constexpr int kEventRow = 20;
constexpr int kCaptionPadding = 4;     // around the captions of the event table's rows
constexpr int kEventCellMargin = 6;    // an event cell's text begins 5 pixels in
constexpr int kScaleInterval = 50;     // ms between steps of a held scale button
constexpr int kMinRowHeight = 5;       // rows get no lower than 4 pixels
constexpr int kMinBarScale = 101;      // bar scales stay within 100 ... 1000
constexpr int kMaxBarScale = 999;
constexpr int kNoteSeconds = 5;

const QString kCoinPicture = QStringLiteral("JPG\\Lab16Coins.png");
const QString kDicePicture = QStringLiteral("JPG\\Lab16Dice.png");
const QString kHeaderPicture = QStringLiteral("JPG\\Lab16Head.JPG");
const QString kEventNote = QStringLiteral("Чтобы сформировать событие, щелкайте по исходам");
const QColor kPanelColor(236, 240, 247);

const std::array<QString, kColorCount> kColourNames = {
    QStringLiteral("белый"), QStringLiteral("серый"), QStringLiteral("красный"), QStringLiteral("желтый"),
    QStringLiteral("зеленый"), QStringLiteral("синий"), QStringLiteral("розовый"), QStringLiteral("оранжевый"),
    QStringLiteral("голубой"), QStringLiteral("сиреневый")};

} // namespace

TfmLab16::TfmLab16(QWidget* parent) : TfmLab(kNumber, parent), Laplas(new TLaplas(this))
{
    auto* column = new QVBoxLayout(workArea());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeModelHeader());
    HTML = new ui::HtmlView(workArea());
    HTML->setObjectName(QStringLiteral("HTML"));
    HTML->setFixedHeight(kHtmlHeight);
    HTML->SetScrollBarsVisible(false);
    column->addWidget(HTML);
    makeUrnPanel();
    column->addWidget(Panel4);
    makeColourPanel();
    column->addWidget(Panel3);
    makeExperimentPanel();
    column->addWidget(Panel5);

    Panel2 = addControl<QFrame>(QStringLiteral("Panel2"), workArea());
    auto* halves = RowLayout(Panel2, 0);
    halves->addWidget(makeOutcomePanel(), 3);
    halves->addWidget(makeEventPanel(), 2);
    column->addWidget(Panel2, 1);
    makeTimers();
    colourPaintBoxes();
    loadPictures();
    bindEngine();

    ComboBox1->setCurrentIndex(0);
    ComboColor->setCurrentIndex(m_currentColor);
    // Enter in a field of the model page confirms the conditions, as OK does.
    HTML->SetSubmitHandler([this](const QString&) { btOKClick(); });
    connect(HTML, &ui::HtmlView::documentHeightChanged, this, [this](int height) {
        if (height > 0) HTML->setFixedHeight(height + kHtmlMargin);
    });
}

// --- building ----------------------------------------------------------------

QWidget* TfmLab16::makeModelHeader()
{
    auto* header = new TPaintBox(workArea());
    header->setObjectName(QStringLiteral("imHeader"));
    header->setFixedHeight(kHeaderHeight);
    const QPixmap picture(base::RealPath(kHeaderPicture));
    header->setPainter([picture](QPainter& painter) {
        if (!picture.isNull()) painter.drawPixmap(0, 0, picture);
    });
    auto* row = RowLayout(header, 12);
    const std::array<QString, 4> captions = {QStringLiteral("Монеты"), QStringLiteral("Кубики"),
                                             QStringLiteral("Шары с возвращением"), QStringLiteral("Шары без возвращения")};
    for (int i = 0; i < 4; ++i) {
        auto* button = addControl<QToolButton>(QStringLiteral("bt") + QString::number(i + 1), header);
        labframe::SetTag(button, i + 1);
        button->setCheckable(true);
        button->setText(captions[i]);
        button->setToolTip(captions[i]);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(QIcon(base::RealPath(QStringLiteral("JPG\\Lab16bt%1.png").arg(i + 1))));
        button->setIconSize(QSize(56, 56));
        button->setFixedSize(170, 92);
        button->setStyleSheet(QStringLiteral("QToolButton { color: %1; font-weight: bold; }"
                                             "QToolButton:checked { background: rgba(255, 214, 120, 170);"
                                             " border: 1px solid rgb(242, 169, 59); border-radius: 6px; }")
                                  .arg(labframe::kCaptionColour.name()));
        connect(button, &QToolButton::clicked, this, [this, button, i](bool checked) {
            // The button of the model shown stays down: pressing it again, or
            // a lab file releasing it, changes nothing. The model set next
            // presses its own button.
            if (!checked) {
                const QSignalBlocker quiet(button);
                button->setChecked(true);
                return;
            }
            btModelClick(i + 1);
        });
        row->addWidget(button);
        addHelpMenu(button);
        modelButtons[size_t(i)] = button;
    }
    row->addStretch(1);
    bt1 = modelButtons[0];
    bt2 = modelButtons[1];
    bt3 = modelButtons[2];
    bt4 = modelButtons[3];
    bt1->setChecked(true);
    return header;
}

void TfmLab16::makeUrnPanel()
{
    Panel4 = addControl<QFrame>(QStringLiteral("Panel4"), workArea());
    auto* row = RowLayout(Panel4, 8);
    PBox = new TPaintBox(Panel4);
    PBox->setObjectName(QStringLiteral("PBox"));
    PBox->setPainter([this](QPainter& painter) { paintPBox(painter); });
    PBox->setFixedHeight(kTile);
    row->addWidget(PBox);
    addHelpMenu(PBox);
    // Every ball of a large urn must stay within reach of a click.
    m_urn = new QScrollArea(Panel4);
    m_urn->setFrameShape(QFrame::NoFrame);
    m_urn->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_urn->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_urn->setFixedHeight(kTile + m_urn->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    m_urn->viewport()->setAutoFillBackground(false);
    grBox = new TPaintBox;
    grBox->setObjectName(QStringLiteral("grBox"));
    grBox->setPainter([this](QPainter& painter) { paintGrBox(painter); });
    grBox->setPressed([this](QPoint point) { grBoxClick(point); });
    grBox->setToolTip(QStringLiteral("Щелкните по шару, чтобы перекрасить его в выбранный цвет"));
    grBox->setFixedHeight(kTile);
    m_urn->setWidget(grBox);
    row->addWidget(m_urn, 1);
    addHelpMenu(grBox);
    row->addStretch(0);
}

void TfmLab16::makeColourPanel()
{
    Panel3 = addControl<QFrame>(QStringLiteral("Panel3"), workArea());
    auto* row = RowLayout(Panel3, 8);
    lbColor = Caption(QStringLiteral("Цвет: "), Panel3);
    row->addWidget(lbColor);
    ComboColor = addControl<QComboBox>(QStringLiteral("ComboColor"), Panel3);
    ComboColor->setIconSize(labframe::kSwatchSize);
    for (int colour = 0; colour < kColorCount; ++colour) {
        ComboColor->addItem(labframe::Swatch(BgrColor(BallPalette[size_t(colour)])), QString());
        ComboColor->setItemData(colour, kColourNames[size_t(colour)], Qt::ToolTipRole);
    }
    connect(ComboColor, &QComboBox::currentIndexChanged, this, [this] { ComboColorChange(); });
    row->addWidget(ComboColor);
    addHelpMenu(ComboColor);
    row->addSpacing(16);
    row->addWidget(Caption(QStringLiteral("Чтобы принять перечисленные условия, нажмите"), Panel3));
    btOK = new QPushButton(QStringLiteral("OK"), Panel3);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setFixedWidth(60);
    connect(btOK, &QPushButton::clicked, this, [this] { btOKClick(); });
    row->addWidget(btOK);
    addHelpMenu(btOK);
    row->addStretch(1);
}

void TfmLab16::makeExperimentPanel()
{
    Panel5 = addControl<QFrame>(QStringLiteral("Panel5"), workArea());
    Panel5->setFrameShape(QFrame::StyledPanel);
    auto* row = RowLayout(Panel5, 8);
    QLabel* title = Caption(QStringLiteral("Эксперимент:"), Panel5);
    title->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(labframe::kCaptionColour.name()));
    row->addWidget(title);
    btDo = addButton(QStringLiteral("btDo"), QString(), QStringLiteral("Провести один эксперимент"), Panel5);
    btDo->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    connect(btDo, &QToolButton::clicked, this, [this] { btDoClick(); });
    btStart = addButton(QStringLiteral("btStart"), QString(), QStringLiteral("Запустить серию"), Panel5);
    btStart->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    connect(btStart, &QToolButton::clicked, this, [this] { btStartClick(); });
    lbN = new QLabel(QStringLiteral("0"), Panel5);
    lbN->setObjectName(QStringLiteral("lbN"));
    lbN->setToolTip(QStringLiteral("Номер эксперимента"));
    lbN->setMinimumWidth(60);
    lbN->setAlignment(Qt::AlignCenter);
    lbN->setStyleSheet(QStringLiteral("background: white; border: 1px solid rgb(169, 203, 234); font-weight: bold;"));
    row->addWidget(lbN);
    addHelpMenu(lbN);
    btPause = addButton(QStringLiteral("btPause"), QString(), QStringLiteral("Пауза"), Panel5);
    btPause->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    connect(btPause, &QToolButton::clicked, this, [this] { btPauseClick(); });
    btStop = addButton(QStringLiteral("btStop"), QString(), QStringLiteral("Сброс"), Panel5);
    btStop->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(btStop, &QToolButton::clicked, this, [this] { btStopClick(); });
    row->addWidget(Caption(QStringLiteral("до"), Panel5));
    edMaxExp = addControl<QLineEdit>(QStringLiteral("edMaxExp"), Panel5);
    edMaxExp->setToolTip(QStringLiteral("Число экспериментов"));
    edMaxExp->setFixedWidth(70);
    connect(edMaxExp, &QLineEdit::textChanged, this, [this] { edMaxExpChange(); });
    row->addWidget(edMaxExp);
    addHelpMenu(edMaxExp);
    row->addStretch(1);
    PGet = new TPaintBox(Panel5);
    PGet->setObjectName(QStringLiteral("PGet"));
    PGet->setPainter([this](QPainter& painter) { paintPGet(painter); });
    grGet = new TPaintBox(Panel5);
    grGet->setObjectName(QStringLiteral("grGet"));
    grGet->setPainter([this](QPainter& painter) { paintGrGet(painter); });
    for (TPaintBox* box : {PGet, grGet}) {
        box->setFixedHeight(kTile);
        row->addWidget(box);
        addHelpMenu(box);
    }
}

QWidget* TfmLab16::makeOutcomePanel()
{
    pIshody = addControl<QFrame>(QStringLiteral("pIshody"), Panel2);
    auto* column = new QVBoxLayout(pIshody);
    column->setContentsMargins(4, 2, 2, 4);
    QWidget* tools = ToolRow(QStringLiteral("  Исходы и их  "), pIshody);
    auto* row = static_cast<QHBoxLayout*>(tools->layout());
    ComboBox1 = addControl<QComboBox>(QStringLiteral("ComboBox1"), tools);
    ComboBox1->addItems({QStringLiteral("вероятности"), QStringLiteral("абсолютные частоты"),
                         QStringLiteral("относительные частоты")});
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    row->addWidget(ComboBox1);
    addHelpMenu(ComboBox1);
    row->addSpacing(12);
    // Lower rows, higher rows, shorter bars, longer bars.
    const std::array<QString, 4> arrows = {QStringLiteral("▲"), QStringLiteral("▼"), QStringLiteral("◀"),
                                           QStringLiteral("▶")};
    for (int tag = 1; tag <= 4; ++tag) {
        QToolButton* button = addButton(QStringLiteral("btScale") + QString::number(tag), arrows[size_t(tag - 1)],
                                        QStringLiteral("Масштаб"), tools);
        labframe::SetTag(button, tag);
        connect(button, &QToolButton::pressed, this, [this, tag] {
            m_scaleTag = tag;
            ScaleStep(tag);
            TimeMash->start();
        });
        connect(button, &QToolButton::released, this, [this] {
            m_scaleTag = 0;
            TimeMash->stop();
        });
        scaleButtons[size_t(tag - 1)] = button;
    }
    row->addStretch(1);
    column->addWidget(tools);
    Grid1 = new TOutcomeGrid(pIshody);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setRowHeight(m_boundRowHeight);
    Grid1->setPainter([this](QPainter& painter, int topRow, int rowHeight, int height) {
        Laplas->PaintGrid1(painter, topRow, rowHeight, height);
        // Below the last row the grid shows its own colour, not cell lines.
        const int below = (Grid1->rowCount() - topRow) * (rowHeight + 1);
        if (below < height) painter.fillRect(0, below, Grid1->viewport()->width(), height - below, Qt::white);
    });
    connect(Grid1, &TOutcomeGrid::rowPressed, this, [this](int row) { Laplas->Grid1MouseDown(row); });
    connect(Grid1, &TOutcomeGrid::widthChanged, this, [this](int width) {
        GridLook look = Laplas->Grid1Look();
        look.width = width;
        look.font = Grid1->font();
        Laplas->BindGrid1(look);
    });
    column->addWidget(Grid1, 1);
    addHelpMenu(Grid1);
    return pIshody;
}

QWidget* TfmLab16::makeEventPanel()
{
    PEvents = addControl<QFrame>(QStringLiteral("PEvents"), Panel2);
    auto* column = new QVBoxLayout(PEvents);
    column->setContentsMargins(2, 2, 4, 4);
    QWidget* tools = ToolRow(QStringLiteral("  Случайное событие:  "), PEvents);
    auto* row = static_cast<QHBoxLayout*>(tools->layout());
    btAdd = addButton(QStringLiteral("btAdd"), QStringLiteral("Добавить"), QStringLiteral("Добавить новое событие"), tools);
    connect(btAdd, &QToolButton::clicked, this, [this] { btAddClick(); });
    btDel = addButton(QStringLiteral("btDel"), QStringLiteral("Удалить"), QStringLiteral("Удалить событие"), tools);
    connect(btDel, &QToolButton::clicked, this, [this] { btDelClick(); });
    row->addStretch(1);
    column->addWidget(tools);

    Grid2Captions = new TPaintBox(PEvents);
    Grid2Captions->setObjectName(QStringLiteral("Grid2Captions"));
    Grid2Captions->setFixedHeight(kEventRows * (kEventRow + 1));
    Grid2Captions->setPainter([this](QPainter& painter) { paintEventCaptions(painter); });
    int captionWidth = 0;
    for (int row = 0; row < kEventRows; ++row)
        captionWidth = std::max(captionWidth, Grid2Captions->fontMetrics().horizontalAdvance(EventRowCaption(row)));
    Grid2Captions->setFixedWidth(captionWidth + 2 * kCaptionPadding);

    Grid2 = new TPaintBox(PEvents);
    Grid2->setObjectName(QStringLiteral("Grid2"));
    Grid2->setToolTip(QStringLiteral("Чтобы сформировать событие,  щелкайте по его исходам"));
    Grid2->setFixedHeight(kEventRows * (kEventRow + 1));
    Grid2->setPainter([this](QPainter& painter) {
        painter.fillRect(Grid2->rect(), Qt::white);
        // Only the events' columns are cells; the rest shows the grid's colour.
        painter.setClipRect(0, 0, Laplas->EventCount() * (Laplas->Grid2Look().defaultColWidth + 1), Grid2->height());
        Laplas->PaintGrid2(painter);
    });
    Grid2->setPressed([this](QPoint point) {
        Laplas->Grid2MouseDown(point.x() / (Laplas->Grid2Look().defaultColWidth + 1));
    });
    Grid2->setResized([this](QSize size) { updateEventColumns(size.width()); });
    auto* eventTable = new QHBoxLayout;
    eventTable->setSpacing(0);
    eventTable->addWidget(Grid2Captions);
    eventTable->addWidget(Grid2, 1);
    column->addLayout(eventTable);
    addHelpMenu(Grid2);

    column->addWidget(Caption(QStringLiteral("  Приближение частоты события к его вероятности:"), PEvents));
    ScrollBox1 = new TGraphBox(PEvents);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Image1 = new TPaintBox;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPainter([this](QPainter& painter) { painter.drawImage(0, 0, Laplas->imXY()); });
    ScrollBox1->setWidget(Image1);
    connect(ScrollBox1, &TGraphBox::resized, this, [this](QSize size) { updateGraphCanvas(size); });
    column->addWidget(ScrollBox1, 1);
    addHelpMenu(Image1);
    return PEvents;
}

// The paint boxes of coins, dice and balls lie on the panels' colour.
void TfmLab16::colourPaintBoxes()
{
    for (TPaintBox* box : {PBox, PGet, grBox, grGet}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, kPanelColor);
        box->setPalette(palette);
    }
}

void TfmLab16::makeTimers()
{
    TimeMash = addControl<QTimer>(QStringLiteral("TimeMash"), this);
    TimeMash->setInterval(kScaleInterval);
    connect(TimeMash, &QTimer::timeout, this, [this] {
        if (m_scaleTag == 0) TimeMash->stop();
        else ScaleStep(m_scaleTag);
    });
    SeriesTimer = new QTimer(this);
    SeriesTimer->setObjectName(QStringLiteral("SeriesTimer"));
    SeriesTimer->setInterval(TLaplas::kSeriesInterval);
    connect(SeriesTimer, &QTimer::timeout, Laplas, &TLaplas::SeriesStep);
}

void TfmLab16::loadPictures()
{
    m_coins.load(base::RealPath(kCoinPicture));
    m_dice.load(base::RealPath(kDicePicture));
}

void TfmLab16::bindEngine()
{
    GridLook events;
    events.width = kMaxEvents * (kEventColumn + 1);
    events.defaultColWidth = kEventColumn;
    events.defaultRowHeight = kEventRow;
    events.font = Grid2->font();
    Laplas->BindGrid2(events);
    GridLook outcomes;
    outcomes.defaultRowHeight = m_boundRowHeight;
    outcomes.font = Grid1->font();
    Laplas->BindGrid1(outcomes);

    connect(Laplas, &TLaplas::OnSetModel, this, &TfmLab16::LaplasSetModel);
    connect(Laplas, &TLaplas::OnExperiment, this, &TfmLab16::LaplasExperiment);
    connect(Laplas, &TLaplas::ExperimentCountChanged, lbN, [this](int count) { lbN->setText(QString::number(count)); });
    connect(Laplas, &TLaplas::SeriesChanged, SeriesTimer, [this](bool running) {
        if (running) SeriesTimer->start();
        else SeriesTimer->stop();
    });
    connect(Laplas, &TLaplas::Grid1LayoutChanged, this, &TfmLab16::updateGrid1Layout);
    connect(Laplas, &TLaplas::Grid1Changed, Grid1, &TOutcomeGrid::repaintRows);
    connect(Laplas, &TLaplas::Grid1ValuesChanged, Grid1, &TOutcomeGrid::repaintRows);
    connect(Laplas, &TLaplas::Grid2Changed, Grid2, qOverload<>(&QWidget::update));
    connect(Laplas, &TLaplas::Grid2LayoutChanged, Grid2, qOverload<>(&QWidget::update));
    connect(Laplas, &TLaplas::GraphChanged, Image1, qOverload<>(&QWidget::update));
}

// --- the lab file and the frame ------------------------------------------

void TfmLab16::ClearLab()
{
    TfmLab::ClearLab();
    Laplas->ResetAll();
    PGet->update();
    grBox->update();
    grGet->update();
}

void TfmLab16::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    Relayout(workArea());
    Laplas->LoadModel(data.engineLines);
    // A loaded scene repeats the same experiments every time it is opened.
    base::SetRandomSeed(kSeedAfterLoad);
    Laplas->SetMode(ComboBox1->currentIndex());
    if (!edMaxExp->text().isEmpty()) Laplas->StartSeries();
}

void TfmLab16::WriteLab(labframe::LabFileData& data)
{
    TfmLab::WriteLab(data);
    data.engineLines = Laplas->SaveModel();
}

void TfmLab16::FormShow()
{
    if (Laplas->ModelKind() == kNoModel) btModelClick(kCoins);
    TfmLab::FormShow();
}

// --- handlers --------------------------------------------------------------

void TfmLab16::btModelClick(int kind)
{
    const ModelChoice model = DefaultModel(kind);
    Laplas->SetModel(model.kind, model.n, model.view, model.k);
    btOKClick();
}

void TfmLab16::btOKClick()
{
    const int kind = Laplas->ModelKind();
    if (kind == kNoModel) return;
    // Without the page's form the model is built again as it is, which
    // still takes the new ball colours.
    if (!HTML->HasForm()) {
        Laplas->SetModel(kind, Laplas->ElementCount(), Laplas->View(), Laplas->DrawCount());
        return;
    }
    const ModelForm form{HTML->GetFormValue(QStringLiteral("Count")), HTML->GetFormValue(QStringLiteral("CountGet")),
                         HTML->GetFormValue(QStringLiteral("Tip1")), HTML->GetFormValue(QStringLiteral("Tip2"))};
    QString error;
    const auto model = ReadModelForm(kind, form, &error);
    if (!model) {
        ui::ShowMessage(error);
        return;
    }
    Laplas->SetModel(model->kind, model->n, model->view, model->k);
}

void TfmLab16::btDoClick() { Laplas->RunOne(); }
void TfmLab16::btStartClick() { Laplas->StartSeries(); }
void TfmLab16::btPauseClick() { Laplas->StopSeries(); }
void TfmLab16::btStopClick() { Laplas->ResetExperiments(); }

void TfmLab16::btAddClick()
{
    Laplas->AddEvent();
    shellcalls::guide().ShowNote(kEventNote, kNoteSeconds);
}

void TfmLab16::btDelClick() { Laplas->DeleteEvent(); }

void TfmLab16::edMaxExpChange()
{
    const QString text = edMaxExp->text().trimmed();
    const auto count = base::ParseInt(text.isEmpty() ? QStringLiteral("0") : text);
    if (count && *count >= INT_MIN && *count <= INT_MAX) Laplas->SetMaxExp(int(*count));
}

void TfmLab16::ComboBox1Change() { Laplas->SetMode(ComboBox1->currentIndex()); }

void TfmLab16::ComboColorChange()
{
    if (ComboColor->currentIndex() >= 0) m_currentColor = ComboColor->currentIndex();
}

void TfmLab16::grBoxClick(QPoint point)
{
    const int ball = point.x() / kCell + 1;
    if (isCoinsOrDice() || ball > Laplas->ElementCount()) return;
    if (Laplas->ExperimentCount() > 0) Laplas->ResetExperiments();
    Laplas->SetBallColor(ball, m_currentColor);
    grBox->update();
    grGet->update();
}

void TfmLab16::ScaleStep(int tag)
{
    const int height = Grid1->rowHeight();
    const int scale = Laplas->BarScale();
    switch (tag) {
    case 1: if (height >= kMinRowHeight) Grid1->setRowHeight(height - 1); break;
    case 2: if (height < m_boundRowHeight) Grid1->setRowHeight(height + 1); break;
    case 3: if (scale >= kMinBarScale) Laplas->SetBarScale(scale - 10); break;
    case 4: if (scale <= kMaxBarScale) Laplas->SetBarScale(scale + 10); break;
    default: break;
    }
}

// --- engine notifications ------------------------------------------------------

void TfmLab16::LaplasSetModel()
{
    const int kind = Laplas->ModelKind();
    for (QToolButton* button : modelButtons) {
        const QSignalBlocker quiet(button);
        button->setChecked(labframe::Tag(button) == kind);
    }
    if (kind == kCoins) Laplas->SetPictureStrip(m_coins);
    else if (kind == kDice) Laplas->SetPictureStrip(m_dice);
    fitPanelsToModel();
    showModelPage();
}

void TfmLab16::showModelPage()
{
    const int kind = Laplas->ModelKind();
    if (kind == kNoModel) {
        HTML->Clear();
        return;
    }
    const QString page = ModelPage(kind);
    if (HTML->CurrentFile() != page && !HTML->LoadFile(page)) return;
    const ModelForm form = FormOfModel({kind, Laplas->ElementCount(), Laplas->View(), Laplas->DrawCount()});
    HTML->SetFormValues({QStringLiteral("Count=") + form.Count, QStringLiteral("CountGet=") + form.CountGet,
                         QStringLiteral("Tip1=") + form.Tip1, QStringLiteral("Tip2=") + form.Tip2});
}

void TfmLab16::fitPanelsToModel()
{
    const bool pictures = isCoinsOrDice();
    const bool balls = !pictures && Laplas->ModelKind() != kNoModel;
    PBox->setVisible(pictures);
    PGet->setVisible(pictures);
    m_urn->setVisible(balls);
    grGet->setVisible(balls);
    lbColor->setVisible(balls);
    ComboColor->setVisible(balls);
    const int n = Laplas->ElementCount(), k = Laplas->DrawCount();
    PBox->setPreferredWidth(kTile * k);
    PGet->setPreferredWidth(kTile * (k + 1));
    grBox->setFixedWidth(kCell * n);
    grGet->setPreferredWidth(kCell * k);
    Panel4->layout()->activate();
    Panel5->layout()->activate();
    for (QWidget* box : {static_cast<QWidget*>(PBox), static_cast<QWidget*>(PGet), static_cast<QWidget*>(grBox),
                         static_cast<QWidget*>(grGet)})
        box->update();
}

void TfmLab16::LaplasExperiment()
{
    if (isCoinsOrDice()) {
        PGet->update();
        return;
    }
    grBox->update();
    grGet->update();
}

void TfmLab16::updateGrid1Layout()
{
    Grid1->setRowCount(Laplas->Grid1Layout().rows);
}

// The event table gives each event an equal share of its width, so that the
// fifth event shows as well, but no less than its numbers need.
void TfmLab16::updateEventColumns(int gridWidth)
{
    GridLook look = Laplas->Grid2Look();
    look.width = gridWidth;
    const int narrowest = Grid2->fontMetrics().horizontalAdvance(QStringLiteral("0,0000")) + kEventCellMargin;
    look.defaultColWidth = EventColumnWidth(gridWidth, kEventColumn, narrowest);
    Laplas->BindGrid2(look);
}

void TfmLab16::paintEventCaptions(QPainter& painter) const
{
    painter.setPen(labframe::kCaptionColour);
    for (int row = 0; row < kEventRows; ++row)
        painter.drawText(QRect(kCaptionPadding, row * (kEventRow + 1), Grid2Captions->width() - kCaptionPadding, kEventRow),
                         Qt::AlignLeft | Qt::AlignVCenter, EventRowCaption(row));
}

void TfmLab16::updateGraphCanvas(QSize size)
{
    const QSize canvas(kGraphWidth, std::max(1, size.height()));
    Image1->setFixedSize(canvas);
    Laplas->SetGraphCanvas(canvas, kPanelColor);
}

// --- painting -------------------------------------------------------------------

bool TfmLab16::isCoinsOrDice() const
{
    return Laplas->ModelKind() == kCoins || Laplas->ModelKind() == kDice;
}

QList<int> TfmLab16::drawnValues() const
{
    const int row = Laplas->ShownIndex();
    if (row < 0 || row >= Laplas->RowCount()) return Laplas->CurrentOutcome();
    QList<int> values;
    for (int i = 0; i < Laplas->DrawCount(); ++i) values.append(Laplas->ShownTable().Rows[size_t(row)][size_t(i)]);
    return values;
}

void TfmLab16::paintPBox(QPainter& painter) const
{
    if (!isCoinsOrDice()) return;
    for (int i = 0; i < Laplas->DrawCount(); ++i) DrawTile(painter, QPoint(kTile * i, 0), Laplas->PictureStrip(), 1);
}

void TfmLab16::paintPGet(QPainter& painter) const
{
    if (!isCoinsOrDice() || Laplas->CurrentOutcome().isEmpty()) return;
    const QList<int> values = drawnValues();
    for (int i = 1; i <= values.size(); ++i)
        DrawTile(painter, QPoint(kTile * i, 0), Laplas->PictureStrip(), values[i - 1]);
}

void TfmLab16::paintGrBox(QPainter& painter) const
{
    if (isCoinsOrDice()) return;
    // Without replacement the balls drawn have left the urn.
    QList<int> drawn;
    if (Laplas->ModelKind() == kBallsWithoutReplacement) drawn = Laplas->CurrentOutcome();
    for (int ball = 1; ball <= Laplas->ElementCount(); ++ball)
        if (!drawn.contains(ball))
            DrawBall(painter, QPoint(kCell * (ball - 1), 0), kTile, Laplas->BallColor(ball), ball);
}

void TfmLab16::paintGrGet(QPainter& painter) const
{
    if (isCoinsOrDice()) return;
    const QList<int> outcome = Laplas->CurrentOutcome();
    for (int i = 0; i < outcome.size(); ++i)
        DrawBall(painter, QPoint(kCell * i, 0), kTile, Laplas->BallColor(outcome[i]), outcome[i]);
}

} // namespace probabilitylab
