#include "report/RichReport.h"

namespace tarvo {

RichReport::RichReport(const RichAttributes& initial)
    : m_current(initial)
{
}

void RichReport::append(const QString& text)
{
    if (text.isEmpty())
        return;
    m_runs.append({text, m_current});
}

QString RichReport::plainText() const
{
    QString text;
    for (const RichRun& run : m_runs)
        text += run.text;
    return text;
}

} // namespace tarvo
