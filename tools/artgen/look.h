#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

// The common look of the program's window pictures: squared school paper
// under a soft sky gradient, faint mathematical motifs, white cards with a
// blue title band and rounded buttons. Every window generator draws with
// these so that the windows belong together.
namespace artgen::look {

inline const QColor kInk{0x1f, 0x3f, 0x7a};        // dark blue text
inline const QColor kBand{0x2f, 0x6d, 0xb5};       // title bands
inline const QColor kBandLight{0x4f, 0x95, 0xdc};
inline const QColor kAccent{0xf2, 0xa9, 0x3b};     // warm orange
inline const QColor kGreen{0x3c, 0x9a, 0x5f};
inline const QColor kRed{0xc2, 0x53, 0x4b};
inline const QColor kGridFine{0xc9, 0xdf, 0xf2};
inline const QColor kGridBold{0xa9, 0xcb, 0xea};

inline const QString kSans = QStringLiteral("DejaVu Sans");
inline const QString kSerif = QStringLiteral("DejaVu Serif");

QFont Font(const QString& family, int pixelSize, bool bold = false, bool italic = false);

// Squared paper under a sky-to-cream gradient.
QImage Paper(QSize size);
// Faint formulas and figures scattered over the rectangle (fixed layout
// from the seed, so every build draws the same picture).
void DrawMotifs(QPainter& painter, const QRect& area, int count, unsigned seed);
// A white card with rounded corners, a soft shadow and a title band.
void DrawCard(QPainter& painter, const QRect& card, int bandHeight, const QString& title);
// A rounded button with its caption; hover makes it lighter and adds a glow.
// The largest bold caption size, up to largest and down to 9 pixels, at which
// the caption (one or more lines) fits the face of a button of that size.
int CaptionSize(const QString& caption, const QSize& button, int largest = 15);
// The caption on two lines, broken at the blank nearest its middle, when it
// does not fit the button on one line at the given size.
QString WrapCaption(const QString& caption, const QSize& button, int size);
// A button face with its caption at the largest size that fits, never above
// largest (a row of buttons passes one size so their captions match).
void DrawButton(QPainter& painter, const QRect& button, const QString& caption, const QColor& base, bool hover,
                int largest = 15);
// A caption in the ink colour with its baseline at the point.
void DrawCaption(QPainter& painter, QPoint baseline, const QString& text, int pixelSize = 13);

} // namespace artgen::look
