#include "search/SearchResultDelegate.h"

#include "search/SearchResultModel.h"

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QtMath>
#include <algorithm>

namespace tarvo {

namespace {

constexpr qreal kPlaceScale = 0.85;
constexpr int kMargin = 6;

// Inserts text with the given ranges marked; ranges outside the text, or overlapping one before,
// are left out rather than trusted.
void insertMarked(QTextCursor& cursor, const QString& text, QList<search::TextRange> ranges,
                  const QTextCharFormat& plain, const QTextCharFormat& marked)
{
    std::sort(ranges.begin(), ranges.end(),
              [](const auto& a, const auto& b) { return a.start < b.start; });
    qsizetype at = 0;
    for (const search::TextRange& r : std::as_const(ranges)) {
        if (r.start < at || r.length <= 0 || r.start + r.length > text.size())
            continue;
        cursor.insertText(text.mid(at, r.start - at), plain);
        cursor.insertText(text.mid(r.start, r.length), marked);
        at = r.start + r.length;
    }
    cursor.insertText(text.mid(at), plain);
}

// A new block of text in font, with the given ranges marked in the colours of a match.
void insertMarkedBlock(QTextCursor& cursor, const QString& text,
                       const QList<search::TextRange>& ranges, const QFont& font,
                       const ResultColours& colours)
{
    QTextCharFormat plain;
    plain.setFont(font);
    plain.setForeground(colours.text);
    QTextCharFormat marked = plain;
    marked.setForeground(colours.markText);
    marked.setBackground(colours.markBackground);
    cursor.insertBlock(QTextBlockFormat(), plain);
    insertMarked(cursor, text, ranges, plain, marked);
}

QFont scaled(QFont font, qreal factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * factor)));
    return font;
}

const search::SearchHit* hitAt(const QModelIndex& index)
{
    const auto* model = qobject_cast<const SearchResultModel*>(index.model());
    if (!model || !index.isValid() || index.row() >= model->rowCount())
        return nullptr;
    return &model->hit(index.row());
}

ResultColours colours(const QPalette& palette, bool selected)
{
    const QPalette::ColorRole text = selected ? QPalette::HighlightedText : QPalette::Text;
    QColor place = palette.color(text);
    place.setAlphaF(0.7f);
    return {palette.color(text), place, QColor(Qt::black), QColor(0xff, 0xe6, 0x6e),
            selected ? palette.color(text) : QColor(0xb0, 0x20, 0x20)};
}

} // namespace

void writeSearchResult(QTextDocument& document, const search::SearchHit& hit, const QFont& font,
                       const ResultColours& colours)
{
    document.clear();
    document.setDefaultFont(font);
    document.setDocumentMargin(kMargin);
    QTextCursor cursor(&document);

    QTextCharFormat place;
    place.setFont(scaled(font, kPlaceScale));
    place.setForeground(colours.place);
    cursor.setCharFormat(place);
    cursor.insertText(hit.place, place);

    QFont bold = font;
    bold.setBold(true);
    insertMarkedBlock(cursor, hit.title, hit.titleHighlights, bold, colours);
    if (!hit.snippet.isEmpty())
        insertMarkedBlock(cursor, hit.snippet, hit.snippetHighlights, font, colours);
    QTextCharFormat caution;
    caution.setFont(font);
    caution.setForeground(colours.caution);
    for (const QString& line : hit.cautions) {
        cursor.insertBlock(QTextBlockFormat(), caution);
        cursor.insertText(line, caution);
    }
}

SearchResultDelegate::SearchResultDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

void SearchResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const search::SearchHit* hit = hitAt(index);
    if (!hit)
        return;
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    QTextDocument document;
    const bool selected = option.state & QStyle::State_Selected;
    writeSearchResult(document, *hit, option.font, colours(option.palette, selected));
    document.setTextWidth(option.rect.width());
    painter->save();
    painter->translate(option.rect.topLeft());
    const QRectF clip(0, 0, option.rect.width(), option.rect.height());
    painter->setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = option.palette;
    context.clip = clip;
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize SearchResultDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    const search::SearchHit* hit = hitAt(index);
    if (!hit)
        return {};
    // Rows wrap at the list's width, not at whatever width an option happens to carry.
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    const int width = view ? view->viewport()->width() : option.rect.width();
    QTextDocument document;
    writeSearchResult(document, *hit, option.font, colours(option.palette, false));
    document.setTextWidth(qMax(1, width));
    return QSize(width, qCeil(document.size().height()));
}

} // namespace tarvo
