#pragma once

#include "practice/PracticeTypes.h"

#include <QStringList>

namespace tarvo::practice {

// The library name for a reading's spelling ("Savasana" is Shavasana); empty if none.
QString libraryAsanaName(const QString& name);

// How long a pose is held when nothing else is asked for: breaths for most, seconds for the
// balances and for Shavasana, both sides for the poses practised on one side at a time.
SessionStep defaultStep(const QString& libraryName);

// A session to practise a reading's asanas safely: the warm-up (Tadasana) first, the reading's
// asanas in their order with the shoulder stand moved after them and followed by its
// counterpose Matsyasana, and Shavasana last. No pose comes twice; names the library does not
// know are left out.
Session readyMadeSession(const QString& title, const QStringList& asanaNames);

} // namespace tarvo::practice
