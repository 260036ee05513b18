// Arbitrary bytes loaded as the article store, then every article's prices recalculated: the
// run never crashes, changes only the coefficient and sale price lines of complete article
// blocks (never a tag, never the line count), and a second run with the same rates changes
// nothing more.
#include "app/fenetrefiche.h"
#include "commun.h"
#include "store/fichiertexte.h"
#include "store/maintenance.h"
#include "support/dialoguesfactices.h"
#include "support/mesurefixe.h"

#include <QSet>

using namespace zel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    JeuDocuments jeu;
    Reglages reglages;
    test::DialoguesFactices dialogues;
    const test::MesureFixe mesure;
    FenetreFiche fenetre(jeu, reglages, dialogues, mesure);
    Blocs& articles = jeu.BlocsArt();
    articles.remplaceTout(fichier::decoupeLignes(octets));
    // As a load does.
    maintenance::normaliseBalises(articles);
    int compte = articles.CompteBlocs();
    maintenance::Verif(articles, compte);
    maintenance::Doublons(articles, compte);
    jeu.setCompte(Sorte::Articles, compte);
    fenetre.montre(Sorte::Articles);

    const QStringList avant = articles.lignes();
    dialogues.confirmations.push_back(true);
    fenetre.articles().Recalc();
    const QStringList apres = articles.lignes();
    fuzz::exige(apres.size() == avant.size());
    QSet<qsizetype> ouvertures;
    for (const LigneOuverture& o : articles.ouvertures())
        ouvertures.insert(o.position);
    for (qsizetype i = 0; i < avant.size(); ++i) {
        if (apres[i] == avant[i])
            continue;
        fuzz::exige(!Blocs::commeUneBalise(avant[i]) && !Blocs::commeUneBalise(apres[i]));
        // Lines 14 to 16 of a block: the coefficient and the two sale prices.
        fuzz::exige(ouvertures.contains(i - 14) || ouvertures.contains(i - 15) ||
                    ouvertures.contains(i - 16));
    }

    dialogues.confirmations.push_back(true);
    fenetre.articles().Recalc();
    fuzz::exige(articles.lignes() == apres);
    return 0;
}
