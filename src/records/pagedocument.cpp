#include "records/pagedocument.h"

#include "records/texte.h"
#include "store/maintenance.h"

#include <algorithm>

namespace zel {
namespace {

namespace C = colonne;

const QString kMemo = QStringLiteral("MEMO");
const QString kNum = QStringLiteral("NUM");
const QString kFormatDate = QStringLiteral("dd/MM/yyyy");
// Enter moves down a row while fewer lines than this are in use.
constexpr int kLignesAuClavier = 20;
constexpr int kLargeurStock = 75;

// A field set to a text of its block, its room kept for the next document read into it.
void pose(QString& champ, QStringView texte) {
    champ.resize(0);
    champ.append(texte);
}

} // namespace

int chercheCode(const Blocs& store, QStringView code, int ligne) {
    for (const LigneOuverture& o : store.ouvertures()) {
        if (o.numero >= 0 && memeCode(ligneApres(store, o.position, ligne), code))
            return o.position;
    }
    return -1;
}

QChar lettreGenre(QStringView genre) {
    const QStringView t = genre.trimmed();
    return t.isEmpty() ? QChar() : t.front().toUpper();
}

QString genreAEcrire(const QString& genre) {
    QString g = genre;
    while (!g.isEmpty() && g.front().isSpace())
        g.remove(0, 1);
    if (!g.isEmpty())
        g[0] = g[0].toUpper();
    return g;
}

QString ecritDate(const QDate& date) {
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return date.toString(kFormatDate);
    // Written by hand, as litDate reads: the general writer is slow for a hundred thousand dates.
    QString texte(10, u'/');
    const auto chiffres = [&](qsizetype debut, qsizetype nombre, int v) {
        for (qsizetype i = debut + nombre - 1; i >= debut; --i, v /= 10)
            texte[i] = QChar(u'0' + v % 10);
    };
    chiffres(0, 2, date.day());
    chiffres(3, 2, date.month());
    chiffres(6, 4, date.year());
    return texte;
}

QDate litDate(QStringView texte) {
    // The written form, read by hand: the general reader is slow for a hundred thousand dates.
    const auto chiffres = [&](qsizetype debut, qsizetype nombre) {
        int v = 0;
        for (qsizetype i = debut; i < debut + nombre; ++i) {
            if (texte[i] < u'0' || texte[i] > u'9')
                return -1;
            v = v * 10 + (texte[i].unicode() - u'0');
        }
        return v;
    };
    if (texte.size() == 10 && texte[2] == u'/' && texte[5] == u'/') {
        const int jour = chiffres(0, 2), mois = chiffres(3, 2), annee = chiffres(6, 4);
        if (jour >= 0 && mois >= 0 && annee > 0)
            return QDate(annee, mois, jour);
    }
    return QDate::fromString(texte.toString(), kFormatDate);
}

int lignesFixes(const DispositionDocument& dd) {
    return std::max(dd.ligneTtc, dd.ligneValide);
}

CellulesLues decoupeCellules(QStringView reste) {
    // Cells are short: a plain walk finds their TABs soonest.
    CellulesLues cellules;
    const QChar* debut = reste.data();
    const QChar* const fin = debut + reste.size();
    for (QStringView& cellule : cellules) {
        const QChar* tab = debut;
        while (tab < fin && *tab != u'\t')
            ++tab;
        cellule = QStringView(debut, tab);
        debut = tab < fin ? tab + 1 : fin;
    }
    return cellules;
}

bool litEnPlace(const Blocs& s, int n, const DispositionDocument& dd, BlocLu& b) {
    const int ouverture = s.ChercheBloc(n);
    if (ouverture < 0)
        return false;
    const int fin = s.finBloc(n, ouverture).fin;
    const auto ligne = [&](int l) {
        return ouverture + l < fin ? QStringView(s.ligne(ouverture + l)) : QStringView();
    };
    b.genre = dd.ligneGenre > 0 ? ligne(dd.ligneGenre) : QStringView();
    // The kind's first character follows "NUM", none when the kind was left empty.
    b.numero = ligne(1).mid(b.genre.isEmpty() ? 3 : 4).trimmed();
    b.date = ligne(2);
    b.tiers = ligne(3);
    b.conditions = ligne(4);
    for (int i = 0; i < 4; ++i)
        b.adresse[std::size_t(i)] = ligne(dd.ligneAdresse1 + i);
    const QStringView mode = ligne(dd.ligneTtc);
    b.ttc = mode.startsWith(u"TTC") && mode.mid(3, 1) == u"Y";
    // An order keeps its validation as the fifth character of that line; a line without
    // it is an order not validated.
    b.valide = dd.ligneValide > 0 ? ligne(dd.ligneValide) == u"Y" : mode.mid(4, 1) == u"Y";
    // Every line of the block is read: notes and lines are written back whole.
    b.lignes.clear();
    b.notes.clear();
    for (int p = ouverture + lignesFixes(dd) + 1; p < fin; ++p) {
        const QStringView texte = s.ligne(p);
        if (texte.startsWith(kMemo)) {
            b.notes.push_back(texte.mid(kMemo.size()));
        } else if (texte.startsWith(dd.prefixeLigne) &&
                   texte.size() - dd.prefixeLigne.size() >= 10 &&
                   b.lignes.size() < std::size_t(Document::kLignes)) {
            b.lignes.push_back(decoupeCellules(texte.mid(dd.prefixeLigne.size())));
        }
    }
    return true;
}

bool litBloc(const Blocs& s, int n, const DispositionDocument& dd, Document& d) {
    thread_local BlocLu b;
    if (!litEnPlace(s, n, dd, b))
        return false;
    if (!b.numero.isEmpty())
        // The number is read whole: cut to its nine positions it could be another document's.
        d.numero = b.numero.toString().leftJustified(9, u' ');
    if (const QDate date = litDate(b.date); date.isValid())
        d.date = date;
    pose(d.tiers, b.tiers);
    if (!b.conditions.isEmpty())
        pose(d.conditions, b.conditions);
    if (!b.genre.isEmpty())
        pose(d.genre, b.genre);
    for (std::size_t i = 0; i < 4; ++i)
        pose(d.adresse[i], b.adresse[i]);
    d.ttc = b.ttc;
    d.valide = b.valide;
    for (const QStringView note : b.notes)
        d.notes.append(note.toString());
    const int rangees = int(b.lignes.size());
    for (int r = 0; r < rangees; ++r) {
        for (std::size_t c = 0; c < 7; ++c)
            pose(d.lignes[std::size_t(r)][c], b.lignes[std::size_t(r)][c]);
    }
    // Rows a document read before into the same model are emptied.
    for (int r = rangees; r < d.lignesUtilisees - 1 && r < Document::kLignes; ++r)
        for (QString& cellule : d.lignes[std::size_t(r)])
            pose(cellule, {});
    d.lignesUtilisees = rangees + 1;
    return true;
}

PageDocument::PageDocument(DispositionDocument disposition, JeuDocuments& jeu, Reglages& reglages,
                           Dialogues& dialogues, const MesureTexte& mesure, PageCarte& tiers,
                           PageCarte& articles)
    : m_disposition(std::move(disposition)), m_jeu(jeu), m_reglages(reglages),
      m_dialogues(dialogues), m_mesure(mesure), m_tiers(tiers), m_articles(articles) {}

int PageDocument::lignesFixes() const {
    return zel::lignesFixes(m_disposition);
}

void PageDocument::Charge() {
    m_prochainNumero = Numero();
    Lit();
}

bool PageDocument::accepte(const QString& texte) {
    const std::optional<QString> refus = refusChamp(texte);
    if (refus)
        m_dialogues.message(*refus);
    return !refus;
}

void PageDocument::celluleEditee(int rangee, int colonne) {
    Document& d = m_document;
    if (!d.ligne(rangee)[std::size_t(colonne)].isEmpty())
        d.lignesUtilisees = std::max(d.lignesUtilisees, rangee);
    if (colonne == C::Ref)
        m_references[std::size_t(rangee - 1)].tapee = true;
    marque();
}

void PageDocument::celluleRefusee(const QString& motif) {
    m_dialogues.message(motif);
}

void PageDocument::marque() {
    m_jeu.setCarteModifiee(sorte(), true);
    m_jeu.SetSauve();
}

qint64 PageDocument::numeroDe(QStringView premiereLigne) const {
    // Only the kind that is validated numbers: a quote does not take an invoice's number.
    const QString prefixe = genreStocke() ? kNum + m_disposition.genres.front().left(1) : kNum;
    if (!premiereLigne.startsWith(prefixe, Qt::CaseInsensitive))
        return -1;
    bool ok = false;
    const qint64 n = premiereLigne.mid(prefixe.size()).trimmed().toLongLong(&ok);
    return ok ? n : -1;
}

qint64 PageDocument::plusHautNumero() const {
    const Blocs& s = store();
    if (m_plusHaut >= 0 && m_versionNumeros == s.version())
        return m_plusHaut;
    qint64 plusHaut = 0;
    for (const LigneOuverture& o : s.ouvertures()) {
        if (o.numero >= 0)
            plusHaut = std::max(plusHaut, numeroDe(ligneApres(s, o.position, 1)));
    }
    m_plusHaut = plusHaut;
    m_versionNumeros = s.version();
    return plusHaut;
}

qint64 PageDocument::Numero() const {
    const QDate jour = m_aujourdhui();
    return std::max(jour.year() * 100000LL + jour.month() * 1000LL, plusHautNumero()) + 1;
}

bool PageDocument::dateAcceptable(QStringView texte) {
    return texte.size() <= 10 && std::all_of(texte.begin(), texte.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || c == u'/';
           });
}

bool PageDocument::numeroAcceptable(QStringView texte) {
    return texte.size() <= 9 && std::all_of(texte.begin(), texte.end(), positionNumero);
}

void PageDocument::saisitNotes(const QString& texte) {
    QStringList notes = texte.isEmpty() ? QStringList() : texte.split(u'\n');
    for (QString& note : notes) {
        for (QChar& c : note) {
            if (c.unicode() < 0x20 || c.category() == QChar::Other_Control)
                c = u' ';
        }
    }
    m_document.notes = notes;
    marque();
}

bool PageDocument::codeChiffresAcceptable(QStringView texte) {
    return texte.size() <= 5 &&
           std::all_of(texte.begin(), texte.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool PageDocument::saisitDate(const QString& texte) {
    const QDate date = litDate(texte.trimmed());
    if (!date.isValid()) {
        m_dialogues.message(QStringLiteral("« %1 » n'est pas une date : tapez le jour, le mois et "
                                           "l'année d'un jour qui existe, jj/mm/aaaa.")
                                .arg(texte.trimmed()));
        return false;
    }
    if (date != m_document.date) {
        m_document.date = date;
        marque();
    }
    return true;
}

bool PageDocument::saisitNumero(const QString& texte) {
    if (texte.size() > 9) {
        m_dialogues.message(
            QStringLiteral("Le numéro a neuf positions au plus : « %1 » n'est pas pris.")
                .arg(texte));
        return false;
    }
    QString numero = texte;
    for (QChar& c : numero) {
        if (!positionNumero(c))
            c = u' ';
    }
    m_document.numero = numero.leftJustified(9, u' ');
    marque();
    return true;
}

void PageDocument::vide() {
    Document d;
    d.date = m_aujourdhui();
    d.genre = m_disposition.genres.front();
    // A number past nine digits is never cut short: the document then has no number.
    d.numero = m_prochainNumero > kNumeroMaxi
                   ? QString(9, u' ')
                   : QString::number(m_prochainNumero).leftJustified(9, u' ');
    d.conditions = conditions().value(0);
    m_document = std::move(d);
    std::fill(m_references.begin(), m_references.end(), EtatReference{});
}

const QStringList& PageDocument::conditions() const {
    return m_disposition.conditions.isEmpty() ? m_reglages.listes.reglements
                                              : m_disposition.conditions;
}

void PageDocument::suitReglages() {
    metLegendes(m_totaux, m_reglages.ini);
}

void PageDocument::Calcule() {
    m_totaux = Calculef(m_document.lignes, m_document.ttc, m_reglages, m_mesure);
    m_modele.rafraichi();
}

void PageDocument::Lit() {
    vide();
    litBloc(store(), courant(), m_disposition, m_document);
    Calcule();
    m_jeu.setCarteModifiee(sorte(), false);
}

bool PageDocument::complet() const {
    return manque().isEmpty();
}

QString PageDocument::manque() const {
    const Document& d = m_document;
    QStringList manquants;
    if (d.tiers.trimmed().isEmpty())
        manquants.append(m_disposition.manqueTiers);
    if (d.numero.isEmpty() || d.numero.front() == u' ')
        manquants.append(QStringLiteral("le numéro"));
    bool reference = false;
    for (int r = 1; r <= d.lignesUtilisees && r <= Document::kLignes; ++r)
        reference = reference || !d.ligne(r)[C::Ref].isEmpty();
    if (!reference)
        manquants.append(QStringLiteral("une ligne avec une référence"));
    return manquants.join(QStringLiteral(", "));
}

QString PageDocument::genreEcrit() const {
    // A kind left empty is read back as the first kind: it is written so.
    const QString genre = genreAEcrire(m_document.genre);
    return genre.isEmpty() ? m_disposition.genres.front() : genre;
}

QStringList PageDocument::lignesBloc() const {
    const DispositionDocument& dd = m_disposition;
    const Document& d = m_document;
    QStringList lignes(lignesFixes());
    const QString genre = genreStocke() ? genreEcrit() : QString();
    lignes[0] = kNum + genre.left(1) + d.numero.leftJustified(9, u' ');
    lignes[1] = d.date.toString(kFormatDate);
    lignes[2] = d.tiers;
    lignes[3] = d.conditions;
    if (genreStocke())
        lignes[dd.ligneGenre - 1] = genre;
    for (int i = 0; i < 4; ++i)
        lignes[dd.ligneAdresse1 - 1 + i] = d.adresse[std::size_t(i)];
    const QString oui = QStringLiteral("Y"), non = QStringLiteral("N");
    lignes[dd.ligneTtc - 1] = QStringLiteral("TTC") + (d.ttc ? oui : non);
    if (dd.ligneValide > 0)
        lignes[dd.ligneValide - 1] = d.valide ? oui : non;
    else
        lignes[dd.ligneTtc - 1] += d.valide ? oui : non;
    for (int r = 1; r <= d.lignesUtilisees && r <= Document::kLignes; ++r) {
        const LigneDocument& l = d.ligne(r);
        const QString ligne = dd.prefixeLigne + QStringList(l.begin(), l.end()).join(u'\t');
        if (ligne.size() > 12)
            lignes.append(ligne);
    }
    for (const QString& n : d.notes)
        lignes.append(kMemo + n);
    return lignes;
}

void PageDocument::Ecrit() {
    if (!estModifie() || !complet())
        return;
    // A document is never rewritten in place: its old block goes and the new one is appended.
    Blocs& s = store();
    const bool numerosAJour = m_plusHaut >= 0 && m_versionNumeros == s.version();
    const int ouverture = s.ChercheBloc(courant());
    const qint64 ancien = ouverture < 0 ? -1 : numeroDe(ligneApres(s, ouverture, 1));
    const QStringList lignes = lignesBloc();
    s.SupBloc(courant());
    s.AjouteBloc(courant(), lignes);
    // The highest number follows what the page writes, so that documents written one after
    // another never read the whole store again; it is read again when the highest one was
    // rewritten lower.
    if (numerosAJour) {
        const qint64 nouveau = numeroDe(lignes.front());
        if (ancien >= m_plusHaut && nouveau < ancien)
            m_plusHaut = -1;
        else
            m_plusHaut = std::max(m_plusHaut, nouveau);
        m_versionNumeros = s.version();
    }
    // A document typed on the page of an emptied store counts once it is written.
    if (courant() >= compte())
        m_jeu.setCompte(sorte(), courant() + 1);
    // What is written is in the store: leaving the page writes nothing more.
    m_jeu.setCarteModifiee(sorte(), false);
}

bool PageDocument::quitte() {
    if (estModifie() && !complet()) {
        if (!m_dialogues.okAnnuler(
                QStringLiteral("Ce document ne peut pas être enregistré : il lui manque %1.\n"
                               "Abandonner ses modifications ?")
                    .arg(manque())))
            return false;
        m_jeu.setCarteModifiee(sorte(), false);
        return true;
    }
    Ecrit();
    return true;
}

bool PageDocument::nouveau(bool avecLigneVide) {
    if (!quitte())
        return false;
    Blocs& s = store();
    // No complete block fits in fewer lines: the count starts again from none.
    const int n =
        s.taille() + (avecLigneVide ? 1 : 0) < 12 ? 0 : maintenance::numeroNouveau(s, compte());
    if (n > Blocs::kCapacite - 1) {
        m_dialogues.message(QStringLiteral("Le fichier est plein"));
        return false;
    }
    const qint64 numero = Numero();
    if (numero > kNumeroMaxi) {
        m_dialogues.message(QStringLiteral("Plus de numéro %1 libre : le numéro suivant, %2, "
                                           "dépasse les neuf chiffres du numéro.")
                                .arg(m_disposition.deDocument)
                                .arg(numero));
        return false;
    }
    if (avecLigneVide) {
        // A line outside any block changes no number.
        const bool numerosAJour = m_plusHaut >= 0 && m_versionNumeros == s.version();
        s.ajoute({QStringLiteral(" ")});
        if (numerosAJour)
            m_versionNumeros = s.version();
    }
    m_jeu.setCompte(sorte(), n + 1);
    m_jeu.setCourant(sorte(), n);
    m_prochainNumero = numero;
    Lit();
    return true;
}

std::array<QString, 4> PageDocument::adresseDe(const std::function<QString(int)>& champ) const {
    const DispositionDocument& dd = m_disposition;
    return {champ(dd.ficheNom), champ(dd.ficheAdresse1), champ(dd.ficheAdresse2),
            champ(dd.ficheCodePostal) + u' ' + champ(dd.ficheVille)};
}

bool PageDocument::Nouveau() {
    if (!nouveau(false))
        return false;
    m_unTiers = false;
    const Carte& fiche = m_tiers.carte();
    Document& d = m_document;
    d.tiers = fiche.champ(PageCarte::kLigneCode);
    d.adresse = adresseDe([&fiche](int l) { return fiche.champ(l); });
    d.date = m_aujourdhui();
    d.valide = false;
    return true;
}

void PageDocument::Creer() {
    if (nouveau(true))
        m_document.lignesUtilisees = 0;
}

QChar PageDocument::caractereGrille(QChar c, int colonne) {
    return c == u'.' && colonne > C::Ref ? QChar(u',') : c;
}

int PageDocument::finDeLigne(int rangee) {
    Document& d = m_document;
    const std::vector<LigneDocument> avant = d.lignes;
    const int utiliseesAvant = d.lignesUtilisees;
    LigneDocument& l = d.ligne(rangee);
    if (l[C::Tva].isEmpty())
        l[C::Tva] = QStringLiteral("1");
    if (const QString refus = recalcule(avant); !refus.isEmpty()) {
        m_dialogues.message(
            QStringLiteral("La ligne n'est pas calculée : %1. Corrigez la quantité, "
                           "le prix ou la remise.")
                .arg(refus));
        return rangee;
    }
    d.lignesUtilisees = std::max(d.lignesUtilisees, rangee);
    if (d.lignes != avant || d.lignesUtilisees != utiliseesAvant)
        marque();
    return d.lignesUtilisees < kLignesAuClavier ? std::min(rangee + 1, Document::kLignes) : rangee;
}

PageDocument::Suite PageDocument::entree(int rangee, int colonne) {
    const LigneDocument& l = m_document.ligne(rangee);
    if (colonne == C::Ref) {
        Recherche r = quitteReference(rangee);
        // A line of an article, filled now or before, waits for its quantity; a free line for
        // its designation.
        const bool article = r.remplie || ouvertureArticle(l[C::Ref]) >= 0;
        return {rangee, article ? C::Quantite : C::Designation, std::move(r.avis)};
    }
    if (!finitLaLigne(colonne))
        return {rangee, C::Quantite, {}};
    if (colonne == C::Quantite && l[C::Quantite].trimmed().isEmpty() &&
        !l[C::Ref].trimmed().isEmpty() && !m_document.valide)
        return {rangee, C::Quantite,
                QStringLiteral("Tapez la quantité de la ligne %1.").arg(rangee)};
    return {finDeLigne(rangee), C::Ref, {}};
}

int PageDocument::ouvertureArticle(QStringView code) const {
    return chercheCode(articles(), code, m_disposition.articleReference);
}

PageDocument::Recherche PageDocument::remplit(int rangee, const QString& code) {
    const DispositionDocument& dd = m_disposition;
    LigneDocument& l = m_document.ligne(rangee);
    const LigneDocument avant = l;
    m_references[std::size_t(rangee - 1)] = {code, false};
    const int ouverture = ouvertureArticle(code);
    Recherche r;
    if (ouverture < 0) {
        l[C::Ref] = code;
        r.avis =
            QStringLiteral("Aucun article n'a %1 %2 : ligne libre").arg(dd.referenceArticle, code);
    } else {
        // The article gives its own code, designation, price and VAT code; the VAT code stays
        // editable.
        const Blocs& store = articles();
        const auto ligne = [&](int n) { return ligneApres(store, ouverture, n); };
        l[C::Ref] = ligne(dd.articleReference).trimmed().toString();
        l[C::Designation] = ligne(dd.articleDesignation).toString();
        l[C::Prix] =
            ligne(m_document.ttc ? dd.articlePrixTTC : dd.articlePrixHT).trimmed().toString();
        if (const QStringView tva = ligne(dd.articleTva).trimmed();
            tva == u"1" || tva == u"2" || tva == u"3")
            l[C::Tva] = tva.toString();
        m_references[std::size_t(rangee - 1)].cherchee = l[C::Ref];
        r.remplie = true;
    }
    if (l != avant) {
        m_document.lignesUtilisees = std::max(m_document.lignesUtilisees, rangee);
        marque();
        m_modele.rafraichi();
    }
    return r;
}

PageDocument::Recherche PageDocument::remplitDepuisArticle(int rangee) {
    if (m_document.valide)
        return {};
    QString code = m_document.ligne(rangee)[C::Ref].trimmed();
    if (code.isEmpty())
        code = m_articles.choisit(m_disposition.articleReference, m_disposition.articleDesignation)
                   .value_or(QString());
    if (code.isEmpty())
        return {};
    return remplit(rangee, code);
}

PageDocument::Recherche PageDocument::quitteReference(int rangee) {
    if (m_document.valide)
        return {};
    const LigneDocument& l = m_document.ligne(rangee);
    const QString code = l[C::Ref].trimmed();
    const EtatReference& e = m_references[std::size_t(rangee - 1)];
    // A line the user has filled otherwise keeps its designation and price until its "Réf" is
    // typed again.
    if (code.isEmpty() || !(e.tapee || (l[C::Designation].isEmpty() && e.cherchee != code)))
        return {};
    return remplit(rangee, code);
}

void PageDocument::SupLigne(int rangee) {
    Document& d = m_document;
    if (rangee < 1 || rangee > d.lignesUtilisees || d.valide)
        return;
    for (int r = rangee; r < d.lignesUtilisees && r < Document::kLignes; ++r) {
        d.ligne(r) = d.ligne(r + 1);
        m_references[std::size_t(r - 1)] = m_references[std::size_t(r)];
    }
    d.ligne(std::min(d.lignesUtilisees, Document::kLignes)) = {};
    m_references[std::size_t(std::min(d.lignesUtilisees, Document::kLignes) - 1)] = {};
    --d.lignesUtilisees;
    marque();
    m_modele.rafraichi();
}

void PageDocument::choisitTiers() {
    const std::optional<QString> code =
        m_tiers.choisit(PageCarte::kLigneCode, m_disposition.ficheNom);
    if (!code)
        return;
    Document& d = m_document;
    d.tiers = *code;
    marque();
    const Blocs& fiches = m_jeu.store(m_tiers.sorte());
    for (const LigneOuverture& o : fiches.ouvertures()) {
        if (o.numero >= 0 && ligneApres(fiches, o.position, PageCarte::kLigneCode) == *code) {
            d.adresse =
                adresseDe([&](int l) { return ligneApres(fiches, o.position, l).toString(); });
            return;
        }
    }
}

QString PageDocument::recalcule(const std::vector<LigneDocument>& avant) {
    const Totaux totaux = m_totaux;
    Calcule();
    const QString refus = m_totaux.depassement;
    if (!refus.isEmpty()) {
        m_document.lignes = avant;
        m_totaux = totaux;
        m_modele.rafraichi();
    }
    return refus;
}

void PageDocument::poste(int fiche) {
    const Document& d = m_document;
    m_jeu.setCourant(m_tiers.sorte(), fiche);
    m_tiers.LitFiche(true);
    Carte& carte = m_tiers.carte();
    carte.setDateSaisie(m_aujourdhui());
    carte.saisit(carte.disposition().ligneSaisieLibelle, d.genre.trimmed() + u' ' + d.numero);
    carte.saisit(carte.disposition().ligneSaisieMontant, m_totaux.ttc);
    carte.valideSaisie();
    m_tiers.EcritFiche();
}

QString PageDocument::nouveauxStocks(QStringList& oublis,
                                     std::vector<std::pair<int, QString>>& stocks) const {
    const Blocs& s = m_jeu.BlocsArt();
    for (const Mouvement& m : mouvementsStock(oublis)) {
        const int position = m.ouverture + m.ligneStock;
        const auto deja = std::find_if(stocks.begin(), stocks.end(),
                                       [position](const auto& x) { return x.first == position; });
        const QStringView texte = (deja == stocks.end() ? ligneApres(s, m.ouverture, m.ligneStock)
                                                        : QStringView(deja->second))
                                      .trimmed();
        // A blank stock is none yet.
        const std::optional<double> stock =
            texte.isEmpty() ? std::optional<double>(0) : litNombre(texte);
        if (position >= s.taille() || !stock) {
            if (!m.oubli.isEmpty())
                oublis.append(m.oubli);
            continue;
        }
        const std::optional<QString> nouveau =
            formateMontant(*stock + m.quantite, m_reglages.formatMontant);
        if (!nouveau)
            return depasse(QStringLiteral("Stock réel"),
                           QStringLiteral(" de l'article %1")
                               .arg(ligneApres(s, m.ouverture, m_disposition.articleReference)));
        const QString aligne = Rset(*nouveau, kLargeurStock, m_mesure);
        if (deja == stocks.end())
            stocks.emplace_back(position, aligne);
        else
            deja->second = aligne;
    }
    return {};
}

void PageDocument::Valider() {
    Document& d = m_document;
    const DispositionDocument& dd = m_disposition;
    if (d.valide || lettreGenre(genreEcrit()) != lettreGenre(dd.genres.front()))
        return;
    const auto refuse = [&](const QString& pourquoi) {
        m_dialogues.message(
            QStringLiteral("%1 ne peut pas être validée : %2.").arg(dd.ceDocument, pourquoi));
    };
    if (const QString ce = manque(); !ce.isEmpty()) {
        refuse(QStringLiteral("il lui manque ") + ce);
        return;
    }
    // Everything the validation needs is checked before anything changes. The cards shown are
    // written back first, so that the look-ups see their edits and they are read again after.
    m_tiers.EcritFiche();
    m_articles.EcritFiche();
    // The card whose code is the document's, not one whose code merely begins with it.
    const Blocs& fiches = m_jeu.store(m_tiers.sorte());
    const int ouvertureFiche = chercheCode(fiches, d.tiers);
    if (ouvertureFiche < 0) {
        m_dialogues.message(
            QStringLiteral("%1 n'a le code %2 : %3 n'est pas validée. Corrigez %4.")
                .arg(dd.aucunTiers, d.tiers.trimmed(), dd.leDocument, dd.manqueTiers));
        return;
    }
    const int fiche = Blocs::numeroBalise(fiches.ligne(ouvertureFiche), 5);
    QStringList oublis;
    std::vector<std::pair<int, QString>> stocks;
    if (const QString refus = nouveauxStocks(oublis, stocks); !refus.isEmpty()) {
        refuse(refus);
        return;
    }
    // An article sold or bought for nothing is most often a price forgotten.
    if (const int r = ligneSansPrix();
        r > 0 && !m_dialogues.okAnnuler(
                     QStringLiteral("La ligne %1 n'a pas de prix. Valider quand même ?").arg(r)))
        return;
    // A quantity changed without Enter counts as it is shown.
    if (const QString refus = recalcule(std::vector<LigneDocument>(d.lignes)); !refus.isEmpty()) {
        refuse(refus);
        return;
    }
    d.valide = true;
    marque();
    Ecrit();
    poste(fiche);
    Blocs& articles = m_jeu.BlocsArt();
    for (const auto& [position, texte] : stocks)
        articles.changeLigne(position, texte);
    m_articles.LitFiche(true);
    if (!oublis.isEmpty())
        m_dialogues.message(QStringLiteral("Le stock de ces lignes n'a pas changé :\n") +
                            oublis.join(u'\n'));
}

int PageDocument::ligneSansPrix() const {
    const Document& d = m_document;
    for (int r = 1; r <= d.lignesUtilisees && r <= Document::kLignes; ++r) {
        const LigneDocument& l = d.ligne(r);
        if (l[C::Quantite].trimmed().isEmpty() || l[C::Ref].trimmed().isEmpty())
            continue;
        const std::optional<double> prix = litNombre(l[C::Prix].trimmed());
        if ((!prix || *prix == 0) && ouvertureArticle(l[C::Ref]) >= 0)
            return r;
    }
    return 0;
}

void PageDocument::Supprime() {
    int n = compte();
    int numero = courant();
    maintenance::Supprime(store(), n, numero);
    m_jeu.setCompte(sorte(), n);
    m_jeu.setCourant(sorte(), numero);
    m_jeu.SetSauve();
    m_prochainNumero = Numero();
    Lit();
}

std::vector<std::pair<int, QString>> PageDocument::entreesListe() const {
    const Blocs& s = store();
    std::vector<std::pair<int, QString>> entrees;
    entrees.reserve(std::size_t(s.CompteBlocs()));
    // Every document, across the gaps a hand-edited file may have in its numbers.
    for (int n = 0; n < Blocs::kNumerosPossibles; ++n) {
        const int o = s.ChercheBloc(n);
        if (o < 0)
            continue;
        // One text built in place: the list of ten thousand documents makes no other.
        const QStringView numero = ligneApres(s, o, 1).mid(genreStocke() ? 4 : 3);
        qsizetype taille = numero.size();
        for (int l : m_disposition.lignesListe)
            taille += 2 + ligneApres(s, o, l).size();
        QString entree;
        entree.reserve(taille);
        entree += numero;
        for (int l : m_disposition.lignesListe) {
            entree += u"  ";
            entree += ligneApres(s, o, l);
        }
        entrees.emplace_back(n, std::move(entree));
    }
    return entrees;
}

std::optional<int> PageDocument::blocDuNumero(const QString& cle) const {
    const Blocs& s = store();
    const QString ligne = kNum + cle;
    for (const LigneOuverture& o : s.ouvertures()) {
        if (o.numero >= 0 && ligneApres(s, o.position, 1).compare(ligne, Qt::CaseInsensitive) == 0)
            return o.numero;
    }
    return std::nullopt;
}

void PageDocument::Liste() {
    if (!quitte())
        return;
    const std::vector<std::pair<int, QString>> entrees = entreesListe();
    QStringList textes;
    for (const auto& e : entrees)
        textes.append(e.second);
    const std::optional<int> choix = m_dialogues.listeDocuments(m_disposition.titreListe, textes);
    // The entry chosen opens its own block, whatever the number written in it.
    if (choix && *choix >= 0 && *choix < int(entrees.size()))
        va(entrees[std::size_t(*choix)].first);
}

bool PageDocument::litDocument(const QString& cle) {
    const std::optional<int> n = blocDuNumero(cle);
    if (n)
        va(*n);
    return n.has_value();
}

void PageDocument::Cherche() {
    // Cancelling searches the preset alone, which finds nothing.
    const QString cle = m_dialogues.saisit(m_disposition.saisieCherche, m_disposition.presetCherche)
                            .value_or(m_disposition.presetCherche);
    // The document shown is written back first: the search then sees the store as it is.
    if (!quitte())
        return;
    litDocument(cle);
}

bool PageDocument::SetSel(bool unTiers) {
    if (unTiers) {
        const std::optional<QString> code =
            m_dialogues.saisit(m_disposition.saisieFiltre, m_document.tiers);
        if (!code)
            return false;
        m_codeFiltre = *code;
    }
    m_unTiers = unTiers;
    return true;
}

void PageDocument::va(int numero) {
    m_jeu.setCourant(sorte(), numero);
    Lit();
}

void PageDocument::navigue(Pas pas) {
    if (!quitte())
        return;
    if (m_unTiers) {
        const QString code = m_codeFiltre;
        va(pasFiltre(store(), pas, courant(), 3, [&code](QStringView t) {
               return t == code;
           }).value_or(courant()));
        return;
    }
    const bool versLaFin = pas == Pas::Suivant || pas == Pas::Dernier;
    if (versLaFin && compte() < 2)
        return;
    va(pasSimple(pas, courant(), compte()));
}

} // namespace zel
