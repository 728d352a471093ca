#pragma once

#include <QWidget>

class QLabel;

namespace tarvo {

class LinkLabel;

// The welcome panel (picMain): greeting, a word on the program and the three program links.
class WelcomePanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WelcomePanel)

public:
    explicit WelcomePanel(QWidget* parent = nullptr);

    // The labels lblCaption_5 .. lblCaption_10, by index.
    QLabel* caption(int index) const;

signals:
    void captionClicked(int index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QLabel*> m_captions; // index - 5
    QList<LinkLabel*> m_programLinks;
};

} // namespace tarvo
