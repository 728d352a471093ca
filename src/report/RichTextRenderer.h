#pragma once

class QTextDocument;

namespace tarvo {

class RichReport;

// Replaces the document's content with the report's runs. With detectLinks, web addresses in
// the text become anchors whose href is the address as written.
void renderRichReport(const RichReport& report, QTextDocument& document, bool detectLinks);

} // namespace tarvo
