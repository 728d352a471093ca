#include "zodiac/ZodiacFlow.h"

#include "shell/WorkArea.h"
#include "zodiac/ZodiacAsanaTab.h"
#include "zodiac/ZodiacInputWindow.h"
#include "zodiac/ZodiacResultWindow.h"

namespace tarvo {

ZodiacFlow::ZodiacFlow(const AppContext& context, FirstWindow firstWindow)
    : m_context(context)
    , m_firstWindow(std::move(firstWindow))
{
}

void ZodiacFlow::start()
{
    if (m_firstWindow)
        m_context.area->open(m_firstWindow(m_context));
}

QWidget* ZodiacFlow::open(const ZodiacLocation& location)
{
    auto* input = m_context.area->find<ZodiacInputWindow>();
    if (!input)
        return nullptr;
    input->showSignReading(location.sign);
    ZodiacResultWindow* result = input->resultWindow();
    if (!result)
        return nullptr;
    result->showPage(location.page);
    if (location.asana)
        result->asanaTab().openAsana(location.sign, *location.asana);
    return result;
}

} // namespace tarvo
