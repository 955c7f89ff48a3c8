#include "shell/mainwindow.h"
#include "shell/bottomstrip.h"
#include "base/colours.h"
#include "shell/labs.h"
#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "base/appstate.h"
#include "base/paths.h"
#include "shell/loginwindow.h"
#include "shell/mainlayout.h"
#include "shell/workspace.h"
#include "ui/dialogs.h"
#include "ui/helpmenu.h"
#include "shellcalls/shellcalls.h"
#include "ui/htmlview.h"
#include "ui/imagebuttons.h"
#include "ui/pictureset.h"
#include "ui/windowstack.h"
#include "ui/waitcursor.h"
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <array>

namespace shell {
namespace L = mainlayout;

namespace {

struct SectionInfo {
    const char* helpName;
    const char* topPicture;
    const char* page; // shown in HTML; null for the sections of a panel
};

const std::array<SectionInfo, kSectionCount> kSections{{
    {"Main", "MainTop.JPG", "DATA\\Main.htm"},
    {"Labs", "LabsTop.JPG", "LABS\\Labs.htm"},
    {"Os", "OsTop.JPG", nullptr},
    {"Table", "TabTop.JPG", nullptr},
    {"Meth", "MetTop.JPG", "METH\\Method.htm"},
    {"Search", "PoiskTop.JPG", nullptr},
    {"Main", "AboutTop.JPG", "DATA\\About.htm"},
}};

bool IsSection(int n) { return n >= 0 && n < kSectionCount; }

using ui::WaitCursor;

QLabel* Picture(QWidget* parent, const char* name, bool visible = true)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setVisible(visible);
    return label;
}

ui::TMyGIFButton* NavigationButton(QWidget* parent, const char* name, const QString& hint)
{
    auto* button = new ui::TMyGIFButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(QPoint(0, L::kNavTop), L::kNavButton));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

// Squared paper like the pages': shown for a section whose window is not there.
class EmptyPanel : public QWidget {
public:
    explicit EmptyPanel(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("pnEmpty")); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), base::BgrColor(base::colour::kPanelBlue));
        painter.setPen(base::BgrColor(base::colour::kPanelGridBlue));
        for (int x = 0; x < width(); x += 16) painter.drawLine(x, 0, x, height());
        for (int y = 0; y < height(); y += 16) painter.drawLine(0, y, width(), y);
    }
};

} // namespace

QString SectionHelpName(int section)
{
    return IsSection(section) ? QLatin1String(kSections[section].helpName) : QString();
}

QString SectionTopPicture(int section)
{
    return IsSection(section) ? QStringLiteral("JPG\\") + QLatin1String(kSections[section].topPicture) : QString();
}

QString WindowHelpFile(const QString& windowName, int section, bool taskWindowVisible)
{
    QString name = windowName.mid(2);
    if (name == QLatin1String("Main")) name = SectionHelpName(section);
    else if (name == QLatin1String("Work") && taskWindowVisible) name = QStringLiteral("Zad");
    if (name.isEmpty()) return {};
    const QString file = QStringLiteral("HELP\\") + name + QStringLiteral(".HTM");
    return base::FileExists(file) ? file : QString();
}

QString ControlHelpFile(const QString& windowName, const QString& controlName)
{
    if (windowName.size() <= 2 || controlName.isEmpty()) return {};
    const QString file = QStringLiteral("HELP\\") + windowName.mid(2) + u'\\' + controlName + QStringLiteral(".HTM");
    return base::FileExists(file) ? file : QString();
}

std::optional<int> LinkNumber(const QString& href)
{
    if (href.size() < 6) return std::nullopt;
    const QString digits = href.mid(4, 2);
    for (const QChar c : digits)
        if (c < u'0' || c > u'9') return std::nullopt;
    return digits.toInt();
}

// --- construction ----------------------------------------------------------------------

TfmMain::TfmMain(QWidget* parent) : ui::FullSizeWindow(QStringLiteral("fmMain"), parent)
{
    setWindowTitle(QStringLiteral("Ориндо"));
    resize(L::kClient);
    createTop();
    createLeftPanel();
    createCentre();
    createStatusBar();
    connectControls();
    layOut();
    // The guide figure and the navigation buttons lie over everything.
    for (QWidget* control : std::initializer_list<QWidget*>{Fig, btBack, btMain}) control->raise();
}

TfmMain::~TfmMain()
{
    ui::WindowStack& stack = ui::WindowStack::instance();
    stack.setTravellingControls({});
    stack.setTopChangedHandler(nullptr);
    // The travelling controls may lie in another window now; they are ours.
    for (const QPointer<QWidget>& control : m_travelling)
        if (control && control->parentWidget() != this) delete control.data();
}

void TfmMain::createTop()
{
    imMainTop = Picture(this, "imMainTop");
    imMainTop->setGeometry(0, 0, L::kStripWidth, L::kTopHeight);
    Fig = new ui::TMyGIFButton(this);
    Fig->setObjectName(QStringLiteral("Fig"));
    Fig->setGeometry(L::kFig);
    Fig->setToolTip(QStringLiteral("Помощь"));
    Fig->setCursor(Qt::PointingHandCursor);
    btBack = NavigationButton(this, "btBack", QStringLiteral("Назад"));
    btMain = NavigationButton(this, "btMain", QStringLiteral("В главное окно"));
}

void TfmMain::createLeftPanel()
{
    MyPanel2 = new ui::TMyPanel(this);
    MyPanel2->setObjectName(QStringLiteral("MyPanel2"));
    imMainLeft = Picture(MyPanel2, "imMainLeft");
    imMainLeOn = Picture(MyPanel2, "imMainLeOn", false);
    imMainLeOf = Picture(MyPanel2, "imMainLeOf", false);
    btBook = ui::NewImageButton(MyPanel2, QStringLiteral("btBook"), L::kBtBook, QStringLiteral("Главная страница"),
                                imMainLeOn);
    btLabs = ui::NewImageButton(MyPanel2, QStringLiteral("btLabs"), L::kBtLabs, QStringLiteral("Лаборатории"),
                                imMainLeOn);
    btTime = ui::NewImageButton(MyPanel2, QStringLiteral("btTime"), L::kBtTime, QStringLiteral("Лента времени"),
                                imMainLeOn);
}

void TfmMain::createCentre()
{
    MyPanel1 = new ui::TMyPanel(this);
    MyPanel1->setObjectName(QStringLiteral("MyPanel1"));
    HTML = new ui::HtmlView(MyPanel1);
    HTML->setObjectName(QStringLiteral("HTML"));
    HTML->SetDefaultFont(QStringLiteral("Tahoma"), 10);
    m_emptyPanel = new EmptyPanel(MyPanel1);
    m_emptyPanel->hide();

    auto* strip = m_bottomStrip = new QWidget(MyPanel1);
    strip->setObjectName(QStringLiteral("pnBottomButtons"));
    imMainBott = Picture(strip, "imMainBott");
    imMainBoOn = Picture(strip, "imMainBoOn", false);
    imMainBoOf = Picture(strip, "imMainBoOf", false);
    btTable = ui::NewImageButton(strip, QStringLiteral("btTable"), L::kBtTable, QStringLiteral("Таблица результатов"),
                                 imMainBoOn);
    btMethod = ui::NewImageButton(strip, QStringLiteral("btMethod"), L::kBtMethod,
                                  QStringLiteral("Методические рекомендации"), imMainBoOn);
    btAbout = ui::NewImageButton(strip, QStringLiteral("btAbout"), L::kBtSearch, QStringLiteral("Поиск"), imMainBoOn);
}

void TfmMain::createStatusBar()
{
    pBott = new ui::TMyPanel(this);
    pBott->setObjectName(QStringLiteral("pBott"));
    pBott->resize(L::kClient.width(), L::kStatusHeight); // placed by FullSizeWindow
    pBott->installEventFilter(this);
    // The strip paints its own colour under its picture, so that a new status
    // text never lands on the previous one where the picture does not reach
    // (a window wider than the picture, a lab opened before the pictures).
    pBott->setAttribute(Qt::WA_OpaquePaintEvent, false);
    pBott->setAttribute(Qt::WA_NoSystemBackground, false);
    pBott->setAutoFillBackground(true);
    QPalette strip = pBott->palette();
    strip.setColor(QPalette::Window, base::BgrColor(base::colour::kCaptionBlue));
    pBott->setPalette(strip);
    imBottom = Picture(pBott, "imBottom");
    lbRegim = new QLabel(pBott);
    lbRegim->setObjectName(QStringLiteral("lbRegim"));
    lbAbout = new QLabel(QStringLiteral("Об авторах"), pBott);
    lbAbout->setObjectName(QStringLiteral("lbAbout"));
    lbAbout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbAbout->setCursor(Qt::PointingHandCursor);
    lbAbout->installEventFilter(this);
    lbChangeUser = new QLabel(QStringLiteral("Сменить пользователя"), pBott);
    lbChangeUser->setObjectName(QStringLiteral("lbChangeUser"));
    lbChangeUser->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbChangeUser->setCursor(Qt::PointingHandCursor);
    lbChangeUser->installEventFilter(this);
    for (QLabel* label : {lbRegim, lbAbout, lbChangeUser}) {
        label->setFont(QFont(QStringLiteral("Arial Narrow"), 10));
        label->setStyleSheet(QStringLiteral("color: rgb(255, 244, 214); background: transparent;"));
    }
}

void TfmMain::connectControls()
{
    const auto section = [this](ui::TMyButton* button, int n) {
        button->setProperty("tag", n);
        connect(button, &ui::TMyButton::clicked, this, [this, n] { ShowSection(n); });
        button->setCursor(Qt::PointingHandCursor);
        ui::AttachHelpMenu(button);
    };
    section(btBook, kSectionStart);
    section(btLabs, kSectionLabs);
    section(btTime, kSectionTimeLine);
    section(btTable, kSectionTable);
    section(btMethod, kSectionMethod);
    section(btAbout, kSectionSearch);
    connect(btBack, &ui::TMyGIFButton::clicked, this, &TfmMain::btBackClick);
    connect(btMain, &ui::TMyGIFButton::clicked, this, &TfmMain::btMainClick);
    connect(Fig, &ui::TMyGIFButton::clicked, this, &TfmMain::FigClick);
    HTML->SetLinkHandler([this](const QString& href) { return HTMLHotSpotClick(href); });

    ui::WindowStack& stack = ui::WindowStack::instance();
    m_travelling = {btBack, btMain, pBott, Fig};
    stack.setTravellingControls({btBack, btMain, pBott, Fig});
    stack.setTopChangedHandler([this](QWidget* top) { topChanged(top); });
}

// --- layout -------------------------------------------------------------------------------

void TfmMain::resizeEvent(QResizeEvent* event)
{
    layOut();
    ui::FullSizeWindow::resizeEvent(event);
}

void TfmMain::layOut()
{
    const int w = width();
    const int middle = std::max(0, height() - L::kTopHeight - L::kStatusHeight);
    MyPanel2->setGeometry(0, L::kTopHeight, L::kLeftWidth, middle);
    MyPanel1->setGeometry(L::kLeftWidth, L::kTopHeight, std::max(0, w - L::kLeftWidth), middle);
    const QRect area(0, 0, MyPanel1->width(), std::max(0, middle - L::kBottomHeight));
    HTML->setGeometry(area);
    m_emptyPanel->setGeometry(area);
    if (m_shownPanel) m_shownPanel->setGeometry(area);
    m_bottomStrip->setGeometry(0, area.height(), MyPanel1->width(), L::kBottomHeight);
    fitBottomStrip();
}

void TfmMain::fitBottomStrip()
{
    const int width = m_bottomStrip->width();
    const std::array<QRect, 3> places = bottomstrip::Places(width);
    const std::array<ui::TMyButton*, 3> buttons{btTable, btMethod, btAbout};
    for (size_t i = 0; i < buttons.size(); ++i) buttons[i]->setGeometry(places[i]);
    const std::array<QLabel*, 3> pictures{imMainBott, imMainBoOn, imMainBoOf};
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (m_bottomDrawn[i].isNull()) continue;
        const QPixmap fitted = QPixmap::fromImage(bottomstrip::FitPicture(m_bottomDrawn[i].toImage(), width));
        pictures[i]->setPixmap(fitted);
        pictures[i]->resize(fitted.size());
    }
    // A disabled button shows its part of the "off" picture: the part moved.
    for (ui::TMyButton* button : buttons) button->setImageOff(imMainBoOf);
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pBott && event->type() == QEvent::Resize) {
        const int w = pBott->width();
        lbAbout->setGeometry(w - L::kAboutWidth - 8, 0, L::kAboutWidth, L::kStatusHeight);
        lbChangeUser->setGeometry(w - L::kAboutWidth - L::kChangeUserWidth - 16, 0, L::kChangeUserWidth,
                                  L::kStatusHeight);
        lbRegim->setGeometry(8, 0, std::max(0, w - L::kAboutWidth - L::kChangeUserWidth - 32), L::kStatusHeight);
    }
    const bool leftClick = event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (watched == lbAbout && leftClick) {
        ShowSection(kSectionAbout);
        return true;
    }
    if (watched == lbChangeUser && leftClick) {
        ChangeUser();
        return true;
    }
    return ui::FullSizeWindow::eventFilter(watched, event);
}

// --- showing ------------------------------------------------------------------------------

void TfmMain::showEvent(QShowEvent* event)
{
    ui::FullSizeWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
    applyRole();
}

void TfmMain::FormShow()
{
    loadFirstPictures();
    loadPage(QLatin1String(kSections[kSectionStart].page));
    HTML->setFocus();
    btBook->setEnabled(false);
}

void TfmMain::loadFirstPictures()
{
    ui::PictureSet pictures;
    const auto jpg = [](const char* name) { return QStringLiteral("JPG\\") + QLatin1String(name); };
    pictures.bitmap(imMainTop, jpg("MainTop.JPG"));
    pictures.bitmap(imMainLeft, jpg("MainLeft.JPG"));
    pictures.bitmap(imMainLeOn, jpg("MainLeOn.JPG"));
    pictures.bitmap(imMainLeOf, jpg("MainLeOf.JPG"));
    pictures.bitmap(imMainBott, jpg("MainBott.JPG"));
    pictures.bitmap(imMainBoOn, jpg("MainBoOn.JPG"));
    pictures.bitmap(imMainBoOf, jpg("MainBoOf.JPG"));
    pictures.bitmap(imBottom, jpg("Bottom.JPG"));
    m_mainLeft = imMainLeft->pixmap();
    m_labsLeft = pictures.pixmap(jpg("LabsLeft.JPG"));
    pictures.animation(Fig, QStringLiteral("GIF\\Fig.GIF"));
    pictures.animation(btBack, QStringLiteral("GIF\\Back.GIF"));
    pictures.animation(btMain, QStringLiteral("GIF\\Home.GIF"));
    // The disabled buttons show their part of the "off" pictures now there are some.
    for (ui::TMyButton* button : {btBook, btLabs, btTime}) button->setImageOff(imMainLeOf);
    m_bottomDrawn = {imMainBott->pixmap(), imMainBoOn->pixmap(), imMainBoOf->pixmap()};
    fitBottomStrip();
    pictures.reportMissing();
}

void TfmMain::applyRole()
{
    const bool teacher = base::App().isTeacher;
    btTable->setEnabled(teacher);
    btMethod->setEnabled(teacher);
}

void TfmMain::topChanged(QWidget* top)
{
    lbAbout->setVisible(top == this);
    lbChangeUser->setVisible(top == this);
}

void TfmMain::ChangeUser()
{
    TfmZast* login = workspace().fmZast;
    if (!login) return;
    ui::WindowStack& stack = ui::WindowStack::instance();
    // The small windows of the work (task, hints, lab help, lesson builder,
    // note) close as their own close buttons would close them.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window == login || stack.contains(window)) continue;
        // A full-size window's close would ask the quit question.
        if (qobject_cast<ui::FullSizeWindow*>(window)) window->hide();
        else window->close();
    }
    ShowSection(kSectionStart);
    stack.returnToFirst();
    login->AwaitNextUser();
}

void TfmMain::loadPage(const QString& file) { HTML->LoadFile(file); }

void TfmMain::showLeftPicture(int section)
{
    const QPixmap& picture = section == kSectionLabs && !m_labsLeft.isNull() ? m_labsLeft : m_mainLeft;
    if (!picture.isNull()) imMainLeft->setPixmap(picture);
}

// --- sections -------------------------------------------------------------------------------

void TfmMain::ShowSection(int n)
{
    if (!IsSection(n)) return;
    const WaitCursor wait;
    m_section = n;
    HTML->setVisible(n != kSectionTimeLine && n != kSectionTable);
    HTML->ClearHistory();
    shellcalls::guide().CloseHistoryPage();
    if (m_plugs.startTableTimer) m_plugs.startTableTimer();
    btBook->setEnabled(n != kSectionStart);
    btLabs->setEnabled(n != kSectionLabs);
    btTime->setEnabled(n != kSectionTimeLine);
    showLeftPicture(n);
    showSectionContent(n);
    ui::PictureSet top;
    top.bitmap(imMainTop, SectionTopPicture(n));
    top.reportMissing();
}

const SectionPanel* TfmMain::plugOf(int n) const
{
    switch (n) {
    case kSectionTimeLine: return &m_plugs.timeLine;
    case kSectionTable: return &m_plugs.table;
    case kSectionSearch: return &m_plugs.search;
    default: return nullptr;
    }
}

void TfmMain::showSectionContent(int n)
{
    const SectionPanel* plug = plugOf(n);
    QWidget* panel = !plug ? nullptr : plug->panel ? plug->panel : m_emptyPanel;
    if (m_shownPanel && m_shownPanel != panel) m_shownPanel->hide();
    m_shownPanel = panel;
    if (!panel) {
        loadPage(QLatin1String(kSections[n].page));
        return;
    }
    if (plug->panel && plug->prepare) plug->prepare();
    if (panel->parentWidget() != MyPanel1) panel->setParent(MyPanel1);
    panel->setGeometry(HTML->geometry());
    panel->show();
    panel->raise();
}

// --- links and buttons -----------------------------------------------------------------------

bool TfmMain::HTMLHotSpotClick(const QString& href)
{
    if (m_section != kSectionStart && m_section != kSectionLabs) return false;
    const WaitCursor wait;
    const std::optional<int> number = LinkNumber(href);
    if (!number) return true;
    if (m_section == kSectionStart) {
        if (!m_plugs.contents) return true;
        ui::OpenWindow(m_plugs.contents);
        if (m_plugs.showContents) m_plugs.showContents(*number);
        return true;
    }
    if (labframe::TfmLab* lab = CreateLabOrSay(*number)) ui::OpenWindow(lab);
    return true;
}

void TfmMain::btBackClick()
{
    shellcalls::guide().CloseLabHelp();
    ui::WindowStack& stack = ui::WindowStack::instance();
    if (stack.count() >= 3) {
        stack.closeTopWindow();
        return;
    }
    if (HTML->isVisible() && HTML->HasOlderHistory()) HTML->GoBack();
    else if (m_section == kSectionStart) close();
    else ShowSection(kSectionStart);
}

void TfmMain::btMainClick()
{
    shellcalls::guide().CloseLabHelp();
    ui::WindowStack& stack = ui::WindowStack::instance();
    if (!stack.contains(this)) return;
    while (stack.top() != this && stack.count() > 1) stack.closeTopWindow();
    ShowSection(kSectionStart);
}

void TfmMain::FigClick()
{
    const QWidget* holder = Fig->window();
    const bool taskVisible = !shellcalls::navigation().VisibleTaskCode().isEmpty();
    const QString file = WindowHelpFile(holder->objectName(), m_section, taskVisible);
    if (!file.isEmpty()) shellcalls::guide().ShowLabHelp(file);
}

void TfmMain::ShowControlHelp(QWidget* control)
{
    if (!control) return;
    const QString file = ControlHelpFile(control->window()->objectName(), control->objectName());
    if (!file.isEmpty()) shellcalls::guide().ShowLabHelp(file);
}

void TfmMain::HideNavigation()
{
    btBack->hide();
    btMain->hide();
}

} // namespace shell
