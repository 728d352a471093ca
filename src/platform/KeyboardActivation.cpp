#include "platform/KeyboardActivation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QVariant>

namespace tarvo {

namespace {

const char* const kActivatesOnEnter = "tarvoActivatesOnEnter";

// The innermost window around widget that takes Enter for its buttons.
QWidget* enterWindowOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->property(kActivatesOnEnter).toBool())
            return w;
    }
    return nullptr;
}

QPushButton* defaultButton(QWidget* window)
{
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->isDefault() && button->isVisible() && enterWindowOf(button) == window)
            return button;
    }
    return nullptr;
}

class EnterActivation final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)))
            return false;
        // The key arrives here only after the focused control left it unused.
        auto* window = static_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        if (!focus || enterWindowOf(focus) != window)
            return false;
        QPushButton* target = qobject_cast<QPushButton*>(focus);
        if (!target)
            target = defaultButton(window);
        if (!target || !target->isEnabled())
            return false;
        target->click();
        return true;
    }
};

} // namespace

void activateButtonsOnEnter(QWidget* window)
{
    if (window->property(kActivatesOnEnter).toBool())
        return;
    window->setProperty(kActivatesOnEnter, true);
    window->installEventFilter(new EnterActivation(window));
}

} // namespace tarvo
