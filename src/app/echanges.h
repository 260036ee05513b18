#pragma once

#include "clients/pageclients.h"
#include "purchasing/pagecommandes.h"
#include "records/copiedocument.h"
#include "records/echangespage.h"
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

    // A TAB-separated text file into the store of the tab shown, or a client file of the sister
    // program (a name ending in ".cli") into the clients; the card shown is written back first.
    bool Importer(Sorte onglet);
    // The records of the tab shown to a text file, the card shown written back first.
    bool Exporter(Sorte onglet);
    bool Trier(Sorte onglet);
    bool Copier(Sorte onglet) { return m_tampon.Copier(onglet); }
    bool Coller(Sorte onglet) { return m_tampon.Coller(onglet); }

private:
    // The page of a tab, or nothing; without it, the user is told what "Les fiches s'" + verb
    // from, unless the verb is empty.
    EchangesPage* page(Sorte onglet, const QString& verbe);
    std::optional<QStringList> litImport(const QString& nom);

    JeuDocuments& m_jeu;
    Dialogues& m_dialogues;
    EchangesPage m_clients;
    EchangesPage m_fournisseurs;
    EchangesPage m_articles;
    CopieDocument m_factures;
    CopieDocument m_commandes;
    TamponCopie m_tampon;
    std::array<EchangesPage*, kNombreSortes> m_pages{};
};

} // namespace zel
