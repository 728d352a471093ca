#pragma once

#include <QString>

class QMenuBar;
class QWidget;

namespace tarvo {

struct AppContext;
class Workspace;

inline const QString kZodiacCaption = QStringLiteral("Tarvo Zodiac Yoga");

// Unloads a form whether it lives in the work area or on its own.
void unloadForm(QWidget* form);
// Hides or shows a form together with its work-area frame.
void setFormVisible(QWidget* form, bool visible);
// Opens a form in the work area at the top centre, or on its own without a work area.
void showForm(Workspace* workspace, QWidget* form);

} // namespace tarvo

namespace tarvo {

// The parts in which the Help menus of the two Zodiac windows differ.
struct ZodiacHelpMenuNames {
    QString firstSeparator;
    QString secondSeparator;
    QString updateCaption;
};

void addZodiacHelpMenu(QMenuBar& bar, const AppContext& context, const ZodiacHelpMenuNames& names);

} // namespace tarvo
