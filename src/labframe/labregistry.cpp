#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include <QPointer>
#include <map>

namespace labframe {
namespace {

struct Registry {
    std::map<int, LabFactory> factories;
    std::map<int, QPointer<TfmLab>> windows;
    QPointer<TfmLab> current;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

} // namespace

bool RegisterLab(int number, LabFactory factory)
{
    if (!IsLabNumber(number) || !factory) return false;
    TheRegistry().factories[number] = std::move(factory);
    return true;
}

TfmLab* ExistingLab(int number)
{
    const auto& windows = TheRegistry().windows;
    const auto it = windows.find(number);
    return it == windows.end() ? nullptr : it->second.data();
}

TfmLab* CreateLab(int number)
{
    Registry& registry = TheRegistry();
    TfmLab* lab = ExistingLab(number);
    if (!lab) {
        const auto factory = registry.factories.find(number);
        if (factory == registry.factories.end()) return nullptr;
        lab = factory->second();
        if (!lab) return nullptr;
        registry.windows[number] = lab;
    }
    registry.current = lab;
    return lab;
}

TfmLab* CurrentLab() { return TheRegistry().current; }

void SetCurrentLab(TfmLab* lab) { TheRegistry().current = lab; }

void ReleaseLabs()
{
    Registry& registry = TheRegistry();
    for (auto& [number, window] : registry.windows) delete window.data();
    registry.windows.clear();
    registry.factories.clear();
    registry.current = nullptr;
}

} // namespace labframe
