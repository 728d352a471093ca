#include "chakra/ChakraFlow.h"

#include "chakra/ChakraAsanaWindow.h"
#include "chakra/ChakraPage.h"
#include "chakra/ChakraPageWindow.h"
#include "chakra/ChakraSelectionWindow.h"
#include "shell/ProgramWindow.h"
#include "shell/WorkArea.h"

namespace tarvo {

ChakraFlow::ChakraFlow(const AppContext& context, FirstWindow firstWindow)
    : m_context(context)
    , m_firstWindow(std::move(firstWindow))
{
}

void ChakraFlow::start()
{
    if (m_firstWindow)
        m_context.area->open(m_firstWindow(m_context));
}

QWidget* ChakraFlow::open(const Location& location)
{
    ProgramWindow* page = nullptr;
    if (const auto* record = std::get_if<ChakraAsanaLocation>(&location)) {
        PerChakra<bool> every{};
        every.fill(true);
        auto* asanas = new ChakraAsanaWindow(m_context, recommendedAsanas(every));
        asanas->showAsana(record->asana);
        page = asanas;
    } else if (const auto* chakra = std::get_if<ChakraLocation>(&location)) {
        page = new ChakraPageWindow(m_context, chakra->chakra ? chakraPage(*chakra->chakra)
                                                              : chakraIntroductionPage());
    }
    if (!page)
        return nullptr;
    m_context.area->open(page);
    // The selection stays behind the page, as it does behind a test, for Back to return to.
    if (auto* selection = m_context.area->find<ChakraSelectionWindow>())
        m_context.area->hide(selection);
    m_context.area->setWelcomeVisible(false);
    return page;
}

} // namespace tarvo
