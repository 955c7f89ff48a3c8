#pragma once
#include <QImage>
#include <QList>
#include <QString>

// Writes real GIF files (single pictures and animations) with giflib. Frames
// are reduced to at most 256 colours by Qt; one colour may be transparent.
namespace ui {

struct GifFrame {
    QImage image;
    int delayMs = 100;
};

struct GifOptions {
    // Pixels of this colour become the transparent colour of the picture.
    bool transparent = false;
    QRgb transparentColor = qRgb(255, 255, 255);
    bool loop = true; // animations repeat forever
};

// Returns false when the file cannot be written; nothing half-written stays.
bool WriteGif(const QString& realPath, const QList<GifFrame>& frames, const GifOptions& options = {});
bool WriteGif(const QString& realPath, const QImage& image, const GifOptions& options = {});

// The GIF file's bytes (for tests and in-memory use).
QByteArray EncodeGif(const QList<GifFrame>& frames, const GifOptions& options = {});

} // namespace ui
