#pragma once

#include "asanas/AsanaCautions.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QListWidget;

namespace tarvo {

enum class LookupPanel { ByName, ByBodyPart, ByApplication };

// The asana lookup strip of the main window (picTop1): the asana picture and the three
// lookup panels by name (Picture2), body part (Picture3) and therapeutic application (Picture4).
class LookupStrip final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LookupStrip)

public:
    explicit LookupStrip(QWidget* parent = nullptr);

    // Shows one lookup panel and hides the other two.
    void showPanel(LookupPanel panel);
    // The conditions the user has ticked: the asanas listed by body part and application whose
    // cautions name one carry the mark and the reason, as do those whose cautions name the
    // condition a body part or application is about.
    void setConditionSource(std::function<QList<Condition>()> conditions);
    QList<QLabel*> captions() const { return m_captions; }
    QSize pictureSize() const;

    // A section header's first action: the first entry of its list, shown.
    void selectFirst(LookupPanel panel);
    // Shows the asana's picture beside the lists and asks for its page; an unknown name changes
    // nothing.
    void showAsanaPage(const QString& name);
    // The page, with the asana chosen in the lookup by name as if the user had picked it there.
    void showAsanaByName(const QString& name);

signals:
    // The asana whose page is to be read, by its library name.
    void asanaPageWanted(const QString& name);

private:
    QWidget* namePanel();
    QWidget* bodyPartPanel();
    QWidget* applicationPanel();
    QLabel* caption(int index, const QString& text);
    void fillResults(QListWidget* list, const QList<int>& numbers,
                     const QList<Condition>& lookedUp);
    void showSelectedResult(QListWidget* list, int row);

    std::function<QList<Condition>()> m_conditions;

    QLabel* m_picYoga;
    QList<QLabel*> m_captions;
    QList<QWidget*> m_panels;
    QComboBox* m_byName = nullptr;
    QComboBox* m_byBodyPart = nullptr;
    QComboBox* m_byApplication = nullptr;
    QListWidget* m_bodyPartResults = nullptr;
    QListWidget* m_applicationResults = nullptr;
    QLabel* m_bodyPartCaution = nullptr;
    QLabel* m_applicationCaution = nullptr;
};

} // namespace tarvo
