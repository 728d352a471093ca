#include "app/WelcomePanel.h"

#include "learn/ArticleCatalogue.h"
#include "platform/LinkLabel.h"
#include "platform/StyleRole.h"

#include <QEvent>
#include <QMouseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tarvo {

namespace {
constexpr int kFirstCaption = 5;
}

WelcomePanel::WelcomePanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picMain"));
    setStyleRole(this, "welcome");
    setAttribute(Qt::WA_StyledBackground);
    setMouseTracking(true);

    auto plain = [this](int index, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QStringLiteral("lblCaption_%1").arg(index));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter);
        label->setWordWrap(true);
        label->installEventFilter(this);
        return label;
    };
    m_captions = {plain(5, QStringLiteral("Tarvo Yoga includes the following compatibility programs")),
                  plain(6, QStringLiteral("Welcome to Tarvo Yoga")),
                  plain(7, applicationText(QStringLiteral("welcome")))};
    setStyleRole(m_captions[0], "welcomeHeading");
    setStyleRole(m_captions[1], "welcomeTitle");
    setStyleRole(m_captions[2], "welcomeText");
    const QStringList programs = {QStringLiteral("Learn Yoga"), QStringLiteral("Zodiac Yoga"),
                                  QStringLiteral("Chakra Yoga")};
    for (int i = 0; i < programs.size(); ++i) {
        auto* link = new LinkLabel(programs[i], this);
        const int index = 8 + i;
        link->setObjectName(QStringLiteral("lblCaption_%1").arg(index));
        link->setAlignment(Qt::AlignHCenter);
        setStyleRole(link, "programLink");
        connect(link, &LinkLabel::clicked, this, [this, index] { emit captionClicked(index); });
        connect(link, &LinkLabel::hovered, link, [link] { link->setUnderlined(true); });
        m_programLinks.append(link);
        m_captions.append(link);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 32, 48, 32);
    layout->setSpacing(14);
    layout->addStretch(1);
    layout->addWidget(caption(6));
    auto* paragraph = new QHBoxLayout;
    paragraph->addStretch(1);
    paragraph->addWidget(caption(7), 4);
    paragraph->addStretch(1);
    layout->addLayout(paragraph);
    layout->addSpacing(18);
    layout->addWidget(caption(5));
    for (LinkLabel* link : std::as_const(m_programLinks))
        layout->addWidget(link);
    layout->addStretch(2);
    caption(7)->setMinimumWidth(420);
}

QLabel* WelcomePanel::caption(int index) const
{
    return m_captions.value(index - kFirstCaption);
}

void WelcomePanel::mouseMoveEvent(QMouseEvent* event)
{
    for (LinkLabel* link : std::as_const(m_programLinks))
        link->setUnderlined(false);
    QWidget::mouseMoveEvent(event);
}

bool WelcomePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const int index = int(m_captions.indexOf(qobject_cast<QLabel*>(watched)));
        if (index >= 0 && index + kFirstCaption < 8)
            emit captionClicked(index + kFirstCaption);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvo
