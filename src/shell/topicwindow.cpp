#include "shell/topicwindow.h"
#include "shell/labs.h"
#include "formulas/view/formulapages.h"
#include "labframe/labfile.h"
#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "base/appstate.h"
#include "base/paths.h"
#include "base/textutil.h"
#include "shell/contentswindow.h"
#include "shell/coursepages.h"
#include "shell/courselayout.h"
#include "shell/lessonbuilder.h"
#include "ui/dialogs.h"
#include <QDir>
#include <QPrinterInfo>
#include <QWebEngineView>
#include "shellcalls/shellcalls.h"
#include "ui/htmlview.h"
#include "ui/imagebuttons.h"
#include "ui/waitcursor.h"
#include "ui/windowstack.h"
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>

namespace shell {
namespace L = courselayout;

namespace {

const QString kPageFolder = base::kTopicPageFolder;

} // namespace

// --- the reference window ------------------------------------------------------------------

TffSpr::TffSpr(TfmWork* work) : QWidget(work, Qt::Tool | Qt::WindowStaysOnTopHint), m_work(work)
{
    setObjectName(QStringLiteral("ffSpr"));
    setWindowTitle(QStringLiteral("Основные сведения:"));
    resize(L::kReferenceWidth, L::kReferenceHeight);
}

void TffSpr::ShowBeside(QWidget* lab)
{
    m_work->HTML->setParent(this);
    m_work->HTML->setGeometry(rect());
    m_work->HTML->show();
    const QRect labFrame = lab->frameGeometry();
    const QScreen* screen = lab->screen() ? lab->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    const int x = labFrame.center().x() - width() / 2;
    const int y = std::max(area.top(), area.bottom() - L::kReferenceBottomGap - height());
    move(x, y);
    show();
    raise();
}

void TffSpr::resizeEvent(QResizeEvent* event)
{
    if (m_work->HTML->parentWidget() == this) m_work->HTML->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void TffSpr::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // The illustration lab closes with its reference, as the back button
    // would close it: back to the topic page.
    labframe::TfmLab* lab = labframe::CurrentLab();
    if (lab && lab->isVisible() && ui::WindowStack::instance().top() == lab) {
        shellcalls::guide().CloseLabHelp();
        ui::CloseTopWindow();
    }
    m_work->TakeViewBack();
}

// --- the topic page window ------------------------------------------------------------------

TfmWork::TfmWork(TfmCont* contents, QWidget* parent)
    : CourseFrame(QStringLiteral("fmWork"), parent), m_contents(contents)
{
    const QStringList pageHints{PageTitle(1), PageTitle(2), PageTitle(3), PageTitle(4)};
    for (int i = 0; i < 4; ++i) {
        btPage[i] = leftButton(QStringLiteral("btPage%1").arg(i + 1), L::PageButton(i), pageHints[i]);
        btPage[i]->setProperty("tag", i + 1);
        connect(btPage[i], &ui::TMyButton::clicked, this, [this, i] { ShowPage(i + 1); });
    }
    btUp = leftButton(QStringLiteral("btUp"), L::kBtUp, QStringLiteral("Увеличить шрифт"));
    btUp->setProperty("tag", 1);
    btDown = leftButton(QStringLiteral("btDown"), L::kBtDown, QStringLiteral("Уменьшить шрифт"));
    btDown->setProperty("tag", -1);
    btPrint = leftButton(QStringLiteral("btPrint"), L::kBtPrint, QStringLiteral("Печать"));
    connect(btUp, &ui::TMyButton::clicked, this, [this] { ChangeFontSize(1); });
    connect(btDown, &ui::TMyButton::clicked, this, [this] { ChangeFontSize(-1); });
    connect(btPrint, &ui::TMyButton::clicked, this, &TfmWork::btPrintClick);
    connect(HTML->engineView(), &QWebEngineView::pdfPrintingFinished, this, [](const QString& file, bool success) {
        if (!success) ui::ShowMessage(QStringLiteral("Не удается записать файл ") + file);
    });

    setWindowTitle(ui::kAppCaption);
    lbTitle = new QLabel(this);
    lbTitle->setObjectName(QStringLiteral("lbTitle"));
    lbTitle->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    lbTitle->setFont(QFont(QStringLiteral("Times New Roman"), 16, QFont::Bold, true));

    // The pages are set in this font; its size is where the font buttons start.
    setFont(QFont(QStringLiteral("Times New Roman"), 12));
    m_fontSize = font().pointSize() > 0 ? font().pointSize() : 12;
    formulas::SetPictureFontSize(m_fontSize + 2);
    HTML->SetDefaultFont(QStringLiteral("Times New Roman"), m_fontSize);
    HTML->SetLinkHandler([this](const QString& href) { return HTMLHotSpotClick(href); });
    ffSpr = new TffSpr(this);
    layOut();
}

void TfmWork::layOut()
{
    CourseFrame::layOut();
    lbTitle->setGeometry(L::kTitle.x(), L::kTitle.y(), std::max(0, width() - L::kTitle.x() - 90), L::kTitle.height());
    lbTitle->raise();
}

bool TfmWork::OpenTopic(const QString& code, const QString& title)
{
    ui::WaitCursor wait;
    const std::optional<base::PageList> pages = base::IsSafeTopicCode(code) ? base::ReadPageList(code) : std::nullopt;
    if (!pages) {
        wait.WithNormalCursor([] { ui::ShowMessage(QStringLiteral("Раздел находится в стадии разработки")); });
        return false;
    }
    m_topic = code;
    m_pages = *pages;
    if (m_contents) m_contents->setCurrentTopic(code);
    lbTitle->setText(title);
    setWindowTitle(ui::kAppCaption + QStringLiteral(" — ") + title);
    if (m_page != 0) ShowPage(m_page);
    ui::OpenWindow(this);
    return true;
}

bool TfmWork::OpenTopicOnPage(const QString& code, const QString& title, int page)
{
    const int shown = m_page;
    if (page >= 1 && page <= 4) m_page = page;
    if (OpenTopic(code, title)) return true;
    m_page = shown;
    return false;
}

void TfmWork::showEvent(QShowEvent* event)
{
    CourseFrame::showEvent(event);
    if (!m_picturesLoaded) {
        m_picturesLoaded = true;
        loadLeftPictures(QStringLiteral("Work.JPG"), QStringLiteral("WorkOn.JPG"), QStringLiteral("WorkOff.JPG"));
    }
    // Back from an illustration lab by its own buttons: the reference goes too.
    if (ffSpr->isVisible()) ffSpr->hide();
    TakeViewBack();
    if (m_page == 0) ShowPage(3);
    if (m_contents) imTop->setPixmap(m_contents->topPicture());
    lbTitle->raise();
}

void TfmWork::hideEvent(QHideEvent* event)
{
    CourseFrame::hideEvent(event);
    // A reference window beside a lab keeps the page view; it is not ours to close.
    if (!ffSpr->isVisible()) shellcalls::navigation().CloseTaskWindows();
    if (m_contents) m_contents->RefreshContents();
}

void TfmWork::changeEvent(QEvent* event)
{
    CourseFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TfmWork::FormActivate()
{
    if (!base::App().resultsChanged || (m_page != 3 && m_page != 4)) return;
    const int scroll = HTML->ScrollPos();
    ShowPage(m_page);
    HTML->SetScrollPos(scroll);
    base::App().resultsChanged = false;
}

void TfmWork::ShowPage(int k)
{
    if (k < 1 || k > 4) return;
    m_page = k;
    for (ui::TMyButton* button : btPage) button->setEnabled(button->property("tag").toInt() != k);
    ui::WaitCursor wait;
    PageBuildSettings settings;
    settings.topic = m_topic;
    settings.results = &base::App().userResults;
    settings.builderOpen = m_builder && m_builder->isVisible();
    settings.gifFolder = base::RealPath(QStringLiteral("GIF\\"));
    settings.expandFormulas = [](QString& line, int& counter) { formulas::ExpandFormulaTags(line, counter); };
    if (k == 4) {
        HTML->LoadLines(BuildResultsPage(m_pages.exercises, settings), kPageFolder);
        return;
    }
    const BuiltPage page = BuildPage(k, m_pages.Line(k), settings);
    HTML->Clear();
    HTML->LoadLines(page.lines, kPageFolder);
    if (!page.missingFiles.isEmpty())
        wait.WithNormalCursor([&] { ui::ShowMessage(QStringLiteral("Не удается открыть файл ") + page.missingFiles.join(QStringLiteral(", "))); });
}

void TfmWork::RebuildPage()
{
    if (m_page == 0 || !isVisible()) return;
    const int scroll = HTML->ScrollPos();
    ShowPage(m_page);
    HTML->SetScrollPos(scroll);
}

void TfmWork::ChangeFontSize(int delta)
{
    m_fontSize = std::clamp(m_fontSize + delta, 6, 72);
    formulas::SetPictureFontSize(m_fontSize + 2);
    HTML->SetDefaultFont(QStringLiteral("Times New Roman"), m_fontSize);
    if (m_page != 0) ShowPage(m_page);
    shellcalls::navigation().SetTaskFontSize(m_fontSize);
}

void TfmWork::btPrintClick()
{
    // Without a printer the page goes into a PDF file the user can print
    // elsewhere.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        PrintToPdf();
        return;
    }
    if (!HTML->Print()) ui::ShowMessage(QStringLiteral("Печать невозможна: принтер занят."));
}

void TfmWork::PrintToPdf()
{
    QString name = base::Trim(lbTitle->text());
    name.replace(u'/', u'-'); // a title, not a path
    const QString suggested = QDir::homePath() + u'/' + name + QStringLiteral(".pdf");
    const QString file = ui::dialogs().saveFile(kPdfFilter, QStringLiteral("pdf"), suggested);
    if (file.isEmpty()) return;
    HTML->engineView()->printToPdf(file);
}

bool TfmWork::HTMLHotSpotClick(const QString& href)
{
    const base::PageLink link = base::ParsePageLink(href);
    if (link.kind == base::PageLink::Kind::Other) return false;
    ui::WaitCursor wait;
    if (!link.valid) return true;
    switch (link.kind) {
    case base::PageLink::Kind::Lab: openLabWithHelp(link.lab, link.target); break;
    case base::PageLink::Kind::Reference: openReference(link.target); break;
    case base::PageLink::Kind::AddToLesson:
        if (m_builder) m_builder->AddToLesson(m_page, link.target, lbTitle->text());
        break;
    case base::PageLink::Kind::Task:
        shellcalls::navigation().OpenTask({base::App().currentUserId, link.target,
                                  QStringLiteral("Упражнение №") + link.number + QStringLiteral(" :"), {}, {}});
        break;
    case base::PageLink::Kind::Other: break;
    }
    return true;
}

void TfmWork::openLabWithHelp(int number, const QString& helpPage)
{
    labframe::TfmLab* lab = CreateLabOrSay(number);
    if (!lab) return;
    ui::OpenWindow(lab);
    shellcalls::guide().ShowLabHelp(helpPage);
}

void TfmWork::openReference(const QString& labFile)
{
    const std::optional<int> number = labframe::ReadLabNumber(labFile);
    if (!number) {
        ui::ShowMessage(QStringLiteral("Не удается открыть файл ") + labFile);
        return;
    }
    labframe::TfmLab* lab = CreateLabOrSay(*number);
    if (!lab) return;
    lab->LoadLabFile(labFile);
    if (lab->isVisible()) return;
    ui::OpenWindow(lab);
    ffSpr->ShowBeside(lab);
}

void TfmWork::TakeViewBack()
{
    if (HTML->parentWidget() == this) return;
    HTML->setParent(this);
    layOut();
    HTML->show();
}

} // namespace shell
