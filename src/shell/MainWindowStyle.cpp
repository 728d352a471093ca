#include "shell/MainWindowStyle.h"

#include <QWidget>

namespace tarvo {

// Keyed on roles, never on control names: children of every program share this sheet, and
// their control names repeat across windows.
QString mainWindowStyleSheet()
{
    return QStringLiteral(R"(
[styleRole="banner"] { background: #2f5d62; }
[styleRole="banner"] QLabel { color: #ffffff; }
[styleRole="programStrip"] { background: #dfeee9; border-bottom: 1px solid #b9d3ca; }
[styleRole="programStrip"] QPushButton { font-weight: bold; padding: 6px 14px; }
[styleRole="welcome"] { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e6f2ee); }
[styleRole="welcomeTitle"] { font-size: 20pt; font-weight: bold; color: #2f5d62; }
[styleRole="welcomeText"] { font-size: 11pt; color: #333333; }
[styleRole="welcomeHeading"] { font-size: 11pt; font-weight: bold; color: #5e8b7e; }
[styleRole="programLink"] { font-size: 13pt; color: #0000ff; }
[styleRole="lookupStrip"] { background: #f4f8f6; border-bottom: 1px solid #c9ddd5; }
[styleRole="navigation"] { background: #e9f2ef; border-right: 1px solid #c9ddd5; }
[styleRole="navigation"] QPushButton[sectionHeader="true"] {
    text-align: left; padding-left: 8px; font-weight: bold; color: #ffffff;
    background: #5e8b7e; border: 1px solid #4b7367; }
[styleRole="navigation"] QPushButton[sectionHeader="true"]:hover { background: #4b7367; }
[styleRole="navigation"] QPushButton[articleButton="true"] {
    text-align: left; padding-left: 8px; color: #2f5d62; background: #ffffff;
    border: 1px solid #d2e2dc; }
[styleRole="navigation"] QPushButton[articleButton="true"]:hover { background: #dfeee9; }
[styleRole="footer"] { background: #dfeee9; border-top: 1px solid #b9d3ca; }
[styleRole="promotion"] { color: #0000ff; }
)");
}

void styleChrome(QWidget* part)
{
    part->setStyleSheet(mainWindowStyleSheet());
}

} // namespace tarvo
