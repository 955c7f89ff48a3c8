#pragma once
#include "formulas/formula.h"
#include "taskfiles/containerfile.h"
#include <QFont>
#include <QList>
#include <QPoint>
#include <QStringList>
#include <QWidget>

// The drag-and-drop answer area of a task: cards (TSender) that the pupil
// drags onto places (TTarget). The answer is the name of the place each card
// lies on, "0" for a card on no place.
//
// The area fills its parent panel; cards and places are children of that
// panel too (above the area), with positions relative to it.
namespace tasks {

class TConteiner;

// What cards and places share: a name and a content (formula or text).
class TSubject : public QWidget {
    Q_OBJECT
public:
    TSubject(TConteiner* owner, const ContainerItem& item);

    const QString& Name() const { return m_name; }
    const QString& Content() const { return m_content; }
    TConteiner* Owner() const { return m_owner; }
    // The item as a container file line has it, at its current position.
    ContainerItem Item() const;

protected:
    void paintContent(QPainter& painter, const QRect& area);
    // Dragging follows the mouse from the press point; the item stays inside
    // its panel so that it can never be lost out of sight.
    void startDrag(const QPoint& pressPoint);
    void followMouse(const QPoint& mouseInItem);
    bool dragging() const { return m_dragging; }
    void stopDrag() { m_dragging = false; }

    TConteiner* m_owner;

private:
    QString m_name;
    QString m_content;
    formulas::TFormula m_formula;
    QPoint m_pressPoint;
    bool m_dragging = false;
};

// A card: dragged with any mouse button, snaps onto a place when dropped.
class TSender : public TSubject {
    Q_OBJECT
public:
    TSender(TConteiner* owner, const ContainerItem& item);
    // The name of the place the card lies on, or "0".
    const QString& Value() const { return m_value; }
    void SetValue(const QString& value) { m_value = value; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_value = QStringLiteral("0");
};

// A place: an upper card area and a lower label strip with its content.
// The right mouse button moves it; it does not snap.
class TTarget : public TSubject {
    Q_OBJECT
public:
    TTarget(TConteiner* owner, const ContainerItem& item);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class TConteiner : public QWidget {
    Q_OBJECT
public:
    // A card snaps onto a place whose card-area centre is nearer than this in
    // x and in y to the card's centre.
    static constexpr int kSnapDistance = 40;

    // panel: the parent panel, which the area fills.
    explicit TConteiner(QWidget* panel);
    ~TConteiner() override;

    // Clears the area and reads a container file (program path); the panel
    // takes the file's height. A file that does not read shows a message and
    // keeps what was read before the faulty line; false then.
    bool Load(const QString& file);
    // Writes the area with the current positions (atomically); false when the
    // file could not be written.
    bool Save(const QString& file) const;
    // Builds the area from data already read (Load after reading the file).
    void Build(const ContainerData& data);
    // The area as a container file holds it.
    ContainerData Data() const;
    // Destroys all cards and places.
    void Clear();

    // "card=place" for every card in card order ("0": on no place).
    QStringList CollectAnswers() const;
    // For every "card=place" line: the card (the last of that name) is put on
    // the place (the last of that name) when both exist. Names are compared
    // without regard to letter case, as the checking compares them.
    void ShowAnswers(const QStringList& lines);

    // The place a card with this centre (panel coordinates) snaps onto: the
    // last place near enough, or none.
    TTarget* TargetNear(const QPoint& cardCentre) const;
    // End of a drag: the card snaps onto a place or keeps where it was put.
    void DropSender(TSender* card);

    const QList<TSender*>& Senders() const { return m_senders; }
    const QList<TTarget*>& Targets() const { return m_targets; }
    TSender* FindSender(const QString& name) const;
    TTarget* FindTarget(const QString& name) const;
    const ContainerSizes& Sizes() const { return m_sizes; }
    int TargetWidth() const { return m_sizes.targetWidth; }
    int TargetExtra() const { return m_sizes.targetExtra; }
    int SenderWidth() const { return m_sizes.senderWidth; }
    int SenderHeight() const { return m_sizes.senderHeight; }
    QWidget* Panel() const { return parentWidget(); }
    const QFont& ItemFont() const { return m_font; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PutOn(TSender* card, TTarget* place);

    ContainerSizes m_sizes;
    QList<TSender*> m_senders;
    QList<TTarget*> m_targets;
    QFont m_font;
};

} // namespace tasks
