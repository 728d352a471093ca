#pragma once

#include "practice/PracticeTypes.h"

#include <QStringList>

namespace tarvo::practice {

// The pose at its beginner hold, as its own procedure gives it, on both sides where the pose is
// practised one side at a time. Shavasana, which ends a session, is held five minutes.
SessionStep beginnerStep(const QString& libraryName);

struct ReadyMadeSession {
    Session session;
    // What the running order added or left out of the asanas asked for, and why.
    QStringList notes;
};

// A session that practises a reading's asanas in a safe running order: a warm-up
// (Pavanamuktasana, then Tadasana), standing poses and balances, backbends from the gentlest
// with a resting counterpose after them, twists, forward bends, seated poses, the inversions
// (the shoulder stand before the plough, then Matsyasana as their counterpose), and Shavasana
// last. Advanced poses are left out of a ready-made session, with a note on how to add them;
// names the library does not know are left out.
ReadyMadeSession readyMadeSession(const QString& title, const QStringList& asanaNames);

} // namespace tarvo::practice
