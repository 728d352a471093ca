#include "zodiac/ZodiacFieldWidgets.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QtMath>
#include <algorithm>

namespace tarvo {

QLabel* valueLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(128, 0, 128));
    label->setPalette(p);
    return label;
}

QLabel* captionLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* headingLabel(const QString& name, const QString& text)
{
    QLabel* label = captionLabel(name, text);
    QFont big = label->font();
    big.setPointSizeF(big.pointSizeF() + 2);
    label->setFont(big);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(0, 128, 0));
    label->setPalette(p);
    return label;
}

namespace {

class FittedTextBox final : public QPlainTextEdit {
public:
    FittedTextBox()
    {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(document(), &QTextDocument::contentsChanged, this, &FittedTextBox::fitHeight);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QPlainTextEdit::resizeEvent(event);
        if (event->size().width() != event->oldSize().width())
            fitHeight();
    }
    void changeEvent(QEvent* event) override
    {
        QPlainTextEdit::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            fitHeight();
    }

private:
    void fitHeight()
    {
        qreal text = 0;
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
            text += blockBoundingRect(block).height();
        const QMargins margins = contentsMargins();
        const int height = qCeil(text + 2 * document()->documentMargin()) + 2 * frameWidth()
                           + margins.top() + margins.bottom();
        setFixedHeight(std::max(height, fontMetrics().lineSpacing() + 2 * frameWidth()));
    }
};

QPlainTextEdit* readOnlyBox(QPlainTextEdit* box, const QString& name)
{
    box->setObjectName(name);
    box->setReadOnly(true);
    // Scrolled and copied from by keyboard too, without swallowing Tab.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return box;
}

} // namespace

QPlainTextEdit* textBox(const QString& name)
{
    return readOnlyBox(new FittedTextBox, name);
}

QPlainTextEdit* growingTextBox(const QString& name, int minimumHeight)
{
    QPlainTextEdit* box = readOnlyBox(new QPlainTextEdit, name);
    // Grow into spare room, but never ask for more than the minimum.
    box->setMinimumHeight(minimumHeight);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return box;
}

void setFieldText(QWidget* widget, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        box->setPlainText(text);
}

QString fieldText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget))
        return box->toPlainText();
    return {};
}

} // namespace tarvo
