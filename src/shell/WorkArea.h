#pragma once

#include <QList>
#include <QWidget>

class QBoxLayout;
class QMdiArea;
class QMdiSubWindow;
class QStackedLayout;

namespace tarvo {

enum class Placement {
    // Framed, horizontally centred at the top of the area and no larger than it.
    Centred,
    // Without a frame over the whole area, following its size.
    Filling,
};

// The body of the main window: the welcome panel, or the work area where the windows of every
// program open, with the panels a program shows beside them. It opens, places, finds and closes
// those windows; when the last one goes and no panel is shown, the welcome panel comes back.
class WorkArea final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorkArea)

public:
    explicit WorkArea(QWidget* welcome, QWidget* parent = nullptr);
    ~WorkArea() override;

    // Opens window in the area, which owns it from now on and destroys it when it closes; the
    // welcome panel makes way.
    void open(QWidget* window, Placement placement = Placement::Centred);
    // The open window of type T, hidden ones included; nullptr when there is none.
    template <typename T> T* find() const
    {
        for (QWidget* window : windows()) {
            if (auto* found = qobject_cast<T*>(window))
                return found;
        }
        return nullptr;
    }
    // The open window of type T made the active one; nullptr when there is none.
    template <typename T> T* bringForward()
    {
        T* found = find<T>();
        if (found)
            activate(found);
        return found;
    }
    QList<QWidget*> windows() const;

    void activate(QWidget* window);
    // Hiding keeps a window and its state; showing brings it back where it was, with the focus.
    void hide(QWidget* window);
    void show(QWidget* window);
    // False when the window refused, as a playing session may.
    bool close(QWidget* window);
    // False when a window refused; those before it are closed.
    bool closeAll();
    // Destroys every window at once, asking none.
    void destroyAll();

    // The window in front: the active one, else the top one until the first is activated.
    QWidget* frontWindow() const;
    // The active window when focus is inside it.
    QWidget* activeWindowHolding(const QWidget* focus) const;
    // The area's place on screen, for dialogs that should sit over it.
    QRect globalArea() const;

    // A panel beside the windows, along the top or the left edge, shown and hidden by its owner.
    void addPanel(QWidget* panel, Qt::Edge edge);

    bool welcomeVisible() const;
    void setWelcomeVisible(bool visible);

    // The controls of the main window that come after every window's in the tab order.
    void setTabOrderFoot(QWidget* first, QWidget* last);
    // Tab and Shift+Tab from a window go on through the main window.
    bool moveFocus(bool next) { return focusNextPrevChild(next); }

    // Called by a window's frame once it has agreed to close.
    void frameClosed(QMdiSubWindow* frame);

signals:
    void activeWindowChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiSubWindow* frameOf(const QWidget* window) const;
    void place(QMdiSubWindow* frame);
    void fitFillingWindows();
    void keepFootLastInTabOrder(QWidget* added);
    // Brings the welcome panel back when nothing but closing is left on the area.
    void welcomeBackWhenEmpty(const QMdiSubWindow* closing);

    QWidget* m_welcome;
    QWidget* m_work;
    QStackedLayout* m_body;
    QBoxLayout* m_column;
    QBoxLayout* m_row;
    QMdiArea* m_mdi;
    QList<QWidget*> m_panels;
    QWidget* m_footFirst = nullptr;
    QWidget* m_footLast = nullptr;
};

} // namespace tarvo
