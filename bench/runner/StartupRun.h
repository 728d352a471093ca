#pragma once

#include <QString>
#include <optional>

namespace tarvo::bench {

class ChildEnvironment;

struct StartupSample {
    // From just before the spawn to the end of the main window's first frame.
    double firstPaintMs = 0;
    // The part of it spent painting that frame, from the main window's first Paint event.
    double paintingMs = 0;
    // Peak resident memory over the whole run, and up to the first frame.
    double peakMiB = 0;
    double peakAtPaintMiB = 0;
    QString platform;
};

// Starts program with the first-paint probe preloaded; it quits itself after its first frame.
std::optional<StartupSample> measureStartup(const QString& program, const QString& probe,
                                            const ChildEnvironment& environment, QString* failure);

} // namespace tarvo::bench
