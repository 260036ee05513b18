#include "records/echanges.h"

#include "store/maintenance.h"

namespace zel {

QStringList champsImport(QStringView ligne, bool decoupeArticle) {
    QStringList champs;
    const QList<QStringView> morceaux = ligne.split(u'\t');
    if (!decoupeArticle) {
        for (qsizetype i = 0; i + 1 < morceaux.size(); ++i)
            champs.append(morceaux[i].toString());
        return champs;
    }
    if (morceaux.size() == 1) {
        if (!ligne.isEmpty())
            champs.append(ligne.toString());
        return champs;
    }
    for (qsizetype i = 0; i < morceaux.size(); ++i) {
        if (i + 1 < morceaux.size() || !morceaux[i].isEmpty())
            champs.append(morceaux[i].trimmed().toString());
    }
    return champs;
}

bool nettoieChamp(QString& champ) {
    bool change = false;
    for (QChar& c : champ) {
        if (c.category() == QChar::Other_Control) {
            c = u' ';
            change = true;
        }
    }
    if (Blocs::commeUneBalise(champ)) {
        champ.prepend(u' ');
        change = true;
    }
    return change;
}

QStringList blocImporte(const DispositionEchanges& d, const QStringList& champs) {
    QStringList lignes = d.tete;
    lignes.append(champs.mid(0, d.champsAvantSaut));
    if (champs.size() > d.champsAvantSaut) {
        lignes.append(QStringList(d.saut));
        lignes.append(champs.mid(d.champsAvantSaut));
    }
    return lignes;
}

QString ligneDuBloc(const Blocs& store, const LigneOuverture& o, int ligne) {
    const int fin = store.finBloc(o.numero, o.position).fin;
    return o.position + ligne < fin ? store.ligne(o.position + ligne) : QString();
}

Importation::Importation(JeuDocuments& jeu, Sorte sorte, int lignesFixes, Dialogues& dialogues,
                         qsizetype total)
    : m_jeu(jeu), m_sorte(sorte), m_lignesFixes(lignesFixes), m_dialogues(dialogues),
      m_total(total), m_compte(jeu.compte(sorte)),
      m_code(maintenance::prochainCode(jeu.store(sorte))) {
    // A new last record never written holds no data: its number is free.
    if (m_compte > 0 && jeu.store(sorte).ChercheBloc(m_compte - 1) < 0)
        --m_compte;
}

bool Importation::ajoute(QStringList lignes) {
    if (m_compte >= kCompteMaxi) {
        m_dialogues.message(QStringLiteral("Trop de lignes, le fichier a été tronqué"));
        return false;
    }
    lignes.resize(m_lignesFixes - 1);
    for (QString& l : lignes)
        m_corriges += nettoieChamp(l) ? 1 : 0;
    lignes.prepend(QString::number(m_code++));
    m_lignes.append(Blocs::encadre(m_compte++, lignes));
    // The status bar says how far the import is, every few hundred records.
    if (++m_ajoutes % 500 == 0)
        m_dialogues.progression(
            QStringLiteral("Importation : %1 lignes lues sur %2").arg(m_ajoutes).arg(m_total));
    return true;
}

void Importation::termine() {
    m_jeu.store(m_sorte).ajoute(m_lignes);
    m_lignes.clear();
    m_jeu.setCompte(m_sorte, m_compte);
    m_jeu.SetSauve();
    m_dialogues.progression(QString());
    if (m_corriges > 0)
        m_dialogues.message(QStringLiteral("%1 champs importés contenaient des caractères de "
                                           "contrôle ou commençaient comme une balise de fiche : "
                                           "ils ont été corrigés.")
                                .arg(m_corriges));
}

} // namespace zel
