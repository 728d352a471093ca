#include "learn/ArticleViewer.h"

#include "learn/ArticleWriter.h"
#include "report/RichTextBox.h"

#include <QVBoxLayout>

namespace tarvo {

ArticleViewer::ArticleViewer(Desktop& desktop, QWidget* parent)
    : QWidget(parent)
    , m_rtb(new RichTextBox(desktop, this))
{
    setObjectName(QStringLiteral("frmLearnYogaDisp"));
    setWindowTitle(QStringLiteral("Tarvo Learn Yoga"));
    m_rtb->setObjectName(QStringLiteral("RTB"));
    m_rtb->setFrameShape(QFrame::NoFrame);
    m_rtb->setAccessibleName(QStringLiteral("Article text"));
    QPalette white = m_rtb->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    m_rtb->setPalette(white);
    m_rtb->document()->setDocumentMargin(16);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rtb);
}

void ArticleViewer::showArticle(const Article& article)
{
    RichReport report = articleViewerReport();
    writeArticle(report, article);
    showPage(report, article.title);
}

void ArticleViewer::showPage(const RichReport& report, const QString& title,
                             std::optional<PagePicture> picture)
{
    m_title = title;
    m_picture = std::move(picture);
    m_rtb->setReport(report);
}

std::optional<PrintablePage> ArticleViewer::printablePage() const
{
    if (m_rtb->report().plainText().trimmed().isEmpty())
        return std::nullopt;
    return PrintablePage{m_title, m_rtb->report(), m_picture};
}

} // namespace tarvo
