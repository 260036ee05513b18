#include "reports/fec.h"

#include "records/sortie.h"
#include "store/fichiertexte.h"

#include <algorithm>
#include <map>

namespace zel {
namespace {

const QString kFormatDate = QStringLiteral("dd/MM/yyyy");
const char* const kJournal = "VT";
const char* const kLibelleJournal = "Journal des ventes";

// The 18 fields of each line, in their order, with what the description says of them.
struct Zone {
    const char* nom;
    const char* nature;
    const char* sens;
    const char* format;
};
const Zone kZones[] = {
    {"JournalCode", "alphanumérique", "code du journal de l'écriture", "VT"},
    {"JournalLib", "alphanumérique", "libellé du journal", "Journal des ventes"},
    {"EcritureNum", "alphanumérique",
     "numéro de l'écriture, sur une séquence continue à partir de 1 dans l'ordre des dates",
     "nombre entier"},
    {"EcritureDate", "date", "date de comptabilisation de l'écriture : la date de la pièce",
     "AAAAMMJJ"},
    {"CompteNum", "alphanumérique", "numéro du compte général (voir les codes ci-dessous)",
     "texte"},
    {"CompteLib", "alphanumérique", "libellé du compte général", "texte"},
    {"CompAuxNum", "alphanumérique",
     "numéro du compte auxiliaire : le code du client, sur la ligne du client ; vide sur les "
     "autres lignes",
     "texte"},
    {"CompAuxLib", "alphanumérique",
     "libellé du compte auxiliaire : le nom du client ; vide quand CompAuxNum est vide", "texte"},
    {"PieceRef", "alphanumérique",
     "référence de la pièce justificative : le numéro de la facture ou de l'avoir", "texte"},
    {"PieceDate", "date", "date de la pièce justificative", "AAAAMMJJ"},
    {"EcritureLib", "alphanumérique",
     "libellé de l'écriture : le genre du document (Facture, Avoir) et son numéro", "texte"},
    {"Debit", "numérique", "montant au débit, en euros (0,00 sur une ligne au crédit)", "montant"},
    {"Credit", "numérique", "montant au crédit, en euros (0,00 sur une ligne au débit)", "montant"},
    {"EcritureLet", "alphanumérique", "lettrage de l'écriture : non tenu, toujours vide", "vide"},
    {"DateLet", "date", "date de lettrage : non tenu, toujours vide", "vide"},
    {"ValidDate", "date", "date de validation de l'écriture : la date de la pièce", "AAAAMMJJ"},
    {"Montantdevise", "numérique",
     "montant en devise : le montant de la ligne en francs pour un dossier tenu en francs, "
     "vide sinon",
     "montant ou vide"},
    {"Idevise", "alphanumérique",
     "identifiant de la devise : FRF pour un dossier tenu en francs, vide sinon", "FRF ou vide"},
};

// The account's name by its class in the French chart of accounts.
QString libelleCompte(const QString& compte) {
    if (compte.startsWith(u"411"))
        return QStringLiteral("Clients");
    if (compte.startsWith(u"4457"))
        return QStringLiteral("TVA collectée");
    if (compte.startsWith(u"70"))
        return QStringLiteral("Ventes");
    return QStringLiteral("Compte ") + compte;
}

// What a character of the Windows code page (or any other) becomes in ISO 8859-15: itself when
// it is there, else its closest ASCII letters, never a byte that means something else.
void ajouteCaractere(QByteArray& sortie, char16_t c) {
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
        sortie += ' ';
        return;
    }
    if (c < 0x7F) {
        sortie += char(c);
        return;
    }
    switch (c) {
    case u'€':
        sortie += '\xA4';
        return;
    case u'Š':
        sortie += '\xA6';
        return;
    case u'š':
        sortie += '\xA8';
        return;
    case u'Ž':
        sortie += '\xB4';
        return;
    case u'ž':
        sortie += '\xB8';
        return;
    case u'Œ':
        sortie += '\xBC';
        return;
    case u'œ':
        sortie += '\xBD';
        return;
    case u'Ÿ':
        sortie += '\xBE';
        return;
    default:
        break;
    }
    // The Latin-1 characters whose place the euro and its neighbours took.
    static const std::map<char16_t, const char*> approches = {
        {u'\u00A4', "EUR"}, {u'\u00A6', "|"},   {u'\u00A8', "\""},  {u'\u00B4', "'"},
        {u'\u00B8', ","},   {u'\u00BC', "1/4"}, {u'\u00BD', "1/2"}, {u'\u00BE', "3/4"},
        {u'‚', ","},        {u'ƒ', "f"},        {u'„', "\""},       {u'…', "..."},
        {u'†', "+"},        {u'‡', "+"},        {u'ˆ', "^"},        {u'‰', "0/00"},
        {u'‹', "<"},        {u'‘', "'"},        {u'’', "'"},        {u'“', "\""},
        {u'”', "\""},       {u'•', "-"},        {u'–', "-"},        {u'—', "-"},
        {u'˜', "~"},        {u'™', "TM"},       {u'›', ">"},
    };
    if (const auto a = approches.find(c); a != approches.end()) {
        sortie += a->second;
        return;
    }
    if (c <= 0xFF) {
        sortie += char(c);
        return;
    }
    // Any other letter: its base letter when it has one that fits, else a question mark.
    const QString base = QChar(c).decomposition();
    if (!base.isEmpty() && base.front().unicode() < 0x7F && base.front().unicode() >= 0x20)
        sortie += char(base.front().unicode());
    else
        sortie += '?';
}

void ajouteTexte(QByteArray& sortie, QStringView texte) {
    for (const QChar c : texte) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            sortie += char(c.unicode());
        else
            ajouteCaractere(sortie, c.unicode());
    }
}

// An amount in cents, never below zero: "1234,50", "0,00".
void ajouteMontant(QByteArray& sortie, qint64 centimes) {
    char texte[24];
    char* const fin = texte + sizeof texte;
    char* c = fin;
    auto reste = quint64(centimes);
    for (int i = 0; i < 2; ++i, reste /= 10)
        *--c = char('0' + reste % 10);
    *--c = ',';
    do {
        *--c = char('0' + reste % 10);
        reste /= 10;
    } while (reste > 0);
    sortie.append(c, fin - c);
}

// yyyyMMdd, written by hand: the general formatter is slow for a hundred thousand dates.
QByteArray dateFec(const QDate& d) {
    char texte[9];
    int v = d.year() * 10000 + d.month() * 100 + d.day();
    for (int i = 7; i >= 0; --i, v /= 10)
        texte[i] = char('0' + v % 10);
    return QByteArray(texte, 8);
}

// What keeps a document out of the file.
QString aCorriger(const Piece& p) {
    const QString document =
        p.numero.isEmpty() ? p.genre + QStringLiteral(" sans numéro") : p.libelle();
    QStringList motifs;
    if (!p.date.isValid())
        motifs.append(QStringLiteral("date illisible"));
    if (p.numero.isEmpty())
        motifs.append(QStringLiteral("pas de numéro"));
    if (!p.lisible)
        motifs.append(QStringLiteral("montant illisible"));
    return QStringLiteral("%1, date « %2 », client « %3 » : %4")
        .arg(document, p.dateEcrite(), p.tiers, motifs.join(QStringLiteral(", ")));
}

QByteArray description(const Journal& j, const QString& siren, const QDate& cloture,
                       const FichierFec& fec, const std::map<QString, QString>& comptes) {
    QStringList l;
    const auto date = [](const QDate& d) { return d.toString(kFormatDate); };
    l << QStringLiteral("Description du fichier des écritures comptables %1").arg(fec.nom)
      << QStringLiteral("(article A47 A-1 du livre des procédures fiscales)") << QString()
      << QStringLiteral("Entreprise : SIREN %1").arg(siren)
      << QStringLiteral("Exercice : du %1 au %2 (date de clôture : %2)")
             .arg(date(debutExercice(cloture)), date(cloture))
      << QStringLiteral("Contenu : le journal des ventes (factures et avoirs) tenu par Zel Vente")
      << QString() << QStringLiteral("1. Informations techniques")
      << QStringLiteral("Jeu de caractères : ISO 8859-15 (Latin-9)")
      << QStringLiteral("Type de structure : fichier à plat, à organisation séquentielle et "
                        "structure zonée, monostructure")
      << QStringLiteral("Longueur des enregistrements : variable")
      << QStringLiteral("Séparateur de zones : la tabulation (caractère 09 en hexadécimal), qui "
                        "n'apparaît dans aucune zone")
      << QStringLiteral("Séparateur d'enregistrements : retour chariot puis fin de ligne (0D 0A "
                        "en hexadécimal)")
      << QStringLiteral("Premier enregistrement : les noms des 18 zones, dans leur ordre")
      << QStringLiteral("Valeurs numériques : en caractères et en base décimale, la virgule "
                        "séparant les deux décimales, sans séparateur de milliers ; les montants "
                        "ne sont jamais négatifs (un montant négatif passe dans l'autre colonne)")
      << QStringLiteral("Dates : AAAAMMJJ, sans heure");
    if (j.monnaie == Monnaie::Franc)
        l << QStringLiteral("Monnaie : les montants sont en euros ; le dossier est tenu en francs, "
                            "convertis au taux de %1 francs pour un euro et arrondis au centime "
                            "(chaque écriture reste équilibrée) ; la zone Montantdevise porte le "
                            "montant en francs et la zone Idevise le code FRF")
                 .arg(QString::number(j.tauxEuro, 'f', 5).replace(u'.', u','));
    else
        l << QStringLiteral("Monnaie : les montants sont en euros");
    l << QString() << QStringLiteral("2. Zones de chaque enregistrement");
    for (std::size_t i = 0; i < std::size(kZones); ++i) {
        const Zone& z = kZones[i];
        l << QStringLiteral("%1. %2 (%3, format : %4) : %5")
                 .arg(i + 1)
                 .arg(QString::fromUtf8(z.nom), QString::fromUtf8(z.nature),
                      QString::fromUtf8(z.format), QString::fromUtf8(z.sens));
    }
    l << QString() << QStringLiteral("3. Codes utilisés")
      << QStringLiteral("Journal VT : journal des ventes ; chaque facture et chaque avoir y forme "
                        "une écriture de trois lignes")
      << QStringLiteral("Facture : le compte du client au débit du montant TTC, le compte de "
                        "ventes au crédit du montant hors taxes, le compte 445700 au crédit de "
                        "la TVA ; le hors taxes est la différence du TTC et de la TVA, de sorte "
                        "que l'écriture s'équilibre au centime")
      << QStringLiteral("Avoir : l'écriture inverse (ventes et TVA au débit, client au crédit), "
                        "quel que soit le signe avec lequel il a été saisi")
      << QStringLiteral("Comptes clients : le « Compte client » de la fiche du client, ou 411000 "
                        "quand la fiche n'en a pas ; le code du client est son compte auxiliaire")
      << QStringLiteral("Compte de ventes : le compte « Vente » de la première fiche article qui "
                        "porte un compte de vente et un compte d'achat, ou 707000")
      << QStringLiteral("Compte 445700 : TVA collectée")
      << QStringLiteral("Comptes présents dans ce fichier :");
    // The clients' accounts together, the others one by one.
    QStringList clients;
    for (const auto& [compte, libelle] : comptes) {
        if (libelle == libelleCompte(QStringLiteral("411")))
            clients.append(compte);
        else
            l << QStringLiteral("  %1 : %2").arg(compte, libelle);
    }
    if (clients.size() == 1)
        l << QStringLiteral("  %1 : Clients").arg(clients.front());
    else if (!clients.isEmpty())
        l << QStringLiteral("  %1 comptes clients, de %2 à %3")
                 .arg(clients.size())
                 .arg(clients.front(), clients.back());
    l << QString() << QStringLiteral("4. Totaux")
      << QStringLiteral("Nombre d'écritures : %1").arg(fec.ecritures)
      << QStringLiteral("Nombre de lignes d'écritures : %1 (plus l'enregistrement des noms de "
                        "zones)")
             .arg(fec.lignes)
      << QStringLiteral("Total des débits : %1 euros").arg(formateUnites(fec.debit, u"0.00"))
      << QStringLiteral("Total des crédits : %1 euros").arg(formateUnites(fec.credit, u"0.00"));
    QByteArray octets;
    for (const QString& ligne : l) {
        ajouteTexte(octets, ligne);
        octets += "\r\n";
    }
    return octets;
}

} // namespace

QDate debutExercice(const QDate& cloture) {
    return cloture.addYears(-1).addDays(1);
}

QString nomDescription(const QString& cheminFec) {
    const qsizetype point = cheminFec.lastIndexOf(u'.');
    const bool extension = point > cheminFec.lastIndexOf(u'/') + 1;
    return (extension ? cheminFec.left(point) : cheminFec) + QStringLiteral(".description.txt");
}

Resultat fichierFec(const Journal& j, const QString& siren, const QDate& cloture, FichierFec& fec) {
    if (!j.enEuros)
        return Resultat::echec(
            j.monnaie == Monnaie::Franc
                ? QStringLiteral("Le fichier des écritures est tenu en euros : le taux de l'euro "
                                 "des paramètres de la facture est nul, les montants en francs ne "
                                 "peuvent pas être convertis.")
                : QStringLiteral("Le fichier des écritures est tenu en euros : les montants en "
                                 "« %1 » ne peuvent pas y être convertis. Choisissez l'euro ou le "
                                 "franc dans les paramètres de la facture.")
                      .arg(j.nomMonnaie));
    const QDate debut = debutExercice(cloture);
    std::vector<const Piece*> pieces;
    QStringList corrections;
    for (const Piece& p : j.pieces) {
        const bool dansExercice = p.date.isValid() && p.date >= debut && p.date <= cloture;
        if (!p.date.isValid() || (dansExercice && (p.numero.isEmpty() || !p.lisible)))
            corrections.append(aCorriger(p));
        else if (dansExercice)
            pieces.push_back(&p);
    }
    if (!corrections.isEmpty())
        return Resultat::echec(QStringLiteral("Le fichier des écritures n'a pas été écrit : ces "
                                              "documents sont à corriger d'abord.\n") +
                               corrections.join(u'\n'));
    if (pieces.empty())
        return Resultat::echec(
            QStringLiteral("Aucune écriture du %1 au %2 : le fichier des "
                           "écritures n'a pas été écrit.")
                .arg(debut.toString(kFormatDate), cloture.toString(kFormatDate)));
    // Entries in date order; those of one day in journal order.
    std::ranges::stable_sort(pieces, {}, [](const Piece* p) { return p->date; });
    fec.nom = siren + QStringLiteral("FEC") + QString::fromLatin1(dateFec(cloture)) +
              QStringLiteral(".txt");
    fec.nomDescription = nomDescription(fec.nom);
    QByteArray& o = fec.octets;
    o.clear();
    o.reserve(qsizetype(pieces.size()) * 3 * 160);
    for (std::size_t i = 0; i < std::size(kZones); ++i) {
        if (i > 0)
            o += '\t';
        o += kZones[i].nom;
    }
    o += "\r\n";
    const bool francs = j.monnaie == Monnaie::Franc;
    const qint64 versCentiemes = puissanceDeDix(std::max(0, 2 - decimalesDuFormat(j.format)));
    // Each account's number and name as the file writes them, met once.
    std::map<QString, QString> comptes;
    std::map<QString, QByteArray> comptesEcrits;
    fec.ecritures = 0;
    fec.lignes = 0;
    fec.debit = 0;
    fec.credit = 0;
    QByteArray entete;
    QByteArray piece;
    QByteArray tiers;
    for (const Piece* p : pieces) {
        ++fec.ecritures;
        const QByteArray date = dateFec(p->date);
        // What every line of the entry begins with: journal, entry number and date.
        entete = kJournal;
        entete += '\t';
        entete += kLibelleJournal;
        entete += '\t';
        entete += QByteArray::number(fec.ecritures);
        entete += '\t';
        entete += date;
        entete += '\t';
        // What follows the auxiliary account on each line: the document and its label.
        piece = "\t";
        ajouteTexte(piece, p->numero);
        piece += '\t';
        piece += date;
        piece += '\t';
        ajouteTexte(piece, p->libelle());
        piece += '\t';
        // The client's line names the client, both fields or neither.
        tiers = "\t";
        if (!p->tiers.isEmpty()) {
            tiers.clear();
            ajouteTexte(tiers, p->tiers);
            tiers += '\t';
            ajouteTexte(tiers, p->nomTiers);
        }
        for (const LigneEcriture& l : p->lignes) {
            ++fec.lignes;
            auto compte = comptesEcrits.find(l.compte);
            if (compte == comptesEcrits.end()) {
                const QString libelle = libelleCompte(l.compte);
                comptes.emplace(l.compte, libelle);
                QByteArray ecrit;
                ajouteTexte(ecrit, l.compte);
                ecrit += '\t';
                ajouteTexte(ecrit, libelle);
                ecrit += '\t';
                compte = comptesEcrits.emplace(l.compte, ecrit).first;
            }
            o += entete;
            o += compte->second;
            o += l.client ? tiers : QByteArray("\t");
            o += piece;
            ajouteMontant(o, l.debit ? l.euros : 0);
            o += '\t';
            ajouteMontant(o, l.debit ? 0 : l.euros);
            o += "\t\t\t";
            o += date;
            o += '\t';
            if (francs) {
                ajouteMontant(o, l.montant * versCentiemes);
                o += "\tFRF";
            } else {
                o += '\t';
            }
            o += "\r\n";
            (l.debit ? fec.debit : fec.credit) += l.euros;
        }
    }
    fec.description = description(j, siren, cloture, fec, comptes);
    return Resultat::succes();
}

Enregistrement ecritFec(Sortie& sortie, const QString& chemin, const FichierFec& fec) {
    // Both files may be written, or neither is.
    const QString description = nomDescription(chemin);
    for (const QString& c : {chemin, description}) {
        if (Enregistrement e = sortie.autorise(c); !e)
            return e;
    }
    // Their replacement already allowed: no second question.
    Sortie accordee(true);
    if (Enregistrement e = accordee.ecrit(chemin, fec.octets); !e)
        return e;
    return accordee.ecrit(description, fec.description);
}

void exporteFec(Dialogues& dialogues, Reglages& reglages, const Journal& journal, const QDate& au) {
    if (!demandeSiren(dialogues, reglages, Saisie::Siren))
        return;
    QDate cloture;
    QString proposee = QDate(au.year(), 12, 31).toString(kFormatDate);
    while (!cloture.isValid()) {
        const std::optional<QString> saisie = dialogues.saisit(Saisie::Cloture, proposee);
        if (!saisie)
            return;
        cloture = litDate(saisie->trimmed());
        if (!cloture.isValid()) {
            dialogues.message(QStringLiteral("« %1 » n'est pas une date : tapez le jour, le mois "
                                             "et l'année d'un jour qui existe, jj/mm/aaaa.")
                                  .arg(saisie->trimmed()));
            proposee = *saisie;
        }
    }
    FichierFec fec;
    if (Resultat r = fichierFec(journal, reglages.ini.siren, cloture, fec); !r) {
        dialogues.message(r.message());
        return;
    }
    const std::optional<QString> nom = dialogues.fichierAEnregistrer(
        QStringLiteral("Fichier des écritures comptables (*.txt)|*.txt"), fec.nom);
    if (!nom || nom->isEmpty())
        return;
    Sortie sortie(dialogues);
    if (const Resultat r = ecritFec(sortie, fichier::avecExtension(*nom, u"txt"), fec).resultat();
        !r)
        dialogues.message(r.message());
}

} // namespace zel
