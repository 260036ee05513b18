#include "app/echanges.h"

#include "clients/echangesclients.h"
#include "records/sortie.h"
#include "stock/echangesstock.h"
#include "store/fichiertexte.h"

namespace zel {

const QString Echanges::kFiltreImport =
    QStringLiteral("Ficher texte (*.txt)|*.txt|Fichier clients Zel Facture (*.cli)|*.cli");
const QString Echanges::kFiltreExport = QStringLiteral("Fichier texte (*.txt)|*.txt");

Echanges::Echanges(JeuDocuments& jeu, Dialogues& dialogues, PageClients& clients,
                   PageFournisseurs& fournisseurs, PageArticles& articles, PageFactures& factures,
                   PageCommandes& commandes)
    : m_jeu(jeu), m_dialogues(dialogues), m_clients(clients, jeu, dialogues, echangesClients()),
      m_fournisseurs(fournisseurs, jeu, dialogues, echangesFournisseurs()),
      m_articles(articles, jeu, dialogues, echangesArticles(articles)),
      m_factures(factures, dialogues), m_commandes(commandes, dialogues), m_tampon(dialogues) {
    m_pages = {&m_clients, nullptr, &m_fournisseurs, &m_articles, nullptr};
    m_tampon.inscrit(Sorte::Clients, m_clients);
    m_tampon.inscrit(Sorte::Fournisseurs, m_fournisseurs);
    m_tampon.inscrit(Sorte::Articles, m_articles);
    m_tampon.inscrit(Sorte::Factures, m_factures);
    m_tampon.inscrit(Sorte::Commandes, m_commandes);
}

EchangesPage* Echanges::page(Sorte onglet, const QString& verbe) {
    EchangesPage* p = m_pages[std::size_t(indice(onglet))];
    if (!p && !verbe.isEmpty())
        m_dialogues.message(QStringLiteral("Les fiches s'%1 depuis la page des clients, des "
                                           "fournisseurs ou des articles.")
                                .arg(verbe));
    return p;
}

std::optional<QStringList> Echanges::litImport(const QString& nom) {
    QByteArray octets;
    if (Resultat r = fichier::lireOctets(nom, octets); !r) {
        m_dialogues.message(r.message());
        return std::nullopt;
    }
    // A NUL is dropped, not taken for the end of the text.
    octets.removeIf([](char c) { return c == '\0'; });
    return fichier::decoupeLignes(octets);
}

bool Echanges::Importer(Sorte onglet) {
    EchangesPage* p = page(onglet, QStringLiteral("importent"));
    if (!p)
        return true;
    const std::optional<QString> nom = m_dialogues.fichierAOuvrir(kFiltreImport);
    if (!nom)
        return true;
    if (!fichier::existe(*nom)) {
        m_dialogues.message(QStringLiteral("Le ficher ") + *nom + QStringLiteral("n'existe pas"));
        return true;
    }
    const bool factCli = nom->endsWith(QStringLiteral(".cli"), Qt::CaseInsensitive);
    if (factCli && onglet != Sorte::Clients) {
        m_dialogues.message(QStringLiteral("Un fichier clients Zel Facture s'importe depuis la "
                                           "page des clients."));
        return true;
    }
    const Sablier sablier(m_dialogues);
    const std::optional<QStringList> lignes = litImport(*nom);
    if (!lignes)
        return true;
    p->page().EcritFiche();
    if (factCli)
        FactCli(*lignes, m_jeu, m_dialogues);
    else
        p->importe(*lignes);
    // The card shown may stand for a record just imported: it is read again, then the last
    // record is shown.
    p->page().LitFiche();
    p->page().navigue(Pas::Dernier);
    return true;
}

bool Echanges::Exporter(Sorte onglet) {
    EchangesPage* p = page(onglet, QStringLiteral("exportent"));
    if (!p)
        return true;
    p->page().EcritFiche();
    const std::optional<QString> nom =
        m_dialogues.fichierAEnregistrer(kFiltreExport, QStringLiteral("Export.txt"));
    if (!nom || nom->isEmpty())
        return true;
    if (const Resultat r = Sortie(m_dialogues).ecrit(*nom, p->lignesExport()).resultat(); !r)
        m_dialogues.message(r.message());
    return true;
}

bool Echanges::Trier(Sorte onglet) {
    EchangesPage* p = page(onglet, QString());
    if (!p)
        return false;
    p->Trier();
    return true;
}

} // namespace zel
