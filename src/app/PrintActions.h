#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace tarvo {

class Desktop;
struct PrintablePage;

// File > Print and File > Export as PDF of the main window. They act on the view in front (the
// one with the focus, else the active child of the work area) and are enabled only while that
// view shows teaching text.
class PrintActions final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PrintActions)

public:
    // activeChild gives the work area's active child, or nullptr.
    PrintActions(Desktop& desktop, std::function<QWidget*()> activeChild, QWidget* window);

    // Adds both actions and a separator before `before`.
    void insertInto(QMenu& menu, QAction* before);
    void updateEnabled();

    void print();
    void exportPdf();

private:
    std::optional<PrintablePage> frontPage() const;

    Desktop& m_desktop;
    std::function<QWidget*()> m_activeChild;
    QWidget* m_window;
    QAction* m_print;
    QAction* m_exportPdf;
};

} // namespace tarvo
