#pragma once

#include "practice/PracticeTypes.h"

#include <QDate>
#include <optional>

namespace tarvo {
class SettingsStore;
}

namespace tarvo::practice {

// Where a session was stopped, by Stop or by closing the program: it can be taken up again from
// that pose on the same day.
struct ResumePoint {
    Session session;
    // The pose the session stopped at, in session.steps.
    int pose = 0;
    QDate day;

    friend bool operator==(const ResumePoint&, const ResumePoint&) = default;
};

// Kept under Practice/Resume; a stopped session replaces the one before.
void storeResumePoint(SettingsStore& settings, const ResumePoint& point);
void clearResumePoint(SettingsStore& settings);
// The point stopped today, if any; one from another day, or unreadable, is none.
std::optional<ResumePoint> resumePoint(const SettingsStore& settings, const QDate& today);

// The session from the pose it stopped at to its end.
Session remainingSession(const ResumePoint& point);
// "Resume “Gemini” at Dhanurasana": the menu item.
QString resumeText(const ResumePoint& point);

} // namespace tarvo::practice
