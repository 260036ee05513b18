#include "support/montagearticles.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace zel;
namespace L = ligneArticle;

using zel::test::s;

struct Montage : test::MontageArticles {
    void recalcule() {
        dialogues.confirmations.push_back(true);
        page.Recalc();
    }
};

// An article's price lines, as stored.
struct Prix {
    const char* venteHT;
    const char* venteTTC;
    const char* tva;
    const char* achat;
    const char* coefficient;
    const char* ht;
    const char* ttc;
    const char* fixer;
};

QStringList article(int n, const Prix& p) {
    return test::bloc(n, 21,
                      {{L::Code, QString::number(10001 + n)},
                       {L::VenteHT, s(p.venteHT)},
                       {L::VenteTTC, s(p.venteTTC)},
                       {L::Tva, s(p.tva)},
                       {L::PrixAchat, s(p.achat)},
                       {L::Coefficient, s(p.coefficient)},
                       {L::PrixHT, s(p.ht)},
                       {L::PrixTTC, s(p.ttc)},
                       {L::Fixer, s(p.fixer)}});
}

// Line `ligne` of block n in the lines of a saved file of 23-line blocks, trimmed.
QString ligneDe(const QStringList& lignes, int n, int ligne) {
    return lignes[n * 23 + ligne].trimmed();
}

} // namespace

TEST(Recalcul, EveryArticleFollowsTheRelationsOfItsCard) {
    const struct {
        const char* quoi;
        Prix avant;
        const char* coefficient;
        const char* ht;
        const char* ttc;
    } cas[] = {
        {"before tax, sale price fixed",
         {"Y", "N", "1", "40", "", "100", "", "Y"},
         "2,50",
         "100,00",
         "119,60"},
        {"tax included, sale price fixed: the coefficient on the price with tax",
         {"N", "Y", "1", "40", "1", "", "119,6", "Y"},
         "2,99",
         "100,00",
         "119,60"},
        {"coefficient fixed, before tax",
         {"Y", "N", "3", "10", "2", "", "", "N"},
         "2,00",
         "20,00",
         "21,10"},
        {"coefficient fixed, tax included: the coefficient on the price with tax",
         {"N", "Y", "3", "10", "2", "1", "1", "N"},
         "2,00",
         "18,96",
         "20,00"},
        {"unchanged rates change no price in tax-included mode",
         {"N", "Y", "1", "10", "2,00", "16,72", "20,00", "N"},
         "2,00",
         "16,72",
         "20,00"},
        {"a purchase price of zero keeps the coefficient",
         {"Y", "N", "1", "0", "1,5", "100", "", "Y"},
         "1,5",
         "100,00",
         "119,60"},
        {"a blank purchase price keeps the coefficient",
         {"Y", "N", "1", "", "", "100", "", "Y"},
         "",
         "100,00",
         "119,60"},
        {"a blank coefficient is not read with the sale price fixed",
         {"Y", "N", "1", "50", "", "100", "x", "Y"},
         "2,00",
         "100,00",
         "119,60"},
        {"a blank VAT choice is the first rate",
         {"Y", "N", "", "10", "2", "", "", "N"},
         "2,00",
         "20,00",
         "23,92"},
        {"neither sale mode reads as before tax",
         {"N", "N", "2", "10", "2", "", "", "N"},
         "2,00",
         "20,00",
         "20,00"},
    };
    QStringList stock;
    for (int n = 0; n < int(std::size(cas)); ++n)
        stock += article(n, cas[n].avant);
    Montage m;
    m.charge(stock);
    m.recalcule();
    EXPECT_EQ(m.dialogues.vus, QStringList{s("avertissement: Recalculer tous les prix ?")});
    EXPECT_TRUE(m.jeu.TestModif());
    const QStringList lignes = m.sauve("stk");
    ASSERT_EQ(lignes.size(), int(std::size(cas)) * 23);
    for (int n = 0; n < int(std::size(cas)); ++n) {
        const auto& c = cas[n];
        EXPECT_EQ(ligneDe(lignes, n, L::Coefficient), s(c.coefficient)) << c.quoi;
        EXPECT_EQ(ligneDe(lignes, n, L::PrixHT), s(c.ht)) << c.quoi;
        EXPECT_EQ(ligneDe(lignes, n, L::PrixTTC), s(c.ttc)) << c.quoi;
        EXPECT_EQ(ligneDe(lignes, n, L::PrixAchat), s(c.avant.achat)) << c.quoi;
    }
    // The card shown is read again.
    EXPECT_EQ(m.carte.champ(L::PrixTTC).trimmed(), s("119,60"));
    EXPECT_FALSE(m.carte.estModifiee());
}

TEST(Recalcul, ArticlesWithoutTheirInputsAreLeftAsTheyAreAndNamed) {
    const Prix sansAchat = {"Y", "N", "1", "", "2", "5", "6", "N"};
    const Prix tvaInconnue = {"Y", "N", "7", "10", "2", "5", "6", "N"};
    const Prix prixIllisible = {"N", "Y", "1", "10", "2", "5", "6,,", "Y"};
    const Prix bon = {"Y", "N", "1", "10", "2", "", "", "N"};
    // A block that lost its closing tag, another block's tag among its prices.
    const Prix balise = {"Y", "N", "1", "10", "2", "", "</BLOC0009>", "N"};
    QStringList courte = test::bloc(3, 5, {{L::Code, s("court")}});
    Montage m;
    const QStringList stock = article(0, sansAchat) + article(1, tvaInconnue) +
                              article(2, prixIllisible) + courte + article(4, bon);
    m.charge(stock);
    m.recalcule();
    EXPECT_EQ(m.dialogues.vus.last(),
              s("message: Prix non recalculés pour 4 article(s), dont le prix d'achat, le "
                "coefficient, le prix de vente fixé ou la TVA est vide ou illisible : 10001, "
                "10002, 10003, court."));
    const QStringList lignes = m.sauve("stk");
    EXPECT_EQ(lignes.mid(0, 3 * 23 + 7), stock.mid(0, 3 * 23 + 7));
    EXPECT_EQ(lignes[3 * 23 + 7 + L::PrixTTC].trimmed(), s("23,92"));

    QStringList ouvert = article(0, balise);
    ouvert.removeLast();
    Montage sansFin;
    sansFin.charge(ouvert + article(9, bon));
    sansFin.recalcule();
    EXPECT_EQ(sansFin.jeu.BlocsArt().ligne(L::PrixTTC), s("</BLOC0009>"));
}

TEST(Recalcul, APricePastTheLargestNumberLeavesItsArticleAsItIsAndNamesIt) {
    const char* grand = test::tresGrand.c_str();
    // About 1.6e308: the VAT factor takes it past the largest number.
    const std::string plusGrand = "15" + std::string(307, '9');
    // Coefficient fixed: P × C; sale price fixed: H × factor; tax included: C = H ÷ P.
    const Prix coefficient = {"Y", "N", "1", grand, "10", "5", "6", "N"};
    const Prix vente = {"Y", "N", "1", "10", "2", plusGrand.c_str(), "6", "Y"};
    const Prix bon = {"Y", "N", "1", "10", "2", "", "", "N"};
    const Prix minuscule = {"N", "Y", "1", "0,01", "2", "5", grand, "Y"};
    Montage m;
    const QStringList stock =
        article(0, coefficient) + article(1, vente) + article(2, bon) + article(3, minuscule);
    m.charge(stock);
    m.recalcule();
    EXPECT_EQ(m.dialogues.vus.last(),
              s("message: Prix non recalculés pour 3 article(s), dont un prix dépasserait le plus "
                "grand nombre que le programme sait écrire : 10001 (Prix vente HT), 10002 (Prix "
                "vente TTC), 10004 (Coef. de marge)."));
    const QStringList lignes = m.sauve("stk");
    EXPECT_EQ(lignes.mid(0, 2 * 23), stock.mid(0, 2 * 23));
    EXPECT_EQ(lignes.mid(3 * 23), stock.mid(3 * 23));
    EXPECT_EQ(ligneDe(lignes, 2, L::PrixTTC), s("23,92"));
}

TEST(Recalcul, AnnulerChangesNothingAndTheCardIsWrittenFirst) {
    Montage m;
    const QStringList stock = article(0, {"Y", "N", "1", "10", "2", "", "", "N"});
    m.charge(stock);
    m.page.Recalc();
    EXPECT_EQ(m.dialogues.vus, QStringList{s("avertissement: Recalculer tous les prix ?")});
    EXPECT_FALSE(m.jeu.TestModif());
    EXPECT_EQ(m.carte.champ(L::PrixHT), s(""));

    // A purchase price typed on the card and not yet written counts.
    m.carte.saisit(L::PrixAchat, s("30"));
    m.recalcule();
    EXPECT_EQ(m.carte.champ(L::PrixHT).trimmed(), s("60,00"));
    EXPECT_EQ(ligneDe(m.sauve("stk"), 0, L::PrixTTC), s("71,76"));

    // Nothing to change: the set stays unmodified.
    Montage rien;
    rien.charge(m.relit("stk"));
    rien.recalcule();
    EXPECT_FALSE(rien.jeu.TestModif());
}

TEST(Recalcul, MatchesTheCardOnRandomArticles) {
    std::mt19937 alea(18);
    const auto montant = [&alea](int maxi) {
        return QStringLiteral("%1,%2").arg(alea() % maxi).arg(alea() % 100, 2, 10, QChar(u'0'));
    };
    for (int tour = 0; tour < 4; ++tour) {
        Montage m;
        m.charge({});
        m.reglages.ini.tauxTva = {double(alea() % 300) / 10, double(alea() % 300) / 10,
                                  double(alea() % 300) / 10};
        // Articles as the user makes them: each price typed in the field its mode leaves open.
        constexpr int kArticles = 60;
        for (int n = 0; n < kArticles; ++n) {
            m.page.Ajout();
            m.carte.saisit(L::Tva, PageArticles::tva()[alea() % 3]);
            m.page.setVenteTTC(alea() % 2);
            m.page.setPrixFixe(alea() % 2);
            m.carte.saisit(L::PrixAchat, alea() % 8 == 0 ? s("0") : montant(200));
            m.page.quitteChamp(L::PrixAchat);
            const int saisi = !m.page.prixFixe()  ? L::Coefficient
                              : m.page.venteTTC() ? L::PrixTTC
                                                  : L::PrixHT;
            m.carte.saisit(saisi, saisi == L::Coefficient ? montant(5) : montant(1000));
            ASSERT_TRUE(m.page.quitteChamp(saisi));
        }
        m.page.EcritFiche();
        const QStringList avant = m.jeu.BlocsArt().lignes();

        m.recalcule();
        EXPECT_EQ(m.jeu.BlocsArt().lignes(), avant) << "unchanged rates change no price";

        m.reglages.ini.tauxTva = {double(alea() % 300) / 10, double(alea() % 300) / 10,
                                  double(alea() % 300) / 10};
        m.recalcule();
        const Blocs& apres = m.jeu.BlocsArt();
        // The card's own computation, on each article as the recalculation left it.
        for (int n = 0; n < kArticles; ++n) {
            m.jeu.setCourant(Sorte::Articles, n);
            m.page.LitFiche();
            const int saisi = !m.page.prixFixe()  ? L::Coefficient
                              : m.page.venteTTC() ? L::PrixTTC
                                                  : L::PrixHT;
            m.page.quitteChamp(saisi);
            const int ouverture = apres.ChercheBloc(n);
            for (int ligne : {L::Coefficient, L::PrixHT, L::PrixTTC})
                EXPECT_EQ(m.carte.champ(ligne), apres.ligne(ouverture + ligne))
                    << "article " << n << ", line " << ligne;
        }
    }
}
