#include "platform/LinkLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tarvo {

namespace {

// A label is static text to assistive tools; this one is a link they can press.
class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<LinkLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* linkAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("tarvo::LinkLabel") && object && object->isWidgetType())
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
{
    // Parent and text are set only now: an accessible event raised while the label was still
    // being built would cache a plain label's interface, not a link's.
    static const bool installed = [] {
        QAccessible::installFactory(linkAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setParent(parent);
    setText(text);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // Room for the focus frame, so it never touches the text.
    setContentsMargins(2, 1, 2, 1);
    setAccessibleName(text);
}

void LinkLabel::setUnderlined(bool underlined)
{
    m_underlined = underlined;
    showUnderline(underlined);
}

void LinkLabel::showUnderline(bool underlined)
{
    QFont f = font();
    if (f.underline() == underlined)
        return;
    f.setUnderline(underlined);
    setFont(f);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    showUnderline(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    showUnderline(m_underlined);
    QLabel::leaveEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Round the text rather than the whole label, which a layout may stretch far wider; in the
    // text's own colour, which is legible on whatever background the label has.
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect text = fontMetrics().boundingRect(contentsRect(), flags, this->text());
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(text.adjusted(-2, -1, 1, 0).intersected(rect().adjusted(0, 0, -1, -1)));
}

} // namespace tarvo
