#pragma once
#include <QString>

// What the lab help window asks of the lab frame.
namespace labframe {

// After a help page was loaded: the lab file paired with the page (its file
// name with the last three characters replaced by "LAB", so Graph.htm pairs
// with Graph.LAB) is loaded into CurrentLab when both exist. True when loaded.
bool LoadPairedLabFile(const QString& pageFile);

// A "DEM:" + name link: plays "DEMO\{name}" in CurrentLab when its script
// exists, otherwise says "Извините, эта демонстрация еще не записывалась".
void RunDemoLink(const QString& name);

} // namespace labframe
