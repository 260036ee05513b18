#include "records/impressiondocument.h"

#include <algorithm>

namespace zel {

namespace {

namespace C = colonne;

const QString kFormatDate = QStringLiteral("dd/MM/yyyy");
// The ruled table holds rows from 105 mm down to 240 mm; the notes end at 215 mm.
constexpr double kPremiereRangee = 105;
constexpr double kInterligne = 5;
constexpr int kRangeesParPage = 28;
constexpr double kFinNotes = 215;

int rangeesImprimees(const Document& d) {
    return std::clamp(d.lignesUtilisees, 0, Document::kLignes);
}

// The rows the last page keeps free for the notes above the totals.
int rangeesDerniere(const Document& d) {
    const int notes = int(d.notes.size());
    return notes == 0 ? kRangeesParPage : std::max(1, kRangeesParPage - notes - 5);
}

void Dessin(Cadre& c, bool ttc) {
    c.canevas().epaisseurPlume(2);
    c.rectangle(20, 90, 190, 270);
    c.ligne(20, 100, 190, 100);
    c.ligne(20, 245, 190, 245);
    for (double x : {40, 115, 125, 150, 160, 185})
        c.ligne(x, 90, x, 245);
    for (double x : {140, 105, 75})
        c.ligne(x, 245, x, 270);
    c.ligne(140, 257, 190, 257);
    c.ligne(75, 257, 105, 257);
    c.police(10, true);
    c.texte(22, 92, QStringLiteral("Réf"));
    c.texte(42, 92, QStringLiteral("Désignation"));
    c.texte(116, 92, QStringLiteral("Qté"));
    c.texte(126, 92, QStringLiteral("Prix Unitaire"));
    c.texte(151, 92, QStringLiteral("R (%)"));
    c.texte(161, 92, titreMontant(ttc));
    c.texte(186, 92, QStringLiteral("T"));
    c.texte(50, 248, QStringLiteral("Total H.T."));
    c.texte(50, 261, QStringLiteral("Total TVA"));
    c.police(12, true);
    c.texte(108, 255, QStringLiteral("Total TTC"));
    c.police(10);
}

void EnTete(Cadre& c, const EnteteSociete& entete) {
    const struct {
        double y;
        int taille;
    } lignes[kLignesEntete] = {{0, 14}, {5, 10}, {10, 10}, {15, 10}, {20, 10}, {25, 8}, {30, 8}};
    for (int i = 0; i < kLignesEntete; ++i) {
        c.police(lignes[i].taille, true);
        c.texte(20, lignes[i].y, entete[std::size_t(i)]);
    }
    c.police(10);
}

// What every page carries: the client's address and the document's identification.
// The client's SIREN, when known, goes under the address, the page number at the right of it.
void identification(Cadre& c, const Document& d, const QString& libelleCode,
                    const QString& identifiant, int page, int pages) {
    c.police(10, true);
    for (int i = 0; i < 4; ++i)
        c.texte(116, 60 + 5 * i, d.adresse[std::size_t(i)]);
    c.police(12, true);
    c.texte(116, 84, QStringLiteral("Date ") + d.date.toString(kFormatDate));
    c.texte(20, 79, libelleCode + d.tiers);
    c.texte(20, 84, d.genre + QStringLiteral(" N° ") + d.numero);
    c.police(10);
    if (!identifiant.isEmpty())
        c.texte(116, 79, QStringLiteral("SIREN : ") + identifiant);
    if (pages > 1)
        c.texteDroite(189, 79, QStringLiteral("Page %1 / %2").arg(page).arg(pages));
    c.police(10);
}

void rangee(Cadre& c, double y, const LigneDocument& l) {
    // Each text holds within its column, up to the rule after it.
    c.texteCoupe(22, y, 17, l[C::Ref]);
    c.texteCoupe(42, y, 72, l[C::Designation]);
    c.texteDroite(124, y, l[C::Quantite].trimmed());
    c.texteDroite(149, y, l[C::Prix].trimmed());
    c.texteDroite(159, y, l[C::Remise].trimmed());
    c.texteDroite(184, y, l[C::Montant].trimmed());
    c.texte(186, y, l[C::Tva]);
}

void fin(Cadre& c, const Document& d, const Totaux& t) {
    c.police(10);
    c.texte(20, 273, QStringLiteral("Réglement : ") + d.conditions);
    c.police(12);
    c.texteDroite(104, 248, t.ht);
    c.texteDroite(104, 261, t.tva);
    c.police(12, true);
    c.texteDroite(189, 248, t.ttc + u' ' + t.legende);
    c.texteDroite(189, 261, t.converti + u' ' + t.legendeConvertie);
    c.police(10);
    const int n = int(d.notes.size());
    for (int i = 0; i < n; ++i)
        c.texte(22, std::max(kPremiereRangee, kFinNotes - 5.0 * (n - 1 - i)), d.notes[i]);
}

} // namespace

int pagesDocument(const Document& d) {
    const int rangees = rangeesImprimees(d);
    if (rangees <= rangeesDerniere(d))
        return 1;
    const int avant = rangees - rangeesDerniere(d);
    return 1 + (avant + kRangeesParPage - 1) / kRangeesParPage;
}

void imprimeDocument(Canevas& canevas, const Document& d, const Totaux& t, const Reglages& reglages,
                     const QString& libelleCode, const QString& identifiant) {
    Cadre c(canevas);
    c.debut();
    const int pages = pagesDocument(d);
    const int rangees = rangeesImprimees(d);
    int r = 0;
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            canevas.nouvellePage();
        const int mode = reglages.ini.miseEnPage;
        if (mode == 0 || mode == 1)
            Dessin(c, d.ttc);
        if (mode == 0)
            EnTete(c, reglages.entete);
        identification(c, d, libelleCode, identifiant, page, pages);
        const int sur = page == pages ? rangees - r : kRangeesParPage;
        for (int i = 0; i < sur; ++i, ++r)
            rangee(c, kPremiereRangee + kInterligne * i, d.lignes[std::size_t(r)]);
    }
    fin(c, d, t);
    c.fin();
}

} // namespace zel
