#include "records/tableechange.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace zel {
namespace {

// A text with its line breaks, TABs and other control characters written as blanks.
QString sansControle(QStringView texte) {
    QString s = texte.toString();
    for (QChar& c : s) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return s;
}

// The cells of a further line after its prefix: one per name, the last taking the rest.
QStringList cellules(QStringView texte, qsizetype nombre) {
    QStringList c;
    for (qsizetype i = 0; i < nombre; ++i) {
        const qsizetype tab = i + 1 < nombre ? texte.indexOf(u'\t') : -1;
        c.append(sansControle(tab < 0 ? texte : texte.left(tab)));
        texte = tab < 0 ? QStringView() : texte.mid(tab + 1);
    }
    return c;
}

bool vides(const QStringList& cellules) {
    return std::all_of(cellules.begin(), cellules.end(),
                       [](const QString& c) { return c.isEmpty(); });
}

} // namespace

bool nombreTableur(QStringView texte) {
    const auto chiffres = [&texte](qsizetype& i) {
        const qsizetype debut = i;
        while (i < texte.size() && texte[i] >= u'0' && texte[i] <= u'9')
            ++i;
        return i - debut;
    };
    qsizetype i = texte.startsWith(u'-') ? 1 : 0;
    const qsizetype entiers = chiffres(i);
    if (entiers == 0 || (entiers > 1 && texte[i - entiers] == u'0'))
        return false;
    if (i == texte.size())
        return true;
    if (texte[i] != u',')
        return false;
    ++i;
    return chiffres(i) > 0 && i == texte.size();
}

namespace {

bool commeUneFormule(QStringView texte) {
    return !texte.isEmpty() && QStringView(u"=+-@\t\r'").contains(texte.front());
}

QString enCsv(const QString& texte, bool nombre) {
    if (texte.isEmpty())
        return texte;
    if (nombre && nombreTableur(texte.trimmed()))
        return texte.trimmed();
    QString t = commeUneFormule(texte) ? u'\'' + texte : texte;
    t.replace(u'"', QStringLiteral("\"\""));
    return u'"' + t + u'"';
}

// A group's number is at most this: no reader takes in more lines of one kind.
constexpr int kGroupesMaxi = 255;

// "Montant 12" gives "Montant" and 12; anything else a number below 1.
std::pair<QString, int> nomEtNumero(const QString& nom) {
    const qsizetype blanc = nom.lastIndexOf(u' ');
    if (blanc < 0)
        return {nom, 0};
    bool ok = false;
    const int numero = nom.mid(blanc + 1).toInt(&ok);
    if (!ok || numero < 1 || numero > kGroupesMaxi || nom.at(blanc + 1) == u'0' ||
        nom.at(blanc + 1) == u'+')
        return {nom, 0};
    return {nom.left(blanc), numero};
}

} // namespace

QStringList nomsColonnes(const DispositionTable& d) {
    QStringList noms;
    for (const ChampTable& c : d.champs)
        noms.append(c.nom);
    for (const PartieTable& p : d.parties)
        noms.append(p.noms);
    return noms;
}

TableExportee exporteTable(const Blocs& store, const DispositionTable& d) {
    struct Fiche {
        QStringList fixes;
        std::vector<std::vector<QStringList>> parties;
    };
    std::vector<Fiche> fiches;
    std::vector<qsizetype> groupes(d.parties.size(), 0);
    for (const LigneOuverture& o : store.ouvertures()) {
        const int fin = store.finBloc(o.numero, o.position).fin;
        Fiche f;
        for (const ChampTable& c : d.champs) {
            const int p = o.position + c.ligne;
            QStringView ligne = p < fin ? QStringView(store.ligne(p)) : QStringView();
            if (!c.prefixe.isEmpty() && ligne.startsWith(c.prefixe))
                ligne = ligne.mid(c.prefixe.size());
            f.fixes.append(sansControle(ligne));
        }
        f.parties.resize(d.parties.size());
        for (int p = o.position + d.lignesFixes + 1; p < fin; ++p) {
            const QString& ligne = store.ligne(p);
            for (std::size_t i = 0; i < d.parties.size(); ++i) {
                const PartieTable& partie = d.parties[i];
                if (ligne.startsWith(partie.prefixe)) {
                    f.parties[i].push_back(cellules(QStringView(ligne).mid(partie.prefixe.size()),
                                                    partie.noms.size()));
                    break;
                }
            }
        }
        // Empty groups at the end carry nothing.
        for (std::size_t i = 0; i < d.parties.size(); ++i) {
            auto& g = f.parties[i];
            while (!g.empty() && vides(g.back()))
                g.pop_back();
            groupes[i] = std::max(groupes[i], qsizetype(g.size()));
        }
        fiches.push_back(std::move(f));
    }

    TableExportee t;
    for (const ChampTable& c : d.champs) {
        t.entete.append(c.nom);
        t.nombres.push_back(c.nombre);
    }
    for (std::size_t i = 0; i < d.parties.size(); ++i) {
        const PartieTable& partie = d.parties[i];
        for (qsizetype g = 1; g <= groupes[i]; ++g) {
            for (int k = 0; k < partie.noms.size(); ++k) {
                t.entete.append(partie.noms[k] + u' ' + QString::number(g));
                t.nombres.push_back(std::find(partie.nombres.begin(), partie.nombres.end(), k) !=
                                    partie.nombres.end());
            }
        }
    }
    t.rangees.reserve(fiches.size());
    for (Fiche& f : fiches) {
        QStringList rangee = std::move(f.fixes);
        rangee.reserve(t.entete.size());
        for (std::size_t i = 0; i < d.parties.size(); ++i) {
            const qsizetype largeur = d.parties[i].noms.size();
            for (const QStringList& groupe : f.parties[i])
                rangee.append(groupe);
            rangee.append(QStringList(largeur * (groupes[i] - qsizetype(f.parties[i].size()))));
        }
        t.rangees.push_back(std::move(rangee));
    }
    return t;
}

QStringList lignesTabulees(const TableExportee& table) {
    QStringList lignes;
    lignes.reserve(qsizetype(table.rangees.size()) + 1);
    lignes.append(table.entete.join(u'\t'));
    for (const QStringList& r : table.rangees)
        lignes.append(r.join(u'\t'));
    return lignes;
}

QByteArray texteCsv(const TableExportee& table) {
    QByteArray octets("\xEF\xBB\xBF");
    const auto ecrit = [&octets](const QStringList& cellules, const std::vector<bool>& nombres) {
        QString ligne;
        for (qsizetype i = 0; i < cellules.size(); ++i) {
            if (i > 0)
                ligne += u';';
            ligne += enCsv(cellules[i], i < qsizetype(nombres.size()) && nombres[std::size_t(i)]);
        }
        octets += ligne.toUtf8();
        octets += "\r\n";
    };
    ecrit(table.entete, {});
    for (const QStringList& r : table.rangees)
        ecrit(r, table.nombres);
    return octets;
}

QString celluleLue(const QString& cellule) {
    if (cellule.size() > 1 && cellule.front() == u'\'' &&
        commeUneFormule(QStringView(cellule).mid(1)))
        return cellule.mid(1);
    return cellule;
}

EnteteTable lisEntete(const QStringList& cellules, const DispositionTable& d,
                      const QSet<QString>& connus) {
    EnteteTable e;
    // Every name of the line counts once, a group's cells by their name without number.
    QSet<QString> differents, communs, siens;
    for (const QString& brute : cellules) {
        const QString cellule = brute.trimmed();
        EnteteTable::Cible cible;
        QString base = cellule.toCaseFolded();
        for (std::size_t i = 0; i < d.champs.size() && cible.champ < 0; ++i) {
            if (d.champs[i].nom.compare(cellule, Qt::CaseInsensitive) == 0)
                cible.champ = int(i);
        }
        if (cible.champ < 0) {
            const auto [nom, numero] = nomEtNumero(cellule);
            if (numero > 0) {
                base = nom.toCaseFolded();
                for (std::size_t i = 0; i < d.parties.size() && cible.partie < 0; ++i) {
                    const QStringList& noms = d.parties[i].noms;
                    for (qsizetype k = 0; k < noms.size() && cible.partie < 0; ++k) {
                        if (noms[k].compare(nom, Qt::CaseInsensitive) == 0)
                            cible = {-1, int(i), numero, int(k)};
                    }
                }
            }
        }
        e.cibles.push_back(cible);
        if (cellule.isEmpty())
            continue;
        differents.insert(base);
        if (connus.contains(base))
            communs.insert(base);
        if (cible.champ >= 0 || cible.partie >= 0)
            siens.insert(base);
        else
            e.ignorees.append(cellule);
    }
    if (communs.isEmpty() || communs.size() * 2 <= differents.size())
        return {};
    e.lecture = siens.size() * 2 > differents.size() ? EnteteTable::Lecture::Entete
                                                     : EnteteTable::Lecture::AutreSorte;
    // A name given twice is read from its first column.
    std::set<std::tuple<int, int, int, int>> vues;
    for (std::size_t i = 0; i < e.cibles.size(); ++i) {
        EnteteTable::Cible& c = e.cibles[i];
        if (c.champ < 0 && c.partie < 0)
            continue;
        if (!vues.insert({c.champ, c.partie, c.groupe, c.cellule}).second) {
            e.ignorees.append(cellules[qsizetype(i)].trimmed());
            c = {};
        }
    }
    return e;
}

BlocTable blocDeRangee(const QStringList& champs, const EnteteTable& e, const DispositionTable& d,
                       bool tableur) {
    BlocTable b;
    b.fixes = QStringList(d.lignesFixes);
    std::vector<bool> couvertes(std::size_t(d.lignesFixes) + 1, false);
    for (const EnteteTable::Cible& c : e.cibles) {
        if (c.champ >= 0)
            couvertes[std::size_t(d.champs[std::size_t(c.champ)].ligne)] = true;
    }
    for (const auto& [ligne, valeur] : d.defauts) {
        if (!couvertes[std::size_t(ligne)])
            b.fixes[ligne - 1] = valeur;
    }
    // The cells of each group of each part, by group number.
    std::vector<std::map<int, QStringList>> groupes(d.parties.size());
    for (qsizetype i = 0; i < champs.size() && i < qsizetype(e.cibles.size()); ++i) {
        const EnteteTable::Cible& c = e.cibles[std::size_t(i)];
        if (c.champ < 0 && c.partie < 0)
            continue;
        QString valeur = tableur ? celluleLue(champs[i]) : champs[i];
        const bool nombre =
            c.champ >= 0 ? d.champs[std::size_t(c.champ)].nombre
                         : std::find(d.parties[std::size_t(c.partie)].nombres.begin(),
                                     d.parties[std::size_t(c.partie)].nombres.end(),
                                     c.cellule) != d.parties[std::size_t(c.partie)].nombres.end();
        // A spreadsheet set to write numbers with a decimal point gives "12.5": an amount is
        // written with a comma, but a text that is no number stays as it is.
        if (tableur && nombre && !valeur.contains(u',')) {
            QString virgule = valeur.trimmed();
            virgule.replace(u'.', u',');
            if (nombreTableur(virgule))
                valeur = virgule;
        }
        if (c.champ >= 0) {
            const ChampTable& champ = d.champs[std::size_t(c.champ)];
            b.fixes[champ.ligne - 1] = champ.prefixe + valeur;
            continue;
        }
        if (valeur.contains(u'\t')) {
            valeur.replace(u'\t', u' ');
            ++b.corriges;
        }
        QStringList& groupe = groupes[std::size_t(c.partie)][c.groupe];
        groupe.resize(d.parties[std::size_t(c.partie)].noms.size());
        groupe[c.cellule] = valeur;
    }
    for (const ChampTable& c : d.champs) {
        if (!c.prefixe.isEmpty() && !couvertes[std::size_t(c.ligne)])
            b.fixes[c.ligne - 1] = c.prefixe;
    }
    for (std::size_t i = 0; i < d.parties.size(); ++i) {
        const PartieTable& partie = d.parties[i];
        // Up to the last group with a cell filled; the groups before it are kept, even empty.
        int dernier = 0;
        for (const auto& [numero, cellules] : groupes[i]) {
            if (!vides(cellules))
                dernier = numero;
        }
        for (int g = 1; g <= dernier; ++g) {
            QStringList cellules = groupes[i].count(g) ? groupes[i][g] : QStringList();
            cellules.resize(partie.noms.size());
            b.autres.append(partie.prefixe + cellules.join(u'\t'));
        }
    }
    return b;
}

} // namespace zel
