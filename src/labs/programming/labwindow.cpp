#include "labs/programming/labwindow.h"
#include "labs/programming/configdialog.h"
#include "base/apperror.h"
#include "base/appstate.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "shellcalls/shellcalls.h"
#include "ui/dialogs.h"
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace programminglab {
namespace {

using programming::TextEncoding;

const QString kExamplesHeading = QStringLiteral("   Примеры программ:");
const QString kOwnTabCaption = QStringLiteral("Своя программа");
const QString kExampleTabCaption = QStringLiteral("Пример");
const QString kNoEnvironment = QStringLiteral("Не задана система программирования");
const QColor kExampleColour(120, 0, 208);
const QColor kFocusedExampleBackground(192, 192, 192);
constexpr int kTreeWidth = 320;
constexpr int kCodeRole = Qt::UserRole;
// The node selected when the lab is made: the fourth in tree order.
constexpr int kFirstSelectedNode = 3;
constexpr int kExampleTab = 1;
constexpr int kOwnTab = 0;
constexpr int kPanelMargin = 8;

QFont MonospaceFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(11);
    return font;
}

QPlainTextEdit* MakeProgramText(const QString& name, bool readOnly, QWidget* parent)
{
    auto* text = new QPlainTextEdit(parent);
    text->setObjectName(name);
    text->setFont(MonospaceFont());
    text->setReadOnly(readOnly);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    return text;
}

QString CannotSave(const QString& file) { return QStringLiteral("Не удается сохранить файл \"") + file + u'"'; }

} // namespace

TfmLab19::TfmLab19(QWidget* parent) : TfmLab(kLabNumber, parent)
{
    auto* layout = new QHBoxLayout(workArea());
    layout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    layout->addWidget(makeExamplePanel());
    layout->addWidget(makeProgramPanel(), 1);
    ffConfig = new TffConfig(this);
    loadExamples();
    loadSettings();
    updateRunButton();
}

QWidget* TfmLab19::makeExamplePanel()
{
    auto* panel = new QWidget(workArea());
    panel->setFixedWidth(kTreeWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    lbExamples = new QLabel(kExamplesHeading, panel);
    lbExamples->setObjectName(QStringLiteral("lbExamples"));
    tvExamples = new QTreeWidget(panel);
    tvExamples->setObjectName(QStringLiteral("tvExamples"));
    tvExamples->setHeaderHidden(true);
    tvExamples->setToolTip(QStringLiteral("Выберите пример программы"));
    tvExamples->setStyleSheet(QStringLiteral("QTreeWidget { background: white; } "
                                             "QTreeWidget::item:selected { color: rgb(%1, %2, %3); background: rgb(%4, %4, %4); }")
                                  .arg(kExampleColour.red()).arg(kExampleColour.green()).arg(kExampleColour.blue())
                                  .arg(kFocusedExampleBackground.red()));
    addHelpMenu(tvExamples);
    layout->addWidget(lbExamples);
    layout->addWidget(tvExamples, 1);
    connect(tvExamples, &QTreeWidget::itemSelectionChanged, this, &TfmLab19::treeSelectionChanged);
    // A click on the tree brings the example to the front.
    connect(tvExamples, &QTreeWidget::itemClicked, this, [this] { PageControl->setCurrentIndex(kExampleTab); });
    return panel;
}

QWidget* TfmLab19::makeProgramPanel()
{
    auto* panel = new QWidget(workArea());
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* buttons = new QWidget(panel);
    buttons->setObjectName(QStringLiteral("pnButtons"));
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->setAlignment(Qt::AlignLeft);
    btRun = addButton(QStringLiteral("btRun"), QStringLiteral("Run"), QStringLiteral("Выполнить программу"), buttons);
    btConfig = addButton(QStringLiteral("btConfig"), QStringLiteral("Config"), QStringLiteral("Задать среду программирования"), buttons);
    btTurbo = addButton(QStringLiteral("btTurbo"), QStringLiteral("Turbo Pascal"), QStringLiteral("Запустить среду программирования"), buttons);
    btCopy = addButton(QStringLiteral("btCopy"), QStringLiteral("Копировать в буфер"), QStringLiteral("Копировать выделенный текст в буфер обмена"), buttons);
    btPaste = addButton(QStringLiteral("btPaste"), QStringLiteral("Вставить из буфера"), QStringLiteral("Вставить текст из буфера обмена в свою программу"), buttons);
    connect(btRun, &QToolButton::clicked, this, &TfmLab19::btRunClick);
    connect(btConfig, &QToolButton::clicked, this, &TfmLab19::btConfigClick);
    connect(btTurbo, &QToolButton::clicked, this, &TfmLab19::btTurboClick);
    connect(btCopy, &QToolButton::clicked, this, &TfmLab19::btCopyClick);
    connect(btPaste, &QToolButton::clicked, this, &TfmLab19::btPasteClick);

    PageControl = new QTabWidget(panel);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    tsOwn = new QWidget(PageControl);
    tsOwn->setObjectName(QStringLiteral("tsOwn"));
    tsExample = new QWidget(PageControl);
    tsExample->setObjectName(QStringLiteral("tsExample"));
    meOwn = MakeProgramText(QStringLiteral("meOwn"), false, tsOwn);
    meOwn->setToolTip(QStringLiteral("Ваша программа: ее можно набрать здесь или в среде программирования"));
    meExample = MakeProgramText(QStringLiteral("meExample"), true, tsExample);
    meExample->setToolTip(QStringLiteral("Текст выбранного примера"));
    for (QWidget* tab : {tsOwn, tsExample}) {
        auto* tabLayout = new QVBoxLayout(tab);
        tabLayout->setContentsMargins(0, 0, 0, 0);
        tabLayout->addWidget(tab == tsOwn ? meOwn : meExample);
    }
    addHelpMenu(meOwn);
    addHelpMenu(meExample);
    PageControl->addTab(tsOwn, kOwnTabCaption);
    PageControl->addTab(tsExample, kExampleTabCaption);
    connect(PageControl, &QTabWidget::currentChanged, this, &TfmLab19::PageControlChange);

    layout->addWidget(buttons);
    layout->addWidget(PageControl, 1);
    layout->addWidget(makeWaitStrip());
    return panel;
}

QFrame* TfmLab19::makeWaitStrip()
{
    pnWait = new QFrame(workArea());
    pnWait->setObjectName(QStringLiteral("pnWait"));
    pnWait->setFrameShape(QFrame::StyledPanel);
    pnWait->setStyleSheet(QStringLiteral("QFrame#pnWait { background: rgb(255, 244, 200); }"));
    auto* strip = new QHBoxLayout(pnWait);
    lbWait = new QLabel(pnWait);
    lbWait->setObjectName(QStringLiteral("lbWait"));
    // A long program title wraps instead of widening the window.
    lbWait->setWordWrap(true);
    lbWait->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    btStopWaiting = new QPushButton(QStringLiteral("Не ждать"), pnWait);
    btStopWaiting->setObjectName(QStringLiteral("btStopWaiting"));
    btStopWaiting->setToolTip(QStringLiteral("Вернуться к лаборатории, не дожидаясь, пока программа закроется"));
    addHelpMenu(btStopWaiting);
    strip->addWidget(lbWait, 1);
    strip->addWidget(btStopWaiting);
    pnWait->hide();
    connect(btStopWaiting, &QPushButton::clicked, this, &TfmLab19::btStopWaitingClick);
    connect(&m_run, &programming::ProgramRun::ended, this, &TfmLab19::runEnded);
    connect(&m_run, &programming::ProgramRun::failed, this, &TfmLab19::runFailed);
    return pnWait;
}

void TfmLab19::loadExamples()
{
    tvExamples->clear();
    m_examples = {};
    const std::optional<QStringList> lines = base::TryReadLines(programming::kExampleListFile);
    if (!lines) return;
    try {
        m_examples = programming::ReadExampleTree(*lines);
    } catch (const base::AppError& error) {
        ui::ShowMessage(QStringLiteral("Файл \"%1\": %2").arg(programming::kExampleListFile, error.message()));
        return;
    }
    // Only examples can be chosen; the root and the groups are black headings.
    const Qt::ItemFlags heading = Qt::ItemIsEnabled;
    auto* root = new QTreeWidgetItem(tvExamples, {m_examples.title});
    root->setFlags(heading);
    for (const programming::ExampleGroup& group : m_examples.groups) {
        auto* groupItem = new QTreeWidgetItem(root, {group.title});
        groupItem->setFlags(heading);
        for (const programming::ProgramExample& example : group.examples) {
            auto* item = new QTreeWidgetItem(groupItem, {example.title});
            item->setData(0, kCodeRole, example.code);
            item->setForeground(0, kExampleColour);
        }
    }
    tvExamples->expandAll();
    QTreeWidgetItem* first = labframe::ItemAtAbsoluteIndex(*tvExamples, kFirstSelectedNode);
    if (first && first->data(0, kCodeRole).isValid()) first->setSelected(true);
}

void TfmLab19::loadSettings()
{
    m_settings = programming::LoadSettings(userFolder(), m_find);
    ffConfig->SetUserFolder(userFolder());
    ffConfig->ShowSettings(m_settings);
    btTurbo->setText(m_settings.name);
    btTurbo->setFixedWidth(btTurbo->sizeHint().width() + 8);
}

QString TfmLab19::userFolder() const { return base::App().userFolder; }

QString TfmLab19::taskCode() const { return shellcalls::navigation().VisibleTaskCode(); }

QString TfmLab19::OwnProgramFile() const
{
    return programming::OwnProgramPath(userFolder(), taskCode(), m_settings.extension);
}

QTreeWidgetItem* TfmLab19::itemOf(const QString& code) const
{
    for (QTreeWidgetItemIterator it(tvExamples); *it; ++it)
        if ((*it)->data(0, kCodeRole).toString().compare(code, Qt::CaseInsensitive) == 0) return *it;
    return nullptr;
}

void TfmLab19::ShowExample(const QString& code)
{
    m_currentCode = code;
    if (const programming::ProgramExample* example = m_examples.find(code)) {
        if (QTreeWidgetItem* item = itemOf(code); item && !item->isSelected()) {
            const QSignalBlocker quiet(tvExamples);
            tvExamples->clearSelection();
            item->setSelected(true);
            tvExamples->setCurrentItem(item);
        }
        PageControl->setTabText(kExampleTab, kExampleTabCaption + QStringLiteral(" \"") + example->title + u'"');
        const QString source = programming::ExampleSourcePath(example->code);
        const std::optional<QString> text = programming::ReadProgram(source, TextEncoding::Dos);
        meExample->setPlainText(text.value_or(QString()));
        if (!text) ui::ShowMessage(QStringLiteral("Не удается открыть файл \"") + source + u'"');
    }
    updateRunButton();
}

void TfmLab19::updateRunButton()
{
    const bool known = m_examples.find(m_currentCode) != nullptr;
    btRun->setEnabled(known && base::FileExists(programming::ExampleProgramPath(m_currentCode)));
}

void TfmLab19::treeSelectionChanged()
{
    const QList<QTreeWidgetItem*> selected = tvExamples->selectedItems();
    if (!selected.isEmpty()) ShowExample(selected.first()->data(0, kCodeRole).toString());
}

bool TfmLab19::ownTabActive() const { return PageControl->currentIndex() == kOwnTab; }

QPlainTextEdit* TfmLab19::activeText() const { return ownTabActive() ? meOwn : meExample; }

void TfmLab19::FormShow()
{
    TfmLab::FormShow();
    // The settings belong to the user logged in now.
    loadSettings();
    tvExamples->setFocus();
    const QString task = taskCode();
    // The pupil's program of this task (or the one without a task) as she left it.
    m_ownFile = OwnProgramFile();
    meOwn->setPlainText(programming::ReadProgram(m_ownFile, m_settings.encoding).value_or(QString()));
    meOwn->document()->setModified(false);
    const QSignalBlocker quiet(PageControl);
    if (!task.isEmpty()) {
        ShowExample(task);
        PageControl->setTabText(kOwnTab, kOwnTabCaption + QStringLiteral(": ") + task);
        PageControl->setCurrentIndex(kOwnTab);
    } else {
        PageControl->setTabText(kOwnTab, kOwnTabCaption);
        PageControl->setCurrentIndex(kExampleTab);
        const QList<QTreeWidgetItem*> selected = tvExamples->selectedItems();
        if (!selected.isEmpty()) ShowExample(selected.first()->data(0, kCodeRole).toString());
    }
    updateRunButton();
}

void TfmLab19::hideEvent(QHideEvent* event)
{
    TfmLab::hideEvent(event);
    // What the pupil typed stays with her task when she leaves the lab.
    if (m_ownFile.isEmpty() || !meOwn->document()->isModified()) return;
    if (programming::WriteProgram(m_ownFile, meOwn->toPlainText(), m_settings.encoding)) meOwn->document()->setModified(false);
    else ui::ShowMessage(CannotSave(m_ownFile));
}

void TfmLab19::PageControlChange()
{
    if (ownTabActive()) {
        meOwn->setFocus();
        const QString task = taskCode();
        ShowExample(task.isEmpty() ? programming::kNoTaskCode : task);
        return;
    }
    const QList<QTreeWidgetItem*> selected = tvExamples->selectedItems();
    ShowExample(selected.isEmpty() ? QString() : selected.first()->data(0, kCodeRole).toString());
}

void TfmLab19::ClearLab()
{
    TfmLab::ClearLab();
    // The frame enables every button; Run stays off without a ready program.
    updateRunButton();
}

void TfmLab19::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    updateRunButton();
}

void TfmLab19::btClearClick()
{
    meOwn->clear();
    ClearLab();
}

bool TfmLab19::SaveLabFile(const QString& file)
{
    if (!TfmLab::SaveLabFile(file)) return false;
    const QString program = programming::PairedProgramPath(file, m_settings.extension);
    if (programming::WriteProgram(program, meOwn->toPlainText(), m_settings.encoding)) return true;
    ui::ShowMessage(CannotSave(program));
    return false;
}

bool TfmLab19::LoadLabFile(const QString& file)
{
    if (!TfmLab::LoadLabFile(file)) return false;
    const QString program = programming::PairedProgramPath(file, m_settings.extension);
    meOwn->setPlainText(programming::ReadProgram(program, m_settings.encoding).value_or(QString()));
    return true;
}

void TfmLab19::btConfigClick()
{
    ffConfig->SetUserFolder(userFolder());
    ffConfig->ShowSettings(m_settings);
    if (ui::dialogs().exec(*ffConfig) != QDialog::Accepted) return;
    m_settings = ffConfig->Settings();
    // A new extension names another file for the own program from now on.
    if (!m_ownFile.isEmpty()) m_ownFile = OwnProgramFile();
    btTurbo->setText(m_settings.name);
    btTurbo->setFixedWidth(btTurbo->sizeHint().width() + 8);
}

void TfmLab19::btTurboClick()
{
    if (m_run.running()) return;
    if (m_settings.environment.isEmpty() || !QFileInfo::exists(base::RealPath(m_settings.environment))) {
        ui::ShowMessage(kNoEnvironment);
        return;
    }
    const QString environment = base::RealPath(m_settings.environment);
    if (const QString problem = programming::ExecutableProblem(environment); !problem.isEmpty()) {
        ui::ShowMessage(programming::StartFailureMessage(environment, problem));
        return;
    }
    const bool own = ownTabActive();
    const QString file = own ? OwnProgramFile() : programming::ExampleCopyPath(userFolder(), m_settings.extension);
    if (own) m_ownFile = file;
    if (!programming::WriteProgram(file, own ? meOwn->toPlainText() : meExample->toPlainText(), m_settings.encoding)) {
        ui::ShowMessage(CannotSave(file));
        return;
    }
    const QString realFile = base::RealPath(file);
    const QString folder = QFileInfo(realFile).absolutePath();
    programming::ProgramSettings settings = m_settings;
    settings.environment = environment;
    startAndWait(programming::EnvironmentCommand(settings, realFile, folder, m_find), m_settings.name, [this, own, file] {
        // The environment may have changed the pupil's program.
        if (!own) return;
        if (const std::optional<QString> text = programming::ReadProgram(file, m_settings.encoding)) {
            meOwn->setPlainText(*text);
            meOwn->moveCursor(QTextCursor::Start);
        }
    });
}

void TfmLab19::btRunClick()
{
    if (m_run.running() || !m_examples.find(m_currentCode)) return;
    const QString program = base::RealPath(programming::ExampleProgramPath(m_currentCode));
    if (const QString problem = programming::ExecutableProblem(program); !problem.isEmpty()) {
        ui::ShowMessage(programming::StartFailureMessage(program, problem));
        updateRunButton();
        return;
    }
    startAndWait(programming::ExampleCommand(program, m_find), m_examples.find(m_currentCode)->title, {});
}

void TfmLab19::startAndWait(const programming::ProgramCommand& command, const QString& what, std::function<void()> afterEnd)
{
    m_afterEnd = std::move(afterEnd);
    if (m_run.start(command)) setWaiting(true, what);
    // A failed start is told by runFailed from the event loop.
}

void TfmLab19::setWaiting(bool waiting, const QString& what)
{
    for (QWidget* control : {static_cast<QWidget*>(tvExamples), static_cast<QWidget*>(PageControl), btRun->parentWidget(),
                             toolBar()})
        control->setEnabled(!waiting);
    lbWait->setText(waiting ? QStringLiteral("Работает программа «%1». Лаборатория ждет, пока она закроется.").arg(what)
                            : QString());
    pnWait->setVisible(waiting);
    if (!waiting) updateRunButton();
}

void TfmLab19::runEnded()
{
    setWaiting(false, {});
    if (const std::function<void()> after = std::exchange(m_afterEnd, {})) after();
    activateWindow();
}

void TfmLab19::runFailed(const QString& message)
{
    m_afterEnd = {};
    setWaiting(false, {});
    ui::ShowMessage(message);
}

void TfmLab19::btStopWaitingClick()
{
    // The program stays open; the lab reads the pupil's program back now.
    m_run.detach();
}

void TfmLab19::btCopyClick() { activeText()->copy(); }

void TfmLab19::btPasteClick()
{
    // Only the own program can be changed.
    if (!ownTabActive()) PageControl->setCurrentIndex(kOwnTab);
    meOwn->paste();
}

} // namespace programminglab
