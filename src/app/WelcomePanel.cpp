#include "app/WelcomePanel.h"

#include "learn/ArticleCatalogue.h"
#include "platform/LinkLabel.h"
#include "platform/StyleRole.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tarvo {

WelcomePanel::WelcomePanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picMain"));
    setStyleRole(this, "welcome");
    setAttribute(Qt::WA_StyledBackground);

    auto plain = [this](int index, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QStringLiteral("lblCaption_%1").arg(index));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter);
        label->setWordWrap(true);
        label->installEventFilter(this);
        return label;
    };
    QLabel* heading =
        plain(5, QStringLiteral("Tarvo Yoga includes the following compatibility programs"));
    QLabel* title = plain(6, QStringLiteral("Welcome to Tarvo Yoga"));
    QLabel* text = plain(7, applicationText(QStringLiteral("welcome")));
    m_texts = {heading, title, text};
    setStyleRole(heading, "welcomeHeading");
    setStyleRole(title, "welcomeTitle");
    setStyleRole(text, "welcomeText");
    const QStringList programs = {QStringLiteral("Learn Yoga"), QStringLiteral("Zodiac Yoga"),
                                  QStringLiteral("Chakra Yoga")};
    QList<LinkLabel*> links;
    for (int i = 0; i < programs.size(); ++i) {
        auto* link = new LinkLabel(programs[i], this);
        links.append(link);
        link->setObjectName(QStringLiteral("lblCaption_%1").arg(8 + i));
        link->setAlignment(Qt::AlignHCenter);
        setStyleRole(link, "programLink");
        const auto program = static_cast<Program>(i);
        connect(link, &LinkLabel::clicked, this, [this, program] { emit programChosen(program); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 32, 48, 32);
    layout->setSpacing(14);
    layout->addStretch(1);
    layout->addWidget(title);
    auto* paragraph = new QHBoxLayout;
    paragraph->addStretch(1);
    paragraph->addWidget(text, 4);
    paragraph->addStretch(1);
    layout->addLayout(paragraph);
    layout->addSpacing(18);
    layout->addWidget(heading);
    for (LinkLabel* link : links)
        layout->addWidget(link);
    layout->addStretch(2);
    text->setMinimumWidth(420);
}

bool WelcomePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && m_texts.contains(qobject_cast<QLabel*>(watched)))
        emit textClicked();
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvo
