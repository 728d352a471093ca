#include "zodiac/ZodiacNameBox.h"

#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "zodiac/NameFilter.h"

#include <QKeyEvent>
#include <algorithm>

namespace tarvo {

ZodiacNameBox::ZodiacNameBox(Desktop& desktop, QWidget* parent)
    : QLineEdit(parent)
    , m_desktop(desktop)
{
    // Paste, drop and the context menu all arrive here after the text has changed.
    connect(this, &QLineEdit::textEdited, this, [this] { refilter(); });
}

void ZodiacNameBox::setName(const QString& name)
{
    setText(name.left(kMaxNameLength));
    if (name.size() > kMaxNameLength)
        report(kNameTooLongMessage);
}

void ZodiacNameBox::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).unicode() >= 32
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
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

void ZodiacNameBox::refilter()
{
    FilteredName filtered = filterNameText(text());
    const bool tooLong = filtered.text.size() > kMaxNameLength;
    if (tooLong)
        filtered.text.truncate(kMaxNameLength);
    if (filtered.text == text())
        return;
    const int cursor = cursorPosition();
    const int removed = int(text().size() - filtered.text.size());
    setText(filtered.text);
    setCursorPosition(std::clamp(cursor - removed, 0, int(filtered.text.size())));
    if (filtered.dropped)
        reportDropped();
    else if (tooLong)
        report(kNameTooLongMessage);
}

void ZodiacNameBox::reportDropped()
{
    report(kOnlyLettersMessage);
}

void ZodiacNameBox::report(const QString& text)
{
    inform(m_desktop, this, kAppTitle, text);
}

} // namespace tarvo
