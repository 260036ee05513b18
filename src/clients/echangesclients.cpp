#include "clients/echangesclients.h"

#include "clients/pageclients.h"

namespace zel {
namespace {

namespace L = ligneClient;

constexpr int kVilleMaxi = 255;

} // namespace

DispositionEchanges echangesClients() {
    return {DialogueTri::TTri,
            {L::Nom, L::CodePostal, L::Ville},
            {QStringLiteral("N"), QStringLiteral("N")},
            5,
            1,
            false,
            {L::Nom, L::Adresse1, L::Adresse2, L::CodePostal, L::Ville, L::Pays, L::Telephone},
            {L::Code, L::Nom, L::Adresse1, L::Adresse2, L::CodePostal, L::Ville, L::Pays,
             L::Telephone, L::Fax, L::Email},
            {},
            {}};
}

void FactCli(const QStringList& lignes, JeuDocuments& jeu, Dialogues& dialogues) {
    Importation import(jeu, Sorte::Clients, PageClients::disposition().lignesFixes, dialogues,
                       lignes.size());
    const auto ligne = [&lignes](qsizetype i) { return i < lignes.size() ? lignes[i] : QString(); };
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        if (!lignes[i].startsWith(u"<CLI>"))
            continue;
        if (i + 1 < lignes.size() && lignes[i + 1].isEmpty())
            continue;
        const QString codeEtVille = ligne(i + 4);
        const qsizetype blanc = codeEtVille.indexOf(u' ');
        if (!import.ajoute({QStringLiteral("N"), QStringLiteral("N"), ligne(i + 1), ligne(i + 2),
                            ligne(i + 3), codeEtVille.left(blanc < 0 ? codeEtVille.size() : blanc),
                            blanc < 0 ? QString() : codeEtVille.mid(blanc + 1, kVilleMaxi)}))
            break;
    }
    import.termine();
}

} // namespace zel
