#include "app/parcours.h"

#include "app/texte.h"

#include <algorithm>

namespace zel {

int pasSimple(Pas pas, int courant, int compte) {
    switch (pas) {
    case Pas::Premier:
        return 0;
    case Pas::Dernier:
        return std::max(compte - 1, 0);
    case Pas::Suivant:
        return std::max(std::min(courant + 1, compte - 1), 0);
    case Pas::Precedent:
        return std::max(courant - 1, 0);
    }
    return courant;
}

QStringView ligneApres(const Blocs& store, int ouverture, int ligne) {
    const int p = ouverture + ligne;
    return p < store.taille() ? QStringView(store.ligne(p)) : QStringView();
}

std::optional<int> pasFiltre(const Blocs& store, Pas pas, int courant, int ligne,
                             const Critere& critere) {
    std::optional<int> trouve;
    for (const LigneOuverture& o : store.ouvertures()) {
        const int n = o.numero;
        if (n < 0 || !critere(ligneApres(store, o.position, ligne)))
            continue;
        switch (pas) {
        case Pas::Premier:
            if (!trouve || n < *trouve)
                trouve = n;
            break;
        case Pas::Dernier:
            if (!trouve || n > *trouve)
                trouve = n;
            break;
        case Pas::Suivant:
            if (n > courant && (!trouve || n < *trouve))
                trouve = n;
            break;
        case Pas::Precedent:
            if (n < courant && (!trouve || n > *trouve))
                trouve = n;
            break;
        }
    }
    return trouve;
}

std::optional<int> chercheDebut(const Blocs& store, int ligne, QStringView cle) {
    for (const LigneOuverture& o : store.ouvertures()) {
        if (o.numero >= 0 && commencePar(ligneApres(store, o.position, ligne), cle))
            return o.numero;
    }
    return std::nullopt;
}

} // namespace zel
