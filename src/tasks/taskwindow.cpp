#include "tasks/taskwindow.h"
#include "formulas/formula.h"
#include "formulas/view/formulaeditor.h"
#include "formulas/view/formulapages.h"
#include "formulas/view/picture.h"
#include "labframe/labfile.h"
#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "base/appstate.h"
#include "base/apperror.h"
#include "base/clock.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "tasks/calculator.h"
#include "tasks/answerarea.h"
#include "taskfiles/answerfile.h"
#include "taskfiles/taskpage.h"
#include "ui/waitcursor.h"
#include "ui/dialogs.h"
#include "shellcalls/shellcalls.h"
#include "ui/htmlview.h"
#include "ui/imagebuttons.h"
#include "ui/windowstack.h"
#include "users/results.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tasks {

namespace {

// The window shows beside a topic page, whose formula pictures lie in the
// same temporary folder numbered from 1 (and the hint's from 1001): the
// task's own pictures take the numbers after 2000, so no page overwrites the
// pictures another page on screen still shows.
constexpr int kFirstPictureNumber = 2000;

const QColor kPageColor(239, 226, 252);       // light lilac: the page and judged formulas
const QColor kFieldPictureColor(180, 207, 231); // light blue: formulas being answered
const QColor kWrongFormulaColor(255, 0, 0);
const QString kPageFont = QStringLiteral("Times New Roman");
const QString kBaseFolder = QStringLiteral("ZADS\\00000000\\");
constexpr int kButtonPanelHeight = 40;
constexpr int kClockIntervalMs = 1000;
// The window stands this far above the bottom of the screen (the task bar).
constexpr int kAboveScreenBottom = 34;
// The face animation stops by itself on this frame.
constexpr int kLastFaceFrame = 8;
constexpr int kFaceOffset = 16;

} // namespace

TffZad::TffZad(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ffZad"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_calculator = new DesktopCalculator(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(0);
    Conteiner = new TConteiner(Panel2);
    Conteiner->setObjectName(QStringLiteral("Conteiner"));
    layout->addWidget(Panel2);

    HTML = new ui::HtmlView(this);
    HTML->setObjectName(QStringLiteral("HTML"));
    HTML->SetBackgroundColor(kPageColor);
    HTML->SetDefaultFont(kPageFont, font().pointSize());
    HTML->SetBaseFolder(kBaseFolder);
    HTML->SetHistoryLimit(0);
    HTML->SetLinkHandler([this](const QString& href) { return HTMLLinkClick(href); });
    layout->addWidget(HTML, 1);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(kButtonPanelHeight);
    RxGIF = new ui::TGifImage(Panel1);
    RxGIF->setObjectName(QStringLiteral("RxGIF"));
    RxGIF->hide();
    connect(RxGIF, &ui::TGifImage::frameChanged, this, [this](int frame) {
        if (frame >= kLastFaceFrame) RxGIF->setAnimate(false);
    });
    PanelButton = new QWidget(Panel1);
    PanelButton->setObjectName(QStringLiteral("PanelButton"));
    auto* bottom = new QHBoxLayout(Panel1);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addWidget(PanelButton);
    buildButtons();
    layout->addWidget(Panel1);

    // Out of sight: the focus goes here when the window closes.
    edFocus = new QLineEdit(this);
    edFocus->setObjectName(QStringLiteral("edFocus"));
    edFocus->setGeometry(-200, -200, 100, 20);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kClockIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TffZad::Timer1Timer);
    connect(HTML, &ui::HtmlView::documentHeightChanged, this, &TffZad::FitWindow);
    connect(HTML, &ui::HtmlView::titleChanged, this, &TffZad::FitWindow);

    // The window sees keys before its controls (the page takes them otherwise).
    qApp->installEventFilter(this);
}

TffZad::~TffZad()
{
    if (qApp) qApp->removeEventFilter(this);
}

QPushButton* TffZad::newButton(const QString& name, const QString& caption, const QString& hint)
{
    auto* button = new QPushButton(caption, PanelButton);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFocusPolicy(Qt::TabFocus);
    PanelButton->layout()->addWidget(button);
    return button;
}

void TffZad::buildButtons()
{
    auto* row = new QHBoxLayout(PanelButton);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(4);
    btReady = newButton(QStringLiteral("btReady"), QStringLiteral("Готово"), QStringLiteral("Готово"));
    btSend = newButton(QStringLiteral("btSend"), QStringLiteral("Готово"), QStringLiteral("Готово"));
    btYes = newButton(QStringLiteral("btYes"), QStringLiteral("Верно"), QStringLiteral("Верно"));
    btNo = newButton(QStringLiteral("btNo"), QStringLiteral("Неверно"), QStringLiteral("Неверно"));
    btBack = newButton(QStringLiteral("btBack"), QStringLiteral("Начать с начала"), QStringLiteral("Начать с начала"));
    btHelp = newButton(QStringLiteral("btHelp"), QStringLiteral("Подсказка"), QStringLiteral("Подсказка"));
    btCalc = newButton(QStringLiteral("btCalc"), QStringLiteral("Калькулятор"), QStringLiteral("Калькулятор"));
    btLoad = newButton(QStringLiteral("btLoad"), QStringLiteral("Подсмотреть"),
                       QStringLiteral("\"Подсмотреть\" правильный ответ"));
    row->addStretch(1);
    btYes->setCheckable(true);
    btNo->setCheckable(true);
    btReady->setDefault(true);
    connect(btReady, &QPushButton::clicked, this, &TffZad::btReadyClick);
    connect(btSend, &QPushButton::clicked, this, &TffZad::btSendClick);
    connect(btBack, &QPushButton::clicked, this, &TffZad::btBackClick);
    connect(btHelp, &QPushButton::clicked, this, &TffZad::btHelpClick);
    connect(btCalc, &QPushButton::clicked, this, &TffZad::btCalcClick);
    connect(btLoad, &QPushButton::clicked, this, &TffZad::btLoadClick);
    connect(btYes, &QPushButton::clicked, this, &TffZad::btYesClick);
    connect(btNo, &QPushButton::clicked, this, &TffZad::btNoClick);
}

QString TffZad::PictureFolder() { return base::TempFolder(); }

// --- opening ---

bool TffZad::Open(const shellcalls::TaskOpening& opening)
{
    if (!IsSafeTaskCode(opening.taskCode)) {
        ui::ShowMessage(QStringLiteral("Неверный код упражнения \"%1\"").arg(opening.taskCode));
        return false;
    }
    const QString page = kTasksFolder + opening.taskCode + kPageExt;
    if (!base::FileExists(page)) {
        ui::ShowMessage(QStringLiteral("Не удается открыть файл \"%1\"").arg(page));
        return false;
    }
    if (isVisible()) close();
    setWindowTitle(opening.caption);
    ShowUser(opening.userId);
    LoadTask(opening.taskCode);
    RestoreState();
    btYes->setChecked(opening.pressedVerdict == u"1");
    btNo->setChecked(opening.pressedVerdict == u"2");
    // A task found by the search shows where the text stands.
    if (!opening.findText.isEmpty()) HTML->FindText(opening.findText);
    return true;
}

void TffZad::ShowUser(const QString& userId) { m_state.ShowUser(userId); }

void TffZad::LoadTask(const QString& code)
{
    m_state.taskCode = code;
    if (code.isEmpty()) return;
    QStringList pageFile;
    try {
        pageFile = base::ReadLines(m_state.TaskFile(kPageExt));
    } catch (const base::AppError& error) {
        ui::ShowMessage(error.message());
    }
    m_state.pageLines = AssembleTaskPage(pageFile, PictureFolder());
    m_state.answers.clear();
    m_state.expectedAnswers.clear();
    m_judged = false;

    const TaskButtons buttons = VisibleButtons(m_state, base::App().isTeacher);
    btReady->setVisible(buttons.ready);
    btSend->setVisible(buttons.send);
    btYes->setVisible(buttons.marking);
    btNo->setVisible(buttons.marking);
    btHelp->setVisible(buttons.hint);
    btLoad->setVisible(buttons.peek);

    m_state.hasContainer = base::FileExists(m_state.TaskFile(kAreaExt));
    Conteiner->Clear();
    if (!m_state.hasContainer || !Conteiner->Load(m_state.TaskFile(kAreaExt))) Panel2->setFixedHeight(0);
    Panel2->setEnabled(true);

    int counter = kFirstPictureNumber;
    for (QString& line : m_state.pageLines) formulas::ExpandFormulaTags(line, counter);
    HTML->LoadLines(m_state.pageLines, kBaseFolder);
}

void TffZad::RestoreState()
{
    if (!m_state.taskCode.isEmpty()) {
        ShowAnswers(m_state.UserFile(kAnswersExt));
        if (m_state.hasContainer && base::FileExists(m_state.UserFile(kAreaExt)))
            Conteiner->Load(m_state.UserFile(kAreaExt));
        restoreLab();
    }
    show();
    raise();
    activateWindow();
}

void TffZad::restoreLab()
{
    const QString file = TaskLabFile(m_state);
    const std::optional<int> number = file.isEmpty() ? std::nullopt : labframe::ReadLabNumber(file);
    labframe::TfmLab* lab = number ? labframe::CreateLab(*number) : nullptr;
    labframe::SetCurrentLab(lab);
    if (!lab) return;
    lab->LoadLabFile(file);
    if (!lab->isVisible()) ui::OpenWindow(lab);
}

void TffZad::ShowAnswers(const QString& file)
{
    if (!HTML->HasForm()) return;
    const std::optional<QStringList> saved = base::FileExists(file) ? ReadAnswerFile(file) : std::nullopt;
    showAnswerLines(saved ? *saved : HTML->FormValues(), saved.has_value());
}

void TffZad::showAnswerLines(const QStringList& lines, bool setFields)
{
    for (const FormulaField& field : FormulaFieldsOf(lines)) writeFormulaPicture(field.name, field.value, kFieldPictureColor);
    HTML->LoadLines(m_state.pageLines, kBaseFolder);
    FitWindow();
    if (setFields) HTML->SetFormValues(lines);
}

void TffZad::writeFormulaPicture(const QString& name, const QString& value, const QColor& background,
                                 const QColor& colour)
{
    // A name from an answer file that would lead out of the temporary folder
    // gets no picture (the page has no such field to show it anyway).
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(u':')) return;
    formulas::TFormula formula;
    formula.SetText(value);
    // The page links the picture by the field's name in capitals.
    formulas::SaveImage(formula, FormulaPicture(PictureFolder(), name.toUpper()), colour, background);
}

// --- showing, the clock, closing ---

void TffZad::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    btLoad->setVisible(base::App().isTeacher);
    m_state.startTime = base::TimeOfDaySeconds();
    Timer1->start();
    HTML->setEnabled(!m_judged);
    FitWindow();
}

void TffZad::Timer1Timer() { setWindowTitle(ClockCaption(windowTitle(), ElapsedSeconds(m_state.startTime))); }

void TffZad::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) closeTask();
}

void TffZad::closeTask()
{
    if (m_closing) return;
    m_closing = true;
    RxGIF->setAnimate(false);
    RxGIF->hide();
    PanelButton->show();
    shellcalls::guide().CloseHintPage();
    Timer1->stop();
    edFocus->setFocus();
    LoadTask(QString());
    m_state.pageLines.clear();
    HTML->Clear();
    Conteiner->Clear();
    Panel2->setFixedHeight(0);
    m_judged = false;
    // The lab of the task goes with it, by the main window's way back.
    if (labframe::TfmLab* lab = labframe::CurrentLab(); lab && lab->isVisible()) {
        if (ui::WindowStack::instance().top() == lab) ui::CloseTopWindow();
    }
    // The window beneath takes the keyboard back, and with its activation
    // shows what the verdict changed (the icons of a topic page).
    if (QWidget* top = ui::WindowStack::instance().top(); top && top->isVisible()) top->activateWindow();
    m_closing = false;
}

QString TffZad::VisibleTaskCode() const { return isVisible() ? m_state.taskCode : QString(); }

void TffZad::SetPageFontSize(int points)
{
    if (points > 0) HTML->SetDefaultFont(kPageFont, points);
}

bool TffZad::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !isVisible()) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F4 && key->modifiers() == Qt::AltModifier) {
        StoreGeometry();
        close();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

// --- fitting and geometry ---

void TffZad::FitWindow()
{
    if (!isVisible()) return;
    // The page's width, but never so narrow that buttons are cut off.
    const int width = std::max(ClientWidthFromTitle(HTML->Title(), btNo->isVisibleTo(this)),
                               PanelButton->minimumSizeHint().width());
    const int page = HTML->DocumentHeight() > 0 ? HTML->DocumentHeight() : HTML->height();
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = shown ? shown->availableGeometry() : QRect(0, 0, 1024, 768);
    const int frameExtra = frameGeometry().height() - geometry().height();
    // The whole page without scrolling, as far as the screen allows.
    const int height = std::min(page + Panel1->height() + Panel2->height() + 2, area.height() - frameExtra);
    resize(width, height);
    const QWidget* top = ui::WindowStack::instance().top();
    const int outerWidth = frameGeometry().width();
    const int left = top && top != this ? top->x() + top->width() / 2 - outerWidth / 2
                                        : area.left() + (area.width() - outerWidth) / 2;
    move(left, std::max(0, area.bottom() + 1 - (height + frameExtra) - kAboveScreenBottom));
}

void TffZad::StoreGeometry()
{
    QApplication::beep();
    const QString file = m_state.TaskFile(kPageExt);
    if (m_state.taskCode.isEmpty() || !base::FileExists(file)) return;
    const std::optional<QStringList> lines = base::TryReadLines(file);
    if (!lines) return;
    const QWidget* main = ui::WindowStack::instance().at(1);
    const QPoint origin = main ? main->pos() : QPoint();
    const QStringList titled =
        WithGeometryTitle(*lines, HTML->width(), x() - origin.x(), y() - origin.y(), HTML->height());
    if (!base::WriteLines(file, titled)) ui::ShowMessage(QStringLiteral("Не удается сохранить файл \"%1\"").arg(file));
}

// --- the page's links ---

bool TffZad::HTMLLinkClick(const QString& href)
{
    if (!href.startsWith(kFormulaLinkPrefix, Qt::CaseInsensitive)) return false;
    if (HTML->HasForm()) editFormulaField(href.mid(kFormulaLinkPrefix.size()));
    return true;
}

void TffZad::editFormulaField(const QString& name)
{
    // Another pupil's answers are looked at, never changed.
    if (!m_state.IsShownUserCurrent()) {
        shellcalls::guide().ShowNote(kWrongUserNote, kNoteSeconds);
        return;
    }
    formulas::TFormula formula;
    formula.SetText(HTML->GetFormValue(name));
    formulas::Edit(formula, false);
    ui::WaitCursor wait;
    HTML->SetFormValue(name, formula.Text());
    writeFormulaPicture(name, formula.Text(), kFieldPictureColor);
    if (!m_state.HasUserFolder()) {
        showAnswerLines(HTML->FormValues(), true);
        return;
    }
    const QString file = m_state.UserFile(kAnswersExt);
    const base::SharedChangeStatus saved =
        base::App().sharedChanges.Apply(file, base::ReplaceLines(AnswerFileLines(HTML->FormValues()))).status;
    if (const QString message = base::SharedChangeMessage(saved, file); !message.isEmpty()) {
        ui::ShowMessage(message);
        return;
    }
    ShowAnswers(file);
}

// --- the buttons ---

PageAnswers TffZad::collectPage() const
{
    PageAnswers page;
    page.hasForm = HTML->HasForm();
    page.formValues = HTML->FormValues();
    page.controlNames = HTML->FormFieldNames();
    if (m_state.hasContainer) page.areaAnswers = Conteiner->CollectAnswers();
    if (const labframe::TfmLab* lab = labframe::CurrentLab()) page.labAnswers = lab->TaskAnswers();
    return page;
}

void TffZad::btReadyClick()
{
    if (m_judged) return;
    const CheckResult result = CheckAnswers(m_state, collectPage());
    if (!result.message.isEmpty()) ui::ShowMessage(result.message);
    if (result.status != CheckStatus::Judged) return;
    for (const FormulaMark& mark : result.formulas)
        writeFormulaPicture(mark.name, mark.value, kPageColor, mark.right ? QColor(Qt::black) : kWrongFormulaColor);
    HTML->LoadLines(m_state.pageLines, kBaseFolder);
    HTML->ScrollToEnd();
    finishAttempt(result.verdict);
}

void TffZad::btSendClick()
{
    if (m_judged) return;
    SendAnswers(m_state, collectPage(), resultPlaces());
    m_judged = true;
    HTML->setEnabled(false);
    Panel2->setEnabled(false);
    ShowFace(0);
}

ResultPlaces TffZad::resultPlaces() const
{
    return {base::App(), m_state.hasContainer ? Conteiner : nullptr, labframe::CurrentLab()};
}

void TffZad::finishAttempt(int verdict)
{
    RecordResult(m_state, verdict, resultPlaces());
    m_judged = true;
    HTML->setEnabled(false);
    Panel2->setEnabled(false);
    ShowFace(verdict);
}

void TffZad::ShowFace(int verdict)
{
    PanelButton->hide();
    if (!RxGIF->LoadFromFile(FaceFile(verdict))) return;
    RxGIF->move(Panel1->width() / 2 - RxGIF->width() + kFaceOffset, (Panel1->height() - RxGIF->height()) / 2);
    RxGIF->setFrame(0);
    RxGIF->show();
    RxGIF->setAnimate(true);
}

void TffZad::btBackClick()
{
    const QString code = m_state.taskCode;
    if (code.isEmpty()) return;
    if (m_state.HasUserFolder()) {
        // A pupil's saved work is what the teacher marks: it goes only when
        // the teacher says so.
        if (!m_state.IsShownUserCurrent()
            && ui::dialogs().question(kDeletePupilsWorkQuestion, ui::kAppCaption, ui::Choice::YesNo, ui::Answer::No)
                   != ui::Answer::Yes)
            return;
        DeleteUserCopies(m_state);
    }
    LoadTask(code);
    RestoreState();
}

void TffZad::btLoadClick()
{
    const QString file = m_state.TaskFile(kAnswersExt);
    ShowAnswers(file);
    if (!m_state.hasContainer) return;
    if (const std::optional<QStringList> lines = base::TryReadLines(file)) {
        m_state.answers = *lines;
        Conteiner->ShowAnswers(*lines);
    }
}

void TffZad::btHelpClick()
{
    shellcalls::guide().ShowHintPage(m_state.TaskFile(kHintExt));
}

void TffZad::btCalcClick() { m_calculator->Show(); }

void TffZad::overrule(int verdict)
{
    const base::SharedChangeStatus saved =
        users::OverruleVerdict(base::App(), m_state.shownUserFolder, m_state.taskCode, verdict);
    const QString message = base::SharedChangeMessage(saved, m_state.shownUserFolder + users::kResultsFile);
    if (!message.isEmpty()) ui::ShowMessage(message);
}

void TffZad::btYesClick()
{
    btYes->setChecked(true);
    btNo->setChecked(false);
    overrule(1);
}

void TffZad::btNoClick()
{
    btNo->setChecked(true);
    btYes->setChecked(false);
    overrule(2);
}

} // namespace tasks
