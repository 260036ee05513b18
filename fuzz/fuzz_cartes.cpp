// Arbitrary bytes loaded as the store of each kind of card: the integrity repair leaves a store
// that needs no further repair, reading a card never crashes, a card read and left alone is never
// written, and a card written back reads again as it was.
#include "app/carte.h"
#include "clients/pageclients.h"
#include "purchasing/pagefournisseurs.h"
#include "stock/pagearticles.h"
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

bool memeCarte(const Carte& a, const Carte& b) {
    for (int l = 1; l <= a.disposition().lignesFixes; ++l)
        if (a.champ(l) != b.champ(l))
            return false;
    for (int i = 0; i < int(a.disposition().memos.size()); ++i)
        if (a.memo(i) != b.memo(i))
            return false;
    for (int r = 0; r < Carte::kLignesGrille; ++r) {
        const LigneCompte &x = a.ligneGrille(r), &y = b.ligneGrille(r);
        if (x.date != y.date || x.libelle != y.libelle || x.montant != y.montant)
            return false;
    }
    return true;
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
        int compte = store.CompteBlocs();
        maintenance::Verif(store, compte);
        maintenance::Doublons(store, compte);
        int recompte = compte;
        exige(!maintenance::Verif(store, recompte) && recompte == compte);

        Carte carte(disposition, jeu, format, mesure, dialogues);
        Carte relue(disposition, jeu, format, mesure, dialogues);
        for (int n = 0; n < std::min(compte, 6); ++n) {
            const QStringList avant = store.lignes();
            carte.Lit(n, jour);
            carte.EcritSiModifiee(n);
            exige(store.lignes() == avant);
            store.RemplaceBloc(n, carte.Ecrit());
            relue.Lit(n, jour);
            exige(memeCarte(carte, relue));
        }
    }
    return 0;
}
