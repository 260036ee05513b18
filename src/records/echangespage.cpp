#include "records/echangespage.h"

#include "records/tri.h"
#include "store/maintenance.h"

#include <algorithm>

namespace zel {

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

void EchangesPage::importe(const QStringList& lignes) {
    Importation import(m_jeu, m_page.sorte(), lignesFixes(), m_dialogues, lignes.size());
    for (const QString& ligne : lignes) {
        if (!import.ajoute(
                blocImporte(m_disposition, champsImport(ligne, m_disposition.decoupeArticle))))
            break;
    }
    import.termine();
}

QStringList EchangesPage::lignesExport() const {
    const Blocs& store = m_jeu.store(m_page.sorte());
    QStringList lignes;
    for (const LigneOuverture& o : store.ouvertures()) {
        QStringList champs;
        for (int l : m_disposition.lignesExport)
            champs.append(ligneDuBloc(store, o, l));
        lignes.append(champs.join(u'\t'));
    }
    return lignes;
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
