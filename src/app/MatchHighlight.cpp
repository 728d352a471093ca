#include "app/MatchHighlight.h"

#include "search/ShownText.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextEdit>

namespace tarvo {

namespace {

const QColor kMark(0xff, 0xe6, 0x6e);

QString shownText(const QWidget* w)
{
    if (const auto* edit = qobject_cast<const QTextEdit*>(w))
        return edit->document()->toPlainText();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
        return plain->document()->toPlainText();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->textFormat() == Qt::PlainText)
            return label->text();
    }
    return {};
}

// Scrolls every scroll area around w so that the point of w is in view.
void bringIntoView(QWidget* w, QPoint point)
{
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(p);
        if (!area || !area->widget() || !area->widget()->isAncestorOf(w))
            continue;
        const QPoint at = w->mapTo(area->widget(), point);
        area->ensureVisible(at.x(), at.y(), 20, 60);
    }
}

QTextEdit::ExtraSelection mark(QTextDocument* document, const search::TextRange& range)
{
    QTextCursor cursor(document);
    cursor.setPosition(int(range.start));
    cursor.setPosition(int(range.start + range.length), QTextCursor::KeepAnchor);
    QTextEdit::ExtraSelection selection;
    selection.cursor = cursor;
    selection.format.setBackground(kMark);
    selection.format.setForeground(Qt::black);
    return selection;
}

// QTextEdit and QPlainTextEdit share these calls but no base class that has them.
template <typename Edit> void selectIn(Edit* edit, const search::TextRange& range)
{
    const QTextEdit::ExtraSelection selection = mark(edit->document(), range);
    edit->setExtraSelections({selection});
    edit->setTextCursor(selection.cursor);
    edit->ensureCursorVisible();
    bringIntoView(edit, edit->cursorRect().center());
}

void select(QWidget* w, const search::TextRange& range)
{
    if (auto* edit = qobject_cast<QTextEdit*>(w)) {
        selectIn(edit, range);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        selectIn(plain, range);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setSelection(int(range.start), int(range.length));
        bringIntoView(label, label->rect().center());
    }
}

} // namespace

bool highlightMatch(QWidget* page, const search::SearchHit& hit)
{
    QString source = hit.fieldText;
    qsizetype offset = hit.fieldOffset;
    qsizetype length = 0;
    if (offset >= 0 && !hit.snippetHighlights.isEmpty()) {
        length = hit.snippetHighlights.first().length;
    } else if (!hit.titleHighlights.isEmpty()) {
        source = hit.title;
        offset = hit.titleHighlights.first().start;
        length = hit.titleHighlights.first().length;
    }
    if (length <= 0 || !page)
        return false;

    // A box that shows the text alone comes before a longer text that quotes it.
    QList<QWidget*> candidates = page->findChildren<QWidget*>();
    candidates.prepend(page);
    const QString wanted = source.simplified();
    for (const bool whole : {true, false}) {
        for (QWidget* w : std::as_const(candidates)) {
            if (!w->isVisibleTo(page->window()) && w != page)
                continue;
            const QString shown = shownText(w);
            if (shown.isEmpty() || (whole && shown.simplified() != wanted))
                continue;
            if (const auto range = search::locateInShown(shown, source, offset, length)) {
                select(w, *range);
                return true;
            }
        }
    }
    return false;
}

} // namespace tarvo
