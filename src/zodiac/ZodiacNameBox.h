#pragma once

#include <QLineEdit>

namespace tarvo {

class Desktop;

// The name box: typed, pasted and dropped text all pass the letters-only rule and the length
// limit, and anything it drops or cuts is reported once.
class ZodiacNameBox final : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ZodiacNameBox)

public:
    explicit ZodiacNameBox(Desktop& desktop, QWidget* parent = nullptr);

    // A name read from elsewhere (a record): cut to the limit, with the message a long paste
    // gets. Its letters are not refiltered; the caller has already judged them.
    void setName(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refilter();
    void reportDropped();
    void report(const QString& text);

    Desktop& m_desktop;
};

} // namespace tarvo
