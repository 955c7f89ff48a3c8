#pragma once
#include <cstdint>

// The one random generator of the process: the runtime's linear congruential
// generator, seed := seed * 0x08088405 + 1 (mod 2^32). Every random draw of the
// program (identifiers, formula comparison, experiments) comes from here, so
// that tests can seed it and replay a run.
namespace base {

void Randomize();                  // seed from the clock (start-up)
void SetRandomSeed(uint32_t seed);
uint32_t RandomSeed();
int RandomInt(int range);          // 0 <= r < range; 0 when range <= 0
double RandomReal();               // 0 <= r < 1

} // namespace base
