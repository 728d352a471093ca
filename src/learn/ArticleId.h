#pragma once

namespace tarvo {

// The articles of Learn Yoga, in the order of the navigation.
enum class ArticleId {
    WhatIsYoga,
    PathsOfYoga,
    WhoCanPractiseYoga,
    BenefitsOfYoga,
    TipsToPractiseYoga,
    WhatAreYogasanas,
    WhatIsMeditation,
    WhyMeditate,
    ImportanceOfMeditation,
    ControllingTheMind,
    MeditationTechniques,
    WhatIsPranayam,
    PranayamBenefits,
    NadiShodhana,
    Bhastrika,
    Bhramari,
    Kapalbhati,
    WhatIsSuryaNamaskar,
    PractisingSuryaNamaskar,
    SuryaNamaskarBenefits,
    WhoShouldNotPractise,
};

inline constexpr int kArticleCount = 21;

} // namespace tarvo
