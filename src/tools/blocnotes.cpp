#include "tools/blocnotes.h"

#include "records/canevas.h"
#include "store/fichiertexte.h"

#include <QDir>

#include <algorithm>

namespace zel::outils {

QString BlocNotes::cheminFichier(const QString& dossierProgramme) {
    // Joining through QDir gives one separator, even when the folder is a drive root.
    return QDir(dossierProgramme).filePath(QStringLiteral("ZelVente.nte"));
}

Resultat BlocNotes::Charge(const QString& dossierProgramme) {
    const QString chemin = cheminFichier(dossierProgramme);
    if (!fichier::existe(chemin))
        return Resultat::succes();
    QStringList lignes;
    if (Resultat r = fichier::lire(chemin, lignes); !r)
        return r;
    m_lignes = lignes;
    m_modifie = false;
    return Resultat::succes();
}

Resultat BlocNotes::Sauve(const QString& dossierProgramme) {
    if (!m_modifie)
        return Resultat::succes();
    if (Resultat r = fichier::ecrire(cheminFichier(dossierProgramme), m_lignes); !r)
        return r;
    m_modifie = false;
    return Resultat::succes();
}

void BlocNotes::imprime(Canevas& canevas, const QString& police, int taille) const {
    canevas.debutDocument();
    canevas.police(police, taille, false, false);
    // A line is the font size in points and a fifth more, turned into device units.
    const double unitesParMm = canevas.hauteurPage() / canevas.hauteurMm();
    const int interligne = std::max(1, static_cast<int>(taille * 1.2 * 25.4 / 72 * unitesParMm));
    int y = 0;
    for (const QString& ligne : m_lignes) {
        if (y > 0 && y + interligne > canevas.hauteurPage()) {
            canevas.nouvellePage();
            y = 0;
        }
        canevas.texte(0, y, ligne);
        y += interligne;
    }
    canevas.finDocument();
}

void BlocNotes::setLignes(const QStringList& lignes) {
    if (lignes == m_lignes)
        return;
    m_lignes = lignes;
    m_modifie = true;
}

} // namespace zel::outils
