#include "zodiac/ZodiacNameBox.h"

#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "zodiac/NameFilter.h"

#include <QKeyEvent>

namespace tarvo {

ZodiacNameBox::ZodiacNameBox(Desktop& desktop, QWidget* parent)
    : QLineEdit(parent)
    , m_desktop(desktop) {
    // Paste, drop and the context menu all arrive here after the text has changed.
    connect(this, &QLineEdit::textEdited, this, [this] { refilter(); });
}

void ZodiacNameBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).unicode() >= 32 &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!printable) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const FilteredName filtered = filterNameText(typed);
    if (!filtered.text.isEmpty())
        insert(filtered.text);
    if (filtered.dropped)
        reportDropped();
    event->accept();
}

void ZodiacNameBox::refilter() {
    const FilteredName filtered = filterNameText(text());
    if (filtered.text == text())
        return;
    const int cursor = cursorPosition();
    const int removed = int(text().size() - filtered.text.size());
    setText(filtered.text);
    setCursorPosition(std::max(0, cursor - removed));
    if (filtered.dropped)
        reportDropped();
}

void ZodiacNameBox::reportDropped() {
    m_desktop.message(this, MessageIcon::Information, MessageButtons::Ok, kAppTitle,
                      kOnlyLettersMessage);
}

} // namespace tarvo
