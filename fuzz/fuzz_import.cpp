// Arbitrary bytes, in any character set, imported as a TAB-separated text, a spreadsheet's CSV
// or a sister client file, on the clients, suppliers, articles or invoices page, into an empty
// set or a set of one record; the store is saved and read again. The store read back is balanced
// (no tag to rewrite, nothing for the integrity check to rebuild, no duplicate), holds exactly
// the count of blocks, and every card's block holds the card's fixed lines, each fit to stand as
// a field, and further lines with no control character but the TABs between cells, and reads
// into its card as it stands.
// (The save's own writing of the files is fuzzed with the whole set in fuzz_jeu.)
#include "app/fenetrefiche.h"
#include "commun.h"
#include "records/texte.h"
#include "store/fichiertexte.h"
#include "store/maintenance.h"
#include "support/dialoguesfactices.h"
#include "support/mesurefixe.h"

#include <algorithm>

using namespace zel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static QTemporaryDir dossier;
    const QDir d(dossier.path());
    const Sorte sortes[] = {Sorte::Clients, Sorte::Fournisseurs, Sorte::Articles, Sorte::Factures};
    const Sorte sorte = sortes[data[0] % 4];
    const QString noms[] = {QStringLiteral("i.txt"), QStringLiteral("i.csv"),
                            QStringLiteral("i.CLI")};
    const bool unBloc = (data[0] / 4) % 2 == 1;
    const QString import = d.filePath(noms[(data[0] / 8) % 3]);
    fuzz::ecrit(import, QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));

    JeuDocuments jeu;
    Reglages reglages;
    test::DialoguesFactices dialogues;
    test::MesureFixe mesure;
    FenetreFiche fenetre(jeu, reglages, dialogues, mesure);
    fenetre.montre(sorte);
    PageCarte* carte = fenetre.page(sorte);
    const int fixes = carte ? carte->carte().disposition().lignesFixes : 11;
    if (unBloc) {
        jeu.store(sorte).AjouteBloc(0, QStringList(fixes, QStringLiteral("1")));
        jeu.setCompte(sorte, 1);
    }
    dialogues.fichiers = {import};
    fuzz::exige(fenetre.execute(Operation::Importer));
    fuzz::exige(dialogues.sabliers == 0);

    // Saved as a save writes it (the cards written back, the leading blank lines gone, the
    // code page), and read back as a load reads it.
    fenetre.ecritCartes();
    fenetre.compacteStore(sorte);
    // The invoice page counts the new document it shows before it is written.
    const int compte = jeu.store(sorte).CompteBlocs();
    fuzz::exige(jeu.compte(sorte) == compte || (!carte && jeu.compte(sorte) == compte + 1));
    QByteArray octets;
    fuzz::exige(fichier::encodeLignes(jeu.store(sorte).lignes(), octets).ok());
    const QStringList lignes = fichier::decoupeLignes(octets);
    Blocs relu;
    relu.remplaceTout(lignes);
    int verifie = compte;
    fuzz::exige(maintenance::normaliseBalises(relu) == 0);
    fuzz::exige(!maintenance::Verif(relu, verifie) && verifie == compte);
    fuzz::exige(maintenance::Doublons(relu, compte) == 0);
    fuzz::exige(relu.CompteBlocs() == compte);

    for (int n = 0; n < std::min(compte, 50); ++n) {
        const QStringList bloc = relu.contenuBloc(n);
        fuzz::exige(bloc.size() >= fixes);
        for (qsizetype i = 0; i < bloc.size(); ++i) {
            fuzz::exige(i >= fixes || !refusChamp(bloc[i]));
            fuzz::exige(!Blocs::commeUneBalise(bloc[i]));
            fuzz::exige(std::none_of(bloc[i].begin(), bloc[i].end(), [](QChar c) {
                return c != u'\t' && c.category() == QChar::Other_Control;
            }));
        }
    }
    if (!carte)
        return 0;
    PageCarte& page = *carte;
    jeu.store(sorte).remplaceTout(lignes);
    const DispositionCarte& disposition = page.carte().disposition();
    for (int n = std::min(compte, unBloc ? 1 : 0); n < std::min(compte, 50); ++n) {
        const QStringList bloc = relu.contenuBloc(n);
        jeu.setCourant(sorte, n);
        page.LitFiche(true);
        for (int l = 1; l <= fixes; ++l) {
            const bool montant =
                std::any_of(disposition.montants.begin(), disposition.montants.end(),
                            [l](const ChampMontant& m) { return m.ligne == l; });
            const bool coche =
                std::count(disposition.cases.begin(), disposition.cases.end(), l) +
                    std::count(disposition.casesOui.begin(), disposition.casesOui.end(), l) >
                0;
            fuzz::exige(montant || coche || page.carte().champ(l) == bloc[l - 1]);
        }
        page.EcritFiche();
        fuzz::exige(jeu.store(sorte).lignes() == lignes);
    }
    return 0;
}
