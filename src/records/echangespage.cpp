#include "records/echangespage.h"

#include "records/tri.h"
#include "store/maintenance.h"

#include <algorithm>

namespace zel {

QStringList colonnesCoordonnees() {
    return {QStringLiteral("Nom/Soc"),     QStringLiteral("Adresse"),
            QStringLiteral("Adresse 2"),   QStringLiteral("Code postal"),
            QStringLiteral("Ville"),       QStringLiteral("Pays"),
            QStringLiteral("Téléphone"),   QStringLiteral("Fax"),
            QStringLiteral("E.mail"),      QStringLiteral("Banque"),
            QStringLiteral("Code banque"), QStringLiteral("Code guichet"),
            QStringLiteral("N° compte"),   QStringLiteral("Rib")};
}

DispositionTable tableCarte(const DispositionCarte& carte, const QStringList& noms,
                            const QStringList& nomsMemos, int ligneNom) {
    DispositionTable t{carte.lignesFixes, {}, {}, ligneNom};
    for (int l = 1; l <= carte.lignesFixes; ++l) {
        const bool montant = l == carte.ligneSaisieMontant ||
                             std::any_of(carte.montants.begin(), carte.montants.end(),
                                         [l](const ChampMontant& m) { return m.ligne == l; });
        t.champs.push_back({l, noms.value(l - 1), montant});
    }
    for (qsizetype i = 0; i < carte.memos.size(); ++i)
        t.parties.push_back({carte.memos[i], {nomsMemos.value(i)}});
    t.parties.push_back(
        {QStringLiteral("DATA"),
         {QStringLiteral("Date"), QStringLiteral("Libellé"), QStringLiteral("Montant")},
         {2}});
    for (int l : carte.cases)
        t.defauts.emplace_back(l, QStringLiteral("N"));
    for (int l : carte.casesOui)
        t.defauts.emplace_back(l, QStringLiteral("Y"));
    return t;
}

EchangesPage::EchangesPage(PageCarte& page, JeuDocuments& jeu, Dialogues& dialogues,
                           DispositionEchanges disposition)
    : m_page(page), m_jeu(jeu), m_dialogues(dialogues), m_disposition(std::move(disposition)) {}

void EchangesPage::Trier() {
    const std::optional<int> choix = m_dialogues.trie(m_disposition.dialogueTri);
    if (!choix || *choix < 0 || *choix >= int(m_disposition.clesTri.size()))
        return;
    m_page.EcritFiche();
    const Sorte sorte = m_page.sorte();
    m_jeu.setCompte(sorte, trieBlocs(m_jeu.store(sorte), m_disposition.clesTri[*choix]));
    m_jeu.SetSauve();
    m_page.LitFiche();
}

QStringList EchangesPage::copie() {
    QStringList cases;
    for (int l : m_disposition.lignesCopie)
        cases.append(m_page.carte().champ(l));
    return cases;
}

void EchangesPage::colle(const QStringList& cases) {
    Carte& carte = m_page.carte();
    const Blocs& store = m_jeu.store(m_page.sorte());
    if (store.ChercheBloc(m_page.courant()) < 0)
        carte.setChamp(PageCarte::kLigneCode, QString::number(maintenance::prochainCode(store)));
    const auto& lignes = m_disposition.lignesCopie;
    const auto& nonCollees = m_disposition.nonCollees;
    for (std::size_t i = 1; i < lignes.size() && i < std::size_t(cases.size()); ++i) {
        if (std::find(nonCollees.begin(), nonCollees.end(), lignes[i]) == nonCollees.end())
            carte.saisit(lignes[i], cases[qsizetype(i)]);
    }
    carte.marque();
    if (m_disposition.apresCollage)
        m_disposition.apresCollage();
}

} // namespace zel
