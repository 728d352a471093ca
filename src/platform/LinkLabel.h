#pragma once

#include <QLabel>

namespace tarvo {

// A text link: clicked on a left-button release inside it, or on Enter, Return or Space while
// it has the focus (it takes Tab focus and shows it with a dotted frame). Underlined while the
// mouse is over it; assistive tools see a link with a press action.
class LinkLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkLabel)

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Underlined all the time, not only under the mouse.
    void setUnderlined(bool underlined);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showUnderline(bool underlined);

    bool m_underlined = false;
};

} // namespace tarvo
