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
// A read-only, scrolling box for a paragraph: of fixed height unless it may grow.
QPlainTextEdit* textBox(const QString& name, int height, bool grows = false);

void setFieldText(QWidget* widget, const QString& text);
QString fieldText(const QWidget* widget);

} // namespace tarvo
