#pragma once

#include "stock/pagefournisseurs.h"
#include "ui/ongletcarte.h"

namespace zel::ui {

// The suppliers tab of the card window.
class OngletFournisseurs : public OngletCarte {
    Q_OBJECT
public:
    OngletFournisseurs(PageFournisseurs& page, const ListesChoix& listes,
                       QWidget* parent = nullptr);
};

} // namespace zel::ui
