#include "store/jeudocuments.h"

#include "support/fichiers.h"
#include "support/texte.h"

#include <QDir>

#include <gtest/gtest.h>

#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using zel::JeuDocuments;
using zel::Sorte;
using zel::test::Dossier;

namespace {

using zel::test::s;

QByteArray bloc(int n, const char* champ) {
    return QStringLiteral("<BLOC%1>\r\n%2\r\n</BLOC%1>\r\n")
        .arg(n, 4, 10, QLatin1Char('0'))
        .arg(QString::fromLatin1(champ))
        .toLatin1();
}

// Records what the set asks of the pages, in order.
struct ReactionsEnregistrees : zel::ReactionsDocuments {
    QStringList appels;
    void avertit(const QString& texte) override { appels.append(texte); }
    bool quittePages() override { return true; }
    void ecritCartes() override { appels.append(QStringLiteral("cartes")); }
    void compacteStore(Sorte s) override {
        appels.append(QStringLiteral("compacte %1").arg(int(s)));
    }
    void apresChargement() override { appels.append(QStringLiteral("premier")); }
};

} // namespace

TEST(JeuDocuments, CompanionNamesFollowTheClientFile) {
    EXPECT_EQ(JeuDocuments::nomCompagnon(s("/d/Dupont.cli"), Sorte::Factures), s("/d/Dupont.fct"));
    EXPECT_EQ(JeuDocuments::nomCompagnon(s("/d/Dupont.CLI"), Sorte::Fournisseurs),
              s("/d/Dupont.frs"));
    EXPECT_EQ(JeuDocuments::nomCompagnon(s("x.cli"), Sorte::Articles), s("x.stk"));
    EXPECT_EQ(JeuDocuments::nomCompagnon(s("x.cli"), Sorte::Commandes), s("x.cmd"));
    EXPECT_EQ(JeuDocuments::nomCompagnon(QString(), Sorte::Commandes), QString());
}

TEST(JeuDocuments, ANewSetIsEmptyWithOneInvoiceCounted) {
    JeuDocuments jeu;
    jeu.BlocsCli().AjouteBloc(0, {s("a")});
    jeu.SetSauve();
    jeu.Nouveau();
    for (Sorte k : zel::kToutesSortes) {
        EXPECT_TRUE(jeu.store(k).estVide());
        EXPECT_EQ(jeu.compte(k), k == Sorte::Factures ? 1 : 0);
    }
    EXPECT_FALSE(jeu.TestModif());
    EXPECT_TRUE(jeu.titre().isEmpty());
}

TEST(JeuDocuments, LoadFindsCompanionsInAnyLetterCase) {
    for (const char* nomCommandes : {"Dupont.cmd", "Dupont.Cmd", "Dupont.CMD"}) {
        Dossier d;
        d.ecrit(s("Dupont.cli"), bloc(0, "Client") + bloc(1, "Autre"));
        d.ecrit(s(nomCommandes), bloc(0, "Commande"));
        JeuDocuments jeu;
        ASSERT_TRUE(jeu.Charge(d.chemin(s("Dupont.cli"))));
        EXPECT_EQ(jeu.compte(Sorte::Clients), 2);
        EXPECT_EQ(jeu.compte(Sorte::Commandes), 1) << nomCommandes;
        EXPECT_EQ(jeu.compte(Sorte::Factures), 0);
        EXPECT_EQ(jeu.titre(), s("Dupont.cli"));

        // Saving writes over the file found, so the set never ends up with two order files.
        jeu.SetSauve();
        ASSERT_TRUE(jeu.Sauve(d.chemin(s("Dupont.cli"))));
        const QStringList commandes =
            QDir(d.racine()).entryList({s("*.cmd"), s("*.Cmd"), s("*.CMD")}, QDir::Files);
        EXPECT_EQ(commandes, QStringList{s(nomCommandes)});
    }
}

TEST(JeuDocuments, OpeningASetWithoutSuppliersShowsNone) {
    Dossier d;
    d.ecrit(s("a.cli"), bloc(0, "A"));
    d.ecrit(s("a.frs"), bloc(0, "Fournisseur") + bloc(1, "Autre"));
    d.ecrit(s("b.cli"), bloc(0, "B"));
    JeuDocuments jeu;
    ASSERT_TRUE(jeu.Charge(d.chemin(s("a.cli"))));
    EXPECT_EQ(jeu.compte(Sorte::Fournisseurs), 2);
    ASSERT_TRUE(jeu.Charge(d.chemin(s("b.cli"))));
    EXPECT_EQ(jeu.compte(Sorte::Fournisseurs), 0);
    EXPECT_TRUE(jeu.BlocsFour().estVide());
}

TEST(JeuDocuments, SavingWritesAllFiveFilesEmptyOnesIncluded) {
    Dossier d;
    JeuDocuments jeu;
    jeu.BlocsCli().AjouteBloc(0, {s("Dupont")});
    jeu.SetSauve();
    ASSERT_TRUE(jeu.Sauve(d.chemin(s("Dupont.cli"))));
    EXPECT_EQ(d.lit(s("Dupont.cli")), bloc(0, "Dupont"));
    for (const char* compagnon : {"Dupont.fct", "Dupont.frs", "Dupont.stk", "Dupont.cmd"}) {
        EXPECT_TRUE(d.existe(s(compagnon))) << compagnon;
        EXPECT_EQ(d.lit(s(compagnon)), QByteArray()) << compagnon;
    }
    EXPECT_FALSE(jeu.TestModif());
    EXPECT_EQ(jeu.dernierNomSauve(), d.chemin(s("Dupont.cli")));
}

TEST(JeuDocuments, AnUnmodifiedSetIsNotWritten) {
    Dossier d;
    JeuDocuments jeu;
    ASSERT_TRUE(jeu.Sauve(d.chemin(s("x.cli"))));
    EXPECT_FALSE(d.existe(s("x.cli")));
}

TEST(JeuDocuments, ASetRoundTripsByteForByte) {
    Dossier d;
    const QByteArray clients = bloc(1, "Z\x81\x8D\x8F\x90\x9D\x80\xE9") + " \r\n" + bloc(0, "A");
    d.ecrit(s("a.cli"), clients);
    d.ecrit(s("a.fct"), bloc(0, "NUM202612001"));
    JeuDocuments jeu;
    ASSERT_TRUE(jeu.Charge(d.chemin(s("a.cli"))));
    jeu.SetSauve();
    ASSERT_TRUE(jeu.Sauve(d.chemin(s("b.cli"))));
    EXPECT_EQ(d.lit(s("b.cli")), clients);
    EXPECT_EQ(d.lit(s("b.fct")), bloc(0, "NUM202612001"));
}

TEST(JeuDocuments, LoadAndSaveCallThePagesInOrder) {
    Dossier d;
    d.ecrit(s("a.cli"), bloc(0, "A"));
    JeuDocuments jeu;
    ReactionsEnregistrees r;
    jeu.setReactions(&r);
    ASSERT_TRUE(jeu.Charge(d.chemin(s("a.cli"))));
    EXPECT_EQ(r.appels, QStringList{s("premier")});
    r.appels.clear();
    jeu.SetSauve();
    ASSERT_TRUE(jeu.Sauve(d.chemin(s("a.cli"))));
    EXPECT_EQ(r.appels, (QStringList{s("cartes"), s("compacte 0"), s("compacte 1"), s("compacte 2"),
                                     s("compacte 3")}));
}

TEST(JeuDocuments, AMissingClientFileChangesNothing) {
    Dossier d;
    d.ecrit(s("a.cli"), bloc(0, "A"));
    JeuDocuments jeu;
    ASSERT_TRUE(jeu.Charge(d.chemin(s("a.cli"))));
    const zel::Resultat r = jeu.Charge(d.chemin(s("absent.cli")));
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.message().startsWith(s("Le fichier n'existe pas")));
    EXPECT_EQ(jeu.compte(Sorte::Clients), 1);
    EXPECT_EQ(jeu.nomDocument(), d.chemin(s("a.cli")));
}

TEST(JeuDocuments, AFailedSaveKeepsTheOldFilesAndTheModifiedFlag) {
    Dossier d;
    d.ecrit(s("a.cli"), bloc(0, "Ancien"));
    d.ecrit(s("a.fct"), bloc(0, "NUM202612001"));
    JeuDocuments jeu;
    ASSERT_TRUE(jeu.Charge(d.chemin(s("a.cli"))));
    jeu.BlocsCli().RemplaceBloc(0, {s("Nouveau")});
    jeu.SetSauve();
    {
        zel::test::DossierProtege protege(d.racine());
        if (!protege.actif())
            GTEST_SKIP() << "this file system lets every write through";
        const zel::Resultat r = jeu.Sauve(d.chemin(s("a.cli")));
        ASSERT_FALSE(r);
        EXPECT_TRUE(r.message().contains(d.chemin(s("a.cli")))) << r.message().toStdString();
    }
    EXPECT_TRUE(jeu.TestModif());
    EXPECT_EQ(d.lit(s("a.cli")), bloc(0, "Ancien"));
    EXPECT_EQ(d.lit(s("a.fct")), bloc(0, "NUM202612001"));
}

TEST(JeuDocuments, ACharacterTheFilesCannotHoldStopsTheSaveBeforeAnyWrite) {
    Dossier d;
    JeuDocuments jeu;
    jeu.BlocsCli().AjouteBloc(0, {s("Dupont")});
    jeu.BlocsArt().AjouteBloc(0, {s("Ωmega")});
    jeu.SetSauve();
    const zel::Resultat r = jeu.Sauve(d.chemin(s("a.cli")));
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.message().contains(d.chemin(s("a.stk"))));
    EXPECT_FALSE(d.existe(s("a.cli")));
    EXPECT_TRUE(jeu.TestModif());
}

TEST(JeuDocuments, SavingKeepsEachFilesPermissionsAndOwner) {
    Dossier d;
    d.ecrit(s("a.cli"), bloc(0, "Ancien"));
    d.ecrit(s("a.fct"), bloc(0, "NUM202612001"));
    const QString clients = d.chemin(s("a.cli"));
    // A file only its group may read and write, given to another owner when the system allows.
    ASSERT_EQ(::chmod(QFile::encodeName(clients).constData(), 0660), 0);
    const bool proprietaire = ::chown(QFile::encodeName(clients).constData(), 4321, 8765) == 0;
    JeuDocuments jeu;
    ASSERT_TRUE(jeu.Charge(clients));
    jeu.BlocsCli().RemplaceBloc(0, {s("Nouveau")});
    jeu.SetSauve();
    ASSERT_TRUE(jeu.Sauve(clients));
    struct stat apres {};
    ASSERT_EQ(::stat(QFile::encodeName(clients).constData(), &apres), 0);
    EXPECT_EQ(apres.st_mode & 07777, 0660u);
    if (proprietaire) {
        EXPECT_EQ(apres.st_uid, 4321u);
        EXPECT_EQ(apres.st_gid, 8765u);
    }
    EXPECT_EQ(d.lit(s("a.cli")), bloc(0, "Nouveau"));

    // A read-only invoice file makes the save refuse, naming it, and nothing changes.
    const QString factures = d.chemin(s("a.fct"));
    ASSERT_EQ(::chmod(QFile::encodeName(factures).constData(), 0444), 0);
    jeu.BlocsCli().RemplaceBloc(0, {s("Encore")});
    jeu.SetSauve();
    const zel::Resultat r = jeu.Sauve(clients);
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.message().contains(factures)) << r.message().toStdString();
    EXPECT_TRUE(r.message().contains(s("lecture seule"))) << r.message().toStdString();
    EXPECT_TRUE(jeu.TestModif());
    EXPECT_EQ(d.lit(s("a.cli")), bloc(0, "Nouveau"));
    ASSERT_EQ(::stat(QFile::encodeName(factures).constData(), &apres), 0);
    EXPECT_EQ(apres.st_mode & 07777, 0444u);
}

TEST(JeuDocuments, ACompanionThatIsNotARegularFileIsRefusedAtOnce) {
    Dossier d;
    d.ecrit(s("a.cli"), bloc(0, "A"));
    const QByteArray tube = QFile::encodeName(d.chemin(s("a.fct")));
    ASSERT_EQ(::mkfifo(tube.constData(), 0644), 0);
    JeuDocuments jeu;
    auto charge = std::async(std::launch::async, [&] { return jeu.Charge(d.chemin(s("a.cli"))); });
    if (charge.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "the opening waits on the pipe";
        ::close(::open(tube.constData(), O_WRONLY));
        charge.wait();
        return;
    }
    const zel::Resultat r = charge.get();
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.message().contains(d.chemin(s("a.fct")))) << r.message().toStdString();
    EXPECT_TRUE(r.message().contains(s("pas un fichier ordinaire"))) << r.message().toStdString();
    EXPECT_TRUE(jeu.BlocsCli().estVide()) << "nothing in memory changes";
}
