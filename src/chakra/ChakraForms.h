#pragma once

#include <QString>

class QGroupBox;
class QMenuBar;
class QWidget;

namespace tarvo {

struct AppContext;

inline const QString kChakraCaption = QStringLiteral("Tarvo Chakra Yoga");

// Opens form as a child of the main window at the top centre, or on its own without one.
void openChakraForm(const AppContext& context, QWidget* form);
// Hiding keeps the form and its state; showing brings it back where it was.
void hideChakraForm(QWidget* form);
void showChakraForm(QWidget* form);
void unloadChakraForm(QWidget* form);
void setWelcomePanelVisible(const AppContext& context, bool visible);

// The Help menu every chakra window shares; only the question window words two entries differently.
struct HelpCaptions {
    QString visit = QStringLiteral("&Visit Us Online");
    QString update = QStringLiteral("Check for Software &Update");
};
void addChakraHelpMenu(QMenuBar* bar, const AppContext& context, QWidget* form,
                       const HelpCaptions& captions = {});

// fraFullBrand with Label61, lblCobrand and lblFullBrand, each opening its maker page.
QGroupBox* chakraPromotionFrame(const AppContext& context, QWidget* form);

} // namespace tarvo
