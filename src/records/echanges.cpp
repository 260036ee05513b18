#include "records/echanges.h"

#include "records/texte.h"
#include "store/fichiertexte.h"
#include "store/maintenance.h"

#include <algorithm>
#include <limits>

namespace zel {
namespace {

// "1 ligne vide", "3 lignes vides".
QString compte(qsizetype n, const QString& singulier, const QString& pluriel) {
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? singulier : pluriel);
}

} // namespace

QStringList champsImport(const Rangee& r, bool decoupeArticle, bool tableur) {
    const QStringList& morceaux = r.champs;
    // Without a spreadsheet's cells, the piece after the last TAB is not followed by one.
    const qsizetype suivis = tableur ? r.nombre : r.nombre - 1;
    if (!decoupeArticle)
        return morceaux.mid(0, std::min(suivis, morceaux.size()));
    QStringList champs;
    if (r.nombre == 1) {
        if (!morceaux.value(0).isEmpty())
            champs.append(morceaux[0]);
        return champs;
    }
    for (qsizetype i = 0; i < morceaux.size(); ++i) {
        if (i < suivis || !morceaux[i].isEmpty())
            champs.append(morceaux[i].trimmed());
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

QStringList blocImporte(const AncienneDisposition& d, const QStringList& champs) {
    QStringList lignes = d.tete;
    lignes.append(champs.mid(0, d.champsAvantSaut));
    if (champs.size() > d.champsAvantSaut) {
        lignes.append(QStringList(d.saut));
        lignes.append(champs.mid(d.champsAvantSaut));
    }
    return lignes;
}

Importation::Importation(JeuDocuments& jeu, const EchangeSorte& echange, Dialogues& dialogues,
                         qsizetype total)
    : m_jeu(jeu), m_echange(echange), m_dialogues(dialogues), m_total(total),
      m_numero(maintenance::numeroNouveau(jeu.store(echange.sorte), jeu.compte(echange.sorte))),
      m_code(maintenance::prochainCode(jeu.store(echange.sorte))) {
    const Blocs& store = jeu.store(echange.sorte);
    for (const LigneOuverture& o : store.ouvertures()) {
        if (o.position + 1 < store.taille())
            m_cles.insert(cle(store.ligne(o.position + 1)));
    }
}

QString Importation::nom(const QStringList& fixes) const {
    const DispositionTable& t = m_echange.table;
    QStringView texte = fixes.value(t.ligneNom - 1);
    for (const ChampTable& c : t.champs) {
        if (c.ligne == t.ligneNom && texte.startsWith(c.prefixe))
            texte = texte.mid(c.prefixe.size());
    }
    return texte.trimmed().toString();
}

QString Importation::cle(QStringView premiereLigne) {
    return majusculesAZ(premiereLigne.trimmed());
}

bool Importation::ajoute(Fiche f) {
    if (m_numero >= kCompteMaxi)
        return false;
    QStringList& fixes = f.fixes;
    fixes.resize(m_echange.table.lignesFixes);
    for (QString& l : fixes)
        m_corriges += nettoieChamp(l) ? 1 : 0;
    // A further line keeps the TABs that part its cells.
    for (QString& l : f.autres) {
        bool change = false;
        for (QChar& c : l) {
            if (c != u'\t' && c.category() == QChar::Other_Control) {
                c = u' ';
                change = true;
            }
        }
        m_corriges += change ? 1 : 0;
    }
    m_corriges += f.corriges;
    QString& premiere = fixes[0];
    const QString c = cle(premiere);
    if (m_echange.cle == CleImport::Numero) {
        // A document is known by its kind and number: without one, or with one in use, it
        // would be another document's.
        QStringView numero = QStringView(c).mid(m_echange.table.champs.front().prefixe.size());
        if (!numero.isEmpty() && numero.front().isLetter())
            numero = numero.mid(1);
        if (numero.trimmed().isEmpty()) {
            ++m_sansNumero;
            return true;
        }
        if (m_cles.contains(c)) {
            ++m_dejaLa;
            return true;
        }
    } else if (c.isEmpty() || m_cles.contains(c)) {
        m_recodees += c.isEmpty() ? 0 : 1;
        premiere = QString::number(m_code++);
    } else {
        // A code kept keeps the next codes above it.
        bool ok = false;
        const qint64 code = c.toLongLong(&ok);
        if (ok && code >= m_code && code < std::numeric_limits<qint64>::max())
            m_code = code + 1;
    }
    m_cles.insert(cle(premiere));
    if (f.remplaces > 0) {
        if (m_remplaces == 0)
            m_premierRemplace = QStringLiteral("« %1 » (ligne %2)").arg(nom(fixes)).arg(f.ligne);
        m_remplaces += f.remplaces;
    }
    m_lignes.append(Blocs::encadre(m_numero++, fixes + f.autres));
    // The status bar says how far the import is, every few hundred records.
    if (++m_ajoutes % 500 == 0)
        m_dialogues.progression(
            QStringLiteral("Importation : %1 lignes lues sur %2").arg(f.ligne).arg(m_total));
    return true;
}

QString Importation::termine() {
    if (m_ajoutes > 0) {
        m_jeu.store(m_echange.sorte).ajoute(m_lignes);
        m_jeu.setCompte(m_echange.sorte, m_numero);
        m_jeu.SetSauve();
    }
    m_lignes.clear();
    m_dialogues.progression(QString());

    const QString& un = m_echange.singulier;
    const QString& des = m_echange.pluriel;
    QStringList bilan;
    bilan.append(m_ajoutes == 0
                     ? QStringLiteral("Aucune %1 importée.").arg(un)
                     : QStringLiteral("%1 %2.").arg(compte(m_ajoutes, un, des),
                                                    m_ajoutes == 1 ? QStringLiteral("importée")
                                                                   : QStringLiteral("importées")));
    if (m_reste > 0)
        bilan.append(QStringLiteral("Trop de lignes, le fichier a été tronqué : %1 laissées de "
                                    "côté (%2 %3 au plus).")
                         .arg(compte(m_reste, un, des))
                         .arg(kCompteMaxi)
                         .arg(des));
    if (m_vides > 0)
        bilan.append(QStringLiteral("%1 laissées de côté.")
                         .arg(compte(m_vides, QStringLiteral("ligne vide"),
                                     QStringLiteral("lignes vides"))));
    if (m_dejaLa > 0)
        bilan.append(QStringLiteral("%1 laissées de côté : leur numéro est déjà dans le fichier.")
                         .arg(compte(m_dejaLa, un, des)));
    if (m_sansNumero > 0)
        bilan.append(QStringLiteral("%1 laissées de côté : elles n'ont pas de numéro.")
                         .arg(compte(m_sansNumero, un, des)));
    if (m_recodees > 0)
        bilan.append(QStringLiteral("%1 ont reçu un nouveau code : le leur était déjà pris.")
                         .arg(compte(m_recodees, un, des)));
    if (m_remplaces > 0)
        bilan.append(
            QStringLiteral("%1 que les fichiers ne peuvent pas garder ont été remplacés "
                           "par « ? », le premier dans %2.")
                .arg(compte(m_remplaces, QStringLiteral("caractère"), QStringLiteral("caractères")),
                     m_premierRemplace));
    if (m_corriges > 0)
        bilan.append(QStringLiteral("%1 champs importés contenaient des caractères de contrôle ou "
                                    "commençaient comme une balise de fiche : ils ont été "
                                    "corrigés.")
                         .arg(m_corriges));
    if (!m_colonnesIgnorees.isEmpty())
        bilan.append(QStringLiteral("Colonnes laissées de côté : %1.")
                         .arg(m_colonnesIgnorees.join(QStringLiteral(", "))));
    return bilan.join(u'\n');
}

BilanImport importeTable(QByteArrayView octets, FormatTable format, JeuDocuments& jeu,
                         const EchangeSorte& echange, const QSet<QString>& connus,
                         Dialogues& dialogues) {
    // A header never has more columns than this: the rest of its line is not read.
    constexpr qsizetype kColonnesMaxi = 4096;
    const bool tableur = format == FormatTable::Csv;
    const DispositionTable& table = echange.table;
    LecteurTable lecteur(octets, format);
    Importation import(jeu, echange, dialogues, lecteur.nombreLignes());
    const auto refus = [&dialogues](const QString& pourquoi) {
        dialogues.progression(QString());
        return BilanImport{true, 0, pourquoi + QStringLiteral("\nRien n'a été importé.")};
    };

    Rangee r;
    if (!lecteur.suivante(r, kColonnesMaxi)) {
        if (!lecteur.erreur().isEmpty())
            return refus(lecteur.erreur());
        return {false, 0, import.termine()};
    }
    const EnteteTable entete = lisEntete(r.champs, table, connus);
    if (entete.lecture == EnteteTable::Lecture::AutreSorte)
        return refus(QStringLiteral("Les colonnes de ce fichier sont celles d'une autre sorte de "
                                    "fiches que les %1 : importez-le depuis leur page.")
                         .arg(echange.pluriel));
    const bool nouvelle = entete.lecture == EnteteTable::Lecture::Entete;
    if (!nouvelle && !echange.ancienne)
        return refus(QStringLiteral("Les %1 s'importent d'un fichier dont la première ligne nomme "
                                    "les colonnes, comme l'écrit « Exporter... ».")
                         .arg(echange.pluriel));
    import.ignoreColonnes(entete.ignorees);
    // An older line gives at most a field for every fixed line, and the piece after them.
    const qsizetype maxi =
        nouvelle ? qsizetype(entete.cibles.size()) : qsizetype(table.lignesFixes) + 1;
    bool premiere = !nouvelle;
    bool plein = false;
    for (;;) {
        if (!premiere && !lecteur.suivante(r, plein ? 0 : maxi))
            break;
        premiere = false;
        if (plein) {
            import.laisseReste(1);
            continue;
        }
        Importation::Fiche f;
        f.ligne = r.ligne;
        f.remplaces = r.remplaces;
        if (nouvelle) {
            if (r.vide || std::all_of(r.champs.begin(), r.champs.end(),
                                      [](const QString& c) { return c.trimmed().isEmpty(); })) {
                import.laisseVides(1);
                continue;
            }
            BlocTable b = blocDeRangee(r.champs, entete, table, tableur);
            f.fixes = std::move(b.fixes);
            f.autres = std::move(b.autres);
            f.corriges = b.corriges;
        } else {
            f.fixes = QStringList{QString()} +
                      blocImporte(*echange.ancienne,
                                  champsImport(r, echange.ancienne->decoupeArticle, tableur));
        }
        if (!import.ajoute(std::move(f))) {
            plein = true;
            import.laisseReste(1);
        }
    }
    if (!lecteur.erreur().isEmpty())
        return refus(lecteur.erreur());
    BilanImport bilan;
    bilan.message = import.termine();
    bilan.ajoutes = import.ajoutes();
    return bilan;
}

Resultat exporteSorte(const Blocs& store, const EchangeSorte& echange, bool tableur,
                      QByteArray& octets) {
    const TableExportee table = exporteTable(store, echange.table);
    if (tableur) {
        octets = texteCsv(table);
        return Resultat::succes();
    }
    return fichier::encodeLignes(lignesTabulees(table), octets);
}

bool nomTableur(const QString& nom) {
    return nom.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

} // namespace zel
