#include "app/guide.h"

namespace zel {

QString ancre(Sujet sujet) {
    switch (sujet) {
    case Sujet::Sommaire:
        return QStringLiteral("sommaire");
    case Sujet::Clients:
        return QStringLiteral("clients");
    case Sujet::Facture:
        return QStringLiteral("facture");
    case Sujet::Articles:
        return QStringLiteral("articles");
    case Sujet::Commandes:
        return QStringLiteral("commandes");
    case Sujet::Imprimer:
        return QStringLiteral("imprimer");
    case Sujet::Statistiques:
        return QStringLiteral("statistiques");
    case Sujet::Journal:
        return QStringLiteral("journal");
    case Sujet::Lettres:
        return QStringLiteral("lettres");
    case Sujet::Utilitaires:
        return QStringLiteral("utilitaires");
    case Sujet::Parametres:
        return QStringLiteral("parametres");
    case Sujet::Aide:
        return QStringLiteral("aide");
    }
    return QString();
}

std::span<const Sujet> sujets() {
    static constexpr Sujet tous[] = {Sujet::Sommaire,     Sujet::Clients,    Sujet::Facture,
                                     Sujet::Articles,     Sujet::Commandes,  Sujet::Imprimer,
                                     Sujet::Statistiques, Sujet::Journal,    Sujet::Lettres,
                                     Sujet::Utilitaires,  Sujet::Parametres, Sujet::Aide};
    return tous;
}

Sujet sujetOnglet(Sorte onglet) {
    switch (onglet) {
    case Sorte::Clients:
        return Sujet::Clients;
    case Sorte::Factures:
        return Sujet::Facture;
    case Sorte::Fournisseurs:
    case Sorte::Articles:
        return Sujet::Articles;
    case Sorte::Commandes:
        return Sujet::Commandes;
    }
    return Sujet::Sommaire;
}

} // namespace zel
