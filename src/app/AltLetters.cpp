#include "app/AltLetters.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QTimer>

namespace tarvo {

QChar altLetter(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) != u'&')
            return caption.at(i + 1).toUpper();
        ++i;
    }
    return {};
}

QSet<QChar> claimedAltLetters(const QWidget* window)
{
    QSet<QChar> letters;
    const auto claim = [&letters](const QString& caption) {
        if (const QChar letter = altLetter(caption); !letter.isNull())
            letters.insert(letter);
    };
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(window))
            claim(button->text());
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() && label->isVisibleTo(window))
            claim(label->text());
    }
    for (const QTabBar* tabs : window->findChildren<QTabBar*>()) {
        for (int i = 0; tabs->isVisibleTo(window) && i < tabs->count(); ++i)
            claim(tabs->tabText(i));
    }
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        const QList<QAction*> titles = bar->actions();
        for (const QAction* title : titles) {
            if (bar->isVisibleTo(window))
                claim(title->text());
        }
    }
    return letters;
}

AltLetterWatcher::AltLetterWatcher(std::function<void()> refresh, QObject* parent)
    : QObject(parent)
    , m_refresh(std::move(refresh))
{
    QCoreApplication::instance()->installEventFilter(this);
}

AltLetterWatcher::~AltLetterWatcher()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool AltLetterWatcher::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The focused control is asked first whether it wants the key; the shortcuts are
        // matched after that, so the letters are right in time.
        if (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier)
            m_refresh();
        break;
    case QEvent::Show:
    case QEvent::Hide:
        // Once for all the controls a change of page shows and hides.
        if (!m_refreshPending && watched->isWidgetType()) {
            m_refreshPending = true;
            QTimer::singleShot(0, this, [this] {
                m_refreshPending = false;
                m_refresh();
            });
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void shareAltLetters(const QList<std::pair<QObject*, QString>>& controls, const QWidget* active)
{
    const QSet<QChar> taken = active ? claimedAltLetters(active) : QSet<QChar>{};
    for (const auto& [control, caption] : controls) {
        QString shown = caption;
        if (taken.contains(altLetter(caption)))
            shown.remove(u'&');
        if (control->property("text").toString() != shown)
            control->setProperty("text", shown);
    }
}

} // namespace tarvo
