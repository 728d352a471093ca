#pragma once

namespace tarvo {

class RichReport;
struct AsanaRecord;

// The asana's page in the article viewer: its name centred, then description, English name,
// procedure, benefits and, when there are any, contradictions.
void writeAsanaPage(RichReport& report, const AsanaRecord& record);

} // namespace tarvo
