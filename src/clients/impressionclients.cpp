#include "clients/impressionclients.h"

#include "records/impressionfiche.h"
#include "records/impressionliste.h"

namespace zel {

namespace {

namespace L = ligneClient;

DispositionFiche ficheClient() {
    return {
        rubriquesTiers({u"Code client", L::Code,    L::Nom,         L::Adresse1,     L::Adresse2,
                        L::CodePostal,  L::Ville,   L::Pays,        L::Telephone,    L::Fax,
                        L::Email,       L::Banque,  L::CodeBanque,  L::CodeGuichet,  L::Compte,
                        L::Rib,         u"Contact", L::Contact,     L::Representant, L::CreditMaxi,
                        L::TotalDu,     L::Risque,  L::CompteClient}),
        60,
        75,
        true,
        {{0, 70}},
        L::Nom};
}

void dessineEnveloppe(Cadre& cadre, const EnteteSociete& entete, const Destinataire& d, double g) {
    // The sender stays clear of the recipient's column.
    for (int i = 0; i < 4; ++i) {
        cadre.texte(5, g + 5 + 5 * i, entete[std::size_t(i)], 105);
        cadre.texte(110, g + 50 + 5 * i, d[std::size_t(i)]);
    }
}

} // namespace

void ImpFicheClient(Canevas& canevas, const Carte& carte) {
    imprimeFiche(canevas, carte, ficheClient());
}

void ImpCli(Canevas& canevas, const Blocs& clients, const std::vector<int>& blocs) {
    imprimeListe(canevas, clients, blocs, Entete1(),
                 colonnesNomsAdresses({L::Nom, L::Adresse1, L::Adresse2, L::CodePostal, L::Ville,
                                       L::Telephone, L::Fax}));
}

Destinataire destinataireClient(const QStringList& contenu) {
    return {ligneBloc(contenu, L::Nom), ligneBloc(contenu, L::Adresse1),
            ligneBloc(contenu, L::Adresse2),
            ligneBloc(contenu, L::CodePostal) + u' ' + ligneBloc(contenu, L::Ville)};
}

bool enveloppeInseree(Dialogues& dialogues) {
    return dialogues.okAnnuler(QStringLiteral("Insérez une enveloppe dans l'imprimante"));
}

void ImpEnv(Canevas& canevas, const EnteteSociete& entete, const Destinataire& destinataire,
            const ValeursIni& ini) {
    Cadre cadre(canevas);
    cadre.debut(ini.orientationEnveloppe == 1 ? Canevas::Orientation::Paysage
                                              : Canevas::Orientation::Portrait);
    dessineEnveloppe(cadre, entete, destinataire, ini.decalageGuide);
    cadre.fin();
}

std::optional<std::vector<int>> plageEnveloppes(PageClients& page, const JeuDocuments& jeu,
                                                Dialogues& dialogues) {
    std::optional<std::vector<int>> blocs = plageAImprimer(page, jeu, dialogues);
    if (blocs && blocs->empty()) {
        dialogues.message(
            QStringLiteral("Aucun client dans ces pages : aucune enveloppe n'est imprimée."));
        return std::nullopt;
    }
    return blocs;
}

void Enveloppes(Canevas& canevas, const Blocs& clients, const std::vector<int>& blocs,
                const EnteteSociete& entete, int decalage) {
    Cadre cadre(canevas);
    cadre.debut(Canevas::Orientation::Paysage);
    bool premiere = true;
    for (const int n : blocs) {
        if (!premiere)
            canevas.nouvellePage();
        premiere = false;
        dessineEnveloppe(cadre, entete, destinataireClient(clients.contenuBloc(n)), decalage);
    }
    cadre.fin();
}

} // namespace zel
