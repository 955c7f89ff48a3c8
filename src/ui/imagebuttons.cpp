#include "ui/imagebuttons.h"
#include "ui/waitcursor.h"
#include "base/paths.h"
#include <QApplication>
#include <QEnterEvent>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace ui {
namespace {
// Browsers and the original players alike treat tiny GIF delays as 100 ms.
constexpr int kDefaultDelayMs = 100;
constexpr int kShortestDelayMs = 20;

// Press and release inside the control make a click.
bool ReleasedInside(const QWidget* widget, const QMouseEvent* event)
{
    return event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
}
} // namespace

bool LoadJpegBitmap(QLabel* control, const QString& file)
{
    QImage image;
    {
        const WaitCursor wait;
        image.load(base::RealPath(file));
    }
    if (image.isNull()) return false;
    control->setPixmap(QPixmap::fromImage(image));
    control->resize(image.size());
    return true;
}

// --- TGifImage ----------------------------------------------------------------

TGifImage::TGifImage(QWidget* parent) : QWidget(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TGifImage::nextFrame);
}

bool TGifImage::LoadFromFile(const QString& file)
{
    QImageReader reader(base::RealPath(file));
    QList<QPixmap> frames;
    QList<int> delays;
    while (reader.canRead()) {
        const QImage image = reader.read();
        if (image.isNull()) break;
        frames.append(QPixmap::fromImage(image));
        const int delay = reader.nextImageDelay();
        delays.append(delay < kShortestDelayMs ? kDefaultDelayMs : delay);
    }
    if (frames.isEmpty()) return false;
    m_frames = frames;
    m_delays = delays;
    resize(m_frames.front().size());
    update();
    return true;
}

void TGifImage::release()
{
    m_animating = false;
    m_timer.stop();
    m_frames.clear();
    m_delays.clear();
    update();
}

void TGifImage::setFrame(int frame)
{
    m_frame = std::max(0, frame);
    update();
    if (m_timer.isActive()) scheduleNext();
    emit frameChanged(m_frame);
}

void TGifImage::setAnimate(bool on)
{
    m_animating = on;
    if (on) scheduleNext();
    else m_timer.stop();
}

void TGifImage::scheduleNext()
{
    const int shown = m_frames.isEmpty() ? 0 : std::min(m_frame, int(m_frames.size()) - 1);
    m_timer.start(m_delays.value(shown, kDefaultDelayMs));
}

void TGifImage::nextFrame()
{
    if (m_frames.isEmpty()) return;
    const int next = m_frame + 1 >= m_frames.size() ? 0 : m_frame + 1;
    setFrame(next);
    // The announcement may have stopped the animation (the intro's rules do).
    if (m_animating) scheduleNext();
}

void TGifImage::paintEvent(QPaintEvent*)
{
    if (m_frames.isEmpty()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_frames[std::min(m_frame, int(m_frames.size()) - 1)]);
}

// --- TMyButton ------------------------------------------------------------------

TMyButton::TMyButton(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_Hover);
}

void TMyButton::setImageOff(QLabel* picture)
{
    m_imageOff = picture;
    if (!isEnabled()) showPicture(partUnder(m_imageOff));
}

QPixmap TMyButton::partUnder(const QLabel* picture) const
{
    if (!picture || !m_imageOn) return {};
    const QPixmap source = picture->pixmap();
    if (source.isNull()) return {};
    const QWidget* top = window();
    const QPoint offset = mapTo(top, QPoint(0, 0)) - m_imageOn->mapTo(top, QPoint(0, 0));
    return source.copy(QRect(offset, size()));
}

void TMyButton::showPicture(QPixmap picture)
{
    m_picture = std::move(picture);
    update();
}

void TMyButton::enterEvent(QEnterEvent*)
{
    if (!isEnabled()) return;
    if (m_imageOn) showPicture(partUnder(m_imageOn));
    emit OnEnter();
}

void TMyButton::leaveEvent(QEvent*)
{
    if (!isEnabled()) return;
    showPicture({});
    emit OnLeave();
}

void TMyButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange) return;
    showPicture(isEnabled() ? QPixmap() : partUnder(m_imageOff));
}

void TMyButton::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void TMyButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && ReleasedInside(this, event);
    m_pressed = false;
    if (click) emit clicked();
}

void TMyButton::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

TMyButton* NewImageButton(QWidget* parent, const QString& name, const QRect& place, const QString& hint,
                          QLabel* imageOn)
{
    auto* button = new TMyButton(parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setImageOn(imageOn);
    return button;
}

// --- TMyGIFButton ---------------------------------------------------------------

TMyGIFButton::TMyGIFButton(QWidget* parent) : TGifImage(parent) {}

void TMyGIFButton::enterEvent(QEnterEvent*)
{
    setFrame(1);
    emit OnEnter();
}

void TMyGIFButton::leaveEvent(QEvent*)
{
    setFrame(0);
    emit OnLeave();
}

void TMyGIFButton::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void TMyGIFButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && ReleasedInside(this, event);
    m_pressed = false;
    if (click) emit clicked();
}

// --- TMyPanel ---------------------------------------------------------------------

TMyPanel::TMyPanel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

} // namespace ui
