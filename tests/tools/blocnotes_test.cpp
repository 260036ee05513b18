#include "tools/blocnotes.h"

#include "records/canevas.h"

#include "support/fichiers.h"

#include <gtest/gtest.h>

using zel::outils::BlocNotes;

TEST(BlocNotes, UnBlocNonTouchéNeCréePasLeFichier) {
    zel::test::Dossier dossier;
    BlocNotes note;
    ASSERT_TRUE(note.Charge(dossier.racine()).ok());
    note.setLignes({});
    ASSERT_TRUE(note.Sauve(dossier.racine()).ok());
    EXPECT_FALSE(dossier.existe(QStringLiteral("ZelVente.nte")));
}

TEST(BlocNotes, SauveSeulementCeQuiAChangé) {
    zel::test::Dossier dossier;
    dossier.ecrit(QStringLiteral("ZelVente.nte"), "Appeler M. Dupont\r\nCommande \xe9t\xe9\r\n");
    BlocNotes note;
    ASSERT_TRUE(note.Charge(dossier.racine()).ok());
    EXPECT_EQ(note.lignes(),
              QStringList({QStringLiteral("Appeler M. Dupont"), QStringLiteral("Commande été")}));
    EXPECT_FALSE(note.modifie());

    note.setLignes(note.lignes());
    EXPECT_FALSE(note.modifie());

    note.setLignes({QStringLiteral("Relancer"), QStringLiteral("la banque")});
    ASSERT_TRUE(note.Sauve(dossier.racine()).ok());
    EXPECT_FALSE(note.modifie());
    EXPECT_EQ(dossier.lit(QStringLiteral("ZelVente.nte")), "Relancer\r\nla banque\r\n");
}

TEST(BlocNotes, LeCheminNeDoubleJamaisLeSeparateur) {
    EXPECT_EQ(BlocNotes::cheminFichier(QStringLiteral("/")), u"/ZelVente.nte");
    EXPECT_EQ(BlocNotes::cheminFichier(QStringLiteral("/opt/zel")), u"/opt/zel/ZelVente.nte");
}

namespace {

// Records what a print draws; a page of 100 x 50 mm at 10 units per mm.
class CanevasEnregistre : public zel::Canevas {
public:
    void orientation(Orientation) override {}
    void debutDocument() override { traces << QStringLiteral("debut"); }
    void finDocument() override { traces << QStringLiteral("fin"); }
    void nouvellePage() override { traces << QStringLiteral("page"); }
    int largeurPage() const override { return 1000; }
    int hauteurPage() const override { return 500; }
    double largeurMm() const override { return 100; }
    double hauteurMm() const override { return 50; }
    void police(const QString& nom, double taille, bool, bool) override {
        traces << QStringLiteral("police %1 %2").arg(nom).arg(taille);
    }
    void deplace(int, int) override {}
    void ligneVers(int, int) override {}
    void epaisseurPlume(int) override {}
    void couleurPinceau(std::uint32_t) override {}
    void rectangle(int, int, int, int) override {}
    QStringList traces;

protected:
    void dessineTexte(int x, int y, const QString& s) override {
        traces << QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(s);
    }
    int mesureTexte(const QString& s) const override { return 10 * static_cast<int>(s.size()); }
};

} // namespace

TEST(BlocNotes, ImprimeLesLignesLUneSousLAutreEtChangeDePage) {
    BlocNotes note;
    QStringList lignes;
    for (int i = 1; i <= 12; ++i)
        lignes << QStringLiteral("ligne %1").arg(i);
    note.setLignes(lignes);
    CanevasEnregistre canevas;
    note.imprime(canevas, QStringLiteral("System"), 10);
    // 10 pt and a fifth: 4,23 mm, 42 units; eleven lines fill the 500 units of a page.
    ASSERT_EQ(canevas.traces.size(), 16);
    EXPECT_EQ(canevas.traces[1], u"police System 10");
    EXPECT_EQ(canevas.traces[2], u"0,0 ligne 1");
    EXPECT_EQ(canevas.traces[3], u"0,42 ligne 2");
    EXPECT_EQ(canevas.traces[13], u"page");
    EXPECT_EQ(canevas.traces[14], u"0,0 ligne 12");
    EXPECT_EQ(canevas.traces.back(), u"fin");
}
