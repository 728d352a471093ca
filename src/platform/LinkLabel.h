#pragma once

#include <QLabel>

namespace tarvo {

// A label that acts as a link: clicked on a left-button release inside it, or on Enter, Return or
// Space while it has the focus (it takes Tab focus and shows it with a dotted frame).
class LinkLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkLabel)

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    void setUnderlined(bool underlined);

signals:
    void clicked();
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvo
