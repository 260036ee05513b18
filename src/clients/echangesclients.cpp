#include "clients/echangesclients.h"

#include "clients/pageclients.h"
#include "records/echangespage.h"

namespace zel {
namespace {

namespace L = ligneClient;

constexpr int kVilleMaxi = 255;

} // namespace

const EchangeSorte& echangeClients() {
    static const EchangeSorte e{
        Sorte::Clients,
        tableCarte(PageClients::disposition(),
                   QStringList{QStringLiteral("Code client"), QStringLiteral("NPAI"),
                               QStringLiteral("Marquer")} +
                       colonnesCoordonnees() +
                       QStringList{QStringLiteral("Contact"), QStringLiteral("Représentant"),
                                   QStringLiteral("Crédit maxi"), QStringLiteral("Total dû"),
                                   QStringLiteral("Risque"), QStringLiteral("Compte client"),
                                   QStringLiteral("Libellé en saisie"),
                                   QStringLiteral("Montant en saisie")},
                   {QStringLiteral("Observations")}, L::Nom),
        AncienneDisposition{{QStringLiteral("N"), QStringLiteral("N")}, 5, 1, false},
        CleImport::Code,
        QStringLiteral("fiche"),
        QStringLiteral("fiches")};
    return e;
}

DispositionEchanges echangesClients() {
    return {DialogueTri::TTri,
            {L::Nom, L::CodePostal, L::Ville},
            echangeClients(),
            {L::Code, L::Nom, L::Adresse1, L::Adresse2, L::CodePostal, L::Ville, L::Pays,
             L::Telephone, L::Fax, L::Email},
            {},
            {}};
}

BilanImport FactCli(QByteArrayView octets, JeuDocuments& jeu, Dialogues& dialogues) {
    LecteurTable lecteur(octets, FormatTable::Lignes);
    struct Ligne {
        QString texte;
        qsizetype numero;
        int remplaces;
    };
    std::vector<Ligne> lignes;
    for (Rangee r; lecteur.suivante(r, 1);)
        lignes.push_back({r.champs.value(0), r.ligne, r.remplaces});
    Importation import(jeu, echangeClients(), dialogues, qsizetype(lignes.size()));
    const auto ligne = [&lignes](std::size_t i) {
        return i < lignes.size() ? lignes[i] : Ligne{QString(), 0, 0};
    };
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (!lignes[i].texte.startsWith(u"<CLI>"))
            continue;
        if (i + 1 < lignes.size() && lignes[i + 1].texte.isEmpty())
            continue;
        const QString codeEtVille = ligne(i + 4).texte;
        const qsizetype blanc = codeEtVille.indexOf(u' ');
        int remplaces = 0;
        for (std::size_t k = i + 1; k <= i + 4; ++k)
            remplaces += ligne(k).remplaces;
        Importation::Fiche f{{QString(), QStringLiteral("N"), QStringLiteral("N"),
                              ligne(i + 1).texte, ligne(i + 2).texte, ligne(i + 3).texte,
                              codeEtVille.left(blanc < 0 ? codeEtVille.size() : blanc),
                              blanc < 0 ? QString() : codeEtVille.mid(blanc + 1, kVilleMaxi)},
                             {},
                             lignes[i].numero + 1,
                             remplaces};
        if (!import.ajoute(std::move(f))) {
            import.laisseReste(1);
            // The records after it are left out too.
            for (std::size_t k = i + 1; k < lignes.size(); ++k)
                if (lignes[k].texte.startsWith(u"<CLI>"))
                    import.laisseReste(1);
            break;
        }
    }
    BilanImport bilan;
    bilan.message = import.termine();
    bilan.ajoutes = import.ajoutes();
    return bilan;
}

} // namespace zel
