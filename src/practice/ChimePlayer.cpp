#include "practice/ChimePlayer.h"

#include "practice/Chime.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

namespace tarvo::practice {

namespace {

// The path of the chime, written if it is missing or not the sound this program makes.
QString chimeFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    const QString path = folder + QStringLiteral("/chime.wav");
    const QByteArray wave = chimeWave();
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == wave)
        return path;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wave) != wave.size() || !file.commit())
        return {};
    return path;
}

} // namespace

ChimePlayer::ChimePlayer(QObject* parent)
    : QObject(parent)
{
}

void ChimePlayer::play()
{
    if (m_unavailable)
        return;
    if (!m_effect) {
        const QString path = chimeFile();
        // Practice goes on in silence where the cache cannot be written.
        if (path.isEmpty()) {
            m_unavailable = true;
            return;
        }
        m_effect = new QSoundEffect(this);
        m_effect->setVolume(0.6f);
        m_effect->setSource(QUrl::fromLocalFile(path));
    }
    m_effect->play();
}

} // namespace tarvo::practice
