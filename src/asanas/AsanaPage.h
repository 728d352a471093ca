#pragma once

namespace tarvo {

class RichReport;
struct AsanaRecord;

// The asana's page in the article viewer: its name centred, then description, English name,
// procedure, benefits and, when there are any, contradictions; then, for a learner, how to make
// the pose easier and its level.
void writeAsanaPage(RichReport& report, const AsanaRecord& record);

} // namespace tarvo
