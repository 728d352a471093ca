#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;

namespace tarvo {

// The asana lookup strip of the main window (picTop1): the asana picture and the three
// lookup panels by name (Picture2), body part (Picture3) and therapeutic application (Picture4).
class LookupStrip final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LookupStrip)

public:
    explicit LookupStrip(QWidget* parent = nullptr);

    // Shows the lookup panel of section 2, 3 or 4 and hides the other two.
    void showPanel(int section);
    QList<QLabel*> captions() const { return m_captions; }

private:
    QWidget* namePanel();
    QWidget* bodyPartPanel();
    QWidget* applicationPanel();
    QLabel* caption(int index, const QString& text);

    QLabel* m_picYoga;
    QList<QLabel*> m_captions;
    QList<QWidget*> m_panels;
    QComboBox* m_byName = nullptr;
    QComboBox* m_byBodyPart = nullptr;
    QComboBox* m_byApplication = nullptr;
    QListWidget* m_bodyPartResults = nullptr;
    QListWidget* m_applicationResults = nullptr;
};

} // namespace tarvo
