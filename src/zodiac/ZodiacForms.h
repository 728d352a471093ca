#pragma once

#include <QString>

class QWidget;

namespace tarvo {

class Workspace;

inline const QString kZodiacCaption = QStringLiteral("Tarvo Zodiac Yoga");

// Unloads a form whether it lives in the work area or on its own.
void unloadForm(QWidget* form);
// Hides or shows a form together with its work-area frame.
void setFormVisible(QWidget* form, bool visible);
// Opens a form in the work area at the top centre, or on its own without a work area.
void showForm(Workspace* workspace, QWidget* form);

} // namespace tarvo
