// Whatever a load changes in the data, or finds cut short, is told, with the file, what was done
// and the copy of the original bytes kept before any save writes over them.

#include "store/fichiertexte.h"
#include "support/montage.h"
#include "support/texte.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using namespace zel;

using zel::test::s;

QByteArray clients(int de, int a, const char* casse = "<BLOC%1>") {
    QByteArray octets;
    for (int n = de; n < a; ++n) {
        const QByteArray numero = QByteArray::number(n).rightJustified(4, '0');
        octets += QByteArray(casse).replace("%1", numero) + "\r\n" + QByteArray::number(10001 + n) +
                  "\r\n</BLOC" + numero + ">\r\n";
    }
    return octets;
}

} // namespace

TEST(Chargement, WhatTheLoadChangesOrFindsCutIsToldAndTheOriginalKept) {
    const struct {
        const char* cas;
        QByteArray octets;
        const char* dit; // empty: nothing to tell
        bool modifie;
        int compte;
        bool garde = true; // the original bytes are kept: what the load found changes the file
    } cas[] = {
        {"sound", clients(0, 3), "", false, 3},
        {"padded with zeros", clients(0, 3) + QByteArray(64, '\0'), "", false, 3},
        {"cut by a NUL", clients(0, 100) + QByteArray(1, '\0') + clients(100, 1000),
         "un octet nul à la position 3200 coupe le fichier : 100 fiches lues avant lui", false,
         100},
        {"twice", clients(0, 3) + clients(0, 3), "3 fiches en double retirées", true, 6},
        {"tags in lower case", clients(0, 1, "<bloc%1>") + clients(1, 2),
         "1 balises réécrites en majuscules", true, 2},
        {"over capacity", clients(0, 10000),
         "10000 fiches, plus que les 9999 possibles : aucune fiche ne pourra y être ajoutée", false,
         10000, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.cas);
        test::Montage m;
        m.dossier.ecrit(s("t.cli"), c.octets);
        ASSERT_TRUE(m.jeu.Charge(m.nom()));
        m.fenetre.apresOuverture();
        EXPECT_EQ(m.jeu.TestModif(), c.modifie);
        EXPECT_EQ(m.jeu.compte(Sorte::Clients), c.compte);
        if (s(c.dit).isEmpty()) {
            EXPECT_TRUE(m.dialogues.vus.isEmpty()) << m.dialogues.vus.join(u'|').toStdString();
            EXPECT_FALSE(m.dossier.existe(s("t.cli.original")));
            continue;
        }
        ASSERT_EQ(m.dialogues.vus.size(), 1);
        const QString message = m.dialogues.vus.front();
        EXPECT_TRUE(message.contains(s("t.cli : ") + s(c.dit))) << message.toStdString();
        EXPECT_EQ(message.contains(s("Le fichier d'origine est gardé sous le nom t.cli.original")),
                  c.garde);
        EXPECT_EQ(m.dossier.lit(s("t.cli.original")), c.garde ? c.octets : QByteArray());
    }
}

TEST(Chargement, AStoreOverCapacityRefusesNewRecords) {
    test::Montage m;
    m.dossier.ecrit(s("t.cli"), clients(0, 10000));
    ASSERT_TRUE(m.jeu.Charge(m.nom()));
    m.fenetre.apresOuverture();
    m.dialogues.vus.clear();
    m.fenetre.clients().Ajout();
    EXPECT_EQ(m.dialogues.vus, QStringList{s("message: Le fichier est plein")});
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 10000);
}

TEST(Chargement, ADamagedFileIsCopiedOnceAndOnlyByTheProgramThatMayWriteIt) {
    const QByteArray doubles = clients(0, 3) + clients(0, 3);
    test::Montage m;
    m.dossier.ecrit(s("t.cli"), doubles);
    {
        // Another program has the set: this one tells what it found and copies nothing.
        VerrouJeu ailleurs(m.nom());
        ASSERT_EQ(ailleurs.prend(), VerrouJeu::Etat::Tenu);
        ASSERT_TRUE(m.jeu.Charge(m.nom()));
        EXPECT_TRUE(m.jeu.lectureSeule());
        EXPECT_TRUE(m.dialogues.vus.last().contains(s("3 fiches en double retirées")));
        EXPECT_TRUE(m.dialogues.vus.last().contains(s("Le fichier n'est pas modifié")));
        EXPECT_TRUE(QDir(m.dossier.racine()).entryList({s("*.original*")}).isEmpty());
    }
    // Opened three times without saving: one copy of the bytes, never a second.
    for (int fois = 0; fois < 3; ++fois) {
        ASSERT_TRUE(m.jeu.Charge(m.nom()));
        m.fenetre.apresOuverture();
        EXPECT_TRUE(m.dialogues.vus.last().contains(
            s("Le fichier d'origine est gardé sous le nom t.cli.original")))
            << m.dialogues.vus.join(u'|').toStdString();
    }
    EXPECT_EQ(m.dossier.lit(s("t.cli.original")), doubles);
    // Repaired and saved, then damaged otherwise: those other bytes have their own copy.
    m.sauve();
    const QByteArray minuscules = clients(0, 1, "<bloc%1>") + clients(1, 2);
    m.dossier.ecrit(s("t.cli"), minuscules);
    ASSERT_TRUE(m.jeu.Charge(m.nom()));
    EXPECT_EQ(m.dossier.lit(s("t.cli.original")), doubles);
    EXPECT_EQ(m.dossier.lit(s("t.cli.original-2")), minuscules);
    EXPECT_EQ(QDir(m.dossier.racine()).entryList({s("*.original*")}).size(), 2);
}
