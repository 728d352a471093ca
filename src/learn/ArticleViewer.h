#pragma once

#include <QWidget>

namespace tarvo {

class Desktop;
class RichReport;
class RichTextBox;
class Workspace;
struct Article;

// The Learn Yoga article viewer: one read-only rich-text box that every Learn text is written to,
// and under an article that teaches a breathing practice a button that opens the breathing guide.
class ArticleViewer final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArticleViewer)

public:
    explicit ArticleViewer(Desktop& desktop, Workspace* workspace = nullptr,
                           QWidget* parent = nullptr);

    void showArticle(const Article& article);
    void showReport(const RichReport& report);
    RichTextBox& richTextBox() const { return *m_rtb; }

private:
    RichTextBox* m_rtb;
    Workspace* m_workspace;
    QWidget* m_guideBar = nullptr;
    QString m_breathingPattern;
};

} // namespace tarvo
