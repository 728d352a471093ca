#pragma once

#include "practice/PracticeTypes.h"
#include "shell/AppContext.h"

#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace tarvo::search {
class SearchIndex;
}

namespace tarvo::practice {

class PracticeStore;

// Puts a session together: asanas picked from the library by name, body part, application or
// a search, ordered by drag or Move Up/Down, each with its hold and sides; saved by name.
class SessionBuilderWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionBuilderWindow)

public:
    SessionBuilderWindow(const AppContext& context, PracticeStore& store, const Session& session,
                         QWidget* parent = nullptr);
    ~SessionBuilderWindow() override;

    // The session as the window shows it now.
    Session session() const;
    void addSelected();
    void moveSelected(int by);
    void removeSelected();
    bool save();
    void start();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildLibrary();
    QWidget* buildSteps();
    void showCandidates();
    void showHold();
    void storeHold();
    void addStep(const SessionStep& step);

    AppContext m_context;
    PracticeStore& m_store;
    std::unique_ptr<search::SearchIndex> m_search;
    QList<SessionStep> m_steps;
    // The name the session was opened or last saved under.
    QString m_savedName;
    // The session as it was opened or last saved, to tell unsaved work.
    Session m_saved;

    QLineEdit* m_name = nullptr;
    QComboBox* m_lookup = nullptr;
    QComboBox* m_lookupValue = nullptr;
    QLineEdit* m_query = nullptr;
    QListWidget* m_candidates = nullptr;
    QListWidget* m_stepList = nullptr;
    QSpinBox* m_hold = nullptr;
    QComboBox* m_unit = nullptr;
    QCheckBox* m_bothSides = nullptr;
};

} // namespace tarvo::practice
