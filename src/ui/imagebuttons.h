#pragma once
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// The picture controls every full-size window is made of: pictures loaded
// as bitmaps, animated GIF pictures, image buttons (hot areas over a
// background picture that show the part of a hover or disabled picture
// lying under them) and panels that do not erase their background.
namespace ui {

// Decodes a JPEG (or any picture) file given as a program path into the
// control as a bitmap, so that its pixels can be copied by image buttons;
// the control takes the picture's size. Shows the hourglass meanwhile.
// False (and the control left as it was) when the file cannot be read.
bool LoadJpegBitmap(QLabel* control, const QString& file);

// An animated GIF picture whose frames can be read and set. The frame
// counter moves on by the delays of the file while Animate is on and wraps
// at the end; every change of the frame is announced.
class TGifImage : public QWidget {
    Q_OBJECT
public:
    explicit TGifImage(QWidget* parent = nullptr);

    // Reads every frame of the file (program path); false when it cannot be
    // read. The control takes the size of the picture.
    bool LoadFromFile(const QString& file);
    // Frees the frames (the picture becomes empty; the frame number stays).
    void release();

    int frameCount() const { return int(m_frames.size()); }
    int frame() const { return m_frame; }
    // Sets the frame number and announces it. A number beyond the frames
    // shows the last frame, so rules on frame numbers still run.
    void setFrame(int frame);

    bool animate() const { return m_animating; }
    void setAnimate(bool on);

signals:
    void frameChanged(int frame);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void nextFrame();
    void scheduleNext();

    QList<QPixmap> m_frames;
    QList<int> m_delays;
    int m_frame = 0;
    bool m_animating = false;
    QTimer m_timer;
};

// An invisible hot area over a background picture. On mouse entry (when
// enabled) it shows the part of ImageOn's picture that lies under it; on exit
// the background shows again. While disabled it shows, permanently, the part
// of ImageOff's picture under it (the offset taken from ImageOn's position).
// OnEnter and OnLeave follow the painting.
class TMyButton : public QWidget {
    Q_OBJECT
public:
    explicit TMyButton(QWidget* parent = nullptr);

    QLabel* ImageOn() const { return m_imageOn; }
    QLabel* ImageOff() const { return m_imageOff; }
    void setImageOn(QLabel* picture) { m_imageOn = picture; }
    void setImageOff(QLabel* picture);

    // What the button shows over the background; null when it shows nothing.
    const QPixmap& picture() const { return m_picture; }

signals:
    void OnEnter();
    void OnLeave();
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The part of picture's bitmap under this button, offset from ImageOn.
    QPixmap partUnder(const QLabel* picture) const;
    void showPicture(QPixmap picture);

    QPointer<QLabel> m_imageOn;
    QPointer<QLabel> m_imageOff;
    QPixmap m_picture;
    bool m_pressed = false;
};

// A named image button at its place over the background, with its hint
// (tool tip and accessible name) and hover picture.
TMyButton* NewImageButton(QWidget* parent, const QString& name, const QRect& place, const QString& hint,
                          QLabel* imageOn);

// An animated GIF button: frame 1 while the mouse is over it, frame 0
// otherwise; OnEnter and OnLeave follow.
class TMyGIFButton : public TGifImage {
    Q_OBJECT
public:
    explicit TMyGIFButton(QWidget* parent = nullptr);

signals:
    void OnEnter();
    void OnLeave();
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

// A panel that does not erase its background: its pictures cover it.
class TMyPanel : public QWidget {
    Q_OBJECT
public:
    explicit TMyPanel(QWidget* parent = nullptr);
};

} // namespace ui
