#pragma once
#include <QObject>
#include <QString>
#include <memory>

class QMediaPlayer;
class QAudioOutput;

// The sound player (TffMusic): MP plays music and result sounds, MP1 the
// click "1.wav", MP2 the key sound "2.wav", all from "WAV\". Without a sound
// device, or with a missing file, every operation does nothing.
namespace ui {

class TffMusic : public QObject {
    Q_OBJECT
public:
    static TffMusic& instance();

    // Opens "WAV\Zast.wav" on MP and starts it; opens the click and key
    // sounds on MP1 and MP2 without playing them.
    void StartIntro();
    // Plays a sound file (program path) on MP, replacing what MP played.
    void PlaySound(const QString& file);
    void StopSound();
    void PlayClick();
    void PlayKey();

    bool HasDevice() const { return m_device; }
    // The file MP was last asked to play (program path); empty after StopSound.
    QString CurrentSound() const { return m_current; }

signals:
    // A sound was asked for (program path), whether or not a device plays it.
    void soundRequested(const QString& file);

private:
    TffMusic();
    ~TffMusic() override;
    struct Player;
    // Gives the player the file; false when the file does not exist.
    bool open(Player& player, const QString& file);
    void play(Player& player, const QString& file);

    bool m_device = false;
    QString m_current;
    std::unique_ptr<Player> m_mp, m_mp1, m_mp2;
};

inline void PlaySound(const QString& file) { TffMusic::instance().PlaySound(file); }
inline void StopSound() { TffMusic::instance().StopSound(); }
inline void PlayClick() { TffMusic::instance().PlayClick(); }
inline void PlayKey() { TffMusic::instance().PlayKey(); }

} // namespace ui
