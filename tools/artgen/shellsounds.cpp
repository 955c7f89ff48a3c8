// Sounds of the login and of the controls: the intro melody "Zast.wav",
// the click "1.wav" and the key sound "2.wav".
#include "artgen.h"
#include "sound.h"
#include <QRandomGenerator>
#include <cmath>

namespace {
using namespace artgen::sound;

// A short, bright tune in C major over a soft bass, ending on a chord.
std::vector<float> IntroMelody()
{
    struct Note {
        int midi;
        double beats;
    };
    const Note tune[] = {{72, 1}, {76, 1}, {79, 1}, {84, 2}, {81, 1}, {79, 1}, {76, 1}, {79, 2},
                         {77, 1}, {81, 1}, {84, 1}, {83, 1}, {81, 1}, {79, 1}, {84, 4}};
    const double beat = 0.19;
    std::vector<float> out;
    double at = 0.25;
    for (const Note& note : tune) {
        AddNote(out, at, note.midi, note.beats * beat + 0.5, 0.55f);
        at += note.beats * beat;
    }
    const double end = at - 4 * beat;
    AddNote(out, end, 76, 1.6, 0.3f, 0.6);
    AddNote(out, end, 79, 1.6, 0.3f, 0.6);
    const struct {
        int midi;
        double at;
    } bass[] = {{48, 0.25}, {53, 0.25 + 5 * beat}, {55, 0.25 + 10 * beat}, {48, end}};
    for (const auto& b : bass) AddNote(out, b.at, b.midi, 1.4, 0.4f, 0.7);
    Normalise(out, 0.7f);
    return out;
}

// A short dry tick: a noise burst over a quickly fading tone.
std::vector<float> Tick(double seconds, double frequency, double noise, unsigned seed)
{
    QRandomGenerator random(seed);
    std::vector<float> out(size_t(seconds * kRate));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double hiss = (random.generateDouble() * 2 - 1) * noise * std::exp(-t / 0.003);
        out[i] = float(hiss + std::sin(2 * M_PI * frequency * t) * std::exp(-t / 0.008));
    }
    return out;
}

bool MakeSounds(const QString& folder)
{
    std::vector<float> click = Tick(0.04, 1800, 0.8, 1);
    Normalise(click, 0.6f);
    std::vector<float> key = Tick(0.025, 3200, 0.3, 2);
    Normalise(key, 0.4f);
    bool ok = SaveWav(IntroMelody(), folder, QStringLiteral("WAV/Zast.wav"));
    ok = SaveWav(click, folder, QStringLiteral("WAV/1.wav")) && ok;
    return SaveWav(key, folder, QStringLiteral("WAV/2.wav")) && ok;
}
} // namespace

ARTGEN_REGISTER("shell sounds", MakeSounds);
