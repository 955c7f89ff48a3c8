#pragma once
#include "labframe/file/labdata.h"
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QPainter;

// Pictures of lab scenes without lab windows: a lab file is read as its lab
// reads it, and the lab's engine paints its scene on an image at the view
// the file keeps. Each lab that can be drawn so has one renderer, kept in a
// table under its lab number (renderers.cpp).
namespace labrender {

// A side of the picture is 1 … kMaxSide pixels.
constexpr int kMaxSide = 10000;

// Why a file gives no picture: the file line where reading stopped (0 when
// the fault belongs to no line, e.g. a file that cannot be opened) and what
// is wrong there.
struct RenderRefusal {
    int line = 0;
    QString message;
};

// Renderers throw it for a file their lab would refuse.
class RenderError : public std::exception {
public:
    explicit RenderError(RenderRefusal refusal) : m_refusal(std::move(refusal)) {}
    const RenderRefusal& refusal() const { return m_refusal; }
    const char* what() const noexcept override { return "lab scene refused"; }

private:
    RenderRefusal m_refusal;
};

// Paints the scene of a lab file's data on a painter whose device is
// size.width() × size.height() pixels and already filled with the lab's
// background. Throws RenderError.
using SceneRenderer = std::function<void(const labframe::LabFileData& data, QPainter& painter, QSize size)>;

// The renderer of a lab number; nullptr for labs that have none.
const SceneRenderer* FindRenderer(int labNumber);

// The side of a picture given as text: a whole number 1 … kMaxSide, or
// nullopt.
std::optional<int> ParseSide(const QString& text);

struct RenderResult {
    QImage image;                          // null when refused
    std::optional<RenderRefusal> refusal;
};

// The picture of a lab file's text, of the given size (each side 1 … kMaxSide).
// When the lab's format is registered (labframe::RegisterLabFormat), its
// window lines are checked as the lab window reads them first.
RenderResult RenderLabText(const QString& text, QSize size);
// The same for a file (a path of the file system, Windows-1251 text).
RenderResult RenderLabFile(const QString& path, QSize size);

} // namespace labrender
