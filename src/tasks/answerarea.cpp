#include "tasks/answerarea.h"
#include "base/textfile.h"
#include "tasks/itemcontent.h"
#include "ui/waitcursor.h"
#include "ui/dialogs.h"
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace tasks {

namespace {

const QColor kCardColor(239, 226, 252);   // light lilac
const QColor kLabelColor(255, 222, 68);   // the yellow label strip of a place
constexpr int kCardCornerDiameter = 40;

// The last element whose name equals name without regard to letter case.
template <typename Item>
Item* LastNamed(const QList<Item*>& items, const QString& name)
{
    for (auto it = items.crbegin(); it != items.crend(); ++it)
        if ((*it)->Name().compare(name, Qt::CaseInsensitive) == 0) return *it;
    return nullptr;
}

} // namespace

// --- TSubject ---------------------------------------------------------------

TSubject::TSubject(TConteiner* owner, const ContainerItem& item)
    : QWidget(owner->Panel()), m_owner(owner), m_name(item.name), m_content(item.content)
{
    setFont(owner->ItemFont());
    move(item.left, item.top);
    m_formula.SetText(IsFormulaContent(item.content) ? item.content : QString());
}

ContainerItem TSubject::Item() const { return {m_name, x(), y(), m_content}; }

void TSubject::paintContent(QPainter& painter, const QRect& area)
{
    painter.setFont(font());
    const QSize size = ContentSize(painter, m_formula, m_content);
    DrawContent(painter, m_formula, m_content, area.left() + (area.width() - size.width()) / 2,
                area.top() + (area.height() - size.height()) / 2);
}

void TSubject::startDrag(const QPoint& pressPoint)
{
    raise();
    m_pressPoint = pressPoint;
    m_dragging = true;
}

void TSubject::followMouse(const QPoint& mouseInItem)
{
    if (!m_dragging || !parentWidget()) return;
    const QPoint target = mapToParent(mouseInItem) - m_pressPoint;
    const QWidget* panel = parentWidget();
    const int left = std::clamp(target.x(), 0, std::max(0, panel->width() - width()));
    const int top = std::clamp(target.y(), 0, std::max(0, panel->height() - height()));
    move(left, top);
}

// --- TSender ----------------------------------------------------------------

TSender::TSender(TConteiner* owner, const ContainerItem& item) : TSubject(owner, item)
{
    resize(owner->SenderWidth(), owner->SenderHeight());
}

void TSender::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(kCardColor);
    const qreal radius = kCardCornerDiameter / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    paintContent(painter, rect());
}

void TSender::mousePressEvent(QMouseEvent* event)
{
    if (dragging()) return;
    m_value = QStringLiteral("0");
    startDrag(event->position().toPoint());
}

void TSender::mouseMoveEvent(QMouseEvent* event) { followMouse(event->position().toPoint()); }

void TSender::mouseReleaseEvent(QMouseEvent*)
{
    if (!dragging()) return;
    stopDrag();
    m_owner->DropSender(this);
}

// --- TTarget ----------------------------------------------------------------

TTarget::TTarget(TConteiner* owner, const ContainerItem& item) : TSubject(owner, item)
{
    resize(owner->TargetWidth(), owner->SenderHeight() + owner->TargetExtra());
}

void TTarget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect strip(0, m_owner->SenderHeight(), width(), height() - m_owner->SenderHeight());
    painter.setBrush(kLabelColor);
    painter.drawRect(strip.adjusted(0, 0, -1, -1));
    paintContent(painter, strip);
}

void TTarget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && !dragging()) startDrag(event->position().toPoint());
}

void TTarget::mouseMoveEvent(QMouseEvent* event) { followMouse(event->position().toPoint()); }

void TTarget::mouseReleaseEvent(QMouseEvent*) { stopDrag(); }

// --- TConteiner -------------------------------------------------------------

TConteiner::TConteiner(QWidget* panel) : QWidget(panel)
{
    m_font.setFamily(QStringLiteral("Times New Roman"));
    m_font.setPixelSize(20);
    setGeometry(panel->rect());
    panel->installEventFilter(this);
}

TConteiner::~TConteiner() { Clear(); }

bool TConteiner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

bool TConteiner::Load(const QString& file)
{
    ui::WaitCursor wait;
    Clear();
    const std::optional<QStringList> lines = base::TryReadLines(file);
    const ContainerData data = lines ? ParseContainer(*lines) : ContainerData{};
    Build(data);
    if (!lines) {
        ui::ShowMessage(QStringLiteral("Не удается открыть файл \"%1\"").arg(file));
        return false;
    }
    if (!data.error.isEmpty()) {
        ui::ShowMessage(QStringLiteral("Ошибка в файле \"%1\", %2").arg(file, data.error));
        return false;
    }
    return true;
}

void TConteiner::Build(const ContainerData& data)
{
    Clear();
    m_sizes = data.sizes;
    if (QWidget* panel = Panel()) panel->setFixedHeight(m_sizes.panelHeight);
    for (const ContainerItem& item : data.targets) m_targets.append(new TTarget(this, item));
    for (const ContainerItem& item : data.senders) m_senders.append(new TSender(this, item));
    // Places lie below the cards so that a card dropped on a place stays visible.
    for (TTarget* place : m_targets) place->show();
    for (TSender* card : m_senders) {
        card->show();
        card->raise();
    }
}

ContainerData TConteiner::Data() const
{
    ContainerData data;
    data.sizes = m_sizes;
    for (const TTarget* place : m_targets) data.targets.append(place->Item());
    for (const TSender* card : m_senders) data.senders.append(card->Item());
    return data;
}

bool TConteiner::Save(const QString& file) const
{
    return base::WriteLines(file, ContainerLines(Data()));
}

void TConteiner::Clear()
{
    qDeleteAll(m_senders);
    qDeleteAll(m_targets);
    m_senders.clear();
    m_targets.clear();
    update();
}

QStringList TConteiner::CollectAnswers() const
{
    QStringList answers;
    for (const TSender* card : m_senders) answers.append(card->Name() + u'=' + card->Value());
    return answers;
}

void TConteiner::ShowAnswers(const QStringList& lines)
{
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) continue;
        TSender* card = FindSender(line.left(eq));
        TTarget* place = FindTarget(line.mid(eq + 1));
        if (card && place) PutOn(card, place);
    }
}

TTarget* TConteiner::TargetNear(const QPoint& cardCentre) const
{
    TTarget* found = nullptr;
    for (TTarget* place : m_targets) {
        const QPoint centre(place->x() + TargetWidth() / 2, place->y() + SenderHeight() / 2);
        if (std::abs(cardCentre.x() - centre.x()) < kSnapDistance
            && std::abs(cardCentre.y() - centre.y()) < kSnapDistance)
            found = place;
    }
    return found;
}

void TConteiner::DropSender(TSender* card)
{
    const QPoint centre(card->x() + card->width() / 2, card->y() + card->height() / 2);
    if (TTarget* place = TargetNear(centre)) {
        PutOn(card, place);
    } else {
        card->SetValue(QStringLiteral("0"));
    }
}

void TConteiner::PutOn(TSender* card, TTarget* place)
{
    card->move(place->pos());
    card->SetValue(place->Name());
    card->raise();
}

TSender* TConteiner::FindSender(const QString& name) const { return LastNamed(m_senders, name); }
TTarget* TConteiner::FindTarget(const QString& name) const { return LastNamed(m_targets, name); }

} // namespace tasks
