#pragma once

namespace tarvo {

class Clock;
class Desktop;
class Navigator;
class RandomSource;
class ReadingZoom;
class SettingsStore;
class WorkArea;

// The seams a window may reach; the program passes real ones, tests scripted ones.
struct AppContext {
    Desktop& desktop;
    Clock& clock;
    SettingsStore& settings;
    RandomSource& random;
    // Where the program's windows open, and the way from one program to another; neither for a
    // window shown on its own.
    WorkArea* area = nullptr;
    Navigator* navigator = nullptr;
    // The size reading texts follow (followReadingZoom); none outside the main window.
    const ReadingZoom* readingZoom = nullptr;
};

} // namespace tarvo
