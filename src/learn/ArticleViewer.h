#pragma once

#include "report/PrintableView.h"

#include <QWidget>

namespace tarvo {

class Desktop;
class RichReport;
class RichTextBox;
struct Article;

// The Learn Yoga article viewer: one read-only rich-text box that every Learn text is written to,
// and under an article that teaches a breathing practice a button that opens the breathing guide.
class ArticleViewer final : public QWidget, public PrintableView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArticleViewer)

public:
    explicit ArticleViewer(Desktop& desktop, QWidget* parent = nullptr);

    void showArticle(const Article& article);
    // A page of its own (an asana's), titled for printing, with the picture shown beside it.
    void showPage(const RichReport& report, const QString& title,
                  std::optional<PagePicture> picture = std::nullopt);
    RichTextBox& richTextBox() const { return *m_text; }

    std::optional<PrintablePage> printablePage() const override;

signals:
    // The breathing guide, set to the pattern of the article on screen ("nadi-shodhana").
    void breathingGuideWanted(const QString& patternKey);

private:
    RichTextBox* m_text;
    QString m_title;
    std::optional<PagePicture> m_picture;
    QWidget* m_guideBar = nullptr;
    QString m_breathingPattern;
};

} // namespace tarvo
