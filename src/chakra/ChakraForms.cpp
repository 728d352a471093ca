#include "chakra/ChakraForms.h"

#include "platform/LinkLabel.h"
#include "shell/AppContext.h"
#include "shell/MakerLink.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace tarvo {

QGroupBox* chakraPromotionFrame(const AppContext& context, QWidget* form)
{
    auto* frame = new QGroupBox(form);
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(16);
    struct Promotion {
        const char16_t* name;
        const char16_t* caption;
        MakerPage page;
    };
    static constexpr Promotion promotions[] = {
        {u"Label61", u"Tarvo Yoga on the web", MakerPage::HomePage},
        {u"lblCobrand", u"Your brand on Tarvo Yoga", MakerPage::CoBrand},
        {u"lblFullBrand", u"The fully branded edition", MakerPage::FullyBranded},
    };
    for (const Promotion& promotion : promotions) {
        LinkLabel* link = makerLink(context.desktop, QString::fromUtf16(promotion.name),
                                    QString::fromUtf16(promotion.caption), promotion.page, frame);
        link->setUnderlined(true);
        if (layout->count() > 0)
            layout->addStretch(1);
        layout->addWidget(link);
    }
    return frame;
}

} // namespace tarvo
