#pragma once
#include <QPixmap>
#include <QStringList>

class QLabel;

// Loads the pictures of a window and names those that could not be read in
// one message ("Не удается открыть файл ..."), so that a window with several
// missing pictures says so once.
namespace ui {

class TGifImage;

class PictureSet {
public:
    // Program paths ("JPG\MainTop.JPG").
    void bitmap(QLabel* control, const QString& file);
    void animation(TGifImage* gif, const QString& file);
    QPixmap pixmap(const QString& file);

    const QStringList& missing() const { return m_missing; }
    // Shows the message when a picture was missing.
    void reportMissing() const;

private:
    QStringList m_missing;
};

} // namespace ui
