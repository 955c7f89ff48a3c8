#pragma once
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

class QLabel;

// The message popup that speaks for the guide figure: a borderless cloud
// beside the figure with a short text, hiding itself after a given time, when
// it is clicked or when a key is pressed while it has the focus. It never
// takes the keyboard from the window the user types in.
namespace shell {

class TffMess : public QWidget {
    Q_OBJECT
public:
    explicit TffMess(QWidget* parent = nullptr);

    // Shows text for seconds (a second call replaces the text and restarts
    // the time); the guide figure shows frame 2 meanwhile.
    void ShowNote(const QString& text, int seconds);
    // Hides the popup when it shows this text (the cause of a warning was
    // put right before its time ran out).
    void HideNote(const QString& text);

    QString text() const;
    QTimer* timer() { return &Timer2; }

    // The outline of the window: the union of the nine ellipses of the cloud,
    // grown by scale for a longer text.
    static QRegion CloudRegion(double scale = 1.0);
    double scale() const { return m_scale; }

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Where the cloud goes: beside the client area of the window that holds
    // the guide figure (the window on top of the window stack).
    QPoint placement() const;
    void loadPicture();
    // Grows or shrinks the cloud so that the text fits it.
    void fitCloudTo(const QString& text);

    QLabel* Image1;
    QLabel* Label1;
    QTimer Timer2;
    bool m_pictureLoaded = false;
    double m_scale = 1.0;
};

} // namespace shell
