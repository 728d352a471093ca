#pragma once

#include "report/PrintableView.h"
#include "shell/ProgramWindow.h"
#include "zodiac/ZodiacFieldWidgets.h"
#include "zodiac/ZodiacPages.h"
#include "zodiac/ZodiacReading.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QTabWidget;

namespace tarvo {

class ZodiacAsanaTab;

// The result window of a reading: characteristics, health and fitness, and the sign's asanas.
class ZodiacResultWindow final : public ProgramWindow, public PrintableView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ZodiacResultWindow)

public:
    // inputWindow is shown again by the back command.
    ZodiacResultWindow(const AppContext& context, QWidget* inputWindow, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The tab on screen (an asana's detail when one is open), with its picture.
    std::optional<PrintablePage> printablePage() const override;

    // Fills every sign field and shows the sign's asana panel.
    void showReading(const ZodiacReading& reading, const ZodiacDisplayFields& fields);
    // The texts as the window shows them now.
    ZodiacDisplayFields fields() const;
    const ZodiacReading& reading() const { return m_reading; }
    ZodiacAsanaTab& asanaTab() const { return *m_asanaTab; }
    void showPage(ZodiacPage page);

    // Opens the report window and waits until it closes.
    void openReport();
    void backToInput();

private:
    void buildMenus();
    QWidget* buildFoot();

    QPointer<QWidget> m_inputWindow;
    ZodiacReading m_reading;
    FieldBindings m_bindings;
    QTabWidget* m_tabs = nullptr;
    QTabWidget* m_healthTabs = nullptr;
    QLabel* m_signPicture = nullptr;
    ZodiacAsanaTab* m_asanaTab = nullptr;
};

} // namespace tarvo
