#pragma once

#include <QWidget>

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace tarvo {
class ReadingZoom;
}

namespace tarvo::practice {

// How to do the pose on screen: the steps of its procedure that get into it and the one that
// comes out, in type large enough to read from the mat, following the reading zoom. The step the
// guidance is at is marked.
class PoseStepsPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PoseStepsPanel)

public:
    enum class Mark { GetIn, Hold, ComeOut };

    explicit PoseStepsPanel(const ReadingZoom* zoom, QWidget* parent = nullptr);

    // An asana without practice data shows no steps.
    void showPose(const QString& asana);
    void mark(Mark step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepMarkedInView();

    const ReadingZoom* m_zoom;
    QScrollArea* m_area;
    QVBoxLayout* m_column;
    QString m_asana;
    QList<QLabel*> m_steps;
    QList<int> m_numbers;
    int m_firstEntry = 0;
    int m_lastEntry = 0;
    int m_exit = 0;
    int m_marked = 0;
};

} // namespace tarvo::practice
