#pragma once

#include "learn/ArticleId.h"
#include "learn/SectionNavigation.h"
#include "shell/AppContext.h"

#include <QObject>
#include <QPointer>

namespace tarvo {

class ArticleViewer;
class LearnNavigation;
class LookupStrip;
class WorkArea;

// Learn Yoga: the navigation of sections and articles on the left, the asana lookups along the
// top, and the article viewer filling the work area between them. Both panels are built when
// Learn Yoga is first chosen, as the welcome screen shows neither.
class LearnFlow final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LearnFlow)

public:
    // context.area is where the panels and the viewer go; context.navigator leads to the guide.
    explicit LearnFlow(const AppContext& context);
    ~LearnFlow() override;

    // Learn Yoga chosen, on an empty work area: the navigation and the Introduction.
    void start();
    // Another program takes the work area: the viewer closes and the panels go.
    void leave();
    // Whether Learn Yoga is on screen.
    bool shown() const;

    // A header's click: its section opens or closes, and shows its first article or lookup.
    void toggleSection(Section section);
    void showArticle(ArticleId article);
    // As a user finds a text in Learn Yoga: the article with its section open, or the asana's
    // page with the lookup by name beside it. Both give the viewer.
    ArticleViewer& openArticle(ArticleId article);
    ArticleViewer& openAsana(const QString& name);

    // The article viewer, opened by the first write to it.
    ArticleViewer& articleViewer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanels();
    void applySection(Section section);
    void showAsanaPage(const QString& name);

    AppContext m_context;
    WorkArea& m_area;
    SectionNavigation m_sections;
    LearnNavigation* m_navigation = nullptr;
    LookupStrip* m_lookupStrip = nullptr;
    QPointer<ArticleViewer> m_viewer;
};

} // namespace tarvo
