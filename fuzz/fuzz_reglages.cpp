// Arbitrary settings files flowing into the amounts and the totals: whatever the file says,
// the settings read lie within their ranges, every total is a finite, formatted amount, and the
// totals read without rewriting the lines are those of the page.
#include "commun.h"
#include "records/totaux.h"
#include "store/fichiertexte.h"
#include "support/mesurefixe.h"

#include <cmath>

using namespace zel;

constexpr int kLignes = 63;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<QByteArray> m = fuzz::morceaux(data, size, 2);
    Reglages reglages;
    (void)reglages.litIni(fichier::decoupeLignes(m[0]));
    const ValeursIni& v = reglages.ini;
    for (double taux : v.tauxTva)
        fuzz::exige(std::isfinite(taux) && taux > -100 && taux <= 1000);
    fuzz::exige(v.modeDevise >= 0 && v.modeDevise <= 2 && v.decimales >= 0 && v.decimales <= 9);
    // The SIREN kept is none or nine digits, and the file written keeps it.
    fuzz::exige(v.siren.isEmpty() || litSiren(v.siren) == v.siren);
    Reglages relus;
    (void)relus.litIni(reglages.lignesIni(QString()));
    fuzz::exige(relus.ini.siren == v.siren);

    // The second piece gives the lines' cells, TAB-separated, a line per line.
    std::vector<LigneDocument> lignes(kLignes);
    const QStringList textes = fichier::decoupeLignes(m[1]);
    for (int r = 0; r < std::min<int>(int(textes.size()), kLignes); ++r) {
        const QStringList cellules = textes[r].split(u'\t');
        for (int c = 0; c < 7 && c < cellules.size(); ++c)
            lignes[std::size_t(r)][std::size_t(c)] = cellules[c].left(40);
    }
    test::MesureFixe mesure;
    for (const bool ttc : {false, true}) {
        std::vector<LigneDocument> copie = lignes;
        const Totaux t = Calculef(copie, ttc, reglages, mesure);
        // Read without rewriting the cells, the same lines give the same totals.
        const Totaux lus = totauxDe(sommesDocument(lignes, ttc, v), reglages);
        fuzz::exige(lus.ht == t.ht && lus.tva == t.tva && lus.ttc == t.ttc &&
                    lus.converti == t.converti);
        for (const QString& montant : {t.ht, t.tva, t.ttc})
            fuzz::exige(!montant.contains(QLatin1String("inf")) &&
                        !montant.contains(QLatin1String("nan")));
    }
    return 0;
}
