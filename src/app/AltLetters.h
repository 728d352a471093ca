#pragma once

#include <QChar>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

class QWidget;

namespace tarvo {

// The letter that Alt plus it presses for caption, upper-cased, or a null QChar; "&&" is a plain
// ampersand.
QChar altLetter(const QString& caption);

// The Alt-letters the controls shown in window answer to: buttons, labels of a buddy, tabs and
// the titles of its own menu bar.
QSet<QChar> claimedAltLetters(const QWidget* window);

// Shortcuts of the main window stay live while a child has the focus, so where the child claims
// the same Alt-letter as a menu title or the Exit button of the main window (its own "&File",
// "&Help" and "&Exit"), pressing it would only move the focus between the two. Each of the main
// window's controls, given with its own caption, drops its letter while active (the window
// holding the focus, if any) claims it; the others keep working.
void shareAltLetters(const QList<std::pair<QObject*, QString>>& controls, const QWidget* active);

// Runs a callback whenever the Alt-letters on screen may have changed hands: as a key with Alt
// held is about to be matched against the application's shortcuts, and once controls have been
// shown or hidden (a tab brought to the front shows letters without the focus moving).
class AltLetterWatcher final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AltLetterWatcher)

public:
    AltLetterWatcher(std::function<void()> refresh, QObject* parent);
    ~AltLetterWatcher() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_refresh;
    bool m_refreshPending = false;
};

} // namespace tarvo
