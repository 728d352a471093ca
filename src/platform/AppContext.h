#pragma once

namespace tarvo {

class Clock;
class Desktop;
class RandomSource;
class SettingsStore;
class Workspace;

// The seams a window may reach; the program passes real ones, tests scripted ones.
struct AppContext {
    Desktop& desktop;
    Clock& clock;
    SettingsStore& settings;
    RandomSource& random;
    Workspace* workspace = nullptr;
};

} // namespace tarvo
