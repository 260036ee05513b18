// Arbitrary bytes loaded as the store of each kind of card: the integrity repair and the
// duplicate removal never crash, nor does reading a card; a card read and left alone is never
// written, and a card written back reads again into the same block (a grid row too short to
// keep ends the grid on the first writing, as it does on every later one). The invoice page
// reads the same bytes as documents and, once its prices are rounded, writes each back to what
// it reads again.
#include "app/fenetrefiche.h"
#include "clients/pageclients.h"
#include "records/carte.h"
#include "stock/pagearticles.h"
#include "stock/pagefournisseurs.h"
#include "store/fichiertexte.h"
#include "store/maintenance.h"
#include "support/dialoguesfactices.h"
#include "support/mesurefixe.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace zel;

namespace {

void exige(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lignes = fichier::decoupeLignes(octets);
    const QString format = QStringLiteral("0.00");
    const test::MesureFixe mesure;
    test::DialoguesFactices dialogues;
    const QDate jour(2026, 12, 7);
    for (const DispositionCarte& disposition :
         {PageClients::disposition(), PageFournisseurs::disposition(),
          PageArticles::disposition()}) {
        JeuDocuments jeu;
        Blocs& store = jeu.store(disposition.sorte);
        store.remplaceTout(lignes);
        // As a load does: tags in any letter case first written as tags.
        maintenance::normaliseBalises(store);
        int compte = store.CompteBlocs();
        maintenance::Verif(store, compte);
        maintenance::Doublons(store, compte);

        Carte carte(disposition, jeu, format, mesure, dialogues);
        Carte relue(disposition, jeu, format, mesure, dialogues);
        for (int n = 0; n < std::min(compte, 6); ++n) {
            const QStringList avant = store.lignes();
            carte.Lit(n, jour);
            carte.EcritSiModifiee(n);
            exige(store.lignes() == avant);
            // Written back, the card reads again as the store keeps it (a line that begins like
            // a tag is written after a blank), and from then on it no longer changes.
            store.RemplaceBloc(n, carte.Ecrit());
            relue.Lit(n, jour);
            const QStringList premiere = relue.Ecrit();
            store.RemplaceBloc(n, premiere);
            relue.Lit(n, jour);
            exige(relue.Ecrit() == premiere);
        }
    }

    // The same bytes as the invoice store and as the order store: each document reads, and a
    // document written back reads again as it was written.
    JeuDocuments jeu;
    Reglages reglages;
    FenetreFiche fenetre(jeu, reglages, dialogues, mesure);
    for (Sorte sorte : {Sorte::Factures, Sorte::Commandes}) {
        Blocs& documents = jeu.store(sorte);
        documents.remplaceTout(lignes);
        maintenance::normaliseBalises(documents);
        int compte = documents.CompteBlocs();
        maintenance::Verif(documents, compte);
        // One removal keeps all but one of the copies of a block; the copies left would shadow
        // the document written at the end, so they are removed as later loads would.
        for (qsizetype avant = -1; avant != documents.taille();) {
            avant = documents.taille();
            maintenance::Doublons(documents, compte);
        }
        jeu.setCompte(sorte, std::max(compte, 1));
        PageDocument& page = *fenetre.document(sorte);
        for (int n = 0; n < std::min(compte, 4); ++n) {
            // The first reading computes the amounts from the prices as stored and rewrites the
            // prices rounded; from the second on, the document no longer changes.
            jeu.setCourant(sorte, n);
            QStringList ecrits[3];
            for (QStringList& ecrit : ecrits) {
                page.Lit();
                page.marque();
                page.Ecrit();
                ecrit = documents.contenuBloc(n);
            }
            exige(ecrits[2] == ecrits[1]);
        }
    }
    return 0;
}
