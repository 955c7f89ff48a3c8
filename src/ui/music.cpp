#include "ui/music.h"
#include "shell/base/paths.h"
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace ui {

struct TffMusic::Player {
    QMediaPlayer player;
    QAudioOutput output;
    QString source;
    Player() { player.setAudioOutput(&output); }
};

TffMusic& TffMusic::instance()
{
    static TffMusic music;
    return music;
}

TffMusic::TffMusic()
{
    // The media backend misbehaves when an output is attached without a device,
    // so no player exists at all in that case.
    m_device = !qEnvironmentVariableIsSet("ORINDO_NO_SOUND") && !QMediaDevices::audioOutputs().isEmpty();
    if (!m_device) return;
    m_mp = std::make_unique<Player>();
    m_mp1 = std::make_unique<Player>();
    m_mp2 = std::make_unique<Player>();
}

TffMusic::~TffMusic() = default;

void TffMusic::play(Player& player, const QString& file)
{
    if (!shell::FileExists(file)) {
        player.player.stop();
        return;
    }
    const QString real = shell::RealPath(file);
    if (player.source != real) {
        player.source = real;
        player.player.setSource(QUrl::fromLocalFile(real));
    } else {
        player.player.stop();
        player.player.setPosition(0);
    }
    player.player.play();
}

void TffMusic::StartIntro() { PlaySound(QStringLiteral("WAV\\Zast.wav")); }

void TffMusic::PlaySound(const QString& file)
{
    m_current = file;
    if (m_mp) play(*m_mp, file);
}

void TffMusic::StopSound()
{
    m_current.clear();
    if (m_mp) m_mp->player.stop();
}

void TffMusic::PlayClick()
{
    if (m_mp1) play(*m_mp1, QStringLiteral("WAV\\1.wav"));
}

void TffMusic::PlayKey()
{
    if (m_mp2) play(*m_mp2, QStringLiteral("WAV\\2.wav"));
}

} // namespace ui
