#include "tools/blocnotes.h"

#include "store/fichiertexte.h"

#include <QDir>

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

void BlocNotes::setLignes(const QStringList& lignes) {
    if (lignes == m_lignes)
        return;
    m_lignes = lignes;
    m_modifie = true;
}

} // namespace zel::outils
