#pragma once

namespace tarvo {

class Clock;
class Desktop;
class RandomSource;
class ReadingZoom;
class SettingsStore;
class Workspace;

// The seams a window may reach; the program passes real ones, tests scripted ones.
struct AppContext {
    Desktop& desktop;
    Clock& clock;
    SettingsStore& settings;
    RandomSource& random;
    Workspace* workspace = nullptr;
    // The size reading texts follow (followReadingZoom); none outside the main window.
    const ReadingZoom* readingZoom = nullptr;
};

} // namespace tarvo
