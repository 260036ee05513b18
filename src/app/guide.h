#pragma once

#include "store/jeudocuments.h"

#include <QString>

#include <span>

namespace zel {

// The topics of the user's guide that F1 opens, one for each kind of window.
enum class Sujet {
    Sommaire,
    Clients,
    Facture,
    Articles,
    Commandes,
    Imprimer,
    Statistiques,
    Journal,
    Lettres,
    Utilitaires,
    Parametres,
    Aide
};

// The topic's anchor in the guide.
QString ancre(Sujet sujet);
std::span<const Sujet> sujets();

// The topic of a tab of the card window.
Sujet sujetOnglet(Sorte onglet);

} // namespace zel
