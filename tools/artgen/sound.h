#pragma once
#include <QString>
#include <vector>

// Sounds of the course, synthesised at build time and written as WAV files
// (16-bit PCM, mono).
namespace artgen::sound {

inline constexpr int kRate = 22050;

// Samples in -1..1; louder samples are clipped. Saved into programFolder +
// relative ("WAV/Zast.wav"), creating the folder.
bool SaveWav(const std::vector<float>& samples, const QString& programFolder, const QString& relative);
// The WAV file's bytes.
std::vector<char> EncodeWav(const std::vector<float>& samples);

// Adds a mallet-like note (a sine with a quieter octave and twelfth, soft
// attack, exponential decay) of the MIDI note number at the time.
void AddNote(std::vector<float>& out, double startSeconds, int midiNote, double seconds, float loudness,
             double decaySeconds = 0.45);
// Scales the samples so that the loudest has the given level.
void Normalise(std::vector<float>& samples, float peak);

} // namespace artgen::sound
