#include "ui/music.h"
#include "base/paths.h"
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
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
    // The players must go while the application object still exists; this
    // object itself outlives it.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] {
            m_mp.reset();
            m_mp1.reset();
            m_mp2.reset();
        });
}

TffMusic::~TffMusic() = default;

bool TffMusic::open(Player& player, const QString& file)
{
    if (!base::FileExists(file)) return false;
    const QString real = base::RealPath(file);
    if (player.source != real) {
        player.source = real;
        player.player.setSource(QUrl::fromLocalFile(real));
    }
    return true;
}

void TffMusic::play(Player& player, const QString& file)
{
    player.player.stop();
    if (!open(player, file)) return;
    player.player.setPosition(0);
    player.player.play();
}

void TffMusic::StartIntro()
{
    PlaySound(QStringLiteral("WAV\\Zast.wav"));
    if (m_mp1) open(*m_mp1, QStringLiteral("WAV\\1.wav"));
    if (m_mp2) open(*m_mp2, QStringLiteral("WAV\\2.wav"));
}

void TffMusic::PlaySound(const QString& file)
{
    m_current = file;
    emit soundRequested(file);
    if (m_mp) play(*m_mp, file);
}

void TffMusic::StopSound()
{
    m_current.clear();
    if (m_mp) m_mp->player.stop();
}

void TffMusic::PlayClick()
{
    emit soundRequested(QStringLiteral("WAV\\1.wav"));
    if (m_mp1) play(*m_mp1, QStringLiteral("WAV\\1.wav"));
}

void TffMusic::PlayKey()
{
    emit soundRequested(QStringLiteral("WAV\\2.wav"));
    if (m_mp2) play(*m_mp2, QStringLiteral("WAV\\2.wav"));
}

} // namespace ui
