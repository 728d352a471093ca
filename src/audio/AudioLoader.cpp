#include "audio/AudioLoader.h"

#include "audio/AudioOutput.h"

#include <QCoreApplication>
#include <QPluginLoader>

namespace tarvo::audio {

QString audioPluginPath()
{
    const QString chosen = qEnvironmentVariable("TARVO_AUDIO_PLUGIN");
    if (!chosen.isEmpty())
        return chosen;
    return QCoreApplication::applicationDirPath()
           + QStringLiteral("/../lib/tarvo-yoga/libtarvo-audio.so");
}

std::unique_ptr<AudioOutput> createAudioOutput()
{
    // The loader keeps the plugin for the rest of the run; outputs come and go with windows.
    static QPluginLoader loader(audioPluginPath());
    auto* factory = qobject_cast<AudioOutputFactory*>(loader.instance());
    return factory ? factory->createOutput() : nullptr;
}

} // namespace tarvo::audio
