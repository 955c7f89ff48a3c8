#include "labframe/labwindow.h"
#include "labframe/demo.h"
#include "labframe/labregistry.h"
#include "base/appstate.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "ui/dialogs.h"
#include "shellcalls/shellcalls.h"
#include "ui/music.h"
#include <QColorDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

namespace labframe {
namespace {

// The top strip and what lies on it (pixels).
constexpr int kTopHeight = 117;
constexpr int kStripLeft = 135;   // right of the guide figure
constexpr int kToolBarTop = 80;
constexpr int kButtonSize = 30;
constexpr int kStatusBarHeight = 23;
// The example menu opens this far below the examples button's top-left corner.
constexpr int kMenuOffset = 26;
const QColor kStripColor(22, 48, 92);
const QColor kWorkColor(236, 240, 247);

const QString kStripFont = QStringLiteral("Arial Narrow");
const QString kTopPicture = QStringLiteral("JPG\\LabTop.JPG");
const QString kDemoNote = QStringLiteral("Прервать ролик - Esc");
const QString kDemoMusic = QStringLiteral("WAV\\Fon.mid");

QString WithDefaultExtension(const QString& file)
{
    return QFileInfo(file).suffix().isEmpty() ? file + u'.' + kLabFileExt : file;
}

QString UserFolderReal()
{
    return base::RealPath(base::App().userFolder);
}

} // namespace

TfmLab::TfmLab(int number, QWidget* parent)
    : FullSizeWindow(QStringLiteral("fmLab") + QString::number(number), parent), m_number(number)
{
    setWindowTitle(LabCaption(number));
    SetTag(this, number);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, kStatusBarHeight);
    layout->setSpacing(0);
    makeTopStrip();
    layout->addWidget(imTop);
    layout->addWidget(makeWorkArea(), 1);
    makeToolBar();
}

QScrollArea* TfmLab::makeWorkArea()
{
    // The work area fills the window; a window smaller than the lab's panels
    // need (a 640 x 480 screen) scrolls them instead of cutting them off.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("sbWork"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    m_workArea = new QWidget;
    m_workArea->setObjectName(QStringLiteral("pnWork"));
    scroller->setWidget(m_workArea);
    // The lab's own colour is painted by the window under the area.
    m_workArea->setAutoFillBackground(false);
    scroller->viewport()->setAutoFillBackground(false);
    return scroller;
}

QLabel* TfmLab::makeStripLabel(const QString& name, const QFont& font, const QString& style)
{
    auto* label = new QLabel(imTop);
    label->setObjectName(name);
    label->setFont(font);
    label->setStyleSheet(style);
    return label;
}

void TfmLab::makeTopStrip()
{
    imTop = new QLabel(this);
    imTop->setObjectName(QStringLiteral("imTop"));
    imTop->setFixedHeight(kTopHeight);
    // The strip is drawn wider than any screen; the window shows its left part
    // and may be as narrow as the user likes.
    imTop->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    imTop->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imTop->setAutoFillBackground(true);
    QPalette strip = imTop->palette();
    strip.setColor(QPalette::Window, kStripColor);
    imTop->setPalette(strip);

    lbName = makeStripLabel(QStringLiteral("lbName"), QFont(kStripFont, 22, QFont::Bold), QStringLiteral("color: white;"));
    auto* shadow = new QGraphicsDropShadowEffect(lbName);
    shadow->setBlurRadius(0);
    shadow->setOffset(2, 2);
    shadow->setColor(QColor(0, 0, 0, 200));
    lbName->setGraphicsEffect(shadow);
    lbExample = makeStripLabel(QStringLiteral("lbExample"), QFont(kStripFont, 12), QStringLiteral("color: rgb(255, 236, 160);"));
}

void TfmLab::makeToolBar()
{
    m_toolBar = new QWidget(imTop);
    m_toolBar->setObjectName(QStringLiteral("pnTools"));
    auto* tools = new QHBoxLayout(m_toolBar);
    tools->setContentsMargins(0, 0, 0, 0);
    tools->setSpacing(2);
    tools->setAlignment(Qt::AlignLeft);

    btClear = addToolbarButton(QStringLiteral("btClear"), QStringLiteral("Очистить все"), QStringLiteral("LabClear.png"));
    btLoad = addToolbarButton(QStringLiteral("btLoad"), QStringLiteral("Открыть ..."), QStringLiteral("LabOpen.png"));
    btSave = addToolbarButton(QStringLiteral("btSave"), QStringLiteral("Сохранить ..."), QStringLiteral("LabSave.png"));
    btExample = addToolbarButton(QStringLiteral("btExample"), QStringLiteral("Примеры ..."), QStringLiteral("LabExam.png"));
    PopupEx = new QMenu(this);
    PopupEx->setObjectName(QStringLiteral("PopupEx"));

    connect(btClear, &QToolButton::clicked, this, [this] { btClearClick(); });
    connect(btLoad, &QToolButton::clicked, this, [this] { btLoadClick(); });
    connect(btSave, &QToolButton::clicked, this, [this] { btSaveClick(); });
    connect(btExample, &QToolButton::clicked, this, [this] { btExampleClick(); });
}

void TfmLab::PrepareSpeedButton(QToolButton& button)
{
    button.setAutoRaise(true);
    button.setFocusPolicy(Qt::NoFocus);
    button.setFixedSize(kButtonSize, kButtonSize);
    button.setIconSize(QSize(kButtonSize - 6, kButtonSize - 6));
}

QToolButton* TfmLab::addToolbarButton(const QString& name, const QString& hint, const QString& picture)
{
    auto* button = addControl<QToolButton>(name, m_toolBar);
    button->setToolTip(hint);
    button->setText(hint);
    button->setIcon(QIcon(base::RealPath(QStringLiteral("JPG\\") + picture)));
    m_toolBar->layout()->addWidget(button);
    return button;
}

QString TfmLab::exampleFolder() const
{
    return QStringLiteral("LABS\\LAB") + QString::number(m_number) + u'\\';
}

void TfmLab::ClearLab()
{
    for (const LabComponent& component : m_components.all()) ClearValue(component);
    lbExample->clear();
}

void TfmLab::ReadLab(const LabFileData& data)
{
    if (data.number != m_number) throw LabFormatError();
    ApplyWindowLines(m_components, data.controls);
}

void TfmLab::WriteLab(LabFileData& data)
{
    data.number = m_number;
    data.controls = WindowLines(m_components);
}

bool TfmLab::LoadLabFile(const QString& file)
{
    const LabFileText content = ReadLabFileText(file);
    if (!content.text) {
        ui::ShowMessage(content.error);
        return false;
    }
    return LoadLabText(*content.text);
}

bool TfmLab::LoadLabText(const QString& text)
{
    ClearLab();
    try {
        ReadLab(ReadLabData(text));
        return true;
    } catch (const base::AppError& error) {
        ui::ShowMessage(error.message());
    } catch (const std::exception&) {
        ui::ShowMessage(kWrongFormatText);
    }
    return false;
}

bool TfmLab::SaveLabFile(const QString& file)
{
    LabFileData data;
    WriteLab(data);
    if (base::WriteText(file, LabDataText(data))) return true;
    ui::ShowMessage(QStringLiteral("Не удается сохранить файл \"") + file + u'"');
    return false;
}

void TfmLab::PlayDemo(const QString& basePath)
{
    TDemo& player = DemoPlayer();
    if (player.playing()) return;
    const QString labFile = basePath + QStringLiteral(".LAB");
    if (base::FileExists(labFile)) LoadLabFile(labFile);
    const QString script = basePath + QStringLiteral(".SCI");
    if (!base::FileExists(script)) return;
    const QString music = basePath + QStringLiteral(".WAV");
    ui::PlaySound(base::FileExists(music) ? music : kDemoMusic);
    player.setTargetWindow(this);
    player.StartScript(script);
    lbExample->setText(kDemoNote);
}

void TfmLab::ApplyMenuChoice(QAction* item, QToolButton* button)
{
    item->setCheckable(true);
    item->setChecked(true);
    bool menuHasPictures = false;
    for (QObject* owner : item->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            for (const QAction* action : menu->actions()) menuHasPictures |= !action->icon().isNull();
    if (menuHasPictures) button->setIcon(item->icon());
    else button->setText(item->text());
    SetTag(button, Tag(item));
    // QAction gives its caption when no hint of its own was set.
    button->setToolTip(item->toolTip());
}

std::optional<QColor> TfmLab::chooseColor(const QColor& initial)
{
    QColorDialog dialog(initial, this);
    if (ui::dialogs().exec(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.currentColor();
}

std::optional<QFont> TfmLab::chooseFont()
{
    QFontDialog dialog(font(), this);
    if (ui::dialogs().exec(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.currentFont();
}

QString TfmLab::askSaveFile(const QString& filter, const QString& defaultExt)
{
    return ui::dialogs().saveFile(filter, defaultExt, UserFolderReal());
}

void TfmLab::showEvent(QShowEvent* event)
{
    FullSizeWindow::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfmLab::hideEvent(QHideEvent* event)
{
    FullSizeWindow::hideEvent(event);
    if (event->spontaneous()) return;
    shellcalls::navigation().CloseTaskWindows();
    shellcalls::statusLine().ShowStatus(QString());
}

void TfmLab::resizeEvent(QResizeEvent* event)
{
    FullSizeWindow::resizeEvent(event);
    const int width = std::max(0, event->size().width() - kStripLeft);
    lbName->setGeometry(kStripLeft, 8, width, 40);
    lbExample->setGeometry(kStripLeft + 2, 48, width, 26);
    m_toolBar->setGeometry(kStripLeft, kToolBarTop, width, kButtonSize + 2);
}

void TfmLab::paintEvent(QPaintEvent* event)
{
    // Full-size windows erase no background; the lab's own area is painted here.
    QPainter(this).fillRect(event->rect(), kWorkColor);
}

void TfmLab::FormShow()
{
    if (m_prepared) return;
    m_prepared = true;
    const QPixmap top(base::RealPath(kTopPicture));
    if (!top.isNull()) imTop->setPixmap(top);
    lbName->setText(windowTitle());
    buildExampleMenu();
}

void TfmLab::buildExampleMenu()
{
    PopupEx->clear();
    const auto captions = base::TryReadLines(exampleFolder() + QStringLiteral("examples.txt"));
    btExample->setVisible(captions.has_value());
    if (!captions) return;
    for (int i = 0; i < captions->size(); ++i) {
        const QString caption = captions->at(i);
        QAction* item = PopupEx->addAction(caption);
        connect(item, &QAction::triggered, this, [this, i, caption] { exampleChosen(i, caption); });
    }
}

void TfmLab::btClearClick() { ClearLab(); }

QString TfmLab::openDialogStart() const
{
    const QString task = shellcalls::navigation().VisibleTaskCode();
    if (task.isEmpty()) return m_lastFolder.isEmpty() ? base::RealPath(exampleFolder()) : m_lastFolder;
    const QString topic = base::ExtractFolder(task);
    const QString name = task.mid(topic.size()).left(12);
    return base::RealPath(QStringLiteral("ZADS\\") + topic) + name;
}

QString TfmLab::saveDialogStart() const { return m_lastFolder.isEmpty() ? UserFolderReal() : m_lastFolder; }

void TfmLab::rememberFolder(const QString& file)
{
    m_lastFolder = QFileInfo(file).absolutePath() + u'/';
}

void TfmLab::btLoadClick()
{
    const QString file = ui::dialogs().openFile(kLabFileFilter, kLabFileExt, openDialogStart());
    if (!file.isEmpty() && LoadLabFile(file)) rememberFolder(file);
}

void TfmLab::btSaveClick()
{
    const QString file = ui::dialogs().saveFile(kLabFileFilter, kLabFileExt, saveDialogStart());
    if (!file.isEmpty() && SaveLabFile(WithDefaultExtension(file))) rememberFolder(file);
}

void TfmLab::btExampleClick()
{
    PopupEx->popup(btExample->mapToGlobal(QPoint(0, kMenuOffset)));
}

void TfmLab::exampleChosen(int index, const QString& caption)
{
    if (LoadLabFile(exampleFolder() + QString::number(index) + QStringLiteral(".LAB")))
        lbExample->setText(QStringLiteral("( ") + caption + QStringLiteral(" )"));
}

QToolButton* TfmLab::addButton(const QString& name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* button = addControl<QToolButton>(name, parent);
    button->setText(caption);
    button->setToolTip(hint);
    if (!caption.isEmpty()) {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFixedSize(button->sizeHint().width() + 8, 26);
    }
    parent->layout()->addWidget(button);
    addHelpMenu(button);
    return button;
}

void TfmLab::addHelpMenu(QWidget* control)
{
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, this, [this, control](const QPoint& at) {
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(QStringLiteral("Что это такое?"), this, [control] {
            shellcalls::guide().ShowControlHelp(control);
        });
        menu->popup(control->mapToGlobal(at));
    });
}

} // namespace labframe
