#pragma once

#include "clients/pageclients.h"
#include "purchasing/pagecommandes.h"
#include "records/copiedocument.h"
#include "records/echangespage.h"
#include "records/sortie.h"
#include "records/tampon.h"
#include "sales/pagefactures.h"
#include "stock/pagearticles.h"
#include "stock/pagefournisseurs.h"

#include <optional>

namespace zel {

// The import, export, sort and copy commands of the card window, on the tab shown. Each gives
// false when the tab shown has no such command.
class Echanges {
public:
    static const QString kFiltreImport;
    static const QString kFiltreExport;

    Echanges(JeuDocuments& jeu, Dialogues& dialogues, PageClients& clients,
             PageFournisseurs& fournisseurs, PageArticles& articles, PageFactures& factures,
             PageCommandes& commandes);

    // A table file (TAB-separated text, or a spreadsheet's ".csv") into the store of the tab
    // shown, or a client file of the sister program (a name ending in ".cli") into the clients;
    // the record shown is written back first, and the user told what was imported.
    bool Importer(Sorte onglet);
    // The records of the tab shown to a TAB-separated text or, for a name ending in ".csv", to a
    // spreadsheet text, the record shown written back first.
    bool Exporter(Sorte onglet);
    bool Trier(Sorte onglet);
    bool Copier(Sorte onglet) { return m_tampon.Copier(onglet); }
    bool Coller(Sorte onglet) { return m_tampon.Coller(onglet); }

    // The kinds that are imported and exported, by the names the command line gives them:
    // "clients", "fournisseurs", "articles", "factures".
    static std::optional<Sorte> sorteNommee(const QString& nom);
    // The import of an existing file into the store of a kind, as the command does after its
    // dialog; the card or document shown is written back first.
    BilanImport importe(Sorte sorte, const QString& nom);
    // The export of a kind's records through the writer given.
    Enregistrement exporte(Sorte sorte, const QString& nom, Sortie& sortie);

private:
    // What a tab imports and exports, or nothing; without it, the user is told what
    // "Les fiches s'" + verb from, unless the verb is empty.
    const EchangeSorte* echange(Sorte onglet, const QString& verbe);
    // Writes back the record shown on the tab of a kind.
    void ecritCourant(Sorte sorte);

    JeuDocuments& m_jeu;
    Dialogues& m_dialogues;
    EchangesPage m_clients;
    EchangesPage m_fournisseurs;
    EchangesPage m_articles;
    PageFactures& m_pageFactures;
    CopieDocument m_factures;
    CopieDocument m_commandes;
    TamponCopie m_tampon;
    std::array<EchangesPage*, kNombreSortes> m_pages{};
    // Every kind's column names, to tell a header of another kind.
    QSet<QString> m_connus;
};

} // namespace zel
