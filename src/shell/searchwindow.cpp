#include "shell/searchwindow.h"
#include "base/colours.h"
#include "labframe/labfile.h"
#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "base/appstate.h"
#include "base/apperror.h"
#include "base/coursefiles.h"
#include "base/paths.h"
#include "base/textutil.h"
#include "shell/search.h"
#include "ui/dialogs.h"
#include "shellcalls/shellcalls.h"
#include "ui/htmlview.h"
#include "ui/waitcursor.h"
#include "ui/windowstack.h"
#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace shell {
namespace {

// Thrown out of a running search when a new one was asked for meanwhile.
struct SearchRestarted {};

const QString kSprLink = QStringLiteral("SPR:");
const QString kZadLink = QStringLiteral("ZAD:");
const QString kLabLink = QStringLiteral("LAB:");

} // namespace

TfmSearch::TfmSearch(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fmSearch"));
    pnSearch = new QWidget(this);
    pnSearch->setObjectName(QStringLiteral("pnSearch"));
    pnSearch->setAutoFillBackground(true);
    QPalette palette = pnSearch->palette();
    palette.setColor(QPalette::Window, base::BgrColor(base::colour::kPanelBlue));
    pnSearch->setPalette(palette);

    lbFind = new QLabel(QStringLiteral("Найти:"), pnSearch);
    lbFind->setStyleSheet(QStringLiteral("color: #1f3f7a; font-weight: bold;"));
    Edit1 = new QLineEdit(pnSearch);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    btFind = new QPushButton(QStringLiteral("Начать поиск"), pnSearch);
    btFind->setObjectName(QStringLiteral("btFind"));
    btStop = new QPushButton(QStringLiteral("Остановить поиск"), pnSearch);
    btStop->setObjectName(QStringLiteral("btStop"));
    // Both buttons take the same place; one of them is shown.
    const int buttonWidth = std::max(btFind->sizeHint().width(), btStop->sizeHint().width());
    btFind->setFixedWidth(buttonWidth);
    btStop->setFixedWidth(buttonWidth);
    btStop->hide();

    HTML = new ui::HtmlView(pnSearch);
    HTML->setObjectName(QStringLiteral("HTML"));
    HTML->SetDefaultFont(QStringLiteral("Tahoma"), 10);
    HTML->SetHistoryLimit(20);
    HTML->SetLinkHandler([this](const QString& href) { return HTMLHotSpotClick(href); });

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 6, 8, 6);
    bar->addWidget(lbFind);
    bar->addWidget(Edit1, 1);
    bar->addWidget(btFind);
    bar->addWidget(btStop);
    auto* column = new QVBoxLayout(pnSearch);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(bar);
    column->addWidget(HTML, 1);

    connect(btFind, &QPushButton::clicked, this, [this] { btFindClick(); });
    connect(btStop, &QPushButton::clicked, this, [this] { btStopClick(); });
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { btFindClick(); });
}

void TfmSearch::btFindClick()
{
    if (m_running) {
        // The running search notices this after its next topic or example
        // list and gives way; its loop below starts the new one.
        m_restart = true;
        return;
    }
    m_running = true;
    do {
        m_restart = false;
        RunSearch();
    } while (m_restart);
    m_running = false;
}

void TfmSearch::btStopClick()
{
    m_stop = true;
    ShowButtons(false);
    Hourglass(false);
}

void TfmSearch::Hourglass(bool on)
{
    if (on == m_hourglass || !qApp) return;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    m_hourglass = on;
}

void TfmSearch::ShowButtons(bool searching)
{
    btFind->setVisible(!searching);
    btStop->setVisible(searching);
}

void TfmSearch::RunSearch()
{
    Hourglass(true);
    HTML->hide();
    ShowButtons(true);
    m_stop = false;
    m_searched = Edit1->text();
    QString error;
    try {
        TextSearch search(m_searched, base::LoadCourseContents().TopicMap());
        search.pendingMessages = [this] {
            QApplication::processEvents();
            if (m_restart) throw SearchRestarted{};
        };
        search.stopRequested = [this] { return m_stop; };
        try {
            search.Run();
        } catch (const base::AppError& e) {
            error = e.message();
        }
        m_lines = search.lines();
    } catch (const SearchRestarted&) {
        return; // the loop of btFindClick starts the new search
    } catch (const base::AppError& e) {
        error = e.message(); // the contents cannot be read
        m_lines.clear();
    }
    ShowButtons(false);
    ShowResult();
    Hourglass(false);
    if (!error.isEmpty()) ui::ShowMessage(error);
}

void TfmSearch::ShowResult()
{
    HTML->LoadLines(m_lines, base::kTopicPageFolder);
    HTML->show();
}

// --- links ------------------------------------------------------------------------------------

bool TfmSearch::HTMLHotSpotClick(const QString& href)
{
    const ui::WaitCursor wait;
    if (href.startsWith(kSprLink))
        OpenTopic(href.mid(kSprLink.size()));
    else if (href.startsWith(kZadLink))
        OpenTask(href.mid(kZadLink.size()));
    else if (href.startsWith(kLabLink))
        OpenLabExample(href.mid(kLabLink.size()));
    return true;
}

void TfmSearch::OpenTopic(const QString& topic)
{
    shellcalls::Navigation& navigation = shellcalls::navigation();
    if (navigation.OpenTopicPage(topic, 1)) navigation.FindInTopicPage(m_searched);
}

void TfmSearch::OpenTask(const QString& link)
{
    // "code number", as the exercises page numbers the task; a page without
    // a number is named by its own name.
    const qsizetype blank = link.indexOf(u' ');
    const QString code = blank < 0 ? link : link.left(blank);
    const QString number = blank < 0 ? code.mid(base::LastCharPos(u'\\', code)) : base::Trim(link.mid(blank + 1));
    shellcalls::navigation().OpenTask({base::App().currentUserId, code, QStringLiteral("Упражнение №") + number + QStringLiteral(" :"),
                          QString(), m_searched});
}

void TfmSearch::OpenLabExample(const QString& path)
{
    const QString file = kLabsFolder + path;
    const std::optional<int> number = labframe::ReadLabNumber(file);
    if (!number) {
        ui::ShowMessage(base::FileExists(file) ? labframe::kWrongFormatText
                                         : QStringLiteral("Не удается открыть файл ") + file);
        return;
    }
    labframe::TfmLab* lab = labframe::CreateLab(*number);
    if (!lab) return;
    ui::OpenWindow(lab);
    lab->LoadLabFile(file);
}

} // namespace shell
