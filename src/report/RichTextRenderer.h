#pragma once

class QTextDocument;

namespace tarvo {

class RichReport;

// Replaces the document's content with the report's runs. With detectLinks, web addresses in
// the text become anchors whose href is the address as written. Every size is shown at the
// zoom, in percent.
void renderRichReport(const RichReport& report, QTextDocument& document, bool detectLinks,
                      int zoomPercent = 100);

} // namespace tarvo
