// The planimetry lab's content in content/: the scenes of its help pictures
// and of the course's tasks load through the plane engine's reader, keep
// their constructions where the engine puts them, and draw; the help pages
// show pictures that exist and cover the lab's controls.
#include "orindo-render/render/labrender.h"
#include "orindo-render/render/planerender.h"
#include "labframe/file/labformats.h"
#include "labs/formats/labformats.h"
#include "plane/planerecords.h"
#include "support/testsupport.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <cmath>

namespace {

constexpr QSize kPictureSize(240, 160);
constexpr double kSamePlace = 1e-9;

QString Content() { return SampleCoursePath({}); }

// The course keeps its text as UTF-8 in the repository.
QString ReadSource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every lab file of the course's help pictures and tasks that belongs to the planimetry lab.
QStringList PlanimetryScenes()
{
    QStringList scenes;
    for (const QString& folder : {Content() + "HELP", Content() + "ZADS", Content() + "RIS"}) {
        QDirIterator it(folder, {"*.LAB", "*.lab"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (ReadSource(path).section(u'\n', 0, 0).trimmed() == QLatin1String("4")) scenes.append(path);
        }
    }
    scenes.sort();
    return scenes;
}

TEST(PlanimetryContent, ScenesLoadKeepTheirConstructionsAndDraw)
{
    const QStringList scenes = PlanimetryScenes();
    ASSERT_FALSE(scenes.isEmpty()) << "no planimetry scenes in " << Content().toStdString();
    for (const QString& path : scenes) {
        SCOPED_TRACE(path.toStdString());
        const QString text = ReadSource(path);
        const labframe::LabFileData data = labframe::ReadLabData(text);
        plane::PlaneSection section;
        ASSERT_NO_THROW(section = plane::ReadPlaneSection(data.engineLines, data.engineLine));

        // Touching every free point recomputes what depends on it: a position
        // written by hand that is not where the construction puts the point
        // would jump as soon as a pupil drags anything.
        plane::PlaneScene& scene = section.Scene;
        std::vector<plane::geometry::Vec2> saved;
        for (int i = 0; i < scene.PointCount(); ++i) saved.push_back(scene.Point(i)->Position());
        for (int i = 0; i < scene.PointCount(); ++i)
            if (scene.Point(i)->IsFree()) scene.MovePoint(scene.Point(i), saved[size_t(i)]);
        for (int i = 0; i < scene.PointCount(); ++i) {
            EXPECT_TRUE(scene.Point(i)->Exists()) << "point " << i;
            EXPECT_NEAR(scene.Point(i)->X(), saved[size_t(i)].x, kSamePlace) << "point " << i;
            EXPECT_NEAR(scene.Point(i)->Y(), saved[size_t(i)].y, kSamePlace) << "point " << i;
        }

        const labrender::RenderResult picture = labrender::RenderLabText(text, kPictureSize);
        EXPECT_FALSE(picture.refusal) << picture.refusal->message.toStdString();
    }
}

TEST(PlanimetryContent, HelpPicturesComeFromTheirScenes)
{
    const QString help = Content() + "HELP/";
    QStringList pages;
    // The plane labs' help: planimetry and function graphs.
    for (const QString& lab : {QStringLiteral("Lab4"), QStringLiteral("Lab3")}) {
        pages.append(help + lab + ".HTM");
        for (const QString& name : QDir(help + lab).entryList({"*.HTM"}, QDir::Files)) pages.append(help + lab + u'/' + name);
    }
    static const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""), QRegularExpression::CaseInsensitiveOption);
    int shown = 0;
    for (const QString& page : pages) {
        const QString folder = QFileInfo(page).absolutePath() + u'/';
        for (auto match = image.globalMatch(ReadSource(page)); match.hasNext(); ++shown) {
            const QString picture = folder + match.next().captured(1);
            SCOPED_TRACE((page + " shows " + picture).toStdString());
            const QImage drawn(picture);
            ASSERT_FALSE(drawn.isNull());
            EXPECT_EQ(drawn.size(), kPictureSize);
            EXPECT_TRUE(QFile::exists(picture.chopped(3) + "LAB")) << "no scene for the picture";
        }
    }
    EXPECT_GT(shown, 0);
}

TEST(PlanimetryContent, EveryControlOfTheLabHasItsHelpPage)
{
    labformats::RegisterLabFormats();
    const labframe::LabFormat* format = labframe::FindLabFormat(labrender::kPlanimetryLab);
    const QList<labframe::LabControlFormat> controls = format ? format->controls : QList<labframe::LabControlFormat>();
    labframe::ReleaseLabFormats();
    if (!format) GTEST_SKIP() << "the planimetry lab's format is not registered in this program";
    for (const labframe::LabControlFormat& control : controls) {
        // Timers and panels are not things a pupil asks about.
        if (control.kind == labframe::ControlKind::Timer || control.kind == labframe::ControlKind::Panel) continue;
        EXPECT_TRUE(QFile::exists(Content() + "HELP/Lab4/" + control.name + ".HTM")) << control.name.toStdString();
    }
}

} // namespace

namespace {

TEST(FunctionGraphsContent, EveryControlOfTheLabHasItsHelpPage)
{
    labformats::RegisterLabFormats();
    const labframe::LabFormat* format = labframe::FindLabFormat(labrender::kFunctionGraphsLab);
    const QList<labframe::LabControlFormat> controls = format ? format->controls : QList<labframe::LabControlFormat>();
    labframe::ReleaseLabFormats();
    ASSERT_NE(format, nullptr);
    for (const labframe::LabControlFormat& control : controls) {
        if (control.kind == labframe::ControlKind::Timer || control.kind == labframe::ControlKind::Panel) continue;
        EXPECT_TRUE(QFile::exists(Content() + "HELP/Lab3/" + control.name + ".HTM")) << control.name.toStdString();
    }
    // The lab's own controls outside the file and the function list have pages too.
    for (const char* name : {"Dec", "Dot", "pXY"})
        EXPECT_TRUE(QFile::exists(Content() + "HELP/Lab3/" + name + ".HTM")) << name;
    for (const char* name : {"DrawGrid", "Panel1", "Grid", "btInc", "btDec"})
        EXPECT_TRUE(QFile::exists(Content() + "HELP/Func/" + name + ".HTM")) << name;
    EXPECT_TRUE(QFile::exists(Content() + "HELP/Lab3.HTM"));
}

} // namespace

namespace {

// The equation labs: every control of the file, the plane, the colour
// swatch and the mouse coordinates have their help pages.
class EquationLabContent : public testing::TestWithParam<int> {};

TEST_P(EquationLabContent, EveryControlOfTheLabHasItsHelpPage)
{
    labformats::RegisterLabFormats();
    const labframe::LabFormat* format = labframe::FindLabFormat(GetParam());
    const QList<labframe::LabControlFormat> controls = format ? format->controls : QList<labframe::LabControlFormat>();
    labframe::ReleaseLabFormats();
    ASSERT_NE(format, nullptr);
    const QString folder = Content() + QStringLiteral("HELP/Lab%1/").arg(GetParam());
    EXPECT_TRUE(QFile::exists(Content() + QStringLiteral("HELP/Lab%1.HTM").arg(GetParam())));
    for (const labframe::LabControlFormat& control : controls) {
        if (control.kind == labframe::ControlKind::Timer || control.kind == labframe::ControlKind::Panel) continue;
        EXPECT_TRUE(QFile::exists(folder + control.name + ".HTM")) << control.name.toStdString();
    }
    for (const char* name : {"Dec", "Dot", "pXY"}) EXPECT_TRUE(QFile::exists(folder + name + ".HTM")) << name;
}

INSTANTIATE_TEST_SUITE_P(CoordinatePlaneAndEquationGraphs, EquationLabContent,
                         testing::Values(labrender::kCoordinatePlaneLab, labrender::kEquationGraphsLab));

} // namespace
