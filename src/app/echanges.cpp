#include "app/echanges.h"

#include "clients/echangesclients.h"
#include "sales/echangesfactures.h"
#include "stock/echangesstock.h"
#include "store/fichiertexte.h"

namespace zel {

const QString Echanges::kFiltreImport =
    QStringLiteral("Ficher texte (*.txt)|*.txt|Feuille de calcul (CSV) (*.csv)|*.csv|"
                   "Fichier clients Zel Facture (*.cli)|*.cli");
const QString Echanges::kFiltreExport =
    QStringLiteral("Fichier texte (*.txt)|*.txt|Feuille de calcul (CSV) (*.csv)|*.csv");

Echanges::Echanges(JeuDocuments& jeu, Dialogues& dialogues, PageClients& clients,
                   PageFournisseurs& fournisseurs, PageArticles& articles, PageFactures& factures,
                   PageCommandes& commandes)
    : m_jeu(jeu), m_dialogues(dialogues), m_clients(clients, jeu, dialogues, echangesClients()),
      m_fournisseurs(fournisseurs, jeu, dialogues, echangesFournisseurs()),
      m_articles(articles, jeu, dialogues, echangesArticles(articles)), m_pageFactures(factures),
      m_factures(factures, dialogues), m_commandes(commandes, dialogues), m_tampon(dialogues) {
    m_pages = {&m_clients, nullptr, &m_fournisseurs, &m_articles, nullptr};
    m_tampon.inscrit(Sorte::Clients, m_clients);
    m_tampon.inscrit(Sorte::Fournisseurs, m_fournisseurs);
    m_tampon.inscrit(Sorte::Articles, m_articles);
    m_tampon.inscrit(Sorte::Factures, m_factures);
    m_tampon.inscrit(Sorte::Commandes, m_commandes);
    for (const EchangeSorte* e :
         {&echangeClients(), &echangeFournisseurs(), &echangeArticles(), &echangeFactures()}) {
        for (const QString& nom : nomsColonnes(e->table))
            m_connus.insert(nom.toCaseFolded());
    }
}

std::optional<Sorte> Echanges::sorteNommee(const QString& nom) {
    if (nom == u"clients")
        return Sorte::Clients;
    if (nom == u"fournisseurs")
        return Sorte::Fournisseurs;
    if (nom == u"articles")
        return Sorte::Articles;
    if (nom == u"factures")
        return Sorte::Factures;
    return std::nullopt;
}

const EchangeSorte* Echanges::echange(Sorte onglet, const QString& verbe) {
    if (onglet == Sorte::Factures)
        return &echangeFactures();
    if (const EchangesPage* p = m_pages[std::size_t(indice(onglet))])
        return &p->echange();
    if (!verbe.isEmpty())
        m_dialogues.message(QStringLiteral("Les fiches s'%1 depuis la page des clients, des "
                                           "fournisseurs, des articles ou des factures.")
                                .arg(verbe));
    return nullptr;
}

void Echanges::ecritCourant(Sorte sorte) {
    if (sorte == Sorte::Factures)
        m_pageFactures.Ecrit();
    else if (EchangesPage* p = m_pages[std::size_t(indice(sorte))])
        p->page().EcritFiche();
}

BilanImport Echanges::importe(Sorte sorte, const QString& nom) {
    const bool factCli = nom.endsWith(QStringLiteral(".cli"), Qt::CaseInsensitive);
    if (factCli && sorte != Sorte::Clients)
        return {true, 0,
                QStringLiteral("Un fichier clients Zel Facture s'importe depuis la page des "
                               "clients.")};
    QByteArray octets;
    if (Resultat r = fichier::lireOctets(nom, octets); !r)
        return {true, 0, r.message()};
    ecritCourant(sorte);
    if (factCli)
        return FactCli(octets, m_jeu, m_dialogues);
    const EchangeSorte* e = echange(sorte, QString());
    return importeTable(octets, nomTableur(nom) ? FormatTable::Csv : FormatTable::Tabulations,
                        m_jeu, *e, m_connus, m_dialogues);
}

bool Echanges::Importer(Sorte onglet) {
    if (!echange(onglet, QStringLiteral("importent")))
        return true;
    const std::optional<QString> nom = m_dialogues.fichierAOuvrir(kFiltreImport);
    if (!nom)
        return true;
    if (!fichier::existe(*nom)) {
        m_dialogues.message(QStringLiteral("Le ficher ") + *nom + QStringLiteral("n'existe pas"));
        return true;
    }
    BilanImport bilan;
    {
        const Sablier sablier(m_dialogues);
        bilan = importe(onglet, *nom);
    }
    m_dialogues.message(bilan.message);
    // The record shown may stand for one just imported: it is read again, then the last record
    // is shown.
    if (onglet == Sorte::Factures) {
        m_pageFactures.Lit();
        m_pageFactures.navigue(Pas::Dernier);
    } else {
        PageCarte& page = m_pages[std::size_t(indice(onglet))]->page();
        page.LitFiche();
        page.navigue(Pas::Dernier);
    }
    return true;
}

Enregistrement Echanges::exporte(Sorte sorte, const QString& nom, Sortie& sortie) {
    const EchangeSorte* e = echange(sorte, QString());
    ecritCourant(sorte);
    const Blocs& store = m_jeu.store(sorte);
    return sortie.ecrit(
        nom, [&](QByteArray& octets) { return exporteSorte(store, *e, nomTableur(nom), octets); });
}

bool Echanges::Exporter(Sorte onglet) {
    if (!echange(onglet, QStringLiteral("exportent")))
        return true;
    ecritCourant(onglet);
    const std::optional<QString> nom =
        m_dialogues.fichierAEnregistrer(kFiltreExport, QStringLiteral("Export.txt"));
    if (!nom || nom->isEmpty())
        return true;
    Sortie sortie(m_dialogues);
    if (const Resultat r = exporte(onglet, *nom, sortie).resultat(); !r)
        m_dialogues.message(r.message());
    return true;
}

bool Echanges::Trier(Sorte onglet) {
    EchangesPage* p = m_pages[std::size_t(indice(onglet))];
    if (!p)
        return false;
    p->Trier();
    return true;
}

} // namespace zel
