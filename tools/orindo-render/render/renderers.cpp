// The table of renderers: one line per lab whose scene can be drawn without
// its window. An engine that learns to draw on its own adds its labs here.
#include "orindo-render/render/labrender.h"
#include "orindo-render/render/numberlinerender.h"
#include "orindo-render/render/planerender.h"
#include "orindo-render/render/spacerender.h"
#include <map>

namespace labrender {

const SceneRenderer* FindRenderer(int labNumber)
{
    static const std::map<int, SceneRenderer> renderers{
        {kCoordinateLineLab, RenderCoordinateLine},
        {kPlanimetryLab, RenderPlanimetry},
        {kFunctionGraphsLab, RenderFunctionGraphs},
        {kCoordinatePlaneLab, RenderCoordinatePlane},
        {kEquationGraphsLab, RenderCoordinatePlane},
        {kTrigonometryLab, RenderTrigonometry},
        {kStereometryLab, RenderStereometry},
    };
    const auto it = renderers.find(labNumber);
    return it == renderers.end() ? nullptr : &it->second;
}

} // namespace labrender
