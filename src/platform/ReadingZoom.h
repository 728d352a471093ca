#pragma once

#include <QObject>
#include <QString>

namespace tarvo {

class SettingsStore;

inline const QString kReadingZoomKey = QStringLiteral("View/Zoom");

// The size of every reading text (articles, asana pages, readings, results), one for the whole
// program and remembered between runs. Menus, buttons and captions keep their size.
class ReadingZoom final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReadingZoom)

public:
    explicit ReadingZoom(SettingsStore& settings, QObject* parent = nullptr);

    int percent() const { return m_percent; }
    bool canZoomIn() const;
    bool canZoomOut() const;

    void zoomIn();
    void zoomOut();
    void resetZoom();
    // Held within the range; a change is stored and announced.
    void setPercent(int percent);

signals:
    void percentChanged(int percent);

private:
    SettingsStore& m_settings;
    int m_percent;
};

} // namespace tarvo
