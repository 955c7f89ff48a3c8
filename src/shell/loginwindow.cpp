#include "shell/loginwindow.h"
#include "base/appstate.h"
#include "base/textutil.h"
#include "shell/loginlayout.h"
#include "shell/mainwindow.h"
#include "shell/workspace.h"
#include "ui/dialogs.h"
#include "ui/imagebuttons.h"
#include "ui/music.h"
#include "ui/pictureset.h"
#include "ui/windowstack.h"
#include "users/regwindow.h"
#include "users/results.h"
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QScreen>

namespace shell {
namespace {
const QString kAdminClass = QStringLiteral("Администратор");

ui::TGifImage* Animation(QWidget* parent, const char* name, const QRect& place)
{
    auto* panel = new ui::TMyPanel(parent);
    panel->setObjectName(QStringLiteral("pn") + QLatin1String(name));
    panel->setGeometry(place);
    auto* gif = new ui::TGifImage(panel);
    gif->setObjectName(QLatin1String(name));
    gif->setGeometry(QRect(QPoint(0, 0), place.size()));
    return gif;
}

} // namespace

TfmZast::TfmZast(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fmZast"));
    setWindowTitle(QStringLiteral("Регистрация"));
    setFocusPolicy(Qt::StrongFocus);
    imZastFon = new QLabel(this);
    imZastFon->setObjectName(QStringLiteral("imZastFon"));
    imZastFon->setGeometry(QRect(QPoint(0, 0), loginlayout::kClient));
    imZastFon->setMouseTracking(true);
    imZastFon->installEventFilter(this);
    createIntro();
    createPanel();
    loadPictures();
    placeOnScreen();
}

void TfmZast::createIntro()
{
    Gif3 = Animation(this, "Gif3", loginlayout::kGif3);
    GIF1 = Animation(this, "GIF1", loginlayout::kGif1);
    Gif2 = Animation(this, "Gif2", loginlayout::kGif2);
    for (ui::TGifImage* gif : {Gif3, GIF1, Gif2}) gif->installEventFilter(this);
    // Each animation hands over to the next at its last frame.
    connect(Gif3, &ui::TGifImage::frameChanged, this, [this](int frame) {
        if (frame != loginlayout::kGif3LastFrame) return;
        Gif3->setAnimate(false);
        GIF1->setAnimate(true);
    });
    connect(GIF1, &ui::TGifImage::frameChanged, this, [this](int frame) {
        if (frame != loginlayout::kGif1LastFrame) return;
        GIF1->setAnimate(false);
        Gif2->setAnimate(true);
    });
    connect(Gif2, &ui::TGifImage::frameChanged, this, [this](int frame) {
        if (frame < loginlayout::kGif2LastFrame) return;
        Gif2->setAnimate(false);
        showPanel();
    });
}

void TfmZast::createPanel()
{
    Panel = new ui::TMyPanel(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setGeometry(loginlayout::kPanel);
    Panel->hide();
    imZast = new QLabel(Panel);
    imZast->setObjectName(QStringLiteral("imZast"));
    imZast->setGeometry(QRect(QPoint(0, 0), loginlayout::kPanel.size()));
    imZastOn = new QLabel(Panel);
    imZastOn->setObjectName(QStringLiteral("imZastOn"));
    imZastOn->setGeometry(imZast->geometry());
    imZastOn->hide();

    ComboBox1 = new QComboBox(Panel);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(loginlayout::kClassCombo);
    ListBox1 = new QListWidget(Panel);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(loginlayout::kNameList);
    edName = new QLineEdit(Panel);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setGeometry(loginlayout::kNameEdit);
    // "$" ends a name in the register, so it cannot be typed.
    edName->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^$]*")), edName));
    edPass = new QLineEdit(Panel);
    edPass->setObjectName(QStringLiteral("edPass"));
    edPass->setGeometry(loginlayout::kPassEdit);
    edPass->setEchoMode(QLineEdit::Password);
    edPass->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    btOK = ui::NewImageButton(Panel, QStringLiteral("btOK"), loginlayout::kOk, QStringLiteral("Войти"), imZastOn);
    btDel = ui::NewImageButton(Panel, QStringLiteral("btDel"), loginlayout::kEditRegister,
                               QStringLiteral("Список пользователей"), imZastOn);
    btCancel = ui::NewImageButton(Panel, QStringLiteral("btCancel"), loginlayout::kCancel, QStringLiteral("Выход"),
                                  imZastOn);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { btOKClick(); });
    connect(edPass, &QLineEdit::returnPressed, this, &TfmZast::btOKClick);
    connect(btOK, &ui::TMyButton::clicked, this, &TfmZast::btOKClick);
    connect(btDel, &ui::TMyButton::clicked, this, &TfmZast::btDelClick);
    connect(btCancel, &ui::TMyButton::clicked, this, &TfmZast::btCancelClick);
}

void TfmZast::loadPictures()
{
    ui::PictureSet pictures;
    pictures.bitmap(imZastFon, QStringLiteral("JPG\\ZastFon.JPG"));
    pictures.bitmap(imZast, QStringLiteral("JPG\\Zast.JPG"));
    pictures.bitmap(imZastOn, QStringLiteral("JPG\\ZastOn.JPG"));
    pictures.animation(GIF1, QStringLiteral("GIF\\Z1.GIF"));
    pictures.animation(Gif2, QStringLiteral("GIF\\Z2.GIF"));
    pictures.animation(Gif3, QStringLiteral("GIF\\Z3.GIF"));
    pictures.reportMissing();
}

void TfmZast::placeOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    if (size.width() > 800 && size.height() > 600) {
        setFixedSize(loginlayout::kClient);
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    } else {
        resize(loginlayout::kClient);
        setWindowState(Qt::WindowMaximized);
    }
}

void TfmZast::setRegisterWindow(users::TffReg* reg)
{
    m_reg = reg;
    if (m_reg) connect(m_reg, &users::TffReg::selectionHandedBack, this, &TfmZast::takeSelectionBack);
}

// --- showing and the intro --------------------------------------------------------

void TfmZast::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shownOnce) return;
    m_shownOnce = true;
    FormShow();
}

void TfmZast::FormShow()
{
    fillClasses(1);
    if (base::App().startMode.isEmpty()) startIntro();
    ui::WindowStack::instance().push(this);
    setFocus();
}

void TfmZast::startIntro() { Gif3->setAnimate(true); }

void TfmZast::showPanel()
{
    if (Panel->isVisible()) return;
    Panel->show();
    (ListBox1->count() > 0 ? static_cast<QWidget*>(ListBox1) : edName)->setFocus();
    emit panelShown();
}

void TfmZast::SkipIntro()
{
    ui::StopSound();
    // Frame 16 is past the rule of the first animation, which would go on
    // playing and, at its frame 15 again, restart the other two: it stops here.
    Gif3->setAnimate(false);
    Gif3->setFrame(loginlayout::kGif3LastFrame + 1);
    GIF1->setFrame(loginlayout::kGif1LastFrame);
    Gif2->setFrame(loginlayout::kGif2LastFrame);
}

void TfmZast::ReleaseAnimations()
{
    for (ui::TGifImage* gif : {Gif3, GIF1, Gif2}) gif->release();
}

void TfmZast::AwaitNextUser()
{
    base::AppState& app = base::App();
    app.currentUserName.clear();
    app.currentUserId.clear();
    app.userFolder.clear();
    app.userResults.clear();
    app.resultsChanged = false;
    setEnabled(true);
    ComboBox1Change(); // the role of the chosen class, empty name and password
    showPanel();
    activateWindow();
    (ListBox1->count() > 0 ? static_cast<QWidget*>(ListBox1) : edName)->setFocus();
}

void TfmZast::keyPressEvent(QKeyEvent* event)
{
    if (!Panel->isVisible()) {
        SkipIntro();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfmZast::mousePressEvent(QMouseEvent* event)
{
    if (!Panel->isVisible()) SkipIntro();
    QWidget::mousePressEvent(event);
}

bool TfmZast::eventFilter(QObject* watched, QEvent* event)
{
    const bool background = watched == imZastFon;
    const bool animation = watched == Gif3 || watched == GIF1 || watched == Gif2;
    if ((background || animation) && event->type() == QEvent::MouseButtonPress && !Panel->isVisible()) {
        SkipIntro();
        return true;
    }
    if (background && event->type() == QEvent::MouseMove) backgroundMouseMove();
    return QWidget::eventFilter(watched, event);
}

void TfmZast::backgroundMouseMove()
{
    if (base::App().startMode.isEmpty() || m_startModeDone) return;
    m_startModeDone = true;
    if (m_startMode) m_startMode();
}

// --- class choice and names ----------------------------------------------------------

void TfmZast::ComboBox1Change()
{
    const int k = ComboBox1->currentIndex();
    base::App().isTeacher = users::IsStaffClass(ComboBox1->currentText());
    m_users = m_reg ? m_reg->reg().classUsers(k) : users::ClassUsers{};
    const QSignalBlocker blocker(ListBox1);
    ListBox1->clear();
    ListBox1->addItems(m_users.names);
    // A name and password typed for another class belong to someone else.
    edName->clear();
    edPass->clear();
}

void TfmZast::ListBox1Click()
{
    const int m = ListBox1->currentRow();
    if (m >= 0 && m < m_users.count()) edName->setText(m_users.names[m]);
}

void TfmZast::fillClasses(int select)
{
    {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->clear();
        if (m_reg) ComboBox1->addItems(m_reg->reg().classNames());
        ComboBox1->setCurrentIndex(std::min(select, ComboBox1->count() - 1));
    }
    ComboBox1Change();
}

void TfmZast::takeSelectionBack(int classIndex, int userIndex)
{
    // The administrator's password opened the register; left in the field it
    // would let the next person in as administrator.
    edPass->clear();
    fillClasses(classIndex);
    if (userIndex >= 0 && userIndex < ListBox1->count()) {
        const QSignalBlocker blocker(ListBox1);
        ListBox1->setCurrentRow(userIndex);
    }
    ListBox1Click();
}

// --- login ------------------------------------------------------------------------------

int TfmZast::checkUser()
{
    if (base::Trim(edName->text()).isEmpty()) return -1;
    const QString typed = edName->text();
    int found = -1;
    for (int m = 0; m < m_users.count() && found < 0; ++m)
        if (m_users.names[m].compare(typed, Qt::CaseInsensitive) == 0) found = m;
    if (found < 0) {
        ui::ShowMessage(QStringLiteral("Такого пользователя в этом классе нет"));
        return -1;
    }
    if (m_users.passwords[found] != edPass->text()) {
        ui::ShowMessage(QStringLiteral("Неверный пароль"));
        return -1;
    }
    return found;
}

void TfmZast::btOKClick()
{
    if (base::Trim(edName->text()).isEmpty()) return;
    base::App().currentUserName = edName->text();
    const int m = checkUser();
    if (m < 0) return;
    base::AppState& app = base::App();
    app.currentUserId = m_users.ids[m];
    app.userFolder = QStringLiteral("USERS\\") + app.currentUserId + u'\\';
    users::LoadResults(app.userFolder, app.userResults);
    PrepareWorkspace();
    ui::OpenWindow(workspace().fmMain);
}

void TfmZast::btDelClick()
{
    if (ComboBox1->currentIndex() != 0) {
        ui::dialogs().message(QStringLiteral("Для редактирования списка зарегистрируйтесь как \"") + kAdminClass + u'"',
                              QStringLiteral("Редактирование списка пользователей"));
        return;
    }
    if (checkUser() < 0 || !m_reg) return;
    m_reg->ShowFrom(this, ComboBox1->currentIndex());
}

void TfmZast::btCancelClick() { close(); }

void TfmZast::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace shell
