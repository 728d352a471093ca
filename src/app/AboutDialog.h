#pragma once

#include <QDialog>

namespace tarvo {

class Desktop;

// The About box: what the program is, and where its makers are found.
class AboutDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    AboutDialog(Desktop& desktop, QWidget* parent = nullptr);
};

} // namespace tarvo
