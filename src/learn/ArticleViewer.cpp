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
    showReport(report);
}

void ArticleViewer::showReport(const RichReport& report)
{
    m_rtb->setReport(report);
}

} // namespace tarvo
