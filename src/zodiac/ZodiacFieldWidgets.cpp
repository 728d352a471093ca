#include "zodiac/ZodiacFieldWidgets.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace tarvo {

QLabel* valueLabel(const QString& name) {
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

QLabel* captionLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* headingLabel(const QString& name, const QString& text) {
    QLabel* label = captionLabel(name, text);
    QFont big = label->font();
    big.setPointSizeF(big.pointSizeF() + 2);
    label->setFont(big);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(0, 128, 0));
    label->setPalette(p);
    return label;
}

QPlainTextEdit* textBox(const QString& name, int height, bool grows) {
    auto* box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    // Scrolled and copied from by keyboard too, without swallowing Tab.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    if (grows) {
        // Grow into spare room, but never ask for more than the minimum.
        box->setMinimumHeight(height);
        box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    }
    else
        box->setFixedHeight(height);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return box;
}

void setFieldText(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        box->setPlainText(text);
}

QString fieldText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget))
        return box->toPlainText();
    return {};
}

} // namespace tarvo
