#include "platform/Fonts.h"

#include <QApplication>
#include <QFont>

namespace tarvo {

void installProgramFont(QApplication& app)
{
    const QString verdana = QStringLiteral("Verdana");
    QFont::insertSubstitution(verdana, QStringLiteral("DejaVu Sans"));
    QFont font(verdana, 9);
    app.setFont(font);
}

} // namespace tarvo
