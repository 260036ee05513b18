#include "store/maintenance.h"

#include <limits>
#include <vector>

namespace zel::maintenance {
namespace {

const QString kOuverture = QStringLiteral("<BLOC");
const QString kFermeture = QStringLiteral("</BLOC");

// The closing tag that goes with an opening line: </BLOC0007> for <BLOC0007>, and the same
// text with a slash for a tag whose number cannot be read.
QString fermetureDe(const QString& ouverture) {
    return QStringLiteral("</") + ouverture.mid(1);
}

// The last line of the block opening at `debut`: its closing tag, or the line before the next
// opening tag, or the last line of the store. Gives whether the block was closed.
int finDuBloc(const Blocs& store, int debut, bool& ferme) {
    const QString fermeture = fermetureDe(store.ligne(debut));
    for (int i = debut + 1; i < store.taille(); ++i) {
        const QString& ligne = store.ligne(i);
        if (ligne.compare(fermeture, Qt::CaseInsensitive) == 0) {
            ferme = true;
            return i;
        }
        if (ligne.startsWith(kOuverture)) {
            ferme = false;
            return i - 1;
        }
    }
    ferme = false;
    return store.taille() - 1;
}

// Copies the block opening at `debut` as block `numero`, always closed; stray closing tags
// inside it are left out so that the copy balances.
void copieBloc(const Blocs& store, int debut, int numero, QStringList& vers,
               std::vector<bool>& copiee) {
    bool ferme = false;
    const int fin = finDuBloc(store, debut, ferme);
    const Balises b = Blocs::BalisesBloc(numero);
    vers.append(b.ouverture);
    const int dernier = ferme ? fin - 1 : fin;
    for (int i = debut + 1; i <= dernier; ++i) {
        if (!store.ligne(i).startsWith(kFermeture))
            vers.append(store.ligne(i));
    }
    vers.append(b.fermeture);
    copiee[debut] = true;
}

} // namespace

bool Verif(Blocs& store, int& compte) {
    int balance = 0;
    for (const QString& ligne : store.lignes()) {
        if (ligne.startsWith(kOuverture))
            ++balance;
        else if (ligne.startsWith(kFermeture))
            --balance;
    }
    if (balance == 0)
        return false;

    QStringList reconstruit;
    reconstruit.reserve(store.taille());
    std::vector<bool> copiee(store.taille(), false);
    int numero = 0;
    for (int n = 0; n < compte; ++n) {
        // A number without a block is passed over: the blocks after it are kept.
        const int debut = store.ChercheBloc(n);
        if (debut >= 0 && !copiee[debut])
            copieBloc(store, debut, numero++, reconstruit, copiee);
    }
    for (const LigneOuverture& o : store.ouvertures()) {
        if (!copiee[o.position])
            copieBloc(store, o.position, numero++, reconstruit, copiee);
    }
    store.remplaceTout(std::move(reconstruit));
    compte = store.CompteBlocs();
    return true;
}

int normaliseBalises(Blocs& store) {
    int reecrites = 0;
    for (int i = 0; i < store.taille(); ++i) {
        const QString& ligne = store.ligne(i);
        if (!Blocs::commeUneBalise(ligne))
            continue;
        const bool fermeture = ligne.startsWith(u"</");
        const int n = Blocs::numeroBalise(ligne, fermeture ? 6 : 5);
        if (n < 0)
            continue;
        const Balises b = Blocs::BalisesBloc(n);
        const QString& canonique = fermeture ? b.fermeture : b.ouverture;
        if (ligne != canonique && ligne.compare(canonique, Qt::CaseInsensitive) == 0) {
            store.changeLigne(i, canonique);
            ++reecrites;
        }
    }
    return reecrites;
}

int Doublons(Blocs& store, int compte) {
    if (compte <= 0)
        return 0;
    // Only whole opening tags are counted: a line that merely begins like one ("<BLOC0001>x")
    // is not a copy of block 1, and counting it would delete the real block 1.
    std::vector<int> tally(compte, 0);
    for (const LigneOuverture& o : store.ouvertures()) {
        if (o.numero >= 0 && o.numero < compte &&
            store.ligne(o.position)
                    .compare(Blocs::BalisesBloc(o.numero).ouverture, Qt::CaseInsensitive) == 0)
            ++tally[o.numero];
    }
    // The first copies are marked on the store as it stands and removed in one pass.
    std::vector<bool> retiree(store.taille(), false);
    int retires = 0;
    for (int n = 0; n < compte; ++n) {
        if (tally[n] < 2)
            continue;
        const int debut = store.ChercheBloc(n);
        if (debut < 0)
            continue;
        // A first copy left unclosed ends before the next opening tag, so that the copy kept is
        // not deleted with it.
        const Blocs::FinBloc f = store.finBloc(n, debut);
        for (int i = debut; i < (f.ferme ? f.fin + 1 : f.fin); ++i)
            retiree[i] = true;
        ++retires;
    }
    if (retires == 0)
        return 0;
    QStringList gardees;
    gardees.reserve(store.taille());
    for (int i = 0; i < store.taille(); ++i) {
        if (!retiree[i])
            gardees.append(store.ligne(i));
    }
    store.remplaceTout(std::move(gardees));
    return retires;
}

void Renum(Blocs& store, int& compte, int courant) {
    if (compte < 2)
        return;
    QStringList lignes = store.lignes();
    for (QString& ligne : lignes) {
        const bool ouverture = ligne.startsWith(kOuverture);
        if (!ouverture && !ligne.startsWith(kFermeture))
            continue;
        const int n = Blocs::numeroBalise(ligne, ouverture ? kOuverture.size() : kFermeture.size());
        if (n < 0 || n - 1 < courant)
            continue;
        const Balises b = Blocs::BalisesBloc(n - 1);
        ligne = ouverture ? b.ouverture : b.fermeture;
    }
    store.remplaceTout(std::move(lignes));
    --compte;
}

void Supprime(Blocs& store, int& compte, int& courant) {
    store.SupBloc(courant);
    Renum(store, compte, courant);
    if (courant > compte - 1)
        courant = std::max(compte - 1, 0);
}

void Squize(Blocs& store) {
    int blanches = 0;
    while (store.taille() - blanches >= 3 && store.ligne(blanches).trimmed().isEmpty())
        ++blanches;
    if (blanches > 0)
        store.supprime(0, blanches);
}

Constat verifie(Blocs& store, int& compte) {
    Constat c;
    if (const int n = normaliseBalises(store)) {
        c.reparations.append(QStringLiteral("%1 balises réécrites en majuscules").arg(n));
        compte = store.CompteBlocs();
    }
    if (Verif(store, compte))
        c.reparations.append(
            QStringLiteral("balises déséquilibrées : fiches renumérotées de 0 à %1")
                .arg(compte - 1));
    if (const int n = Doublons(store, compte))
        c.reparations.append(QStringLiteral("%1 fiches en double retirées").arg(n));
    if (compte > Blocs::kCapacite)
        c.remarques.append(QStringLiteral("%1 fiches, plus que les %2 possibles : aucune fiche ne "
                                          "pourra y être ajoutée")
                               .arg(compte)
                               .arg(Blocs::kCapacite));
    return c;
}

qint64 prochainCode(const Blocs& store) {
    qint64 plusHaut = 10000;
    for (const LigneOuverture& o : store.ouvertures()) {
        if (o.position + 1 >= store.taille())
            continue;
        bool ok = false;
        const qint64 code = store.ligne(o.position + 1).trimmed().toLongLong(&ok);
        // The very largest number has no next one: passed over like a text.
        if (ok && code > plusHaut && code < std::numeric_limits<qint64>::max())
            plusHaut = code;
    }
    return plusHaut + 1;
}

} // namespace zel::maintenance
