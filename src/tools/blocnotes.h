#pragma once

#include "store/resultat.h"

#include <QString>
#include <QStringList>

namespace zel {
class Canevas;
}

namespace zel::outils {

// The one note shared by every document set, kept in "ZelVente.nte" of the program folder.
class BlocNotes {
public:
    static QString cheminFichier(const QString& dossierProgramme);

    // Reads the note when the file exists; the note then counts as unchanged.
    Resultat Charge(const QString& dossierProgramme);
    // Writes the note only when it was changed.
    Resultat Sauve(const QString& dossierProgramme);

    // Prints the lines one under the other in the note's font, a new page when one is full.
    void imprime(Canevas& canevas, const QString& police, int taille) const;

    void setLignes(const QStringList& lignes);
    const QStringList& lignes() const { return m_lignes; }
    bool modifie() const { return m_modifie; }

private:
    QStringList m_lignes;
    bool m_modifie = false;
};

} // namespace zel::outils
