#pragma once

#include "app/Program.h"

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

signals:
    void programChosen(Program program);
    // A press on one of the plain texts.
    void textClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QLabel*> m_texts;
};

} // namespace tarvo
