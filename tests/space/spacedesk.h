#pragma once
#include "space/interaction.h"
#include <QStringList>
#include <gtest/gtest.h>

// A window-free desk for driving the space engine with clicks in tests.
namespace space::testdesk {

using geometry::Vec3;

class RecordingHost : public InteractionHost {
public:
    void ShowMessage(const QString& text) override { messages.append(text); }
    std::optional<QString> AskName(const QString&) override { return nameAnswer; }
    QSize TextSize(const QString& text) const override { return QSize(8 * int(text.size()), 14); }
    void MovePointer(QPoint pixel) override { pointer = pixel; }

    QStringList messages;
    std::optional<QString> nameAnswer;
    std::optional<QPoint> pointer;
};

// A 400 × 400 control at scale 40: world (x, y) is pixel (200 + 40x, 200 − 40y).
struct Desk {
    SpaceScene scene;
    SpaceView view{400, 400};
    RecordingHost host;
    SpaceInteraction mouse{scene, view, host};

    QPoint Pixel(double x, double y) const { return view.ToScreen(x, y).toPoint(); }
    void Hover(double x, double y) { mouse.MouseMove(false, false, Pixel(x, y)); }
    void Click(double x, double y)
    {
        Hover(x, y);
        mouse.MouseDown(MouseButton::Left, Pixel(x, y));
        mouse.MouseUp(MouseButton::Left, Pixel(x, y));
    }
    void Drag(MouseButton button, QPoint from, QPoint to)
    {
        mouse.MouseMove(false, false, from);
        mouse.MouseDown(button, from);
        mouse.MouseMove(button == MouseButton::Left, button == MouseButton::Right, to);
        mouse.MouseUp(button, to);
    }
};

inline void ExpectAt(const TPoint& point, const Vec3& expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(point.X, expected.x, tolerance);
    EXPECT_NEAR(point.Y, expected.y, tolerance);
    EXPECT_NEAR(point.Z, expected.z, tolerance);
}


} // namespace space::testdesk
