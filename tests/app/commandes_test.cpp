#include "app/commandes.h"

#include "store/ensemble.h"
#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"

#include <QDateTime>
#include <QFile>
#include <QSysInfo>

#include <gtest/gtest.h>

using zel::CommandesDocument;
using zel::JeuDocuments;
using zel::test::DialoguesFactices;
using zel::test::Dossier;
using Reponse = zel::Dialogues::Reponse;

namespace {

using zel::test::s;

const QByteArray kUnClient = "<BLOC0000>\r\nDisque\r\n</BLOC0000>\r\n";

// A set on disk and a program that has it open, its client card changed in memory.
struct JeuOuvert : testing::Test {
    Dossier dossier;
    JeuDocuments jeu;
    DialoguesFactices dialogues;
    CommandesDocument commandes{jeu, dialogues};

    void SetUp() override {
        dossier.ecrit(s("A.cli"), kUnClient);
        dossier.ecrit(s("B.cli"), "<BLOC0000>\r\nAutre\r\n</BLOC0000>\r\n");
        ASSERT_TRUE(commandes.ouvreAuDemarrage(dossier.chemin(s("A.cli"))));
        jeu.BlocsCli().AjouteBloc(1, {s("Memoire")});
        jeu.SetSauve();
    }
    bool enMemoire(const char* texte) const {
        return jeu.store(zel::Sorte::Clients).lignes().contains(s(texte));
    }
};

} // namespace

TEST_F(JeuOuvert, TheSavePromptBeforeOpenHandlesEachAnswer) {
    struct Cas {
        Reponse reponse;
        bool ouvert;       // B.cli is loaded afterwards
        bool aEcrit;       // A.cli holds the change made in memory
        bool changeGardee; // the change is still in memory
    };
    const Cas cas[] = {
        {Reponse::Non, true, false, false},
        {Reponse::Oui, true, true, false},
        {Reponse::Annuler, false, false, true},
    };
    for (const Cas& c : cas) {
        SetUp();
        dialogues.vus.clear();
        dialogues.reponses = {c.reponse};
        dialogues.fichiers = {dossier.chemin(s("B.cli"))};

        EXPECT_EQ(commandes.Ouvrir(), c.ouvert);
        EXPECT_EQ(dialogues.vus.first(), s("question: Enregistrer changements dans A.cli ?"));
        EXPECT_EQ(enMemoire("Autre"), c.ouvert);
        EXPECT_EQ(enMemoire("Memoire"), c.changeGardee);
        EXPECT_EQ(dossier.lit(s("A.cli")).contains("Memoire"), c.aEcrit);
        EXPECT_EQ(jeu.TestModif(), c.changeGardee);
        EXPECT_EQ(commandes.documentCourant(), dossier.chemin(c.ouvert ? s("B.cli") : s("A.cli")));
        // Cancel stops before the file chooser.
        EXPECT_EQ(dialogues.vus.size(), c.reponse == Reponse::Annuler ? 1 : 2);
    }
}

TEST_F(JeuOuvert, OpenChecksTheNameBeforeLoading) {
    struct Cas {
        const char* fichier;
        const char* message; // nothing when the set is loaded
        const char* document;
    };
    dossier.ecrit(s("C.CLI"), "<BLOC0000>\r\nMajuscules\r\n</BLOC0000>\r\n");
    dossier.ecrit(s("D.txt"), kUnClient);
    const Cas cas[] = {
        {"C.CLI", nullptr, "C.CLI"},
        {"D.txt", "Type de fichier non valide", ""},
        {"E.cli", "Le fichier n'existe pas", "E.cli"},
    };
    for (const Cas& c : cas) {
        SetUp();
        dialogues.vus.clear();
        dialogues.reponses = {Reponse::Non};
        dialogues.fichiers = {dossier.chemin(s(c.fichier))};
        EXPECT_EQ(commandes.Ouvrir(), c.message == nullptr) << c.fichier;
        EXPECT_EQ(dialogues.vus.last(), c.message ? s("message: ") + s(c.message)
                                                  : s("ouvrir: Fichier clients (*.cli)|*.cli"));
        EXPECT_EQ(enMemoire("Majuscules"), c.message == nullptr) << c.fichier;
        EXPECT_EQ(enMemoire("Memoire"), c.message != nullptr) << c.fichier;
        EXPECT_EQ(commandes.documentCourant(),
                  *c.document ? dossier.chemin(s(c.document)) : QString());
    }
}

TEST(CommandesDocument, SaveAsWritesTheClientFileAndItsFourCompanions) {
    struct Cas {
        const char* choisi;
        const char* ecrit;
    };
    const Cas cas[] = {
        {"Dupont", "Dupont"}, {"Dupont.txt", "Dupont"}, {"x.y/Martin", "x.y/Martin"}};
    for (const Cas& c : cas) {
        Dossier dossier;
        QDir(dossier.racine()).mkdir(s("x.y"));
        JeuDocuments jeu;
        DialoguesFactices dialogues;
        CommandesDocument commandes(jeu, dialogues);
        jeu.BlocsCli().AjouteBloc(0, {s("Client")});
        dialogues.fichiers = {dossier.chemin(s(c.choisi))};

        EXPECT_TRUE(commandes.EnregistrerSous()) << c.choisi;
        EXPECT_EQ(dialogues.vus,
                  QStringList{s("enregistrer: Fichiers clients (*.cli)|*.cli *.cli")});
        EXPECT_EQ(commandes.documentCourant(), dossier.chemin(s(c.ecrit) + s(".cli")));
        for (const char* ext : {".cli", ".fct", ".frs", ".stk", ".cmd"})
            EXPECT_TRUE(dossier.existe(s(c.ecrit) + s(ext))) << c.choisi << ext;
        EXPECT_TRUE(dossier.lit(s(c.ecrit) + s(".cli")).contains("Client"));
        EXPECT_FALSE(dossier.existe(s("Dupont.txt")));
        EXPECT_FALSE(jeu.TestModif());
    }
}

TEST_F(JeuOuvert, SaveAsOverAnExistingFileAsksFirst) {
    for (bool ok : {false, true}) {
        SetUp();
        dialogues.vus.clear();
        dialogues.fichiers = {dossier.chemin(s("B.cli"))};
        dialogues.confirmations = {ok};
        EXPECT_EQ(commandes.EnregistrerSous(), ok);
        EXPECT_EQ(dialogues.vus.last(), s("confirmation: Ce fichier existe déjà"));
        EXPECT_EQ(dossier.lit(s("B.cli")).contains("Memoire"), ok);
        // Cancelled, the set keeps its name: Save never writes over B.cli unasked.
        EXPECT_EQ(commandes.documentCourant(), dossier.chemin(s(ok ? "B.cli" : "A.cli")));
    }
}

TEST_F(JeuOuvert, ACancelledSaveAsKeepsTheSetsName) {
    dialogues.fichiers = {QString()};
    EXPECT_FALSE(commandes.EnregistrerSous());
    EXPECT_EQ(commandes.documentCourant(), dossier.chemin(s("A.cli")));
    dialogues.reponses = {Reponse::Annuler};
    EXPECT_FALSE(commandes.Quitter());
    EXPECT_EQ(dialogues.vus.last(), s("question: Enregistrer changements dans A.cli ?"));
    // The plain Save writes the set where it was, asking nothing.
    dialogues.vus.clear();
    EXPECT_TRUE(commandes.Enregistrer());
    EXPECT_TRUE(dialogues.vus.isEmpty()) << dialogues.vus.join(u'|').toStdString();
    EXPECT_TRUE(dossier.lit(s("A.cli")).contains("Memoire"));
}

TEST_F(JeuOuvert, SaveWritesUnderTheCurrentName) {
    EXPECT_TRUE(commandes.Enregistrer());
    EXPECT_TRUE(dossier.lit(s("A.cli")).contains("Memoire"));
    EXPECT_TRUE(dialogues.vus.isEmpty());
    EXPECT_FALSE(jeu.TestModif());
}

TEST(CommandesDocument, YesForASetNeverNamedAsksForAName) {
    struct Cas {
        std::optional<const char*> choisi;
        bool nouveau;
    };
    for (const Cas& c : {Cas{"Nom", true}, Cas{std::nullopt, false}}) {
        Dossier dossier;
        JeuDocuments jeu;
        DialoguesFactices dialogues;
        CommandesDocument commandes(jeu, dialogues);
        jeu.BlocsCli().AjouteBloc(0, {s("Client")});
        jeu.SetSauve();
        dialogues.reponses = {Reponse::Oui};
        if (c.choisi)
            dialogues.fichiers = {dossier.chemin(s(*c.choisi))};
        else
            dialogues.fichiers = {QString()};

        EXPECT_EQ(commandes.Nouveau(), c.nouveau);
        EXPECT_EQ(dialogues.vus.first(), s("question: Enregistrer changements dans  ?"));
        EXPECT_EQ(dossier.existe(s("Nom.cli")), c.nouveau);
        // Cancelling the name keeps the set as it was, still to be saved.
        EXPECT_EQ(jeu.store(zel::Sorte::Clients).estVide(), c.nouveau);
        EXPECT_EQ(jeu.TestModif(), !c.nouveau);
    }
}

TEST_F(JeuOuvert, AFailedSaveStopsQuitAndKeepsTheSet) {
    zel::test::DossierProtege protege(dossier.racine());
    if (!protege.actif())
        GTEST_SKIP() << "this file system cannot refuse writes";
    dialogues.vus.clear();
    dialogues.reponses = {Reponse::Oui};
    EXPECT_FALSE(commandes.Quitter());
    ASSERT_EQ(dialogues.vus.size(), 2);
    EXPECT_TRUE(dialogues.vus[1].startsWith(s("message: ")));
    EXPECT_TRUE(dialogues.vus[1].contains(s("A.cli")));
    EXPECT_TRUE(jeu.TestModif());
    EXPECT_TRUE(enMemoire("Memoire"));
}

TEST(CommandesDocument, QuitWithoutChangesAsksNothing) {
    JeuDocuments jeu;
    DialoguesFactices dialogues;
    CommandesDocument commandes(jeu, dialogues);
    EXPECT_TRUE(commandes.Quitter());
    EXPECT_TRUE(dialogues.vus.isEmpty());
}

TEST(CommandesDocument, AutoOpenWithoutItsLastDocumentOpensNothingQuietlyAndKeepsTheName) {
    Dossier dossier;
    const QString cas[] = {dossier.chemin(s("Parti.cli")), QString()};
    for (const QString& dernier : cas) {
        JeuDocuments jeu;
        DialoguesFactices dialogues;
        CommandesDocument commandes(jeu, dialogues);
        EXPECT_FALSE(commandes.ouvreAuDemarrage(dernier)) << dernier.toStdString();
        EXPECT_TRUE(dialogues.vus.isEmpty()) << dialogues.vus.join(u'|').toStdString();
        EXPECT_EQ(commandes.documentCourant(), dernier);
        EXPECT_TRUE(jeu.store(zel::Sorte::Clients).estVide());
    }
}

TEST(CommandesDocument, ASetOpenInAnotherInstanceOpensReadOnlyAndAsksForAnotherName) {
    zel::test::Dossier dossier;
    dossier.ecrit(QStringLiteral("t.cli"), {});
    const QString nom = dossier.chemin(QStringLiteral("t.cli"));
    zel::JeuDocuments premierJeu, secondJeu;
    zel::test::DialoguesFactices premiers, seconds;
    CommandesDocument premier(premierJeu, premiers), second(secondJeu, seconds);
    premiers.fichiers = {nom};
    ASSERT_TRUE(premier.Ouvrir());
    EXPECT_FALSE(premier.lectureSeule());
    EXPECT_TRUE(premiers.vus.filter(QStringLiteral("lecture seule")).isEmpty());

    seconds.fichiers = {nom};
    ASSERT_TRUE(second.Ouvrir());
    EXPECT_TRUE(second.lectureSeule());
    EXPECT_TRUE(seconds.vus.last().contains(QStringLiteral("t.cli est déjà ouvert dans un autre "
                                                           "programme Zel Vente")));
    // Saving asks for another name; the set open elsewhere is never written.
    secondJeu.BlocsCli().AjouteBloc(0, {QStringLiteral("Martin")});
    secondJeu.SetSauve();
    seconds.fichiers = {QString(), nom, dossier.chemin(QStringLiteral("copie.cli"))};
    EXPECT_FALSE(second.Enregistrer()) << "the name chooser cancelled";
    seconds.confirmations = {true}; // "Ce fichier existe déjà"
    EXPECT_FALSE(second.Enregistrer()) << "the name of the set open elsewhere";
    EXPECT_TRUE(seconds.vus.last().contains(QStringLiteral("est ouvert dans un autre programme")));
    EXPECT_TRUE(dossier.lit(QStringLiteral("t.cli")).isEmpty());
    EXPECT_TRUE(second.Enregistrer());
    EXPECT_FALSE(second.lectureSeule());
    EXPECT_TRUE(dossier.lit(QStringLiteral("copie.cli")).contains("Martin"));

    // A lock left by a program that is gone is taken over.
    premier.Nouveau();
    dossier.ecrit(QStringLiteral("t.cli.zvlock"),
                  "999999\nzelvente\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    zel::JeuDocuments troisiemeJeu;
    zel::test::DialoguesFactices troisiemes;
    CommandesDocument troisieme(troisiemeJeu, troisiemes);
    troisiemes.fichiers = {nom};
    ASSERT_TRUE(troisieme.Ouvrir());
    EXPECT_FALSE(troisieme.lectureSeule()) << troisiemes.vus.join(u'|').toStdString();
}

TEST(CommandesDocument, ASetWhoseFolderIsReadOnlySaysSoAndOpensReadOnly) {
    // Without a lock, and with one left by a program gone that cannot be taken over.
    for (const bool laisse : {false, true}) {
        SCOPED_TRACE(laisse);
        Dossier dossier;
        dossier.ecrit(s("t.cli"), kUnClient);
        if (laisse)
            dossier.ecrit(s("t.cli.zvlock"),
                          "999999\nzelvente\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        zel::test::DossierProtege protege(dossier.racine());
        if (!protege.actif())
            GTEST_SKIP() << "this file system cannot refuse new files";
        JeuDocuments jeu;
        DialoguesFactices dialogues;
        CommandesDocument commandes(jeu, dialogues);
        dialogues.fichiers = {dossier.chemin(s("t.cli"))};
        ASSERT_TRUE(commandes.Ouvrir());
        EXPECT_TRUE(commandes.lectureSeule());
        ASSERT_FALSE(dialogues.vus.isEmpty());
        const QString dit = dialogues.vus.last();
        EXPECT_FALSE(dit.contains(s("autre programme"))) << dit.toStdString();
        EXPECT_TRUE(dit.contains(s("t.cli.zvlock"))) << dit.toStdString();
        EXPECT_TRUE(dit.contains(s("le dossier est en lecture seule"))) << dit.toStdString();
        EXPECT_TRUE(dit.contains(s("ouvert en lecture seule"))) << dit.toStdString();
    }
}

TEST(CommandesDocument, ALockFromAnotherComputerIsNamedAndTakenOverOnlyOnceOldAndConfirmed) {
    const struct {
        int heures;     // the lock's age
        bool question;  // taking it over is offered
        bool reprendre; // the answer
        bool lectureSeule;
    } cas[] = {{2, false, false, true}, {49, true, false, true}, {49, true, true, false}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.heures);
        SCOPED_TRACE(c.reprendre);
        Dossier dossier;
        dossier.ecrit(s("t.cli"), kUnClient);
        dossier.ecrit(s("t.cli.zvlock"), "4242\nzelvente\nposte-compta\n");
        const QDateTime pose = QDateTime::currentDateTime().addSecs(-3600 * c.heures);
        {
            QFile verrou(dossier.chemin(s("t.cli.zvlock")));
            ASSERT_TRUE(verrou.open(QIODevice::ReadWrite));
            ASSERT_TRUE(verrou.setFileTime(pose, QFileDevice::FileModificationTime));
        }
        JeuDocuments jeu;
        DialoguesFactices dialogues;
        CommandesDocument commandes(jeu, dialogues);
        dialogues.fichiers = {dossier.chemin(s("t.cli"))};
        dialogues.confirmations = {c.reprendre};
        ASSERT_TRUE(commandes.Ouvrir());
        EXPECT_EQ(commandes.lectureSeule(), c.lectureSeule);
        const QStringList questions = dialogues.vus.filter(s("confirmation: "));
        EXPECT_EQ(questions.size(), c.question ? 1 : 0) << dialogues.vus.join(u'|').toStdString();
        // Whatever is shown names the lock, its computer and its date.
        const QString dit = dialogues.vus.last();
        for (const QString& attendu :
             {s("t.cli.zvlock"), s("poste-compta"), pose.toString(s("dd/MM/yyyy à HH:mm"))})
            EXPECT_TRUE(dit.contains(attendu)) << dit.toStdString();
        // Taken over, the lock is this program's own.
        EXPECT_EQ(dossier.lit(s("t.cli.zvlock")).contains("poste-compta"), c.lectureSeule);
    }
}

TEST_F(JeuOuvert, ASaveCommittedWhoseFileCannotTakeItsPlaceYetSaysSo) {
    std::unique_ptr<zel::test::FichierImmuable> immuable;
    zel::ensemble::setTemoin([&](int etape) {
        if (etape == 6)
            immuable = std::make_unique<zel::test::FichierImmuable>(dossier.chemin(s("A.cli")));
    });
    const bool fait = commandes.Enregistrer();
    zel::ensemble::setTemoin({});
    if (!immuable->actif())
        GTEST_SKIP() << "no immutable attribute on this file system";
    EXPECT_TRUE(fait);
    EXPECT_FALSE(jeu.TestModif());
    ASSERT_EQ(dialogues.vus.size(), 1);
    EXPECT_TRUE(dialogues.vus[0].startsWith(s("message: Le jeu ")));
    EXPECT_TRUE(dialogues.vus[0].contains(s("est enregistré, mais A.cli")));
    EXPECT_TRUE(dialogues.vus[0].contains(s("il le sera à la prochaine ouverture du jeu")));
}

TEST_F(JeuOuvert, SaveAsTakesTheMessagesToTheNewName) {
    dossier.ecrit(s("A.oms"), "Paul\t\t\t\t\t\t\tFFFFF\r\n");
    dialogues.fichiers = {dossier.chemin(s("C"))};
    ASSERT_TRUE(commandes.EnregistrerSous());
    EXPECT_EQ(commandes.documentCourant(), dossier.chemin(s("C.cli")));
    EXPECT_EQ(dossier.lit(s("C.oms")), QByteArray("Paul\t\t\t\t\t\t\tFFFFF\r\n"));
    EXPECT_EQ(dossier.lit(s("A.oms")), QByteArray("Paul\t\t\t\t\t\t\tFFFFF\r\n"));
    // Saved under the same name again, nothing is copied.
    jeu.SetSauve();
    dialogues.fichiers = {dossier.chemin(s("C.cli"))};
    dialogues.confirmations = {true};
    ASSERT_TRUE(commandes.EnregistrerSous());
    EXPECT_EQ(dossier.lit(s("C.oms")), QByteArray("Paul\t\t\t\t\t\t\tFFFFF\r\n"));
    EXPECT_TRUE(dialogues.vus.filter(s("message: ")).isEmpty())
        << dialogues.vus.join(u'|').toStdString();
}
