// Browsing, searching and the next codes over arbitrary stores: every step lands on a block
// number a tag can carry, and nothing loops or crashes.
#include "app/fenetrefiche.h"
#include "commun.h"
#include "store/fichiertexte.h"
#include "store/maintenance.h"
#include "support/dialoguesfactices.h"
#include "support/mesurefixe.h"

using namespace zel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<QByteArray> m = fuzz::morceaux(data, size, 2);
    JeuDocuments jeu;
    Reglages reglages;
    test::DialoguesFactices dialogues;
    test::MesureFixe mesure;
    FenetreFiche fenetre(jeu, reglages, dialogues, mesure);
    for (Sorte s : kToutesSortes) {
        Blocs& b = jeu.store(s);
        b.remplaceTout(fichier::decoupeLignes(m[0]));
        jeu.setCompte(s, b.CompteBlocs());
        (void)maintenance::prochainCode(b);
    }
    // The second piece drives the steps: each byte one operation on one tab.
    for (const char c : m[1].left(64)) {
        const auto octet = static_cast<unsigned char>(c);
        fenetre.montre(kToutesSortes[octet % 4]);
        static constexpr Operation operations[] = {
            Operation::Premier, Operation::Suivant, Operation::Precedent, Operation::Dernier,
            Operation::RechNom, Operation::RechNum, Operation::Liste,     Operation::Ajout};
        dialogues.saisies.push_back(QString::fromLatin1(m[0].left(octet % 8)));
        dialogues.choix.push_back(octet % 5);
        fenetre.execute(operations[(octet / 4) % 8]);
        for (Sorte s : kToutesSortes)
            fuzz::exige(jeu.courant(s) >= 0 && jeu.courant(s) < Blocs::kNumerosPossibles);
        dialogues.vus.clear();
    }
    return 0;
}
