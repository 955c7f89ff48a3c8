#pragma once
#include "space/interaction.h"
#include "space/scene.h"
#include "space/spaceview.h"
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class QLabel;

// The space control: a thin widget over the window-free engine. It forwards
// the mouse to SpaceInteraction, paints the scene with the space painter on
// white, blinks the chosen elements and reads and writes the engine's
// section of lab files.
namespace space {

class TDec3D : public QWidget, private InteractionHost {
    Q_OBJECT
public:
    static constexpr int kBlinkIntervalMs = 200;

    explicit TDec3D(QWidget* parent = nullptr);

    SpaceScene& Scene() { return m_scene; }
    const SpaceView& View() const { return m_view; }
    SpaceInteraction& Mouse() { return m_mouse; }

    double Scale() const { return m_view.Scale(); }
    void SetScale(double scale);
    void SetCenter(double x, double y);
    void SetTool(int tool);
    int Tool() const { return m_mouse.Tool(); }
    void SetDrawMode(DrawMode mode);
    void SetShowHidden(bool on);
    void SetDrawColor(base::Bgr colour) { m_mouse.DrawingColour = colour; }
    void SetPenWidth(int width);
    void RotateAboutX(double degrees);
    void RotateAboutY(double degrees);
    void RotateAboutZ(double degrees);
    void Redraw() { update(); }

    void ClearScene();
    // Reads the engine section; a section it refuses (SectionFormatError)
    // leaves the scene as it was.
    void LoadScene(const QStringList& lines, int firstLine = 1);
    QStringList SaveScene() const;

    std::function<std::optional<QString>(const QString& name)> NameDialog;
    QLabel* HintLabel = nullptr;

signals:
    void MouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ShowMessage(const QString& text) override;
    std::optional<QString> AskName(const QString& current) override;
    QSize TextSize(const QString& text) const override;
    void MovePointer(QPoint pixel) override;
    void ShowCursor();
    void SyncSize();

    SpaceScene m_scene;
    SpaceView m_view;
    SpaceInteraction m_mouse{m_scene, m_view, *this};
    QTimer m_blink;
};

} // namespace space
