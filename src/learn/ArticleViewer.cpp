#include "learn/ArticleViewer.h"

#include "learn/ArticleWriter.h"
#include "report/RichTextBox.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo {

ArticleViewer::ArticleViewer(Desktop& desktop, QWidget* parent)
    : QWidget(parent)
    , m_text(new RichTextBox(desktop, this))
{
    setObjectName(QStringLiteral("frmLearnYogaDisp"));
    setWindowTitle(QStringLiteral("Tarvo Learn Yoga"));
    m_text->setObjectName(QStringLiteral("RTB"));
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setAccessibleName(QStringLiteral("Article text"));
    QPalette white = m_text->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    m_text->setPalette(white);
    m_text->document()->setDocumentMargin(16);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_text);

    m_guideBar = new QWidget(this);
    m_guideBar->setObjectName(QStringLiteral("fraBreatheWithGuide"));
    m_guideBar->setAutoFillBackground(true);
    QPalette barPalette = m_guideBar->palette();
    barPalette.setColor(QPalette::Window, Qt::white);
    m_guideBar->setPalette(barPalette);
    auto* bar = new QHBoxLayout(m_guideBar);
    bar->setContentsMargins(16, 6, 16, 10);
    auto* guide = new QPushButton(QStringLiteral("&Breathe with the guide"), m_guideBar);
    guide->setObjectName(QStringLiteral("cmdBreatheWithGuide"));
    guide->setAccessibleName(QStringLiteral("Breathe with the guide"));
    connect(guide, &QPushButton::clicked, this, [this] {
        if (!m_breathingPattern.isEmpty())
            emit breathingGuideWanted(m_breathingPattern);
    });
    bar->addWidget(guide);
    bar->addStretch(1);
    m_guideBar->hide();
    layout->addWidget(m_guideBar);
}

void ArticleViewer::showArticle(const Article& article)
{
    RichReport report = articleViewerReport();
    writeArticle(report, article);
    showPage(report, article.title);
    m_breathingPattern = article.breathingPattern;
    m_guideBar->setVisible(!m_breathingPattern.isEmpty());
}

void ArticleViewer::showPage(const RichReport& report, const QString& title,
                             std::optional<PagePicture> picture)
{
    m_title = title;
    m_picture = std::move(picture);
    m_text->setReport(report);
    m_breathingPattern.clear();
    m_guideBar->hide();
}

std::optional<PrintablePage> ArticleViewer::printablePage() const
{
    if (m_text->report().plainText().trimmed().isEmpty())
        return std::nullopt;
    return PrintablePage{m_title, m_text->report(), m_picture};
}

} // namespace tarvo
