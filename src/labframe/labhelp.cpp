#include "labframe/labhelp.h"
#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "base/paths.h"
#include "ui/dialogs.h"

namespace labframe {

bool LoadPairedLabFile(const QString& pageFile)
{
    TfmLab* lab = CurrentLab();
    if (!lab || pageFile.size() < 3) return false;
    const QString labFile = pageFile.left(pageFile.size() - 3) + QStringLiteral("LAB");
    return base::FileExists(labFile) && lab->LoadLabFile(labFile);
}

void RunDemoLink(const QString& name)
{
    const QString base = QStringLiteral("DEMO\\") + name;
    if (!base::FileExists(base + QStringLiteral(".SCI"))) {
        ui::ShowMessage(QStringLiteral("Извините, эта демонстрация еще не записывалась"));
        return;
    }
    if (TfmLab* lab = CurrentLab()) lab->PlayDemo(base);
}

} // namespace labframe
