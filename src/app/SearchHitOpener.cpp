#include "app/SearchHitOpener.h"

#include "app/MainWindow.h"
#include "chakra/ChakraAsanaWindow.h"
#include "chakra/ChakraPage.h"
#include "chakra/ChakraPageWindow.h"
#include "shell/ProgramWindow.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacAsanaTab.h"
#include "zodiac/ZodiacInputWindow.h"
#include "zodiac/ZodiacResultWindow.h"

namespace tarvo {

QWidget* openZodiacPage(MainWindow& window, const ZodiacLocation& location)
{
    window.selectProgram(Program::ZodiacYoga);
    auto* input =
        qobject_cast<ZodiacInputWindow*>(window.child(QStringLiteral("frmZodiacYogaMain")));
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

QWidget* openChakraPage(MainWindow& window, const Location& location)
{
    window.selectProgram(Program::ChakraYoga);
    const AppContext& context = window.context();
    QWidget* selection = window.child(QStringLiteral("frmChakraYogaMain"));
    ProgramWindow* page = nullptr;
    if (const auto* record = std::get_if<ChakraAsanaLocation>(&location)) {
        PerChakra<bool> every{};
        every.fill(true);
        auto* asanas = new ChakraAsanaWindow(context, recommendedAsanas(every));
        asanas->showAsana(record->asana);
        page = asanas;
    } else if (const auto* chakra = std::get_if<ChakraLocation>(&location)) {
        page = new ChakraPageWindow(context, chakra->chakra ? chakraPage(*chakra->chakra)
                                                            : chakraIntroductionPage());
    }
    if (!page)
        return nullptr;
    // The selection stays behind the page, as it does behind a test, for Back to return to.
    openProgramWindow(context, page);
    if (selection)
        setProgramWindowVisible(selection, false);
    setWelcomePanelVisible(context, false);
    return page;
}

} // namespace tarvo
