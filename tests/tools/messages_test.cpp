#include "tools/messages.h"

#include "support/fichiers.h"

#include <gtest/gtest.h>

using zel::outils::BlocMessages;
using zel::outils::Message;

namespace {

Message message(std::array<const char*, Message::kChamps> champs,
                std::array<bool, Message::kDrapeaux> drapeaux = {}) {
    Message m;
    for (std::size_t i = 0; i < champs.size(); ++i)
        m.champs[i] = QString::fromUtf8(champs[i]);
    m.drapeaux = drapeaux;
    return m;
}

} // namespace

TEST(Messages, LignesDuFichier) {
    struct Cas {
        const char* nom;
        QString ligne;
        Message attendu;
    };
    const QString longue(300, u'x');
    const Cas cas[] = {
        {"message blanc", QStringLiteral(" "), Message{}},
        {"textes vides", QStringLiteral("\t\t\t\t\t\t\tFFFFF"), Message{}},
        {"De vide garde sa place", QStringLiteral("M. Martin\t\tDupont SA\t\t\t\t\tTFFFT"),
         message({"M. Martin", "", "Dupont SA", "", "", "", ""},
                 {true, false, false, false, true})},
        {"moins de sept TAB", QStringLiteral("Jean\t  Paul\t FTT "),
         message({"Jean", "Paul", "", "", "", "", ""}, {false, true, true, false, false})},
        {"blancs en tête ôtés sauf du premier", QStringLiteral("  A\t  B\t\t\t\t\t  C\tFFFFF"),
         message({"  A", "B", "", "", "", "", "C"})},
        {"ligne lue entière", longue + u'\t' + longue + QStringLiteral("\t\t\t\t\t\tTTTTT"),
         message({"", "", "", "", "", "", ""}, {true, true, true, true, true})},
    };
    for (const Cas& c : cas) {
        Message attendu = c.attendu;
        if (c.ligne.startsWith(longue))
            attendu.champs[0] = attendu.champs[1] = longue;
        EXPECT_EQ(Message::depuisLigne(c.ligne), attendu) << c.nom;
        // What is written reads back the same.
        EXPECT_EQ(Message::depuisLigne(attendu.ligne()), attendu) << c.nom;
    }
    EXPECT_EQ(Message{}.ligne(), u"\t\t\t\t\t\t\tFFFFF");
}

TEST(Messages, NomDuFichierAcoteDuFichierClients) {
    EXPECT_EQ(BlocMessages::nomFichier(QStringLiteral("/home/jean.dupont/ventes.2024/Dupont.cli")),
              u"/home/jean.dupont/ventes.2024/Dupont.oms");
    EXPECT_EQ(BlocMessages::nomFichier(QStringLiteral("/data/Dupont.cli")), u"/data/Dupont.oms");
    EXPECT_EQ(BlocMessages::nomFichier(QStringLiteral("/a.b/Dupont")), u"/a.b/Dupont.oms");
}

TEST(Messages, SansFichierUnMessageBlancEtLaFermetureCreeLeFichier) {
    zel::test::Dossier dossier;
    const QString clients = dossier.chemin(QStringLiteral("Dupont.cli"));
    BlocMessages bloc;
    ASSERT_TRUE(bloc.Charge(clients).ok());
    EXPECT_EQ(std::pair(bloc.indice(), bloc.compte()), std::pair(0, 1));
    EXPECT_EQ(bloc.affiche(), Message{});
    ASSERT_TRUE(bloc.Sauve(clients).ok());
    EXPECT_EQ(dossier.lit(QStringLiteral("Dupont.oms")), "\t\t\t\t\t\t\tFFFFF\r\n");
}

TEST(Messages, UnFichierVideDonneUnMessageBlanc) {
    zel::test::Dossier dossier;
    dossier.ecrit(QStringLiteral("Dupont.oms"), "");
    const QString clients = dossier.chemin(QStringLiteral("Dupont.cli"));
    BlocMessages bloc;
    ASSERT_TRUE(bloc.Charge(clients).ok());
    EXPECT_EQ(bloc.compte(), 1);
    bloc.setChamp(Message::Pour, QStringLiteral("Marie"));
    ASSERT_TRUE(bloc.Sauve(clients).ok());
    EXPECT_EQ(dossier.lit(QStringLiteral("Dupont.oms")), "Marie\t\t\t\t\t\t\tFFFFF\r\n");
}

TEST(Messages, ParcoursAjoutEtSuppression) {
    zel::test::Dossier dossier;
    dossier.ecrit(
        QStringLiteral("Dupont.oms"),
        "Un\t\t\t\t\t\t\tFFFFF\r\nDeux\t\t\t\t\t\t\tFFFFF\r\nTrois\t\t\t\t\t\t\tFFFFT\r\n");
    const QString clients = dossier.chemin(QStringLiteral("Dupont.cli"));
    BlocMessages bloc;
    ASSERT_TRUE(bloc.Charge(clients).ok());
    EXPECT_EQ(bloc.indice(), 2); // the last message is shown first
    EXPECT_TRUE(bloc.affiche().drapeaux[4]);
    bloc.suivant(); // on the last, it stays
    EXPECT_EQ(bloc.indice(), 2);
    bloc.precedent();
    bloc.setChamp(Message::Objet, QStringLiteral("Rappeler\tavant\r\nmidi"));
    bloc.setDrapeau(2, true);
    bloc.precedent();
    bloc.precedent(); // on the first, it stays
    EXPECT_EQ(bloc.affiche().champs[Message::Pour], u"Un");
    bloc.suivant();
    EXPECT_EQ(bloc.affiche().champs[Message::Objet], u"Rappeler avant  midi");
    EXPECT_TRUE(bloc.affiche().drapeaux[2]);
    bloc.supprime(); // "Deux" goes, "Trois" takes its place
    EXPECT_EQ(std::pair(bloc.indice(), bloc.compte()), std::pair(1, 2));
    EXPECT_EQ(bloc.affiche().champs[Message::Pour], u"Trois");
    bloc.ajoute();
    EXPECT_EQ(std::pair(bloc.indice(), bloc.compte()), std::pair(2, 3));
    EXPECT_EQ(bloc.affiche(), Message{});
    const QDateTime moment(QDate(2026, 3, 9), QTime(8, 5, 7));
    bloc.completeDate(moment);
    bloc.completeHeure(moment);
    ASSERT_TRUE(bloc.Sauve(clients).ok());
    EXPECT_EQ(dossier.lit(QStringLiteral("Dupont.oms")),
              "Un\t\t\t\t\t\t\tFFFFF\r\nTrois\t\t\t\t\t\t\tFFFFT\r\n"
              "\t\t\t\t09/03/2026\t08:05:07\t\tFFFFF\r\n");
}

TEST(Messages, SupprimerLeSeulMessageLaisseUnMessageBlanc) {
    BlocMessages bloc;
    bloc.setChamp(Message::Pour, QStringLiteral("Paul"));
    bloc.supprime();
    EXPECT_EQ(std::pair(bloc.indice(), bloc.compte()), std::pair(0, 1));
    EXPECT_EQ(bloc.affiche(), Message{});
    bloc.setChamp(Message::De, QStringLiteral("Luc"));
    bloc.ajoute();
    EXPECT_EQ(bloc.lignes().first(), u"\tLuc\t\t\t\t\t\tFFFFF");
}

TEST(Messages, UnEchecDEcritureEstDit) {
    zel::test::Dossier dossier;
    const QString clients = dossier.chemin(QStringLiteral("absent/Dupont.cli"));
    BlocMessages bloc;
    const zel::Resultat r = bloc.Sauve(clients);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.message().contains(u"Dupont.oms"));
}

TEST(Messages, UneLigneSansSesSeptTabGardeSonTexte) {
    const struct {
        const char* ligne;
        Message attendu;
    } cas[] = {
        {"Rappeler M. Durand", message({"Rappeler M. Durand", "", "", "", "", "", ""})},
        {"Jean\tPaul a appelé", message({"Jean", "Paul a appelé", "", "", "", "", ""})},
        {"Jean\t  Paul\t FTT ",
         message({"Jean", "Paul", "", "", "", "", ""}, {false, true, true, false, false})},
        {"TFT", message({"", "", "", "", "", "", ""}, {true, false, true, false, false})},
    };
    for (const auto& c : cas) {
        const Message lu = Message::depuisLigne(QString::fromUtf8(c.ligne));
        EXPECT_EQ(lu, c.attendu) << c.ligne;
        // Shown then saved, the text stays.
        EXPECT_EQ(Message::depuisLigne(lu.ligne()), c.attendu) << c.ligne;
    }
}
