#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QMenu>

namespace tarvo::bench {

// The control named name under root. The bench cannot go on without it, so a missing one ends
// the run with its name.
template <typename T = QWidget> T& control(const QObject* root, const QString& name)
{
    T* found = root ? root->findChild<T*>(name) : nullptr;
    if (!found)
        qFatal("tarvo-bench-actions: no %s named %s", T::staticMetaObject.className(),
               qPrintable(name));
    return *found;
}

// A click, as the button has it from the mouse or the keyboard.
inline void click(const QObject* root, const QString& name)
{
    control<QAbstractButton>(root, name).click();
}

// An entry picked from the list of a combo box.
inline void choose(const QObject* root, const QString& name, int index)
{
    auto& box = control<QComboBox>(root, name);
    box.setCurrentIndex(index);
    emit box.activated(index);
}

// A command chosen from a menu, which first sees the menu open, as its commands' states follow it.
inline void chooseCommand(const QObject* root, const QString& menu, const QString& command)
{
    emit control<QMenu>(root, menu).aboutToShow();
    control<QAction>(root, command).trigger();
}

} // namespace tarvo::bench
