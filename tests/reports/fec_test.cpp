#include "reports/fec.h"
#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;

using zel::test::s;

// The three lines of one invoice as the journal writes them.
std::vector<Ecriture> facture(int document, const QDate& date, const char* numero, const char* ttc,
                              const char* ht, const char* tva) {
    const QString libelle = s("Facture ") + s(numero);
    std::vector<Ecriture> e = {
        {date,
         s("VT"),
         s("411000"),
         libelle,
         s(ttc),
         {},
         s(numero),
         document,
         s("12"),
         s("Dupont\tSA")},
        {date, s("VT"), s("707000"), libelle, {}, s(ht), s(numero), document, {}, {}},
        {date, s("VT"), s("445700"), libelle, {}, s(tva), s(numero), document, {}, {}}};
    return e;
}

} // namespace

TEST(Fec, EighteenFieldsInDateOrderEachEntryNumberedAndBalanced) {
    std::vector<Ecriture> journal =
        facture(1, QDate(2026, 12, 6), "202612002", "119,60", "100", "19,60");
    // Back-dated, read later: its entry comes first.
    for (const Ecriture& e : facture(2, QDate(2026, 11, 30), "202612003", "11,96", "10", "1,96"))
        journal.push_back(e);
    const QStringList lignes = lignesFec(journal);
    ASSERT_EQ(lignes.size(), 7);
    EXPECT_EQ(lignes[0], s("JournalCode\tJournalLib\tEcritureNum\tEcritureDate\tCompteNum\t"
                           "CompteLib\tCompAuxNum\tCompAuxLib\tPieceRef\tPieceDate\tEcritureLib\t"
                           "Debit\tCredit\tEcritureLet\tDateLet\tValidDate\tMontantdevise\t"
                           "Idevise"));
    const std::vector<QStringList> attendu = {
        {s("VT"),
         s("Journal des ventes"),
         s("1"),
         s("20261130"),
         s("411000"),
         s("Clients"),
         s("12"),
         s("Dupont SA"),
         s("202612003"),
         s("20261130"),
         s("Facture 202612003"),
         s("11,96"),
         s("0,00"),
         {},
         {},
         s("20261130"),
         {},
         {}},
        {s("VT"),
         s("Journal des ventes"),
         s("1"),
         s("20261130"),
         s("707000"),
         s("Ventes"),
         {},
         {},
         s("202612003"),
         s("20261130"),
         s("Facture 202612003"),
         s("0,00"),
         s("10,00"),
         {},
         {},
         s("20261130"),
         {},
         {}},
        {s("VT"),
         s("Journal des ventes"),
         s("1"),
         s("20261130"),
         s("445700"),
         s("TVA collectée"),
         {},
         {},
         s("202612003"),
         s("20261130"),
         s("Facture 202612003"),
         s("0,00"),
         s("1,96"),
         {},
         {},
         s("20261130"),
         {},
         {}},
    };
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lignes[i + 1].split(u'\t'), attendu[std::size_t(i)]) << i;
    // Every line has its 18 fields; each entry's debits equal its credits.
    std::map<QString, double> solde;
    for (const QString& l : lignes.mid(1)) {
        const QStringList champs = l.split(u'\t');
        ASSERT_EQ(champs.size(), 18) << l.toStdString();
        solde[champs[2]] += litNombre(champs[11]).value() - litNombre(champs[12]).value();
    }
    EXPECT_EQ(solde.size(), 2u);
    for (const auto& [numero, reste] : solde)
        EXPECT_NEAR(reste, 0, 1e-9) << numero.toStdString();
    EXPECT_EQ(lignes[4].split(u'\t')[2], s("2"));
    EXPECT_EQ(nomFec(s("123456789"), QDate(2026, 12, 31)), s("123456789FEC20261231.txt"));
    EXPECT_EQ(lignesFec({}).size(), 1) << "an empty journal: the title line alone";
}

TEST(Fec, TheSirenIsAskedOnceCheckedAndKeptInTheSettings) {
    test::Dossier dossier;
    test::DialoguesFactices dialogues;
    Reglages reglages;
    const std::vector<Ecriture> journal = facture(1, QDate(2026, 12, 6), "1", "1", "1", "0");
    // Cancelling the SIREN exports nothing.
    exporteFec(dialogues, reglages, journal, QDate(2026, 12, 31));
    EXPECT_TRUE(reglages.ini.siren.isEmpty());
    EXPECT_EQ(dialogues.vus.size(), 1);

    dialogues.vus.clear();
    dialogues.saisies = {s("12345"), s("123 456 789")};
    dialogues.fichiers = {dossier.chemin(s("123456789FEC20261231"))};
    exporteFec(dialogues, reglages, journal, QDate(2026, 12, 31));
    EXPECT_EQ(dialogues.vus,
              QStringList({s("saisie: Fichier des écritures comptables []"),
                           s("message: « 12345 » n'est pas un numéro SIREN : il compte 9 "
                             "chiffres."),
                           s("saisie: Fichier des écritures comptables []"),
                           s("enregistrer: Fichier des écritures comptables (*.txt)|*.txt "
                             "123456789FEC20261231.txt")}));
    EXPECT_EQ(reglages.ini.siren, s("123456789"));
    EXPECT_EQ(dossier.lit(s("123456789FEC20261231.txt")).count("\r\n"), 4);

    // Asked no more; the settings file keeps it, and an older file without it reads as before.
    dialogues.vus.clear();
    exporteFec(dialogues, reglages, journal, QDate(2026, 12, 31));
    EXPECT_EQ(dialogues.vus.size(), 1);
    QStringList ini = reglages.lignesIni(QString());
    EXPECT_EQ(ini.size(), 21);
    Reglages relus;
    EXPECT_TRUE(relus.litIni(ini));
    EXPECT_EQ(relus.ini.siren, s("123456789"));
    ini.removeLast();
    Reglages anciens;
    EXPECT_TRUE(anciens.litIni(ini));
    EXPECT_EQ(anciens.lignesIni(QString()), ini);
    ini.append(s("pas un SIREN"));
    Reglages autres;
    EXPECT_TRUE(autres.litIni(ini));
    EXPECT_TRUE(autres.ini.siren.isEmpty());
}
