#include "sound.h"
#include "artgen.h"
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artgen::sound {
namespace {
void Put16(std::vector<char>& out, uint16_t v)
{
    out.push_back(char(v & 0xFF));
    out.push_back(char(v >> 8));
}
void Put32(std::vector<char>& out, uint32_t v)
{
    Put16(out, uint16_t(v & 0xFFFF));
    Put16(out, uint16_t(v >> 16));
}
void PutTag(std::vector<char>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }
} // namespace

std::vector<char> EncodeWav(const std::vector<float>& samples)
{
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    std::vector<char> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);          // size of the format block
    Put16(out, 1);           // PCM
    Put16(out, 1);           // mono
    Put32(out, kRate);
    Put32(out, kRate * 2);   // bytes per second
    Put16(out, 2);           // bytes per sample frame
    Put16(out, 16);          // bits per sample
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (const float s : samples) Put16(out, uint16_t(int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767))));
    return out;
}

bool SaveWav(const std::vector<float>& samples, const QString& programFolder, const QString& relative)
{
    const std::vector<char> bytes = EncodeWav(samples);
    QFile file(Target(programFolder, relative));
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

void AddNote(std::vector<float>& out, double startSeconds, int midiNote, double seconds, float loudness,
             double decaySeconds)
{
    const double frequency = 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
    const size_t first = size_t(startSeconds * kRate);
    const size_t count = size_t(seconds * kRate);
    if (out.size() < first + count) out.resize(first + count, 0.0f);
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / kRate;
        const double attack = std::min(1.0, t / 0.008);
        const double release = std::min(1.0, (seconds - t) / 0.03); // no click at the end
        const double envelope = attack * release * std::exp(-t / decaySeconds);
        const double w = 2 * M_PI * frequency * t;
        const double tone = std::sin(w) + 0.3 * std::sin(2 * w) * std::exp(-t / 0.12) + 0.1 * std::sin(3 * w) * std::exp(-t / 0.06);
        out[first + i] += float(loudness * envelope * tone);
    }
}

void Normalise(std::vector<float>& samples, float peak)
{
    float loudest = 0;
    for (const float s : samples) loudest = std::max(loudest, std::abs(s));
    if (loudest <= 0) return;
    for (float& s : samples) s *= peak / loudest;
}

} // namespace artgen::sound
