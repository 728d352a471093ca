#pragma once

#include <QObject>

class QSoundEffect;

namespace tarvo::practice {

// Plays the chime. The sound is written once to the user's cache folder, and the audio output
// is opened only when the first chime is wanted.
class ChimePlayer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChimePlayer)

public:
    explicit ChimePlayer(QObject* parent = nullptr);

    void play();

private:
    QSoundEffect* m_effect = nullptr;
    bool m_unavailable = false;
};

} // namespace tarvo::practice
