#pragma once

#include "clients/pageclients.h"
#include "ui/ongletcarte.h"

namespace zel::ui {

// The client tab of the card window.
class OngletClients : public OngletCarte {
    Q_OBJECT
public:
    OngletClients(PageClients& page, const ListesChoix& listes, QWidget* parent = nullptr);
};

} // namespace zel::ui
