#include "practice/VoiceSoundDialog.h"

#include "audio/AudioLoader.h"
#include "audio/AudioOutput.h"
#include "practice/Chime.h"
#include "practice/Tones.h"
#include "practice/VoiceSettings.h"
#include "practice/sessions/SessionGuidance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace tarvo::practice {

namespace {

QSlider* slider(const QString& name, const QString& accessible, int from, int to, int value)
{
    auto* made = new QSlider(Qt::Horizontal);
    made->setObjectName(name);
    made->setAccessibleName(accessible);
    made->setRange(from, to);
    made->setValue(value);
    return made;
}

QCheckBox* checkBox(const QString& name, const QString& caption, bool checked)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

} // namespace

VoiceSoundDialog::VoiceSoundDialog(const AppContext& context,
                                   std::unique_ptr<audio::AudioOutput> output, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_output(std::move(output))
{
    setObjectName(QStringLiteral("frmVoiceAndSound"));
    setWindowTitle(QStringLiteral("Voice and Sound"));
    const VoiceSettings voice = voiceSettings(m_context.settings);

    m_voice = checkBox(QStringLiteral("chkVoice"), QStringLiteral("Guiding &voice"), voice.voice);
    m_voiceName = new QComboBox;
    m_voiceName->setObjectName(QStringLiteral("cboVoice"));
    m_voiceName->setAccessibleName(QStringLiteral("Voice"));
    m_voiceName->addItem(QStringLiteral("The engine's own voice"), QString());
    const QStringList voices = m_output ? m_output->voices() : QStringList();
    for (const QString& name : voices)
        m_voiceName->addItem(name, name);
    m_voiceName->setCurrentIndex(std::max(0, m_voiceName->findData(voice.voiceName)));
    m_rate =
        slider(QStringLiteral("sldRate"), QStringLiteral("Speed"), -10, 10, int(voice.rate * 10));
    m_volume = slider(QStringLiteral("sldVolume"), QStringLiteral("Volume"), 0, 100,
                      int(voice.volume * 100));
    m_tones = checkBox(QStringLiteral("chkTones"),
                       QStringLiteral("&Tones for the breath and the "
                                      "last seconds of a hold"),
                       voice.tones);
    m_chime = checkBox(QStringLiteral("chkChime"), QStringLiteral("&Chime at each change"),
                       chimeEnabled(m_context.settings));

    // Said once, here: the sessions play on in silence with the screen.
    const QString engine = m_output ? m_output->speechEngine() : QString();
    const QString problem = !m_output ? QStringLiteral("Sound cannot be played on this computer.")
                                      : m_output->speechProblem();
    m_engine = new QLabel(problem.isEmpty()
                              ? QStringLiteral("Speech engine: %1.").arg(engine)
                              : problem
                                    + QStringLiteral(" Sessions and the breathing guide "
                                                     "still play, in silence, on the screen."));
    m_engine->setObjectName(QStringLiteral("lblSpeechEngine"));
    m_engine->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(m_voice);
    form->addRow(QStringLiteral("V&oice:"), m_voiceName);
    form->addRow(QStringLiteral("&Speed:"), m_rate);
    form->addRow(QStringLiteral("Vo&lume:"), m_volume);
    form->addRow(m_tones);
    form->addRow(m_chime);
    for (QWidget* field : {static_cast<QWidget*>(m_voiceName), static_cast<QWidget*>(m_rate),
                           static_cast<QWidget*>(m_volume)}) {
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(field)))
            label->setBuddy(field);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* testButton =
        buttons->addButton(QStringLiteral("T&est"), QDialogButtonBox::ActionRole);
    testButton->setObjectName(QStringLiteral("cmdTest"));
    connect(testButton, &QPushButton::clicked, this, &VoiceSoundDialog::test);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        store();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_voice, &QCheckBox::toggled, this, &VoiceSoundDialog::showEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_engine);
    layout->addWidget(buttons);
    showEnabled();
}

VoiceSoundDialog::~VoiceSoundDialog()
{
    if (m_output)
        m_output->stopSpeaking();
}

void VoiceSoundDialog::showEnabled()
{
    const bool speaking = m_voice->isChecked() && m_output && !m_output->speechEngine().isEmpty();
    for (QWidget* field : {static_cast<QWidget*>(m_voiceName), static_cast<QWidget*>(m_rate)})
        field->setEnabled(speaking);
}

void VoiceSoundDialog::store()
{
    storeVoiceSettings(m_context.settings,
                       {m_voice->isChecked(), m_voiceName->currentData().toString(),
                        m_rate->value() / 10.0, m_volume->value() / 100.0, m_tones->isChecked()});
    setChimeEnabled(m_context.settings, m_chime->isChecked());
}

void VoiceSoundDialog::test()
{
    if (!m_output)
        return;
    m_output->stopSpeaking();
    m_output->setVoice(
        {m_voiceName->currentData().toString(), m_rate->value() / 10.0, m_volume->value() / 100.0});
    if (m_voice->isChecked())
        m_output->say(QStringLiteral("Tadasana, Mountain Pose. ")
                      + holdSentence({QStringLiteral("Tadasana"), 5, HoldUnit::Breaths, false}));
    if (m_tones->isChecked())
        m_output->playWave(toneKey(Tone::Rising), toneWave(Tone::Rising));
}

void showVoiceAndSound(const AppContext& context, QWidget* parent)
{
    auto* dialog = new VoiceSoundDialog(context, audio::createAudioOutput(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace tarvo::practice
