#include "platform/ReadingZoom.h"

#include "platform/SettingsStore.h"
#include "platform/ZoomSteps.h"

#include <algorithm>

namespace tarvo {

ReadingZoom::ReadingZoom(SettingsStore& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_percent(zoomFromSetting(settings.value(kReadingZoomKey)))
{
}

bool ReadingZoom::canZoomIn() const
{
    return m_percent < kLargestZoom;
}

bool ReadingZoom::canZoomOut() const
{
    return m_percent > kSmallestZoom;
}

void ReadingZoom::zoomIn()
{
    setPercent(zoomedIn(m_percent));
}

void ReadingZoom::zoomOut()
{
    setPercent(zoomedOut(m_percent));
}

void ReadingZoom::resetZoom()
{
    setPercent(kActualSize);
}

void ReadingZoom::setPercent(int percent)
{
    percent = std::clamp(percent, kSmallestZoom, kLargestZoom);
    if (percent == m_percent)
        return;
    m_percent = percent;
    m_settings.setValue(kReadingZoomKey, QString::number(percent));
    emit percentChanged(percent);
}

} // namespace tarvo
