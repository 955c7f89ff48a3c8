#pragma once
// What the tests of the plane lab windows share: a shown lab in its own
// program folder with the dialogs and shell calls replaced, clicks at world
// points, menu choices, colours on the plane, and the course's example files.
#include "labframe/labregistry.h"
#include "plane/view/planecontrol.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>
#include <memory>

namespace planelabtest {

inline const QColor kSilver = base::BgrColor(base::colour::plane::kShading);
inline const QColor kWhite{Qt::white};

template <class Lab>
class PlaneLabFixture : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        lab = std::make_unique<Lab>();
        lab->resize(1100, 760);
        lab->show();
    }
    void TearDown() override
    {
        lab.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
    QPoint Pixel(plane::geometry::Vec2 world) const
    {
        return {lab->Dec->View().ToScreenX(world.x), lab->Dec->View().ToScreenY(world.y)};
    }
    // A click at a world point; the shading it changes is finished.
    void Click(plane::geometry::Vec2 world)
    {
        QTest::mouseMove(lab->Dec, Pixel(world));
        QTest::mouseClick(lab->Dec, Qt::LeftButton, {}, Pixel(world));
        lab->Dec->FinishRegions();
    }
    void Choose(QMenu* menu, const QString& caption)
    {
        for (QAction* item : menu->actions())
            if (item->text() == caption) {
                emit menu->triggered(item);
                lab->Dec->FinishRegions();
                return;
            }
        ADD_FAILURE() << "no menu item " << caption.toStdString();
    }
    QColor ColourAt(plane::geometry::Vec2 world) { return lab->Dec->grab().toImage().pixelColor(Pixel(world)); }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<Lab> lab;
};

} // namespace planelabtest
