#include "records/reglages.h"

#include "store/fichiertexte.h"
#include "support/fichiers.h"
#include "support/texte.h"

#include <gtest/gtest.h>

using zel::Reglages;
using zel::test::Dossier;

namespace {

using zel::test::s;

const QByteArray kIniParDefaut = " 6.55957000000000E+0000\r\n"
                                 "0\r\n"
                                 "\r\n"
                                 "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                                 "\r\n"
                                 "\r\n"
                                 " 2.00000000000000E+0001\r\n"
                                 " 0.00000000000000E+0000\r\n"
                                 " 5.50000000000000E+0000\r\n"
                                 "1\r\n"
                                 "2\r\n"
                                 "\r\n";

QByteArray ini(std::initializer_list<const char*> lignes) {
    QByteArray o;
    for (const char* l : lignes)
        o += QByteArray(l) + "\r\n";
    return o;
}

} // namespace

TEST(Reglages, RealsAreWrittenTwentyThreeWide) {
    const struct {
        double valeur;
        const char* texte;
    } cas[] = {
        {6.55957, " 6.55957000000000E+0000"}, {19.6, " 1.96000000000000E+0001"},
        {0.0, " 0.00000000000000E+0000"},     {-2.5, "-2.50000000000000E+0000"},
        {0.00012, " 1.20000000000000E-0004"}, {9.999999999999999, " 1.00000000000000E+0001"},
        {1e300, " 1.00000000000000E+0300"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(zel::formateReel(c.valeur), s(c.texte));
        EXPECT_EQ(zel::formateReel(c.valeur).size(), 23);
    }
}

TEST(Reglages, WithoutFilesTheDefaultsAreUsedAndWrittenAtShutdown) {
    Dossier d;
    Reglages r;
    EXPECT_TRUE(r.chargeAuDemarrage(d.racine()).isEmpty());
    EXPECT_DOUBLE_EQ(r.ini.tauxEuro, 6.55957);
    // A first start counts in euros, at today's rate 1.
    EXPECT_EQ(r.ini.modeDevise, 1);
    EXPECT_EQ(r.ini.tauxTva, (std::array<double, 3>{20.0, 0.0, 5.5}));
    EXPECT_EQ(r.formatMontant, s("0.00"));
    EXPECT_FALSE(r.GetIni().ouvertureAuto);
    EXPECT_TRUE(r.listes.representants.isEmpty());
    EXPECT_TRUE(r.sauveALaFin(d.racine(), QString()).isEmpty());
    EXPECT_EQ(d.lit(zel::kFichierIni), kIniParDefaut);
    EXPECT_EQ(d.lit(zel::kFichierSoc), QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(d.lit(zel::kFichierCbx),
              QByteArray("[REPRESENTANT]\r\n[REGLEMENT]\r\n[BANQUE]\r\n[FOURNISSEUR]\r\n"
                         "[ARTICLE]\r\n"));
}

TEST(Reglages, SettingsFileReadsBackWhatWasWritten) {
    Dossier d;
    const QByteArray fichier = ini({" 6.00000000000000E+0000",
                                    "007",
                                    "/d/Dupont.cli",
                                    "1",
                                    "1",
                                    "1",
                                    "100",
                                    "1",
                                    "2",
                                    "3",
                                    "4",
                                    "2",
                                    "75001",
                                    "Paris",
                                    "2.00000000000000E+0001",
                                    "7",
                                    "5.5",
                                    "2",
                                    "1",
                                    "Yen"});
    d.ecrit(zel::kFichierIni, fichier);
    Reglages r;
    ASSERT_TRUE(r.ChargeIni(d.racine()));
    EXPECT_EQ(r.GetIni().document, s("/d/Dupont.cli"));
    EXPECT_TRUE(r.GetIni().ouvertureAuto);
    EXPECT_EQ(r.GetIni().modeSelection, 2);
    EXPECT_EQ(r.ini.cleVille, s("Paris"));
    EXPECT_DOUBLE_EQ(r.ini.tauxTva[1], 7.0);
    EXPECT_EQ(r.formatMontant, s("0.0"));
    ASSERT_TRUE(r.SauveIni(d.racine(), s("/d/Dupont.cli")));
    // Reserved lines come back as read; numbers are written in their own form.
    EXPECT_EQ(d.lit(zel::kFichierIni), ini({" 6.00000000000000E+0000",
                                            "007",
                                            "/d/Dupont.cli",
                                            "1",
                                            "1",
                                            "1",
                                            "100",
                                            "1",
                                            "2",
                                            "3",
                                            "4",
                                            "2",
                                            "75001",
                                            "Paris",
                                            " 2.00000000000000E+0001",
                                            " 7.00000000000000E+0000",
                                            " 5.50000000000000E+0000",
                                            "2",
                                            "1",
                                            "Yen"}));
}

TEST(Reglages, AnOldSettingsFileKeepsItsRateAndItsFrancs) {
    Dossier d;
    Reglages ancien;
    ancien.ini.tauxTva[0] = 19.6;
    ancien.ini.modeDevise = 0;
    ASSERT_TRUE(ancien.SauveIni(d.racine(), QString()));
    const QByteArray octets = d.lit(zel::kFichierIni);
    EXPECT_TRUE(octets.contains("\r\n 1.96000000000000E+0001\r\n")) << octets.toStdString();
    Reglages r;
    EXPECT_TRUE(r.chargeAuDemarrage(d.racine()).isEmpty());
    EXPECT_DOUBLE_EQ(r.ini.tauxTva[0], 19.6);
    EXPECT_EQ(r.ini.modeDevise, 0);
    EXPECT_TRUE(r.sauveALaFin(d.racine(), QString()).isEmpty());
    EXPECT_EQ(d.lit(zel::kFichierIni), octets);
}

TEST(Reglages, LastDocumentIsForgottenWhenAutoOpenIsOff) {
    Reglages r;
    QStringList lignes = r.lignesIni(s("/d/Dupont.cli"));
    EXPECT_EQ(lignes[2], s("/d/Dupont.cli"));
    ASSERT_TRUE(r.litIni(lignes));
    EXPECT_TRUE(r.GetIni().document.isEmpty());
    r.SetIni(true);
    lignes = r.lignesIni(s("/d/Dupont.cli"));
    ASSERT_TRUE(r.litIni(lignes));
    EXPECT_EQ(r.GetIni().document, s("/d/Dupont.cli"));
}

TEST(Reglages, DecimalsChooseTheAmountPattern) {
    const struct {
        const char* decimales;
        const char* format;
    } cas[] = {{"0", "#"}, {"1", "0.0"}, {"2", "0.00"}, {"3", "0.0"}};
    Reglages r;
    for (const auto& c : cas) {
        r.formatMontant = s("0.0");
        QStringList lignes = r.lignesIni(QString());
        lignes[18] = s(c.decimales);
        ASSERT_TRUE(r.litIni(lignes));
        EXPECT_EQ(r.formatMontant, s(c.format)) << c.decimales;
    }
}

TEST(Reglages, ABadSettingsFileIsToldKeepingWhatWasRead) {
    const QString longue(10000, u'7');
    const struct {
        const char* nom;
        QStringList lignes;
        const char* motif;
        int tvaLue; // how many VAT rates the file gives
    } cas[] = {
        {"not a number", {s("6.5"), s("0"), s(""), s("abc")}, "ligne 4", 0},
        {"comma instead of point", {s("6,5")}, "ligne 1", 0},
        {"10 000 digits", {s("6.5"), longue}, "ligne 2", 0},
        {"infinity", {s("1e999")}, "ligne 1", 0},
        {"ends early",
         {s("6.5"), s("0"), s(""), s("0"), s("0"), s("0"), s("0"), s("0"), s("0"), s("0"), s("0"),
          s("0"), s(""), s(""), s("19.6")},
         "avant la ligne 16",
         1},
        {"binary junk", zel::fichier::decoupeLignes(QByteArray("\x01\xff\x80\x7f\x00", 5)),
         "ligne 1", 0},
        {"empty file", {}, "avant la ligne 1", 0},
    };
    for (const auto& c : cas) {
        Reglages r;
        const zel::Resultat res = r.litIni(c.lignes);
        ASSERT_FALSE(res) << c.nom;
        EXPECT_TRUE(res.message().contains(s(c.motif)))
            << c.nom << ": " << res.message().toStdString();
        EXPECT_LT(res.message().size(), 300) << c.nom << ": a long line is not quoted whole";
        EXPECT_DOUBLE_EQ(r.ini.tauxTva[0], c.tvaLue ? 19.6 : 20.0) << c.nom;
        if (c.lignes.size() > 1 && c.lignes[0] == s("6.5")) {
            EXPECT_DOUBLE_EQ(r.ini.tauxEuro, 6.5) << c.nom;
        }
    }
}

TEST(Reglages, AVatRateOfMinusAHundredOrBelowIsUnreadable) {
    const struct {
        const char* taux;
        bool lu;
    } cas[] = {{"-100", false},
               {"-1.00000000000000E+0002", false},
               {"-250.5", false},
               {"-99.5", true},
               {"0", true}};
    for (int ligne = 14; ligne <= 16; ++ligne) {
        for (const auto& c : cas) {
            Reglages r;
            QStringList lignes = Reglages().lignesIni(QString());
            lignes[ligne] = s(c.taux);
            const std::array<double, 3> avant = r.ini.tauxTva;
            const zel::Resultat res = r.litIni(lignes);
            EXPECT_EQ(bool(res), c.lu) << c.taux;
            if (c.lu)
                continue;
            EXPECT_TRUE(res.message().contains(s("ligne %1").arg(ligne + 1)))
                << res.message().toStdString();
            EXPECT_TRUE(res.message().contains(s("taux de TVA"))) << res.message().toStdString();
            EXPECT_EQ(r.ini.tauxTva, avant) << c.taux << " keeps the default";
        }
    }
}

TEST(Reglages, CompanyHeaderKeepsSevenLines) {
    Reglages r;
    r.litSoc({s("Zel SARL"), s("1 rue"), s("75001 Paris"), s("4"), s("5"), s("6"), s("7"),
              s("huitième")});
    EXPECT_EQ(r.lignesSoc().size(), 7);
    EXPECT_EQ(r.entete[6], s("7"));
    r.litSoc({s("Seule")});
    EXPECT_EQ(r.lignesSoc(), (QStringList{s("Seule"), s(""), s(""), s(""), s(""), s(""), s("")}));
}

TEST(Reglages, OptionListsAreReadBySectionAndWrittenInTheirOrder) {
    Reglages r;
    r.litCombo({s("perdu avant tout en-tête"), s("[BANQUE]"), s("Crédit"), s("[REPRESENTANT]"),
                s("Martin"), s(""), s("[banque]"), s("[ARTICLE]"), s("Vis")});
    EXPECT_EQ(r.listes.representants, (QStringList{s("Martin"), s(""), s("[banque]")}));
    EXPECT_EQ(r.listes.banques, QStringList{s("Crédit")});
    EXPECT_EQ(r.lignesCombo(), (QStringList{s("[REPRESENTANT]"), s("Martin"), s(""), s("[banque]"),
                                            s("[REGLEMENT]"), s("[BANQUE]"), s("Crédit"),
                                            s("[FOURNISSEUR]"), s("[ARTICLE]"), s("Vis")}));
}

TEST(Reglages, FilesAreLoadedOnceSoChangesInMemoryStay) {
    Dossier d;
    d.ecrit(zel::kFichierSoc, "Zel SARL\r\n");
    Reglages r;
    EXPECT_TRUE(r.chargeAuDemarrage(d.racine()).isEmpty());
    EXPECT_EQ(r.entete[0], s("Zel SARL"));
    r.entete[0] = s("Nouveau nom");
    r.chargeAuDemarrage(d.racine());
    EXPECT_EQ(r.entete[0], s("Nouveau nom"));
}

TEST(Reglages, AValueOutsideItsRangeIsToldAndTakesItsDefault) {
    const struct {
        int ligne; // from 1
        const char* texte;
        const char* champ;
    } cas[] = {
        {15, "1.8e308", "tva1"}, {19, "-999999999", "decimales"}, {18, "999999999", "devise"},
        {6, "7", "orientation"}, {12, "42", "selection"},
    };
    for (const auto& c : cas) {
        zel::Reglages r;
        QStringList lignes = r.lignesIni(QString());
        lignes[c.ligne - 1] = QString::fromUtf8(c.texte);
        const zel::Resultat res = r.litIni(lignes);
        EXPECT_FALSE(res) << c.champ;
        EXPECT_TRUE(res.message().contains(QStringLiteral("la ligne %1").arg(c.ligne)))
            << res.message().toStdString();
        EXPECT_TRUE(r.ini == zel::ValeursIni()) << c.champ << ": the default is taken";
    }
    // The lines after a value out of range are still read.
    zel::Reglages r;
    QStringList lignes = r.lignesIni(QString());
    lignes[17] = QStringLiteral("7");
    lignes[19] = QStringLiteral("Livres");
    (void)r.litIni(lignes);
    EXPECT_EQ(r.ini.modeDevise, 1) << "the euro";
    EXPECT_EQ(r.ini.nomDevise, QStringLiteral("Livres"));
}

TEST(Reglages, ElectronicInvoicesAreLineTwentyTwoWrittenOnlyWhenOn) {
    // Off, the file keeps the lines it always had; on, line 21 is written even empty.
    const struct {
        const char* siren;
        bool electroniques;
        QStringList fin;
    } cas[] = {
        {"", false, {s("Yen")}},
        {"732829320", false, {s("Yen"), s("732829320")}},
        {"", true, {s("Yen"), s(""), s("1")}},
        {"732829320", true, {s("Yen"), s("732829320"), s("1")}},
    };
    for (const auto& c : cas) {
        Reglages r;
        r.ini.nomDevise = s("Yen");
        r.ini.siren = s(c.siren);
        r.ini.facturesElectroniques = c.electroniques;
        const QStringList lignes = r.lignesIni(QString());
        EXPECT_EQ(lignes.mid(19), c.fin) << c.siren << c.electroniques;
        Reglages relus;
        ASSERT_TRUE(relus.litIni(lignes));
        EXPECT_EQ(relus.ini, r.ini);
        EXPECT_EQ(relus.lignesIni(QString()), lignes);
    }
    // Anything but "1" is off; a file of 20 or 21 lines is off.
    for (const char* l22 : {"0", "", "oui", "11"}) {
        QStringList lignes = Reglages().lignesIni(QString());
        lignes << s("") << s(l22);
        Reglages r;
        r.ini.facturesElectroniques = true;
        ASSERT_TRUE(r.litIni(lignes));
        EXPECT_FALSE(r.ini.facturesElectroniques) << l22;
    }
    Reglages ancien;
    ancien.ini.facturesElectroniques = true;
    ASSERT_TRUE(ancien.litIni(Reglages().lignesIni(QString())));
    EXPECT_FALSE(ancien.ini.facturesElectroniques);
}

TEST(Reglages, ElectronicInvoicesWithOtherThanTwoDecimalsStayOffWithAMessage) {
    QStringList lignes = Reglages().lignesIni(QString());
    lignes[18] = s("1");
    lignes << s("") << s("1");
    Reglages r;
    const zel::Resultat res = r.litIni(lignes);
    ASSERT_FALSE(res);
    EXPECT_TRUE(res.message().contains(s("ligne 22"))) << res.message().toStdString();
    EXPECT_FALSE(r.ini.facturesElectroniques);
    EXPECT_EQ(r.ini.decimales, 1);
}

TEST(Reglages, AnUnreadableLineLeavesTheLaterSettingsReadAndTheFileIsKeptBeforeItIsRewritten) {
    Dossier d;
    zel::Reglages ecrit;
    ecrit.ini.tauxTva = {20.0, 10.0, 5.5};
    ecrit.ini.decimales = 1;
    ecrit.ini.siren = s("552100554");
    QStringList lignes = ecrit.lignesIni(QString());
    lignes[3] = s("oui"); // auto-open: not a number
    lignes[6] = s("abc"); // envelope guide offset: not a number
    QByteArray octets;
    ASSERT_TRUE(zel::fichier::encodeLignes(lignes, octets));
    d.ecrit(zel::kFichierIni, octets);

    Reglages r;
    const QStringList erreurs = r.chargeAuDemarrage(d.racine());
    ASSERT_EQ(erreurs.size(), 1);
    EXPECT_TRUE(erreurs[0].contains(s("ligne 4"))) << erreurs[0].toStdString();
    EXPECT_TRUE(erreurs[0].contains(s("ligne 7"))) << erreurs[0].toStdString();
    EXPECT_TRUE(erreurs[0].contains(s("ZelVente.ini.original"))) << erreurs[0].toStdString();
    // Every line after the unreadable ones is still read; those take their defaults.
    EXPECT_EQ(r.ini.tauxTva, (std::array<double, 3>{20.0, 10.0, 5.5}));
    EXPECT_EQ(r.ini.decimales, 1);
    EXPECT_EQ(r.formatMontant, s("0.0"));
    EXPECT_EQ(r.ini.siren, s("552100554"));
    EXPECT_EQ(r.ini.ouvertureAuto, 0);
    EXPECT_EQ(r.ini.decalageGuide, 0);
    EXPECT_FALSE(d.existe(s("ZelVente.ini.original"))) << "reading writes nothing";

    // The file is kept as it was before the closing rewrites it; a sound file is not.
    EXPECT_TRUE(r.sauveALaFin(d.racine(), QString()).isEmpty());
    EXPECT_EQ(d.lit(s("ZelVente.ini.original")), octets);
    Reglages relu;
    EXPECT_TRUE(relu.chargeAuDemarrage(d.racine()).isEmpty());
    EXPECT_TRUE(relu.sauveALaFin(d.racine(), QString()).isEmpty());
    EXPECT_FALSE(d.existe(s("ZelVente.ini.original-2")));
    EXPECT_EQ(d.lit(s("ZelVente.ini.original")), octets);
}
