#include "shell/messagepopup.h"
#include "shell/messagecloud.h"
#include "shellcalls/shellcalls.h"
#include "ui/imagebuttons.h"
#include "ui/windowstack.h"
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QFontMetrics>
#include <climits>
#include <cmath>
#include <iterator>

namespace shell {
namespace {
// The cloud sits this far to the right of the window's client origin, so that
// it comes out of the guide figure's mouth.
constexpr int kOffsetRight = 84;
constexpr int kMaxSeconds = INT_MAX / 1000;

void SetGuideFrame(int frame)
{
    shellcalls::guide().SetFigureFrame(frame);
}
} // namespace

QRegion TffMess::CloudRegion(double scale)
{
    QRegion cloud;
    for (int i = 0; i < int(std::size(messagecloud::kEllipses)); ++i)
        cloud += QRegion(messagecloud::EllipseRect(i, scale), QRegion::Ellipse);
    return cloud;
}

TffMess::TffMess(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ffMess"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(messagecloud::kSize);
    setMask(CloudRegion());
    setFocusPolicy(Qt::ClickFocus);
    // A soft sky colour shows while the picture is missing.
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xee, 0xf5, 0xff));
    setPalette(palette);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rect());
    Image1->setScaledContents(true); // the picture grows with the cloud

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(messagecloud::kText);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont font(QStringLiteral("Arial Narrow"));
    font.setPixelSize(15);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setStyleSheet(QStringLiteral("color: black; background: transparent;"));

    Timer2.setSingleShot(true);
    connect(&Timer2, &QTimer::timeout, this, &QWidget::hide);
}

QString TffMess::text() const { return Label1->text(); }

void TffMess::loadPicture()
{
    if (m_pictureLoaded) return;
    m_pictureLoaded = true; // a missing picture is not asked for again
    ui::LoadJpegBitmap(Image1, QStringLiteral("JPG\\Message.JPG"));
    Image1->setGeometry(rect());
}

QPoint TffMess::placement() const
{
    QWidget* holder = nullptr;
    if (QWidget* figure = shellcalls::guide().Figure()) holder = figure->window();
    if (!holder) holder = ui::WindowStack::instance().top();
    if (holder) return holder->mapToGlobal(QPoint(kOffsetRight, 0));
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().topLeft() + QPoint(kOffsetRight, 0) : QPoint(kOffsetRight, 0);
}

void TffMess::fitCloudTo(const QString& text)
{
    const QFontMetrics metrics(Label1->font());
    m_scale = messagecloud::CloudScale([&](int width) {
        return metrics.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::AlignCenter | Qt::TextWordWrap, text).height();
    });
    const QSize size(int(std::lround(messagecloud::kSize.width() * m_scale)),
                     int(std::lround(messagecloud::kSize.height() * m_scale)));
    setFixedSize(size);
    setMask(CloudRegion(m_scale));
    Image1->setGeometry(rect());
    Label1->setGeometry(messagecloud::Scaled(messagecloud::kText, m_scale));
}

void TffMess::ShowNote(const QString& text, int seconds)
{
    move(placement());
    hide();
    SetGuideFrame(2);
    Label1->setText(text);
    fitCloudTo(text);
    loadPicture();

    QPointer<QWidget> active = QApplication::activeWindow();
    QPointer<QWidget> focused = QApplication::focusWidget();
    show();
    raise();
    Timer2.start(qBound(0, seconds, kMaxSeconds) * 1000);
    // The user keeps typing where he was.
    if (active && active != this) {
        active->activateWindow();
        if (focused && focused->window() == active) focused->setFocus(Qt::OtherFocusReason);
    }
}

void TffMess::HideNote(const QString& text)
{
    if (isVisible() && Label1->text() == text) hide();
}

void TffMess::hideEvent(QHideEvent* event)
{
    Timer2.stop();
    SetGuideFrame(0);
    QWidget::hideEvent(event);
}

void TffMess::keyPressEvent(QKeyEvent* event)
{
    hide();
    event->accept();
}

void TffMess::mousePressEvent(QMouseEvent* event)
{
    hide();
    event->accept();
}

} // namespace shell
