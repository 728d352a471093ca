#pragma once

#include "shell/AppContext.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace tarvo::audio {
class AudioOutput;
}

namespace tarvo::practice {

// Practice > Voice and Sound…: the guiding voice on or off, its voice, speed and volume, the tones
// and the chime, with a Test button; which speech engine speaks, or that none can.
class VoiceSoundDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VoiceSoundDialog)

public:
    // output may be null: a machine without the audio plugin or a sound device.
    VoiceSoundDialog(const AppContext& context, std::unique_ptr<audio::AudioOutput> output,
                     QWidget* parent = nullptr);
    ~VoiceSoundDialog() override;

    // Stores the settings as the dialog shows them.
    void store();
    // Says a line and sounds a tone as the dialog's settings would.
    void test();

private:
    void showEnabled();

    AppContext m_context;
    std::unique_ptr<audio::AudioOutput> m_output;
    QCheckBox* m_voice = nullptr;
    QComboBox* m_voiceName = nullptr;
    QSlider* m_rate = nullptr;
    QSlider* m_volume = nullptr;
    QCheckBox* m_tones = nullptr;
    QCheckBox* m_chime = nullptr;
    QLabel* m_engine = nullptr;
};

// Opens the dialog over parent, loading the audio plugin to know the voices.
void showVoiceAndSound(const AppContext& context, QWidget* parent);

} // namespace tarvo::practice
