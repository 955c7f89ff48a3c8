#include "numberline/placement.h"
#include <gtest/gtest.h>
#include <functional>

using namespace numberline;

namespace {

constexpr double kScale = 160;
const QStringList kGiven = {"[drob[1][3]]", "[drob[5][6]]"};

// A task's scene: both points hang above the line, away from their values.
NumberLineScene TaskScene()
{
    NumberLineScene scene;
    for (const QString& formula : kGiven) {
        TPoint& point = scene.AddPoint(formula);
        point.X = -1.5;
        point.Y = 1.5;
    }
    return scene;
}

void PlaceAll(NumberLineScene& scene)
{
    for (const auto& point : scene.Points()) point->PutAtExact();
}

struct PlacementCase {
    const char* what;
    std::function<void(NumberLineScene&)> pupil;
    bool placed;
};

class Placement : public testing::TestWithParam<PlacementCase> {};

} // namespace

// The task's answer file holds these lines; the task is right when the
// scene answers each of them exactly.
bool Right(const QStringList& answers)
{
    return answers.contains("LAB1=[drob[1][3]]") && answers.contains("LAB2=[drob[5][6]]");
}

TEST_P(Placement, OnlyEveryGivenPointAtItsValueOnTheLineIsAPlacement)
{
    NumberLineScene scene = TaskScene();
    EXPECT_EQ(PlacementAnswers(scene, kScale), (QStringList{"LAB1=", "LAB2="}));
    GetParam().pupil(scene);
    EXPECT_EQ(Right(PlacementAnswers(scene, kScale)), GetParam().placed) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Cases, Placement, testing::Values(
    PlacementCase{"nothing done", [](NumberLineScene&) {}, false},
    PlacementCase{"every point at its value", PlaceAll, true},
    PlacementCase{"within two pixels", [](NumberLineScene& s) { PlaceAll(s); s.Points()[0]->X += 1.5 / kScale; }, true},
    PlacementCase{"three pixels off", [](NumberLineScene& s) { PlaceAll(s); s.Points()[1]->X += 3 / kScale; }, false},
    PlacementCase{"one left hanging above its value", [](NumberLineScene& s) { PlaceAll(s); s.Points()[0]->Y = 1.5; }, false},
    PlacementCase{"a red point erased", [](NumberLineScene& s) { s.Points()[0]->PutAtExact(); s.Points()[1]->Visible = false; }, false},
    PlacementCase{"a formula rewritten to where the point stands",
                  [](NumberLineScene& s) {
                      PlaceAll(s);
                      TPoint& point = *s.Points()[1];
                      point.Formula().SetText("[-1,5]");
                      point.FormulaEdited({});
                      point.X = -1.5;
                      point.Y = 0;
                  },
                  false},
    PlacementCase{"an extra point of the pupil's, red", [](NumberLineScene& s) { PlaceAll(s); s.AddPoint("[2]").X = 3; }, true},
    PlacementCase{"a point gone (cleared scene)", [](NumberLineScene& s) { s.Clear(); }, false}));

TEST(PlacementAnswerNames, OnlyTheKeyFollowedByAPointNumberIsTheLabs)
{
    const struct { const char* name; std::optional<int> number; } cases[] = {
        {"LAB1", 1}, {"lab12", 12}, {"LAB", std::nullopt}, {"LAB0", std::nullopt}, {"LABx", std::nullopt},
        {"LAB1_", std::nullopt}, {"r1", std::nullopt}, {"LAB-1", std::nullopt}, {"LAB99999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(PlacementPointNumber(c.name), c.number) << c.name;
}

TEST(PlacementAnswerNames, ALineTheTasksSceneCannotGiveIsAProblem)
{
    NumberLineScene scene = TaskScene();
    scene.AddPoint("[drob[1][0]]");
    EXPECT_EQ(PlacementAnswerProblem(scene, "LAB1", "[drob[1][3]]"), "");
    EXPECT_EQ(PlacementAnswerProblem(scene, "r1", "C"), "") << "not the lab's line";
    EXPECT_EQ(PlacementAnswerProblem(scene, "LAB4", "[1]"), "«LAB4»: в сцене задачи нет точки 4 (точек 3)");
    EXPECT_EQ(PlacementAnswerProblem(scene, "LAB2", "[drob[1][3]]"), "«LAB2»: у точки 2 формула [drob[5][6]], а не [drob[1][3]]");
    EXPECT_EQ(PlacementAnswerProblem(scene, "LAB3", "[drob[1][0]]"), "«LAB3»: формула [drob[1][0]] точки 3 не имеет значения");
}
