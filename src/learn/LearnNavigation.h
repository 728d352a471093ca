#pragma once

#include "learn/ArticleId.h"
#include "learn/SectionNavigation.h"

#include <QWidget>
#include <array>

class QPushButton;

namespace tarvo {

// The Learn Yoga navigation (picLeft): seven section headers and the article sub-panels,
// placed exactly where the section layout says.
class LearnNavigation final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LearnNavigation)

public:
    explicit LearnNavigation(QWidget* parent = nullptr);

    void applyLayout(const SectionLayout& layout);

signals:
    void headerClicked(Section section);
    void articleClicked(ArticleId article);

private:
    QWidget* buildSubPanel(Section section);

    std::array<QPushButton*, 7> m_headers{};
    std::array<QWidget*, 7> m_subPanels{}; // only article sections have one here
};

} // namespace tarvo
