#include "base/random.h"
#include <QDateTime>

namespace base {
namespace {
uint32_t g_seed = 0;

uint32_t NextSeed()
{
    g_seed = g_seed * 0x08088405u + 1u;
    return g_seed;
}
} // namespace

void Randomize()
{
    g_seed = uint32_t(QDateTime::currentMSecsSinceEpoch() * 10);
}

void SetRandomSeed(uint32_t seed) { g_seed = seed; }
uint32_t RandomSeed() { return g_seed; }

int RandomInt(int range)
{
    const uint64_t next = NextSeed();
    if (range <= 0) return 0;
    return int((next * uint64_t(uint32_t(range))) >> 32);
}

double RandomReal()
{
    return double(NextSeed()) / 4294967296.0;
}

} // namespace base
