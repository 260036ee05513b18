#include "reports/fec.h"
#include "support/texte.h"
#include "support/ventes.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace zel;
using namespace zel::test;

using zel::test::s;

const char* const kTitre =
    "JournalCode\tJournalLib\tEcritureNum\tEcritureDate\tCompteNum\tCompteLib\t"
    "CompAuxNum\tCompAuxLib\tPieceRef\tPieceDate\tEcritureLib\tDebit\t"
    "Credit\tEcritureLet\tDateLet\tValidDate\tMontantdevise\tIdevise";

// A line of a FEC file as the checker reads it, on its own, from the bytes.
struct LigneLue {
    QList<QByteArray> champs;
    qint64 debit = 0;
    qint64 credit = 0;
};

// "1234,56" in cents; -1 for anything else.
qint64 centimes(const QByteArray& texte) {
    const qsizetype virgule = texte.indexOf(',');
    if (virgule < 1 || virgule != texte.size() - 3)
        return -1;
    qint64 v = 0;
    for (const char c : texte) {
        if (c == ',')
            continue;
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

// Checks a FEC file as an accountant's validator would, independently of the program: the title
// line, 18 fields a line, no byte outside ISO 8859-15's printable characters, entries numbered
// from 1 without a gap in date order within the year, each balancing, amounts with two decimals,
// the auxiliary account's number and name together, a reference on every line. Gives its lines.
std::vector<LigneLue> verifie(const QByteArray& octets, const QDate& debut, const QDate& fin) {
    std::vector<LigneLue> lignes;
    EXPECT_TRUE(octets.endsWith("\r\n"));
    QList<QByteArray> enregistrements = octets.split('\n');
    EXPECT_TRUE(enregistrements.takeLast().isEmpty());
    EXPECT_FALSE(enregistrements.isEmpty());
    if (enregistrements.isEmpty())
        return lignes;
    EXPECT_EQ(enregistrements.takeFirst(), QByteArray(kTitre) + '\r');
    int numero = 0;
    QByteArray dateAvant;
    qint64 solde = 0;
    const auto finEcriture = [&] { EXPECT_EQ(solde, 0) << "entry " << numero; };
    for (QByteArray e : enregistrements) {
        EXPECT_TRUE(e.endsWith('\r'));
        e.chop(1);
        for (const char c : e) {
            const auto u = static_cast<unsigned char>(c);
            EXPECT_TRUE(c == '\t' || (u >= 0x20 && u != 0x7F && (u < 0x80 || u >= 0xA0)))
                << int(u) << " in " << e.toStdString();
        }
        LigneLue l;
        l.champs = e.split('\t');
        EXPECT_EQ(l.champs.size(), 18) << e.toStdString();
        if (l.champs.size() != 18)
            continue;
        const QList<QByteArray>& c = l.champs;
        EXPECT_EQ(c[0], "VT");
        const int n = c[2].toInt();
        if (n != numero) {
            if (numero > 0)
                finEcriture();
            EXPECT_EQ(n, numero + 1) << "numbered without a gap";
            numero = n;
            solde = 0;
        }
        const QDate date = QDate::fromString(QString::fromLatin1(c[3]), s("yyyyMMdd"));
        EXPECT_TRUE(date.isValid() && date >= debut && date <= fin) << c[3].toStdString();
        EXPECT_GE(c[3], dateAvant) << "in date order";
        dateAvant = c[3];
        EXPECT_EQ(c[9], c[3]);
        EXPECT_EQ(c[15], c[3]);
        EXPECT_FALSE(c[4].isEmpty());
        EXPECT_EQ(c[6].isEmpty(), c[7].isEmpty()) << e.toStdString();
        EXPECT_FALSE(c[8].isEmpty()) << "PieceRef";
        l.debit = centimes(c[11]);
        l.credit = centimes(c[12]);
        EXPECT_GE(l.debit, 0) << c[11].toStdString();
        EXPECT_GE(l.credit, 0) << c[12].toStdString();
        EXPECT_TRUE(l.debit == 0 || l.credit == 0);
        EXPECT_TRUE(c[13].isEmpty() && c[14].isEmpty());
        EXPECT_EQ(c[16].isEmpty(), c[17].isEmpty());
        solde += l.debit - l.credit;
        lignes.push_back(l);
    }
    if (numero > 0)
        finEcriture();
    return lignes;
}

Journal journalDe(Montage& m) {
    return journal(m.jeu, m.reglages, m.dialogues, QDate(2026, 12, 6));
}

// A set kept in euros of two invoices and a credit note, the second invoice back-dated.
void chargeTrois(Montage& m) {
    m.reglages.ini.modeDevise = 1;
    m.charge(client(0, "12", "", "411DUP") + client(1, "7", ""), {}, {},
             factures({{"202612002",
                        "06/12/2026",
                        "12",
                        "Facture",
                        {ligneVente("A", "1", "100")},
                        "Dupont\tSA"},
                       {"202612003", "30/11/2026", "7", "Facture", {ligneVente("A", "1", "10")}},
                       {"202612004",
                        "06/12/2026",
                        "12",
                        "Avoir     ",
                        {ligneVente("A", "-1", "1,26", "10")},
                        "Dupont"}}));
}

// The FEC of the year 2026 of a set holding one invoice of one line at that price, its client's
// name on it: its three lines as the checker reads them.
std::vector<LigneLue> fecDUneFacture(Montage& m, const char* prix, const char* nom, bool ttc,
                                     FichierFec& fec) {
    m.charge(
        client(0, "1", ""), {}, {},
        factures(
            {{"202612001", "06/12/2026", "1", "Facture", {ligneVente("A", "1", prix)}, nom, ttc}}));
    EXPECT_TRUE(fichierFec(journalDe(m), s("552100554"), QDate(2026, 12, 31), fec));
    std::vector<LigneLue> lignes = verifie(fec.octets, QDate(2026, 1, 1), QDate(2026, 12, 31));
    EXPECT_EQ(lignes.size(), 3u);
    lignes.resize(3);
    return lignes;
}

} // namespace

TEST(Fec, EighteenFieldsInDateOrderEachEntryNumberedAndBalanced) {
    Montage m;
    chargeTrois(m);
    FichierFec fec;
    ASSERT_TRUE(fichierFec(journalDe(m), s("552100554"), QDate(2026, 12, 31), fec));
    EXPECT_EQ(fec.nom, s("552100554FEC20261231.txt"));
    EXPECT_EQ(fec.nomDescription, s("552100554FEC20261231.description.txt"));
    const std::vector<LigneLue> lignes =
        verifie(fec.octets, QDate(2026, 1, 1), QDate(2026, 12, 31));
    ASSERT_EQ(lignes.size(), 9u);
    // The back-dated invoice comes first; the client without an account has 411000, and no
    // name on its document: the card's name, else "Client" and its code.
    const QList<QByteArray> attendu[] = {
        {"VT", "Journal des ventes", "1", "20261130", "411000", "Clients", "7", "Client 7",
         "202612003", "20261130", "Facture 202612003", "11,96", "0,00", "", "", "20261130", "", ""},
        {"VT", "Journal des ventes", "1", "20261130", "707000", "Ventes", "", "", "202612003",
         "20261130", "Facture 202612003", "0,00", "10,00", "", "", "20261130", "", ""},
        {"VT", "Journal des ventes", "1", "20261130", "445700",
         "TVA collect\xe9"
         "e",
         "", "", "202612003", "20261130", "Facture 202612003", "0,00", "1,96", "", "", "20261130",
         "", ""},
        {"VT", "Journal des ventes", "2", "20261206", "411DUP", "Clients", "12", "Dupont SA",
         "202612002", "20261206", "Facture 202612002", "119,60", "0,00", "", "", "20261206", "",
         ""},
    };
    for (std::size_t i = 0; i < std::size(attendu); ++i)
        EXPECT_EQ(lignes[i].champs, attendu[i]) << i;
    // The credit note typed with a negative quantity is the reversal, its client credited.
    EXPECT_EQ(lignes[8].champs[4], "411DUP");
    EXPECT_EQ(lignes[8].champs[12], "1,36");
    EXPECT_EQ(lignes[6].champs[11], "1,14");
    EXPECT_EQ(fec.ecritures, 3);
    EXPECT_EQ(fec.lignes, 9);
    EXPECT_EQ(fec.debit, fec.credit);
    EXPECT_EQ(fec.debit, 11960 + 1196 + 136);
}

TEST(Fec, ISO885915WithTheClosestAsciiForWhatItCannotHold) {
    Montage m;
    FichierFec fec;
    const std::vector<LigneLue> lignes =
        fecDUneFacture(m, "10",
                       "\xc5\x92uvre \xe2\x80\x93 l\xe2\x80\x99\xc3\xa9t\xc3\xa9\xe2\x80\xa6 "
                       "\xe2\x82\xac \xc5\x93 \xc2\xbd",
                       false, fec);
    EXPECT_EQ(lignes[0].champs[7], QByteArray("\xbcuvre - l'\xe9t\xe9... \xa4 \xbd 1/2"));
    EXPECT_TRUE(fec.description.contains("Jeu de caract\xe8res : ISO 8859-15"));
}

TEST(Fec, AFrancSetIsWrittenInEurosWithItsFrancAmounts) {
    Montage m;
    // 199,95 francs of an invoice at 19,6 %: 167,18 before tax shown, 32,77 of VAT, 199,95 TTC.
    m.reglages.ini.modeDevise = 0;
    FichierFec fec;
    const std::vector<LigneLue> lignes = fecDUneFacture(m, "199,95", "", true, fec);
    // 199,95 / 6,55957 = 30,482 gives 30,48; 32,77 / 6,55957 = 4,9958 gives 5,00; the sales line
    // is their difference.
    EXPECT_EQ(lignes[0].champs[11], "30,48");
    EXPECT_EQ(lignes[0].champs[16], "199,95");
    EXPECT_EQ(lignes[0].champs[17], "FRF");
    EXPECT_EQ(lignes[1].champs[12], "25,48");
    EXPECT_EQ(lignes[1].champs[16], "167,18");
    EXPECT_EQ(lignes[2].champs[12], "5,00");
    EXPECT_EQ(lignes[2].champs[16], "32,77");
    EXPECT_TRUE(fec.description.contains("6,55957"));

    // Euros: no currency columns; another currency cannot be converted, nor francs at a rate of 0.
    m.reglages.ini.modeDevise = 1;
    ASSERT_TRUE(fichierFec(journalDe(m), s("552100554"), QDate(2026, 12, 31), fec));
    EXPECT_EQ(verifie(fec.octets, QDate(2026, 1, 1), QDate(2026, 12, 31))[0].champs[16], "");
    m.reglages.ini.modeDevise = 2;
    m.reglages.ini.nomDevise = s("Livres");
    const Resultat autre = fichierFec(journalDe(m), s("552100554"), QDate(2026, 12, 31), fec);
    ASSERT_FALSE(autre);
    EXPECT_TRUE(autre.message().contains(s("« Livres »")));
    m.reglages.ini.modeDevise = 0;
    m.reglages.ini.tauxEuro = 0;
    EXPECT_FALSE(fichierFec(journalDe(m), s("552100554"), QDate(2026, 12, 31), fec));
}

TEST(Fec, RefusedWithTheListOfTheDocumentsToCorrectAndNothingWritten) {
    Montage m;
    const QString enorme = QString(200, u'9');
    m.charge(client(0, "1", ""), {}, {},
             factures({{"202612001", "06/12/2026", "1", "Facture", {ligneVente("A", "1", "10")}},
                       {"202612002", "31/02/2026", "1", "Facture", {ligneVente("A", "1", "10")}},
                       {"", "01/12/2026", "1", "Avoir     ", {ligneVente("A", "1", "10")}},
                       {"202612004",
                        "02/12/2026",
                        "1",
                        "Facture",
                        {ligneVente("A", qPrintable(enorme), qPrintable(enorme))}},
                       // Out of the year: its missing number does not matter.
                       {"", "01/12/2024", "1", "Facture", {ligneVente("A", "1", "10")}}}));
    const Journal j = journalDe(m);
    FichierFec fec;
    const Resultat r = fichierFec(j, s("552100554"), QDate(2026, 12, 31), fec);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.message(),
              s("Le fichier des écritures n'a pas été écrit : ces documents sont à corriger "
                "d'abord.\n"
                "Facture 202612002, date « 31/02/2026 », client « 1 » : date illisible\n"
                "Avoir sans numéro, date « 01/12/2026 », client « 1 » : pas de numéro\n"
                "Facture 202612004, date « 02/12/2026 », client « 1 » : montant illisible"));
    EXPECT_TRUE(fec.octets.isEmpty());

    // Through the window's command: the message, and no file.
    m.reglages.ini.siren = s("552100554");
    m.dialogues.saisies = {s("31/12/2026")};
    m.dialogues.fichiers = {m.dossier.chemin(s("fec.txt"))};
    exporteFec(m.dialogues, m.reglages, j, j.au);
    EXPECT_EQ(m.dialogues.vus.last(), s("message: ") + r.message());
    EXPECT_FALSE(m.dossier.existe(s("fec.txt")));
}

TEST(Fec, OnlyTheYearClosingOnTheDateChosenGoesInUnderItsName) {
    Montage m;
    m.charge(client(0, "1", ""), {}, {},
             factures({{"202506001", "30/06/2025", "1", "Facture", {ligneVente("A", "1", "1")}},
                       {"202507001", "01/07/2025", "1", "Facture", {ligneVente("A", "1", "2")}},
                       {"202606001", "30/06/2026", "1", "Facture", {ligneVente("A", "1", "3")}},
                       {"202607001", "01/07/2026", "1", "Facture", {ligneVente("A", "1", "4")}}}));
    const Journal j = journalDe(m);
    FichierFec fec;
    ASSERT_TRUE(fichierFec(j, s("552100554"), QDate(2026, 6, 30), fec));
    EXPECT_EQ(fec.nom, s("552100554FEC20260630.txt"));
    const std::vector<LigneLue> lignes = verifie(fec.octets, QDate(2025, 7, 1), QDate(2026, 6, 30));
    ASSERT_EQ(lignes.size(), 6u);
    EXPECT_EQ(lignes[0].champs[8], "202507001");
    EXPECT_EQ(lignes[3].champs[8], "202606001");
    EXPECT_EQ(debutExercice(QDate(2024, 2, 29)), QDate(2023, 3, 1));
    const Resultat vide = fichierFec(j, s("552100554"), QDate(2020, 12, 31), fec);
    ASSERT_FALSE(vide);
    EXPECT_EQ(vide.message(), s("Aucune écriture du 01/01/2020 au 31/12/2020 : le fichier des "
                                "écritures n'a pas été écrit."));

    // The window proposes 31 December of the year of "Au", asks again after a date that is not
    // one, and writes the file with its description beside it.
    m.reglages.ini.siren = s("552100554");
    m.dialogues.saisies = {s("31/06/2026"), s("30/06/2026")};
    m.dialogues.fichiers = {m.dossier.chemin(s("552100554FEC20260630.txt"))};
    exporteFec(m.dialogues, m.reglages, j, QDate(2026, 7, 1));
    EXPECT_EQ(m.dialogues.vus,
              QStringList({s("saisie: Fichier des écritures comptables [31/12/2026]"),
                           s("message: « 31/06/2026 » n'est pas une date : tapez le jour, le mois "
                             "et l'année d'un jour qui existe, jj/mm/aaaa."),
                           s("saisie: Fichier des écritures comptables [31/06/2026]"),
                           s("enregistrer: Fichier des écritures comptables (*.txt)|*.txt "
                             "552100554FEC20260630.txt")}));
    EXPECT_EQ(m.dossier.lit(s("552100554FEC20260630.txt")), fec.octets);
    EXPECT_EQ(m.dossier.lit(s("552100554FEC20260630.description.txt")), fec.description);
}

TEST(Fec, TheDescriptionNamesEveryFieldTheCodesTheFormatAndTheTotals) {
    Montage m;
    chargeTrois(m);
    FichierFec fec;
    ASSERT_TRUE(fichierFec(journalDe(m), s("552100554"), QDate(2026, 12, 31), fec));
    const QString d = QString::fromLatin1(fec.description);
    for (const QString& champ : QString::fromLatin1(kTitre).split(u'\t'))
        EXPECT_TRUE(d.contains(s(". ") + champ + s(" ("))) << champ.toStdString();
    for (const char* mot : {"SIREN 552100554", "du 01/01/2026 au 31/12/2026", "ISO 8859-15",
                            "tabulation", "0D 0A", "AAAAMMJJ", "Journal VT", "411000", "445700",
                            "707000 : Ventes", "2 comptes clients, de 411000 à 411DUP",
                            "Nombre d'écritures : 3", "Nombre de lignes d'écritures : 9",
                            "Total des débits : 132,92 euros", "Total des crédits : 132,92 euros"})
        EXPECT_TRUE(d.contains(s(mot))) << mot << "\n" << d.toStdString();
    EXPECT_TRUE(fec.description.endsWith("\r\n"));
}

TEST(Fec, TheSirenIsAskedOnceCheckedByItsKeyAndKeptInTheSettings) {
    const struct {
        const char* texte;
        bool valide;
    } sirens[] = {{"552100554", true}, {"552 100 554", true}, {"732829320", true},
                  {"356000000", true}, {"123456789", false},  {"552100555", false},
                  {"55210055", false}, {"5521005540", false}, {"55210055a", false}};
    for (const auto& c : sirens)
        EXPECT_EQ(litSiren(s(c.texte)).has_value(), c.valide) << c.texte;

    Montage m;
    chargeTrois(m);
    const Journal j = journalDe(m);
    // Cancelling the SIREN exports nothing.
    m.dialogues.vus.clear();
    exporteFec(m.dialogues, m.reglages, j, j.au);
    EXPECT_TRUE(m.reglages.ini.siren.isEmpty());
    EXPECT_EQ(m.dialogues.vus.size(), 1);

    m.dialogues.vus.clear();
    m.dialogues.saisies = {s("123456789"), s("552 100 554"), s("31/12/2026")};
    m.dialogues.fichiers = {m.dossier.chemin(s("552100554FEC20261231"))};
    exporteFec(m.dialogues, m.reglages, j, j.au);
    EXPECT_EQ(m.dialogues.vus.mid(0, 2),
              QStringList({s("saisie: Fichier des écritures comptables []"),
                           s("message: « 123456789 » n'est pas un numéro SIREN : il compte 9 "
                             "chiffres, dont le dernier est la clé de contrôle des huit "
                             "autres.")}));
    EXPECT_EQ(m.reglages.ini.siren, s("552100554"));
    EXPECT_EQ(m.dossier.lit(s("552100554FEC20261231.txt")).count("\r\n"), 10);
    EXPECT_TRUE(m.dossier.existe(s("552100554FEC20261231.description.txt")));

    // Asked no more; the settings file keeps it, and one that is not a SIREN is dropped.
    m.dialogues.vus.clear();
    exporteFec(m.dialogues, m.reglages, j, j.au);
    EXPECT_EQ(m.dialogues.vus.size(), 1);
    QStringList ini = m.reglages.lignesIni(QString());
    EXPECT_EQ(ini.size(), 21);
    Reglages relus;
    EXPECT_TRUE(relus.litIni(ini));
    EXPECT_EQ(relus.ini.siren, s("552100554"));
    ini.last() = s("123456789");
    Reglages autres;
    EXPECT_TRUE(autres.litIni(ini));
    EXPECT_TRUE(autres.ini.siren.isEmpty());
}

// Random sets: documents of random kinds (letter case too), dates, price modes, lines,
// discounts, rates and signs, kept in euros or francs with any number of decimals. Every entry
// balances, its client line carries the TTC its invoice shows and its VAT line the VAT shown,
// and the FEC's lines are the journal's.
TEST(Fec, RandomSetsBalanceAndTheFecLinesAreTheJournals) {
    const char* const genres[] = {"Facture", "facture",   "FACTURE", "Avoir     ",
                                  "avoir",   "Devis    ", "devis"};
    const char* const formats[] = {"#", "0.0", "0.00"};
    const double taux[] = {19.6, 20, 5.5, 0, 2.1, 10, 8.5};
    int pieces = 0;
    for (unsigned graine = 1; graine <= 30; ++graine) {
        std::mt19937 alea(graine);
        const auto tire = [&](int n) { return int(alea() % unsigned(n)); };
        Montage m;
        m.reglages.ini.modeDevise = tire(2);
        const int decimales = tire(3);
        m.reglages.ini.decimales = decimales;
        m.reglages.formatMontant = s(formats[decimales]);
        for (double& t : m.reglages.ini.tauxTva)
            t = taux[tire(7)];
        std::vector<Doc> docs;
        std::vector<std::string> textes;
        textes.reserve(400);
        const auto garde = [&](QString t) {
            textes.push_back(t.toStdString());
            return textes.back().c_str();
        };
        for (int n = 0; n < 12; ++n) {
            Doc d{garde(QString::number(202500000 + n)),
                  garde(QDate(2025, 1, 1).addDays(tire(730)).toString(s("dd/MM/yyyy"))),
                  "1",
                  genres[tire(7)],
                  {},
                  "Client",
                  tire(2) == 0};
            const int signe = tire(4) == 0 ? -1 : 1;
            for (int l = 0, lignes = 1 + tire(6); l < lignes; ++l) {
                const QString quantite =
                    QString::number(signe * (1 + tire(9))) + (tire(3) == 0 ? s(",5") : QString());
                const QString prix =
                    s("%1,%2").arg(tire(2000)).arg(tire(100), 2, 10, QLatin1Char('0'));
                const QString remise = tire(3) == 0 ? QString::number(tire(40)) : QString();
                d.lignes.append(ligneVente("A", garde(quantite), garde(prix), garde(remise),
                                           garde(QString::number(1 + tire(3)))));
            }
            docs.push_back(d);
        }
        m.charge(client(0, "1", ""), {}, {}, factures(docs));
        const Journal j = journalDe(m);
        PageFactures& page = m.fenetre.factures();
        const qint64 echelle = decimales == 0 ? 100 : decimales == 1 ? 10 : 1;
        for (const Piece& p : j.pieces) {
            qint64 solde = 0;
            qint64 soldeEuros = 0;
            for (const LigneEcriture& l : p.lignes) {
                EXPECT_GE(l.montant, 0);
                EXPECT_GE(l.euros, 0);
                solde += l.debit ? l.montant : -l.montant;
                soldeEuros += l.debit ? l.euros : -l.euros;
            }
            EXPECT_EQ(solde, 0) << graine << " " << p.libelle().toStdString();
            EXPECT_EQ(soldeEuros, 0) << graine << " " << p.libelle().toStdString();
            // The page shows the same TTC and VAT, their sign aside.
            m.jeu.setCourant(Sorte::Factures, p.bloc);
            page.Lit();
            for (const LigneEcriture& l : p.lignes) {
                if (l.compte == u"707000")
                    continue;
                QString montre = l.client ? page.totaux().ttc : page.totaux().tva;
                EXPECT_EQ(formateUnites(l.montant, m.reglages.formatMontant), montre.remove(u'-'))
                    << graine << " " << p.libelle().toStdString();
            }
        }
        const QDate cloture(2025 + tire(2), 12, 31);
        FichierFec fec;
        if (!fichierFec(j, s("552100554"), cloture, fec))
            continue;
        const std::vector<LigneLue> lignes = verifie(fec.octets, debutExercice(cloture), cloture);
        std::vector<const Piece*> annee;
        for (const Piece& p : j.pieces) {
            if (p.date >= debutExercice(cloture) && p.date <= cloture)
                annee.push_back(&p);
        }
        std::ranges::stable_sort(annee, {}, [](const Piece* p) { return p->date; });
        ASSERT_EQ(lignes.size(), annee.size() * 3) << graine;
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            const Piece& p = *annee[i / 3];
            const LigneEcriture& l = p.lignes[i % 3];
            const LigneLue& f = lignes[i];
            EXPECT_EQ(f.champs[4], l.compte.toLatin1());
            EXPECT_EQ(f.champs[8], p.numero.toLatin1());
            EXPECT_EQ(l.debit ? f.debit : f.credit, l.euros) << graine << " " << i;
            EXPECT_EQ(l.debit ? f.credit : f.debit, 0);
            if (m.reglages.ini.modeDevise == 0)
                EXPECT_EQ(centimes(f.champs[16]), l.montant * echelle) << graine << " " << i;
            else
                EXPECT_EQ(l.euros, l.montant * echelle);
        }
        pieces += int(annee.size());
    }
    EXPECT_GT(pieces, 100);
}
