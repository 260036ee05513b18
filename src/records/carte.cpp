#include "records/carte.h"

#include "records/texte.h"

#include <algorithm>

namespace zel {
namespace {

const QString kData = QStringLiteral("DATA");
const QString kFormatDate = QStringLiteral("dd/MM/yyyy");

// A grid row joined with its two TABs shorter than this ends the grid when it is written: an
// empty row, or one holding a few stray characters.
constexpr int kLongueurLigneEcrite = 10;

} // namespace

std::optional<QString> valeurNote(const ChampNote& champ, const QString& texte) {
    if (!texte.startsWith(champ.forme))
        return std::nullopt;
    return champ.lit(texte.mid(champ.forme.size()));
}

QString champNoteDuBloc(const Blocs& store, int ouverture, const DispositionCarte& disposition,
                        int ligne) {
    const auto c = std::find_if(disposition.champsNotes.begin(), disposition.champsNotes.end(),
                                [ligne](const ChampNote& n) { return n.ligne == ligne; });
    if (c == disposition.champsNotes.end())
        return {};
    const QString& prefixe = disposition.memos[std::size_t(c->memo)];
    const int fin = store.finBloc(Blocs::numeroBalise(store.ligne(ouverture), 5), ouverture).fin;
    for (int p = ouverture + 1 + disposition.lignesFixes; p < fin; ++p) {
        const QString& l = store.ligne(p);
        if (!l.startsWith(prefixe))
            continue;
        if (std::optional<QString> valeur = valeurNote(*c, l.mid(prefixe.size())))
            return *valeur;
    }
    return {};
}

Carte::Carte(DispositionCarte disposition, JeuDocuments& jeu, const QString& formatMontant,
             const MesureTexte& mesure, Dialogues& dialogues)
    : m_disposition(std::move(disposition)), m_jeu(jeu), m_formatMontant(formatMontant),
      m_mesure(mesure), m_dialogues(dialogues) {
    vide(QDate::currentDate());
}

void Carte::marque() {
    m_jeu.setCarteModifiee(m_disposition.sorte, true);
    m_jeu.SetSauve();
}

bool Carte::saisit(int ligne, const QString& texte) {
    if (const std::optional<QString> refus = refusChamp(texte)) {
        m_dialogues.message(*refus);
        return false;
    }
    m_champs[ligne - 1] = texte;
    marque();
    return true;
}

void Carte::setCoche(int ligne, bool oui) {
    saisit(ligne, oui ? QStringLiteral("Y") : QStringLiteral("N"));
}

void Carte::saisitMemo(int i, const QStringList& lignes) {
    m_memos[i] = lignes;
    marque();
}

void Carte::setDateSaisie(QDate date) {
    m_dateSaisie = date;
}

std::optional<QChar> Carte::toucheMontant(QChar c) {
    marque();
    return toucheNombre(c);
}

const ChampMontant* Carte::champMontant(int ligne) const {
    const auto& m = m_disposition.montants;
    const auto it =
        std::find_if(m.begin(), m.end(), [&](const auto& c) { return c.ligne == ligne; });
    return it == m.end() ? nullptr : &*it;
}

QString Carte::aligneMontant(const QString& texte, int largeur) const {
    return Rset(texte, largeur, m_mesure);
}

bool Carte::quitteMontant(int ligne) {
    const ChampMontant* c = champMontant(ligne);
    if (!c || champ(ligne).trimmed().isEmpty())
        return true;
    QString texte;
    if (Resultat r = reformateMontant(champ(ligne), m_formatMontant, c->libelle, texte); !r) {
        m_dialogues.message(r.message());
        return false;
    }
    m_champs[ligne - 1] = aligneMontant(texte, c->largeur);
    return true;
}

const ChampNote* Carte::champNote(int ligne) const {
    for (const ChampNote& c : m_disposition.champsNotes) {
        if (c.ligne == ligne)
            return &c;
    }
    return nullptr;
}

bool Carte::quitteChampNote(int ligne) {
    const ChampNote* c = champNote(ligne);
    if (!c || champ(ligne).trimmed().isEmpty())
        return true;
    const std::optional<QString> valeur = c->lit(champ(ligne));
    if (!valeur) {
        m_dialogues.message(c->refus(champ(ligne)));
        return false;
    }
    if (*valeur != champ(ligne))
        saisit(ligne, *valeur);
    return true;
}

std::optional<QString> Carte::montantAligne(int ligne, double valeur) const {
    const ChampMontant* c = champMontant(ligne);
    const std::optional<QString> texte = formateMontant(valeur, m_formatMontant);
    if (!texte || !c)
        return texte;
    return aligneMontant(*texte, c->largeur);
}

QString Carte::montreMontants(const std::vector<std::pair<int, double>>& valeurs) {
    std::vector<QString> textes;
    for (const auto& [ligne, valeur] : valeurs) {
        std::optional<QString> texte = montantAligne(ligne, valeur);
        if (!texte) {
            const ChampMontant* c = champMontant(ligne);
            return depasse(c ? c->libelle : QString::number(ligne));
        }
        textes.push_back(std::move(*texte));
    }
    for (std::size_t i = 0; i < valeurs.size(); ++i)
        m_champs[valeurs[i].first - 1] = std::move(textes[i]);
    return {};
}

void Carte::valideSaisie() {
    QString& libelle = m_champs[m_disposition.ligneSaisieLibelle - 1];
    QString& montant = m_champs[m_disposition.ligneSaisieMontant - 1];
    if (libelle.trimmed().isEmpty() || montant.trimmed().isEmpty())
        return;
    QString texte;
    if (Resultat r = reformateMontant(montant, m_formatMontant, QStringLiteral("Montant"), texte);
        !r) {
        m_dialogues.message(r.message());
        return;
    }
    montant = aligneMontant(texte, kLargeurGrille);
    const auto libre = std::find_if(m_grille.begin(), m_grille.end(),
                                    [](const LigneCompte& l) { return l.date.isEmpty(); });
    if (libre == m_grille.end()) {
        m_dialogues.message(QStringLiteral(
            "Le compte est plein : supprimez une ligne avant d'en ajouter une autre."));
        return;
    }
    *libre = {m_dateSaisie.toString(kFormatDate), libelle, montant};
    libelle.clear();
    montant.clear();
    marque();
}

void Carte::supprimeLigneGrille(int rangee) {
    if (rangee < 0 || rangee >= kLignesGrille)
        return;
    std::move(m_grille.begin() + rangee + 1, m_grille.end(), m_grille.begin() + rangee);
    m_grille.back() = {};
    marque();
}

void Carte::vide(QDate aujourdhui) {
    m_champs = QStringList(m_disposition.lignesFixes + qsizetype(m_disposition.champsNotes.size()));
    for (int l : m_disposition.cases)
        m_champs[l - 1] = QStringLiteral("N");
    for (int l : m_disposition.casesOui)
        m_champs[l - 1] = QStringLiteral("Y");
    m_memos.assign(m_disposition.memos.size(), {});
    m_grille.fill({});
    m_dateSaisie = aujourdhui;
}

void Carte::litLigneCompte(QStringView texte, int rangee) {
    LigneCompte& l = m_grille[rangee];
    const qsizetype tab1 = texte.indexOf(u'\t');
    l.date = texte.left(tab1).toString();
    if (tab1 < 0)
        return;
    const QStringView reste = texte.mid(tab1 + 1);
    const qsizetype tab2 = reste.indexOf(u'\t');
    l.libelle = reste.left(tab2).toString();
    if (tab2 >= 0)
        l.montant = aligneMontant(reste.mid(tab2 + 1).trimmed().toString(), kLargeurGrille);
}

void Carte::Lit(int numero, QDate aujourdhui) {
    vide(aujourdhui);
    m_jeu.setCarteModifiee(m_disposition.sorte, false);
    const Blocs& store = m_jeu.store(m_disposition.sorte);
    const int ouverture = store.ChercheBloc(numero);
    if (ouverture < 0)
        return;
    // Only the block's own lines are read: a block cut short leaves its last fields empty
    // rather than taking the lines of the next block, which a rewrite would then duplicate.
    const int fin = store.finBloc(numero, ouverture).fin;
    const int fixes = std::min(m_disposition.lignesFixes, fin - ouverture - 1);
    for (int l = 1; l <= fixes; ++l)
        m_champs[l - 1] = store.ligne(ouverture + l);
    for (int l : m_disposition.cases)
        m_champs[l - 1] = m_champs[l - 1] == u"Y" ? QStringLiteral("Y") : QStringLiteral("N");
    for (int l : m_disposition.casesOui)
        m_champs[l - 1] = m_champs[l - 1] == u"N" ? QStringLiteral("N") : QStringLiteral("Y");
    if (m_disposition.realigneALecture) {
        for (const ChampMontant& c : m_disposition.montants)
            m_champs[c.ligne - 1] = aligneMontant(m_champs[c.ligne - 1].trimmed(), c.largeur);
    }

    int rangee = 0;
    for (int p = ouverture + 1 + m_disposition.lignesFixes; p < fin; ++p) {
        const QString& ligne = store.ligne(p);
        if (ligne.startsWith(kData)) {
            if (rangee < kLignesGrille)
                litLigneCompte(QStringView(ligne).mid(kData.size()), rangee++);
            continue;
        }
        for (int i = 0; i < int(m_disposition.memos.size()); ++i) {
            if (ligne.startsWith(m_disposition.memos[i])) {
                litLigneMemo(i, ligne.mid(m_disposition.memos[i].size()));
                break;
            }
        }
    }
}

void Carte::litLigneMemo(int memo, const QString& texte) {
    for (const ChampNote& c : m_disposition.champsNotes) {
        QString& champ = m_champs[c.ligne - 1];
        if (c.memo != memo || !champ.isEmpty())
            continue;
        if (std::optional<QString> valeur = valeurNote(c, texte)) {
            champ = *valeur;
            return;
        }
    }
    m_memos[memo].append(texte);
}

QStringList Carte::memoEcrit(int i) const {
    QStringList lignes = m_memos[i];
    for (const ChampNote& c : m_disposition.champsNotes) {
        if (c.memo == i && !champ(c.ligne).isEmpty())
            lignes.append(c.forme + champ(c.ligne));
    }
    return lignes;
}

QStringList Carte::Ecrit() const {
    QStringList lignes = m_champs.mid(0, m_disposition.lignesFixes);
    for (int i = 0; i < int(m_disposition.memos.size()); ++i) {
        for (const QString& ligne : memoEcrit(i))
            lignes.append(m_disposition.memos[i] + ligne);
    }
    for (const LigneCompte& l : m_grille) {
        QString joint = l.date + u'\t' + l.libelle + u'\t' + l.montant;
        if (joint.size() < kLongueurLigneEcrite)
            break;
        lignes.append(kData + joint);
    }
    return lignes;
}

void Carte::EcritSiModifiee(int numero) {
    if (!estModifiee())
        return;
    m_jeu.store(m_disposition.sorte).RemplaceBloc(numero, Ecrit());
    m_jeu.setCarteModifiee(m_disposition.sorte, false);
}

} // namespace zel
