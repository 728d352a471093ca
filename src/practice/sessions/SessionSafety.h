#pragma once

#include "practice/PracticeTypes.h"

namespace tarvo::practice {

// Shown before every session, whatever is ticked: the conditions any of its poses says to avoid
// it with ("This session is not for: Pregnancy, Heart disease. …"), or an empty string.
QString notForText(const Session& session);

} // namespace tarvo::practice
