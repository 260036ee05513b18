#include "records/impressiondocument.h"

#include <algorithm>

namespace zel {

namespace {

namespace C = colonne;

const QString kFormatDate = QStringLiteral("dd/MM/yyyy");
// The ruled table holds rows from 105 mm down to 240 mm; the notes end at 215 mm when they can.
constexpr double kPremiereRangee = 105;
constexpr double kInterligne = 5;
constexpr int kRangeesParPage = 28;
constexpr int kRangeesAuDessusDesNotes = 23;
// The frame's right edge, where the texts beside and under it end as well.
constexpr double kBord = 190;

bool rangeeVide(const LigneDocument& l) {
    return std::all_of(l.begin(), l.end(),
                       [](const QString& cellule) { return cellule.trimmed().isEmpty(); });
}

int rangeesImprimees(const Document& d) {
    int n = std::clamp(d.lignesUtilisees, 0, Document::kLignes);
    while (n > 0 && rangeeVide(d.lignes[std::size_t(n - 1)]))
        --n;
    return n;
}

double yRangee(int rangee) {
    return kPremiereRangee + kInterligne * rangee;
}

void Dessin(Cadre& c, bool ttc) {
    c.plume(2);
    c.rectangle(20, 90, kBord, 270);
    c.ligne(20, 100, kBord, 100);
    c.ligne(20, 245, kBord, 245);
    for (double x : {40, 115, 125, 150, 160, 185})
        c.ligne(x, 90, x, 245);
    for (double x : {140, 105, 75})
        c.ligne(x, 245, x, 270);
    c.ligne(140, 257, kBord, 257);
    c.ligne(75, 257, 105, 257);
    c.police(10, true);
    // Each title within its column, up to the rule after it.
    const struct {
        double x;
        QString titre;
        double fin;
    } titres[] = {{22, QStringLiteral("Réf"), 39},     {42, QStringLiteral("Désignation"), 114},
                  {116, QStringLiteral("Qté"), 124},   {126, QStringLiteral("Prix Unitaire"), 149},
                  {151, QStringLiteral("R (%)"), 159}, {161, titreMontant(ttc), 184},
                  {186, QStringLiteral("T"), 189}};
    for (const auto& t : titres)
        c.texte(t.x, 92, t.titre, t.fin, Ajuste::Reduit);
    c.texte(50, 248, QStringLiteral("Total H.T."), 74, Ajuste::Reduit);
    c.texte(50, 261, QStringLiteral("Total TVA"), 74, Ajuste::Reduit);
    c.police(12, true);
    c.texte(108, 255, QStringLiteral("Total TTC"), 139, Ajuste::Reduit);
    c.police(10);
}

void EnTete(Cadre& c, const EnteteSociete& entete) {
    const struct {
        double y;
        int taille;
    } lignes[kLignesEntete] = {{0, 14}, {5, 10}, {10, 10}, {15, 10}, {20, 10}, {25, 8}, {30, 8}};
    for (int i = 0; i < kLignesEntete; ++i) {
        c.police(lignes[i].taille, true);
        c.texte(20, lignes[i].y, entete[std::size_t(i)], kBord);
    }
    c.police(10);
}

// What every page carries: the client's address and the document's identification.
// The client's SIREN, when known, goes under the address, the page number at the right of it.
void identification(Cadre& c, const Document& d, const QString& libelleCode,
                    const QString& identifiant, int page, int pages) {
    c.police(10, true);
    for (int i = 0; i < 4; ++i)
        c.texte(116, 60 + 5 * i, d.adresse[std::size_t(i)], kBord);
    c.police(12, true);
    c.texte(116, 84, QStringLiteral("Date ") + d.date.toString(kFormatDate), kBord, Ajuste::Reduit);
    c.texte(20, 79, libelleCode + d.tiers, 114, Ajuste::Reduit);
    c.texte(20, 84, d.genre + QStringLiteral(" N° ") + d.numero, 114, Ajuste::Reduit);
    c.police(10);
    if (!identifiant.isEmpty())
        c.texte(116, 79, QStringLiteral("SIREN : ") + identifiant, 160, Ajuste::Reduit);
    if (pages > 1)
        c.texteDroite(kBord - 1, 79, QStringLiteral("Page %1 / %2").arg(page).arg(pages), 161);
    c.police(10);
}

void rangee(Cadre& c, double y, const LigneDocument& l) {
    // Each text holds within its column, up to the rule after it; figures right-aligned.
    c.texte(22, y, l[C::Ref], 39);
    c.texte(42, y, l[C::Designation], 114);
    c.texteDroite(124, y, l[C::Quantite].trimmed(), 116);
    c.texteDroite(149, y, l[C::Prix].trimmed(), 126);
    c.texteDroite(159, y, l[C::Remise].trimmed(), 151);
    c.texteDroite(184, y, l[C::Montant].trimmed(), 161);
    c.texte(186, y, l[C::Tva], 189);
}

void fin(Cadre& c, const Document& d, const Totaux& t) {
    c.police(10);
    c.texte(20, 273, QStringLiteral("Réglement : ") + d.conditions, kBord);
    c.police(12);
    c.texteDroite(104, 248, t.ht, 76);
    c.texteDroite(104, 261, t.tva, 76);
    c.police(12, true);
    c.texteDroite(189, 248, t.ttc + u' ' + t.legende, 141);
    c.texteDroite(189, 261, t.converti + u' ' + t.legendeConvertie, 141);
    c.police(10);
}

} // namespace

std::vector<FeuilleDocument> feuillesDocument(const Document& d) {
    const int lignes = rangeesImprimees(d);
    const int notes = int(d.notes.size());
    std::vector<FeuilleDocument> feuilles;
    if (notes > kRangeesParPage) {
        const int rangees = lignes + notes;
        for (int debut = 0; debut < rangees; debut += kRangeesParPage) {
            const int fin = std::min(rangees, debut + kRangeesParPage);
            FeuilleDocument f;
            f.premiereLigne = std::min(debut, lignes);
            f.lignes = std::max(0, std::min(fin, lignes) - debut);
            f.premiereNote = std::max(0, debut - lignes);
            f.notes = fin - debut - f.lignes;
            f.rangeeNotes = f.lignes;
            feuilles.push_back(f);
        }
        return feuilles;
    }
    // As few pages as the rows need, full ones first; the last one keeps lines of its own.
    const int pages = std::max(1, (lignes + notes + kRangeesParPage - 1) / kRangeesParPage);
    int derniere = lignes - kRangeesParPage * (pages - 1);
    if (derniere < 1)
        derniere = std::min(lignes, kRangeesParPage - notes);
    const int avant = lignes - derniere;
    for (int p = 0; p + 1 < pages; ++p)
        feuilles.push_back(
            {kRangeesParPage * p, std::min(kRangeesParPage, avant - kRangeesParPage * p), 0, 0, 0});
    feuilles.push_back(
        {avant, derniere, 0, notes, std::max(derniere, kRangeesAuDessusDesNotes - notes)});
    return feuilles;
}

void imprimeDocument(Canevas& canevas, const Document& d, const Totaux& t, const Reglages& reglages,
                     const QString& libelleCode, const QString& identifiant) {
    Cadre c(canevas);
    c.debut();
    const std::vector<FeuilleDocument> feuilles = feuillesDocument(d);
    const int pages = int(feuilles.size());
    const int mode = reglages.ini.miseEnPage;
    for (int page = 1; page <= pages; ++page) {
        const FeuilleDocument& f = feuilles[std::size_t(page - 1)];
        if (page > 1)
            canevas.nouvellePage();
        if (mode == 0 || mode == 1)
            Dessin(c, d.ttc);
        if (mode == 0)
            EnTete(c, reglages.entete);
        identification(c, d, libelleCode, identifiant, page, pages);
        for (int i = 0; i < f.lignes; ++i)
            rangee(c, yRangee(i), d.lignes[std::size_t(f.premiereLigne + i)]);
        for (int i = 0; i < f.notes; ++i)
            c.texte(22, yRangee(f.rangeeNotes + i), d.notes[f.premiereNote + i], 189);
    }
    fin(c, d, t);
    c.fin();
}

void imprimeDocument(Canevas& canevas, const PageDocument& page, const Reglages& reglages) {
    imprimeDocument(canevas, page.document(), page.totaux(), reglages,
                    page.disposition().libelleCode, page.identifiantTiers());
}

} // namespace zel
