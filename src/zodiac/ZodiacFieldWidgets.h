#pragma once

#include "zodiac/ZodiacReport.h"

#include <QList>

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace tarvo {

// Which result-window control shows which sign text, so the window can be filled from the
// sign tables and read back for the report.
struct FieldBinding {
    QString ZodiacDisplayFields::*member;
    QWidget* widget;
};
using FieldBindings = QList<FieldBinding>;

QLabel* valueLabel(const QString& name);
QLabel* captionLabel(const QString& name, const QString& text);
QLabel* headingLabel(const QString& name, const QString& text);
// A read-only box for a paragraph, as tall as its text at the width it is given, so the page
// around it scrolls instead of a box inside the page.
QPlainTextEdit* textBox(const QString& name);
// A read-only box that takes the spare height of its page and scrolls within it.
QPlainTextEdit* growingTextBox(const QString& name, int minimumHeight);

void setFieldText(QWidget* widget, const QString& text);
QString fieldText(const QWidget* widget);

} // namespace tarvo
