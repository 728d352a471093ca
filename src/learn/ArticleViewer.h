#pragma once

#include <QWidget>

namespace tarvo {

class Desktop;
class RichReport;
class RichTextBox;
struct Article;

// The Learn Yoga article viewer: one read-only rich-text box that every Learn text is written to.
class ArticleViewer final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArticleViewer)

public:
    explicit ArticleViewer(Desktop& desktop, QWidget* parent = nullptr);

    void showArticle(const Article& article);
    void showReport(const RichReport& report);
    RichTextBox& richTextBox() const { return *m_rtb; }

private:
    RichTextBox* m_rtb;
};

} // namespace tarvo
