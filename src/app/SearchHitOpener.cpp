#include "app/SearchHitOpener.h"

#include "app/MainWindow.h"
#include "app/MatchHighlight.h"
#include "chakra/ChakraAsanaWindow.h"
#include "chakra/ChakraPage.h"
#include "chakra/ChakraPageWindow.h"
#include "learn/ArticleViewer.h"
#include "shell/ProgramWindow.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacAsanaTab.h"
#include "zodiac/ZodiacInputWindow.h"
#include "zodiac/ZodiacResultWindow.h"

#include <QCoreApplication>

namespace tarvo {

namespace {

using search::SearchHit;

QWidget* openZodiac(MainWindow& window, const SearchHit& hit)
{
    window.selectProgram(Program::ZodiacYoga);
    auto* input =
        qobject_cast<ZodiacInputWindow*>(window.child(QStringLiteral("frmZodiacYogaMain")));
    if (!input)
        return nullptr;
    const SunSign sign = signFromName(hit.key.name).value_or(SunSign::Aries);
    input->showSignReading(sign);
    ZodiacResultWindow* result = input->resultWindow();
    if (!result)
        return nullptr;
    const QString& part = hit.key.part;
    if (part == u"Asanas") {
        result->showPage(ZodiacPage::Asanas);
        result->asanaTab().openAsana(sign, hit.key.number);
    } else if (part == u"Diet" || part == u"Health") {
        // The body part and health problems stand on the diet tab.
        result->showPage(ZodiacPage::Diet);
    } else if (part == u"Fitness") {
        result->showPage(ZodiacPage::Fitness);
    } else {
        result->showPage(ZodiacPage::Characteristics);
    }
    return result;
}

std::optional<ChakraId> chakraNamed(const QString& shortName)
{
    for (int k = 0; k < kChakraCount; ++k) {
        if (chakraInfo(ChakraId(k)).shortName == shortName)
            return ChakraId(k);
    }
    return std::nullopt;
}

QWidget* openChakra(MainWindow& window, const SearchHit& hit)
{
    window.selectProgram(Program::ChakraYoga);
    const AppContext& context = window.context();
    QWidget* selection = window.child(QStringLiteral("frmChakraYogaMain"));
    ProgramWindow* page = nullptr;
    if (hit.key.part == u"Asanas") {
        PerChakra<bool> every{};
        every.fill(true);
        auto* asanas = new ChakraAsanaWindow(context, recommendedAsanas(every));
        asanas->showAsana(hit.key.number);
        page = asanas;
    } else if (hit.key.part == u"Introduction") {
        page = new ChakraPageWindow(context, chakraIntroductionPage());
    } else if (const auto id = chakraNamed(hit.key.name)) {
        page = new ChakraPageWindow(context, chakraPage(*id));
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

} // namespace

void openSearchHit(MainWindow& window, const SearchHit& hit)
{
    QWidget* page = nullptr;
    switch (hit.kind) {
    case search::SearchKind::Article:
        window.showLearnArticle(hit.key.name);
        page = &window.articleViewer();
        break;
    case search::SearchKind::Asana:
        window.showAsanaPage(hit.key.name);
        page = &window.articleViewer();
        break;
    case search::SearchKind::Zodiac:
        page = openZodiac(window, hit);
        break;
    case search::SearchKind::Chakra:
        page = openChakra(window, hit);
        break;
    }
    // The match can only be scrolled to once the page has its final size.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    highlightMatch(page, hit);
}

} // namespace tarvo
