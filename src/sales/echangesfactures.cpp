#include "sales/echangesfactures.h"

#include "sales/pagefactures.h"

namespace zel {

const EchangeSorte& echangeFactures() {
    namespace L = ligneFacture;
    static const EchangeSorte e{
        Sorte::Factures,
        DispositionTable{
            L::Valide,
            {{L::Numero, QStringLiteral("N° de facture"), false, QStringLiteral("NUM")},
             {L::Date, QStringLiteral("Date")},
             {L::Client, QStringLiteral("Code client")},
             {L::Conditions, QStringLiteral("Conditions de réglement")},
             {L::Genre, QStringLiteral("Genre")},
             {L::Adresse1, QStringLiteral("Coordonnées 1")},
             {L::Adresse1 + 1, QStringLiteral("Coordonnées 2")},
             {L::Adresse1 + 2, QStringLiteral("Coordonnées 3")},
             {L::Adresse1 + 3, QStringLiteral("Coordonnées 4")},
             {L::Ttc, QStringLiteral("Facture TTC"), false, QStringLiteral("TTC")},
             {L::Valide, QStringLiteral("Validée")}},
            {{QStringLiteral("FACT"),
              {QStringLiteral("Réf"), QStringLiteral("Désignation"), QStringLiteral("Quantité"),
               QStringLiteral("Prix Unitaire"), QStringLiteral("R (%)"), QStringLiteral("Montant"),
               QStringLiteral("T")},
              {2, 3, 4, 5}},
             {QStringLiteral("MEMO"), {QStringLiteral("Notes")}}},
            L::Numero},
        std::nullopt,
        CleImport::Numero,
        QStringLiteral("facture"),
        QStringLiteral("factures")};
    return e;
}

} // namespace zel
