#include "shell/timeline.h"
#include "base/colours.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "ui/cursors.h"
#include "ui/dialogs.h"
#include "shellcalls/shellcalls.h"
#include "ui/pictureset.h"
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

namespace shell {
namespace {

// The hourglass while the strip is read or painted.
struct Hourglass {
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

} // namespace

// --- the window ------------------------------------------------------------------------------

TfmOs::TfmOs(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fmOs"));
    pnOs = new QWidget(this);
    pnOs->setObjectName(QStringLiteral("pnOs"));
    pnOs->setAutoFillBackground(true);
    QPalette palette = pnOs->palette();
    palette.setColor(QPalette::Window, base::BgrColor(base::colour::kPanelBlue));
    pnOs->setPalette(palette);
    imOs = new QLabel(pnOs);
    imOs->setObjectName(QStringLiteral("imOs"));
    imOs->setMouseTracking(true);
    imOs->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbHint = new QLabel(QStringLiteral("Потяните ленту мышью влево или вправо; щелчок по событию открывает рассказ о нём."),
                        pnOs);
    lbHint->setObjectName(QStringLiteral("lbHint"));
    lbHint->setAlignment(Qt::AlignCenter);
    lbHint->setStyleSheet(QStringLiteral("color: #1f3f7a; font-style: italic;"));
    imOs->installEventFilter(this);
    pnOs->installEventFilter(this);
    {
        const Hourglass wait;
        LoadAreas();
    }
    m_openHand = ui::NumberedCursor(base::kCursorHandOpen).value_or(QCursor(Qt::OpenHandCursor));
    m_closedHand = ui::NumberedCursor(base::kCursorHandClose).value_or(QCursor(Qt::ClosedHandCursor));
    imOs->setCursor(m_openHand);
    layOut();
}

void TfmOs::LoadAreas()
{
    m_areas.clear();
    m_current = 0;
    const auto lines = base::TryReadLines(kOsAreasFile);
    if (!lines) {
        ui::ShowMessage(QStringLiteral("Не удается открыть файл ") + kOsAreasFile);
        return;
    }
    OsAreasRead read = ParseOsAreas(*lines);
    m_areas = std::move(read.areas);
    if (!read.error.isEmpty()) ui::ShowMessage(read.error);
}

void TfmOs::FormShow()
{
    const Hourglass wait;
    if (!m_stripTried) {
        m_stripTried = true;
        ui::PictureSet pictures;
        m_strip = pictures.pixmap(kStripFile);
        pictures.reportMissing();
    }
    layOut();
    PaintStrip();
}

void TfmOs::PaintStrip()
{
    m_offset = ClampOsOffset(m_offset, m_strip.width(), imOs->width());
    if (m_strip.isNull()) {
        imOs->clear();
        return;
    }
    imOs->setPixmap(m_strip.copy(m_offset, 0, imOs->width(), imOs->height()));
}

int TfmOs::HitTest(int x, int y) const
{
    return HitOsArea(m_areas, x + m_offset, y, m_strip.height());
}

void TfmOs::layOut()
{
    const int width = pnOs->width();
    imOs->setGeometry(0, 0, width, kViewHeight);
    lbHint->setGeometry(0, kViewHeight, width, std::max(0, pnOs->height() - kViewHeight));
}

bool TfmOs::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pnOs && event->type() == QEvent::Resize) {
        layOut();
        if (m_stripTried) PaintStrip();
    } else if (watched == imOs) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) mousePress(mouse->position().toPoint());
            return true;
        }
        case QEvent::MouseMove:
            mouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
            return true;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) mouseRelease(mouse->position().toPoint());
            return true;
        }
        case QEvent::Leave:
            if (!m_dragging) setCurrentArea(0);
            break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfmOs::mousePress(const QPoint& pos)
{
    m_dragging = true;
    m_moved = false;
    m_lastX = pos.x();
    m_pressPos = pos;
    imOs->setCursor(m_closedHand);
}

void TfmOs::mouseMove(const QPoint& pos)
{
    if (!m_dragging) {
        setCurrentArea(HitTest(pos.x(), pos.y()));
        return;
    }
    if ((pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) m_moved = true;
    m_offset = ClampOsOffset(m_offset + (m_lastX - pos.x()), m_strip.width(), imOs->width());
    m_lastX = pos.x();
    PaintStrip();
}

// A press and release on the same spot is a click; after a drag the page
// under the hand is not opened, the user only moved the strip.
void TfmOs::mouseRelease(const QPoint& pos)
{
    if (!m_dragging) return;
    m_dragging = false;
    setCurrentArea(HitTest(pos.x(), pos.y())); // also gives back the open hand
    if (m_moved || m_current == 0) return;
    const QString page = m_areas[size_t(m_current - 1)].page;
    shellcalls::guide().ShowHistoryPage(QStringLiteral("OS\\") + page);
}

void TfmOs::setCurrentArea(int area)
{
    m_current = area;
    imOs->setCursor(area > 0 ? QCursor(Qt::PointingHandCursor) : m_openHand);
}

} // namespace shell
