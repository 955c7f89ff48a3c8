// "Fon.mid": the quiet background music of demonstrations that bring no
// sound of their own. A standard MIDI file (format 0): an arpeggio of C, Am,
// F and G on a vibraphone over a soft string bass, four times round.
#include "artgen.h"
#include <QFile>
#include <algorithm>
#include <vector>

namespace {

constexpr int kTicksPerBeat = 480;

struct Event {
    int tick;
    int order; // note-offs before note-ons at the same tick
    std::vector<unsigned char> bytes;
};

void AppendBigEndian(std::vector<unsigned char>& out, unsigned value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

// Delta times are written as variable-length quantities, seven bits a byte.
void AppendVarLength(std::vector<unsigned char>& out, unsigned value)
{
    unsigned char groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<unsigned char>(value & 0x7F);
        value >>= 7;
    } while (value);
    while (count > 1) out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

void AddNote(std::vector<Event>& events, int channel, int tick, int length, int note, int velocity)
{
    const auto status = static_cast<unsigned char>(channel);
    events.push_back({tick, 1, {static_cast<unsigned char>(0x90 | status), static_cast<unsigned char>(note), static_cast<unsigned char>(velocity)}});
    events.push_back({tick + length, 0, {static_cast<unsigned char>(0x80 | status), static_cast<unsigned char>(note), 0}});
}

std::vector<unsigned char> BackgroundTune()
{
    std::vector<Event> events;
    events.push_back({0, 0, {0xFF, 0x51, 0x03, 0x09, 0x27, 0xC0}}); // 600000 us a beat: 100 beats a minute
    events.push_back({0, 0, {0xC0, 11}});                           // vibraphone
    events.push_back({0, 0, {0xC1, 48}});                           // strings
    events.push_back({0, 0, {0xB0, 7, 70}});                        // volumes: quiet, under the replay
    events.push_back({0, 0, {0xB1, 7, 50}});
    const int chords[4][4] = {{60, 64, 67, 72}, {57, 60, 64, 69}, {53, 57, 60, 65}, {55, 59, 62, 67}};
    const int bass[4] = {36, 33, 29, 31};
    const int bar = 4 * kTicksPerBeat;
    const int eighth = kTicksPerBeat / 2;
    const int pattern[8] = {0, 1, 2, 3, 2, 1, 2, 1};
    int tick = 0;
    for (int round = 0; round < 4; ++round)
        for (int chord = 0; chord < 4; ++chord, tick += bar) {
            AddNote(events, 1, tick, bar - 10, bass[chord], 64);
            for (int step = 0; step < 8; ++step)
                AddNote(events, 0, tick + step * eighth, eighth * 2, chords[chord][pattern[step]], step == 0 ? 72 : 56);
        }
    AddNote(events, 0, tick, 3 * kTicksPerBeat, 72, 60);
    AddNote(events, 1, tick, 3 * kTicksPerBeat, 36, 60);
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });

    std::vector<unsigned char> track;
    int last = 0;
    for (const Event& event : events) {
        AppendVarLength(track, unsigned(event.tick - last));
        last = event.tick;
        track.insert(track.end(), event.bytes.begin(), event.bytes.end());
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00}); // end of track

    std::vector<unsigned char> file = {'M', 'T', 'h', 'd'};
    AppendBigEndian(file, 6, 4);
    AppendBigEndian(file, 0, 2); // format 0: one track
    AppendBigEndian(file, 1, 2);
    AppendBigEndian(file, kTicksPerBeat, 2);
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    AppendBigEndian(file, unsigned(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

bool WriteDemoMusic(const QString& folder)
{
    const std::vector<unsigned char> bytes = BackgroundTune();
    QFile file(artgen::Target(folder, QStringLiteral("WAV/Fon.mid")));
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size());
}

} // namespace

ARTGEN_REGISTER("demonstration music", WriteDemoMusic);
