#include "records/parcours.h"

#include "records/texte.h"

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
    return pasFiltre(store, pas, courant, [&](const Blocs& b, int ouverture) {
        return critere(ligneApres(b, ouverture, ligne));
    });
}

std::optional<int> pasFiltre(const Blocs& store, Pas pas, int courant, const CritereBloc& critere) {
    // Numbers are tried one by one from where the step starts, each block found through the
    // index, so that a browse from the first record to the last reads each block once.
    const bool monte = pas == Pas::Premier || pas == Pas::Suivant;
    int n = pas == Pas::Premier   ? 0
            : pas == Pas::Dernier ? (Blocs::kNumerosPossibles - 1)
            : pas == Pas::Suivant ? courant + 1
                                  : courant - 1;
    for (; n >= 0 && n < Blocs::kNumerosPossibles; n += monte ? 1 : -1) {
        const int ouverture = store.ChercheBloc(n);
        if (ouverture >= 0 && critere(store, ouverture))
            return n;
    }
    return std::nullopt;
}

std::optional<int> chercheDebut(const Blocs& store, int ligne, QStringView cle) {
    for (const LigneOuverture& o : store.ouvertures()) {
        if (o.numero >= 0 && commencePar(ligneApres(store, o.position, ligne), cle))
            return o.numero;
    }
    return std::nullopt;
}

} // namespace zel
