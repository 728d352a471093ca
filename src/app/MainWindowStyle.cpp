#include "app/MainWindowStyle.h"

namespace tarvo {

QString mainWindowStyleSheet()
{
    return QStringLiteral(R"(
#picTopMain { background: #2f5d62; }
#picTopMain QLabel { color: #ffffff; }
#picTop { background: #dfeee9; border-bottom: 1px solid #b9d3ca; }
#picTop QPushButton { font-weight: bold; padding: 6px 14px; }
#picMain { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e6f2ee); }
#lblCaption_6 { font-size: 20pt; font-weight: bold; color: #2f5d62; }
#lblCaption_7 { font-size: 11pt; color: #333333; }
#lblCaption_5 { font-size: 11pt; font-weight: bold; color: #5e8b7e; }
#lblCaption_8, #lblCaption_9, #lblCaption_10 { font-size: 13pt; color: #0000ff; }
#picTop1 { background: #f4f8f6; border-bottom: 1px solid #c9ddd5; }
#picLeft { background: #e9f2ef; border-right: 1px solid #c9ddd5; }
#picLeft QPushButton[sectionHeader="true"] {
    text-align: left; padding-left: 8px; font-weight: bold; color: #ffffff;
    background: #5e8b7e; border: 1px solid #4b7367; }
#picLeft QPushButton[sectionHeader="true"]:hover { background: #4b7367; }
#picLeft QPushButton[articleButton="true"] {
    text-align: left; padding-left: 8px; color: #2f5d62; background: #ffffff;
    border: 1px solid #d2e2dc; }
#picLeft QPushButton[articleButton="true"]:hover { background: #dfeee9; }
#PicCoBrand { background: #dfeee9; border-top: 1px solid #b9d3ca; }
#Label7 { color: #0000ff; }
)");
}

} // namespace tarvo
