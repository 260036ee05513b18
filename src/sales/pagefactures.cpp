#include "sales/pagefactures.h"

#include "records/texte.h"
#include "store/maintenance.h"

#include <algorithm>

namespace zel {
namespace {

namespace L = ligneFacture;
namespace C = colonne;

const QString kFact = QStringLiteral("FACT");
const QString kMemo = QStringLiteral("MEMO");
const QString kFormatDate = QStringLiteral("dd/MM/yyyy");
constexpr int kLignesFixes = 11;
// Enter moves down a row while fewer lines than this are in use.
constexpr int kLignesAuClavier = 20;
constexpr int kLargeurStock = 75;

// Codes compared as the user means them: blanks around ignored, a to z in any case.
bool memeCode(QStringView a, QStringView b) {
    return majusculesAZ(a.trimmed()) == majusculesAZ(b.trimmed());
}

// The first block of a store whose line `ligne` is the code.
int chercheCode(const Blocs& store, int ligne, QStringView code,
                bool (*egal)(QStringView, QStringView)) {
    for (const LigneOuverture& o : store.ouvertures()) {
        if (o.numero >= 0 && egal(ligneApres(store, o.position, ligne), code))
            return o.position;
    }
    return -1;
}

bool exactement(QStringView a, QStringView b) {
    return a == b;
}

} // namespace

PageFactures::PageFactures(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                           const MesureTexte& mesure, PageClients& clients, PageArticles& articles)
    : m_jeu(jeu), m_reglages(reglages), m_dialogues(dialogues), m_mesure(mesure),
      m_clients(clients), m_articles(articles) {
    ChargeFact();
}

void PageFactures::ChargeFact() {
    m_prochainNumero = Numerof();
    LitFact();
}

const QStringList& PageFactures::genres() {
    static const QStringList liste = {QStringLiteral("Facture"), QStringLiteral("Devis    "),
                                      QStringLiteral("Avoir     ")};
    return liste;
}

bool PageFactures::accepte(const QString& texte) {
    const std::optional<QString> refus = refusChamp(texte);
    if (refus)
        m_dialogues.message(*refus);
    return !refus;
}

void PageFactures::celluleRefusee(const QString& motif) {
    m_dialogues.message(motif);
}

void PageFactures::marque() {
    m_jeu.setCarteModifiee(Sorte::Factures, true);
    m_jeu.SetSauve();
}

qint64 PageFactures::Numerof() const {
    const QDate jour = m_aujourdhui();
    qint64 plusHaut = jour.year() * 100000LL + jour.month() * 1000LL;
    for (const QString& ligne : m_jeu.BlocsFact().lignes()) {
        if (!ligne.startsWith(u"NUMF"))
            continue;
        bool ok = false;
        const qint64 n = QStringView(ligne).mid(4).trimmed().toLongLong(&ok);
        if (ok && n > plusHaut)
            plusHaut = n;
    }
    return plusHaut + 1;
}

bool PageFactures::numeroAcceptable(QStringView texte) {
    return texte.size() <= 9 && std::all_of(texte.begin(), texte.end(), positionNumero);
}

void PageFactures::saisitNumero(const QString& texte) {
    QString numero = texte.left(9);
    for (QChar& c : numero) {
        if (!positionNumero(c))
            c = u' ';
    }
    m_document.numero = numero.leftJustified(9, u' ');
    marque();
}

void PageFactures::vide() {
    DocumentFacture d;
    d.date = m_aujourdhui();
    d.genre = genres().front();
    // A number past nine digits is never cut short: the document then has no number.
    d.numero = m_prochainNumero > kNumeroMaxi
                   ? QString(9, u' ')
                   : QString::number(m_prochainNumero).leftJustified(9, u' ');
    d.conditions = m_reglages.listes.reglements.value(0);
    m_document = std::move(d);
}

void PageFactures::ParF(const SaisieParametres& saisie) {
    saisie.applique(m_reglages);
    metLegendes(m_totaux, m_reglages.ini);
}

void PageFactures::Calculef() {
    m_totaux = zel::Calculef(m_document.lignes, m_document.ttc, m_reglages, m_mesure);
    m_modele.rafraichi();
}

void PageFactures::LitFact() {
    vide();
    const Blocs& store = m_jeu.BlocsFact();
    const int ouverture = store.ChercheBloc(courant());
    if (ouverture >= 0) {
        DocumentFacture& d = m_document;
        const int fin = store.finBloc(courant(), ouverture).fin;
        const auto ligne = [&](int l) {
            return ouverture + l < fin ? QStringView(store.ligne(ouverture + l)) : QStringView();
        };
        if (const QStringView numero = ligne(L::Numero).mid(4).trimmed(); !numero.isEmpty())
            d.numero = numero.toString().leftJustified(9, u' ', true);
        if (const QDate date = QDate::fromString(ligne(L::Date).toString(), kFormatDate);
            date.isValid())
            d.date = date;
        d.client = ligne(L::Client).toString();
        if (!ligne(L::Conditions).isEmpty())
            d.conditions = ligne(L::Conditions).toString();
        if (!ligne(L::Genre).isEmpty())
            d.genre = ligne(L::Genre).toString();
        for (int i = 0; i < 4; ++i)
            d.adresse[std::size_t(i)] = ligne(L::Adresse1 + i).toString();
        d.ttc = ligne(L::Ttc).startsWith(u"TTC") && ligne(L::Ttc).mid(3, 1) == u"Y";
        d.valide = ligne(L::Valide) == u"Y";
        // Every line of the block is read: notes and lines are written back whole.
        int rangee = 0;
        for (int p = ouverture + kLignesFixes; p < fin; ++p) {
            const QString& texte = store.ligne(p);
            if (texte.startsWith(kMemo)) {
                d.notes.append(texte.mid(kMemo.size()));
            } else if (texte.startsWith(kFact) && texte.size() - kFact.size() >= 10 &&
                       rangee < DocumentFacture::kLignes) {
                const QStringList cellules = texte.mid(kFact.size()).split(u'\t');
                LigneDocument& l = d.lignes[std::size_t(rangee++)];
                for (int c = 0; c < int(l.size()) && c < cellules.size(); ++c)
                    l[std::size_t(c)] = cellules[c];
            }
        }
        d.lignesUtilisees = rangee + 1;
    }
    Calculef();
    m_jeu.setCarteModifiee(Sorte::Factures, false);
}

bool PageFactures::Validef() const {
    return manque().isEmpty();
}

QString PageFactures::manque() const {
    const DocumentFacture& d = m_document;
    QStringList manquants;
    if (d.client.isEmpty())
        manquants.append(QStringLiteral("le code client"));
    if (d.numero.isEmpty() || d.numero.front() == u' ')
        manquants.append(QStringLiteral("le numéro"));
    bool reference = false;
    for (int r = 1; r <= d.lignesUtilisees && r <= DocumentFacture::kLignes; ++r)
        reference = reference || !d.lignes[std::size_t(r - 1)][C::Ref].isEmpty();
    if (!reference)
        manquants.append(QStringLiteral("une ligne avec une référence"));
    return manquants.join(QStringLiteral(", "));
}

QStringList PageFactures::lignesBloc() const {
    const DocumentFacture& d = m_document;
    QStringList lignes = {QStringLiteral("NUM") + d.genre.left(1) +
                              d.numero.leftJustified(9, u' ', true),
                          d.date.toString(kFormatDate), d.client, d.conditions, d.genre};
    for (const QString& a : d.adresse)
        lignes.append(a);
    lignes.append(d.ttc ? QStringLiteral("TTCY") : QStringLiteral("TTCN"));
    lignes.append(d.valide ? QStringLiteral("Y") : QStringLiteral("N"));
    for (int r = 1; r <= d.lignesUtilisees && r <= DocumentFacture::kLignes; ++r) {
        const LigneDocument& l = d.lignes[std::size_t(r - 1)];
        const QString ligne = kFact + QStringList(l.begin(), l.end()).join(u'\t');
        if (ligne.size() > 12)
            lignes.append(ligne);
    }
    for (const QString& n : d.notes)
        lignes.append(kMemo + n);
    return lignes;
}

void PageFactures::EcritFact() {
    if (!estModifie() || !Validef())
        return;
    // A document is never rewritten in place: its old block goes and the new one is appended.
    Blocs& store = m_jeu.BlocsFact();
    store.SupBloc(courant());
    store.AjouteBloc(courant(), lignesBloc());
    // A document typed on the page of an emptied store counts once it is written.
    if (courant() >= compte())
        m_jeu.setCompte(Sorte::Factures, courant() + 1);
}

bool PageFactures::quitte() {
    if (estModifie() && !Validef()) {
        if (!m_dialogues.okAnnuler(
                QStringLiteral("Ce document ne peut pas être enregistré : il lui manque %1.\n"
                               "Abandonner ses modifications ?")
                    .arg(manque())))
            return false;
        m_jeu.setCarteModifiee(Sorte::Factures, false);
        return true;
    }
    EcritFact();
    return true;
}

bool PageFactures::nouveau(bool avecLigneVide) {
    if (!quitte())
        return false;
    Blocs& store = m_jeu.BlocsFact();
    // No complete block fits in fewer lines: the count starts again from none.
    int n = store.taille() + (avecLigneVide ? 1 : 0) < 12 ? 0 : compte();
    // A new document left without being written gives its number to this one.
    if (n > 0 && store.ChercheBloc(n - 1) < 0)
        --n;
    if (n > Blocs::kCapacite - 1) {
        m_dialogues.message(QStringLiteral("Le fichier est plein"));
        return false;
    }
    const qint64 numero = Numerof();
    if (numero > kNumeroMaxi) {
        m_dialogues.message(
            QStringLiteral("Plus de numéro de facture libre : le numéro suivant, %1, dépasse "
                           "les neuf chiffres du numéro.")
                .arg(numero));
        return false;
    }
    if (avecLigneVide)
        store.ajoute({QStringLiteral(" ")});
    m_jeu.setCompte(Sorte::Factures, n + 1);
    m_jeu.setCourant(Sorte::Factures, n);
    m_prochainNumero = numero;
    LitFact();
    return true;
}

void PageFactures::NouvFact() {
    if (!nouveau(false))
        return;
    m_unClient = false;
    namespace LC = ligneClient;
    const Carte& client = m_clients.carte();
    DocumentFacture& d = m_document;
    d.client = client.champ(LC::Code);
    d.adresse = {client.champ(LC::Nom), client.champ(LC::Adresse1), client.champ(LC::Adresse2),
                 client.champ(LC::CodePostal) + u' ' + client.champ(LC::Ville)};
    d.date = m_aujourdhui();
    d.valide = false;
}

void PageFactures::Creer() {
    if (nouveau(true))
        m_document.lignesUtilisees = 0;
}

QChar PageFactures::caractereGrille(QChar c, int colonne) {
    return c == u'.' && colonne > C::Ref ? QChar(u',') : c;
}

int PageFactures::finDeLigne(int rangee) {
    DocumentFacture& d = m_document;
    const std::vector<LigneDocument> avant = d.lignes;
    const int utiliseesAvant = d.lignesUtilisees;
    LigneDocument& l = d.ligne(rangee);
    if (l[C::Tva].isEmpty())
        l[C::Tva] = QStringLiteral("1");
    Calculef();
    d.lignesUtilisees = std::max(d.lignesUtilisees, rangee);
    if (d.lignes != avant || d.lignesUtilisees != utiliseesAvant)
        marque();
    return d.lignesUtilisees < kLignesAuClavier ? std::min(rangee + 1, DocumentFacture::kLignes)
                                                : rangee;
}

bool PageFactures::remplitDepuisArticle(int rangee) {
    namespace LA = ligneArticle;
    if (m_document.valide)
        return false;
    LigneDocument& l = m_document.ligne(rangee);
    const LigneDocument avant = l;
    QString code = l[C::Ref].trimmed();
    if (code.isEmpty())
        code = m_articles.choisitParCode().value_or(QString());
    if (code.isEmpty())
        return false;
    l[C::Ref] = code;
    const Blocs& articles = m_jeu.BlocsArt();
    const int ouverture = chercheCode(articles, LA::Code, code, exactement);
    if (ouverture >= 0) {
        l[C::Designation] = ligneApres(articles, ouverture, LA::Designation).toString();
        l[C::Prix] = ligneApres(articles, ouverture, m_document.ttc ? LA::PrixTTC : LA::PrixHT)
                         .trimmed()
                         .toString();
    }
    if (l != avant) {
        marque();
        m_modele.rafraichi();
    }
    return ouverture >= 0;
}

void PageFactures::SupLigne1(int rangee) {
    DocumentFacture& d = m_document;
    if (rangee < 1 || rangee > d.lignesUtilisees)
        return;
    for (int r = rangee; r < d.lignesUtilisees && r < DocumentFacture::kLignes; ++r)
        d.ligne(r) = d.ligne(r + 1);
    d.ligne(std::min(d.lignesUtilisees, DocumentFacture::kLignes)) = {};
    --d.lignesUtilisees;
    marque();
    m_modele.rafraichi();
}

void PageFactures::choisitClient() {
    namespace LC = ligneClient;
    const std::optional<QString> code = m_clients.choisitClient();
    if (!code)
        return;
    DocumentFacture& d = m_document;
    d.client = *code;
    marque();
    const Blocs& clients = m_jeu.BlocsCli();
    const int o = chercheCode(clients, LC::Code, *code, exactement);
    if (o < 0)
        return;
    d.adresse = {ligneApres(clients, o, LC::Nom).toString(),
                 ligneApres(clients, o, LC::Adresse1).toString(),
                 ligneApres(clients, o, LC::Adresse2).toString(),
                 ligneApres(clients, o, LC::CodePostal).toString() + u' ' +
                     ligneApres(clients, o, LC::Ville).toString()};
}

void PageFactures::Valider() {
    DocumentFacture& d = m_document;
    if (d.valide || d.genre != genres().front())
        return;
    if (const QString ce = manque(); !ce.isEmpty()) {
        m_dialogues.message(
            QStringLiteral("Cette facture ne peut pas être validée : il lui manque %1.").arg(ce));
        return;
    }
    // A quantity changed without Enter counts as it is shown.
    Calculef();
    d.valide = true;
    marque();
    EcritFact();

    // The client whose code is the invoice's, not one whose code merely begins with it.
    namespace LC = ligneClient;
    const int client = d.client.trimmed().isEmpty()
                           ? -1
                           : chercheCode(m_jeu.BlocsCli(), LC::Code, d.client, memeCode);
    if (client < 0) {
        m_dialogues.message(
            QStringLiteral("Aucun client n'a le code %1 : la facture n'est portée à aucun compte.")
                .arg(d.client.trimmed()));
    } else {
        // The client card shown keeps the edits typed on it.
        m_clients.EcritFiche();
        m_jeu.setCourant(Sorte::Clients, Blocs::numeroBalise(m_jeu.BlocsCli().ligne(client), 5));
        m_clients.LitFiche(true);
        Carte& carte = m_clients.carte();
        carte.setDateSaisie(m_aujourdhui());
        carte.saisit(LC::SaisieLibelle, d.genre + u' ' + d.numero);
        carte.saisit(LC::SaisieMontant, m_totaux.ttc);
        carte.valideSaisie();
        m_clients.EcritFiche();
    }

    // Each line takes its quantity, decimals included, out of the article it names. The article
    // card shown is written back first and read again after, so that neither its edits nor the
    // new stock are lost.
    namespace LA = ligneArticle;
    m_articles.EcritFiche();
    Blocs& articles = m_jeu.BlocsArt();
    for (int r = 1; r <= d.lignesUtilisees && r <= DocumentFacture::kLignes; ++r) {
        const LigneDocument& l = d.ligne(r);
        if (l[C::Ref].isEmpty())
            continue;
        const int o = chercheCode(articles, LA::Code, l[C::Ref], memeCode);
        const std::optional<double> quantite = litNombre(l[C::Quantite]);
        if (o < 0 || !quantite)
            continue;
        const QStringView stockTexte = ligneApres(articles, o, LA::StockReel).trimmed();
        const std::optional<double> stock =
            stockTexte.isEmpty() ? std::optional<double>(0) : litNombre(stockTexte);
        if (!stock || o + LA::StockReel >= articles.taille())
            continue;
        articles.changeLigne(o + LA::StockReel,
                             Rset(formateMontant(*stock - *quantite, m_reglages.formatMontant),
                                  kLargeurStock, m_mesure));
    }
    m_articles.LitFiche(true);
}

void PageFactures::SupFact() {
    int n = compte();
    int numero = courant();
    maintenance::Supprime(m_jeu.BlocsFact(), n, numero);
    m_jeu.setCompte(Sorte::Factures, n);
    m_jeu.setCourant(Sorte::Factures, numero);
    m_jeu.SetSauve();
    m_prochainNumero = Numerof();
    LitFact();
}

QStringList PageFactures::entreesListe() const {
    const Blocs& store = m_jeu.BlocsFact();
    QStringList entrees;
    // The list relies on the block numbers having no gap, as every deletion renumbers.
    for (int n = 0;; ++n) {
        const int o = store.ChercheBloc(n);
        if (o < 0)
            break;
        entrees.append(QStringList{
            ligneApres(store, o, L::Numero).mid(4).toString(),
            ligneApres(store, o, L::Date).toString(), ligneApres(store, o, L::Client).toString(),
            ligneApres(store, o, L::Genre).toString(), ligneApres(store, o, L::Adresse1).toString()}
                           .join(QStringLiteral("  ")));
    }
    return entrees;
}

std::optional<int> PageFactures::blocDuNumero(const QString& cle) const {
    const Blocs& store = m_jeu.BlocsFact();
    const QString ligne = QStringLiteral("NUM") + cle;
    for (int p = 1; p < store.taille(); ++p) {
        if (store.ligne(p).compare(ligne, Qt::CaseInsensitive) == 0) {
            const int numero = Blocs::numeroBalise(store.ligne(p - 1), 5);
            return numero < 0 ? std::nullopt : std::optional<int>(numero);
        }
    }
    return std::nullopt;
}

void PageFactures::ListFact() {
    if (!quitte())
        return;
    const QStringList entrees = entreesListe();
    const std::optional<int> choix = m_dialogues.listeFactures(entrees);
    if (!choix || *choix < 0 || *choix >= entrees.size())
        return;
    const Blocs& store = m_jeu.BlocsFact();
    const int o = store.ChercheBloc(*choix);
    if (const std::optional<int> n =
            blocDuNumero(ligneApres(store, o, L::Genre).left(1).toString() +
                         ligneApres(store, o, L::Numero).mid(4).toString()))
        va(*n);
}

bool PageFactures::litDocument(const QString& cle) {
    const std::optional<int> n = blocDuNumero(cle);
    if (n)
        va(*n);
    return n.has_value();
}

void PageFactures::ChercheFact() {
    // Cancelling searches the preset "F" alone, which finds nothing.
    const QString cle = m_dialogues.saisit(Saisie::ChercheFacture, QStringLiteral("F"))
                            .value_or(QStringLiteral("F"));
    if (const std::optional<int> n = blocDuNumero(cle); n && quitte())
        va(*n);
}

void PageFactures::SetFact(bool unClient) {
    if (unClient) {
        const std::optional<QString> code =
            m_dialogues.saisit(Saisie::ClientFactures, m_document.client);
        if (!code)
            return;
        m_codeFiltre = *code;
    }
    m_unClient = unClient;
}

void PageFactures::va(int numero) {
    m_jeu.setCourant(Sorte::Factures, numero);
    LitFact();
}

void PageFactures::navigue(Pas pas) {
    if (!quitte())
        return;
    if (m_unClient) {
        const QString code = m_codeFiltre;
        va(pasFiltre(m_jeu.BlocsFact(), pas, courant(), L::Client, [&code](QStringView t) {
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
