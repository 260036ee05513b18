#include "stock/mouvementstock.h"
#include "support/montagearticles.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace L = ligneArticle;

using zel::test::s;

struct Montage : test::MontageArticles {
    // The article shown and one after it.
    void charge(const char* stock, const char* moyen) {
        MontageArticles::charge(test::bloc(0, 21,
                                           {{L::Code, s("10001")},
                                            {L::Designation, s("Vis")},
                                            {L::StockReel, s(stock)},
                                            {L::PrixMoyen, s(moyen)}}) +
                                test::bloc(1, 21, {{L::Code, s("10002")}}));
    }
    void mouvement(MouvementStock sorte) {
        if (sorte == MouvementStock::Entree)
            page.EntreeStock();
        else
            page.SortieStock();
    }
};

constexpr auto E = MouvementStock::Entree;
constexpr auto S = MouvementStock::Sortie;

} // namespace

TEST(MouvementStock, TheWeightedAverageOfAnEntry) {
    const struct {
        double stock, moyen, quantite, prix, stockApres, moyenApres;
    } cas[] = {
        {10, 5, 10, 8, 20, 6.5},
        {0, 3, 4, 2.5, 4, 2.5},
        // A stock brought back to zero, or one that was negative, keeps nothing to weigh.
        {-3, 7, 3, 4, 0, 4},
        {-9, 10, 10, 8, 1, 8},
        // Quantities below one are weighed like any other.
        {0.25, 2, 0.5, 4, 0.75, 10.0 / 3},
        {6, 1.5, 0, 9, 6, 1.5},
    };
    for (const auto& c : cas) {
        const StockPondere r = entreePonderee({c.stock, c.moyen}, c.quantite, c.prix);
        EXPECT_DOUBLE_EQ(r.stock, c.stockApres) << c.stock << " + " << c.quantite;
        EXPECT_DOUBLE_EQ(r.moyen, c.moyenApres) << c.stock << " + " << c.quantite;
    }
}

TEST(MouvementStock, EntriesAndExitsOnTheCardReachTheFile) {
    const struct {
        const char* quoi;
        const char* stock;
        const char* moyen;
        MouvementStock sorte;
        const char* quantite;
        const char* prix;
        const char* stockApres;
        const char* moyenApres;
    } cas[] = {
        {"10 at 5 plus 10 at 8", "  10,00", "5,00", E, "10", "8", "20,00", "6,50"},
        {"nothing in stock", "0", "3", E, "4", "2,50", "4,00", "2,50"},
        {"an exit beyond the stock", "5", "4", S, "7", "", "-2,00", "4"},
        {"the whole stock taken out", "5", "4", S, "5", "", "0,00", "4"},
        {"a negative stock brought back to zero", "-3", "7", E, "3", "4", "0,00", "4,00"},
        {"half a kilo on a quarter", "0,25", "2", E, "0,5", "4", "0,75", "3,33"},
        {"a negative stock takes the unit price", "-9", "10", E, "10", "8", "1,00", "8,00"},
        {"a new article's first goods", "", "", E, "6", "1,5", "6,00", "1,50"},
        {"an exit from a blank stock", "", "", S, "2", "", "-2,00", ""},
    };
    for (const auto& c : cas) {
        Montage m;
        m.charge(c.stock, c.moyen);
        m.dialogues.mouvements.push_back(SaisieMouvement{s(c.quantite), s(c.prix)});
        m.mouvement(c.sorte);
        EXPECT_EQ(m.dialogues.vus.first(),
                  s(c.sorte == E ? "entrée: 10001 Vis [|]" : "sortie: 10001 Vis [|]"))
            << c.quoi;
        EXPECT_EQ(m.champ(L::StockReel), s(c.stockApres)) << c.quoi;
        EXPECT_EQ(m.champ(L::PrixMoyen), s(c.moyenApres)) << c.quoi;
        EXPECT_TRUE(m.carte.estModifiee()) << c.quoi;
        EXPECT_TRUE(m.jeu.TestModif()) << c.quoi;
        EXPECT_FALSE(m.page.stockModifiable()) << c.quoi;
        // Moving to the next article writes the card.
        m.page.navigue(Pas::Suivant);
        const QStringList lignes = m.sauve("stk");
        EXPECT_EQ(lignes[L::StockReel].trimmed(), s(c.stockApres)) << c.quoi;
        EXPECT_EQ(lignes[L::PrixMoyen].trimmed(), s(c.moyenApres)) << c.quoi;
        EXPECT_EQ(m.dialogues.vus.size(), 1) << c.quoi;
    }
}

TEST(MouvementStock, CancellingOrAnUnreadableStockChangesNothing) {
    const struct {
        const char* quoi;
        const char* stock;
        const char* moyen;
        MouvementStock sorte;
        const char* vu;
    } cas[] = {
        {"entry cancelled", "5", "2", E, "entrée: 10001 Vis [|]"},
        {"exit cancelled", "5", "2", S, "sortie: 10001 Vis [|]"},
        {"unreadable stock", "5,2,1", "2", S,
         "message: « 5,2,1 » n'est pas un nombre valide pour « Stock réel » : le stock n'est pas "
         "modifié."},
        {"unreadable average", "5", "x", E,
         "message: « x » n'est pas un nombre valide pour « P.A.Moyen Pond. » : le stock n'est pas "
         "modifié."},
    };
    for (const auto& c : cas) {
        Montage m;
        m.charge(c.stock, c.moyen);
        const QStringList avant = m.relit("stk");
        m.mouvement(c.sorte);
        EXPECT_EQ(m.dialogues.vus, QStringList{s(c.vu)}) << c.quoi;
        EXPECT_EQ(m.champ(L::StockReel), s(c.stock)) << c.quoi;
        EXPECT_EQ(m.champ(L::PrixMoyen), s(c.moyen)) << c.quoi;
        EXPECT_FALSE(m.carte.estModifiee()) << c.quoi;
        EXPECT_FALSE(m.jeu.TestModif()) << c.quoi;
        m.page.navigue(Pas::Suivant);
        EXPECT_EQ(m.relit("stk"), avant) << c.quoi;
    }
    // The exit does not read the average.
    Montage m;
    m.charge("5", "x");
    m.dialogues.mouvements.push_back(SaisieMouvement{s("1"), {}});
    m.page.SortieStock();
    EXPECT_EQ(m.champ(L::StockReel), s("4,00"));
}

TEST(MouvementStock, ABadQuantityOrPriceIsToldAndTheDialogComesBackAsTyped) {
    const struct {
        MouvementStock sorte;
        const char* quantite;
        const char* prix;
        const char* message;
    } cas[] = {
        {E, "", "8", "Saisissez « Quantité »."},
        {S, "  ", "", "Saisissez « Quantité »."},
        {E, "3", " ", "Saisissez « Prix unit. H.T. »."},
        {E, "1,2,3", "8", "« 1,2,3 » n'est pas un nombre valide pour « Quantité »."},
        {E, "3", "8a", "« 8a » n'est pas un nombre valide pour « Prix unit. H.T. »."},
        {S, "0", "", "La quantité doit être supérieure à zéro."},
        {E, "-2", "8", "La quantité doit être supérieure à zéro."},
        {E, "2", "-8", "Le prix unitaire ne peut pas être négatif."},
    };
    for (const auto& c : cas) {
        Montage m;
        m.charge("10", "5");
        m.dialogues.mouvements.push_back(SaisieMouvement{s(c.quantite), s(c.prix)});
        m.dialogues.mouvements.push_back(SaisieMouvement{s("10"), s("8")});
        m.mouvement(c.sorte);
        const char* nom = c.sorte == E ? "entrée" : "sortie";
        ASSERT_EQ(m.dialogues.vus.size(), 3) << c.message;
        EXPECT_EQ(m.dialogues.vus[1], s("message: ") + s(c.message));
        EXPECT_EQ(m.dialogues.vus[2],
                  s("%1: 10001 Vis [%2|%3]").arg(s(nom), s(c.quantite), s(c.prix)));
        EXPECT_EQ(m.champ(L::StockReel), s(c.sorte == E ? "20,00" : "0,00")) << c.message;
    }
}

TEST(MouvementStock, AMovementPastTheLargestNumberIsRefusedAndChangesNothing) {
    const QString grand = QString::fromStdString(test::tresGrand);
    const struct {
        const char* quoi;
        QString stock;
        MouvementStock sorte;
        QString quantite;
        QString prix;
        const char* message;
    } cas[] = {
        {"the average of goods at a huge price", s("10"), E, s("10"), grand,
         "L'entrée de stock n'est pas faite : « P.A.Moyen Pond. » dépasserait le plus grand "
         "nombre que le programme sait écrire."},
        {"a huge stock grown by as much", grand, E, grand, s("1"),
         "L'entrée de stock n'est pas faite : « Stock réel » dépasserait le plus grand nombre "
         "que le programme sait écrire."},
        {"a huge debt taken out again", u'-' + grand, S, grand, QString(),
         "La sortie de stock n'est pas faite : « Stock réel » dépasserait le plus grand nombre "
         "que le programme sait écrire."},
    };
    for (const auto& c : cas) {
        Montage m;
        m.charge(c.stock.toUtf8().constData(), "5");
        const QStringList avant = m.jeu.BlocsArt().lignes();
        m.dialogues.mouvements.push_back(SaisieMouvement{c.quantite, c.prix});
        m.mouvement(c.sorte);
        // Told, then the dialog comes back as typed; here the user gives up.
        ASSERT_EQ(m.dialogues.vus.size(), 3) << c.quoi;
        EXPECT_EQ(m.dialogues.vus[1], s("message: ") + s(c.message)) << c.quoi;
        EXPECT_TRUE(m.dialogues.vus[2].endsWith(u'[' + c.quantite + u'|' + c.prix + u']'))
            << c.quoi;
        EXPECT_EQ(m.champ(L::StockReel), c.stock) << c.quoi;
        EXPECT_EQ(m.champ(L::PrixMoyen), s("5")) << c.quoi;
        EXPECT_FALSE(m.carte.estModifiee()) << c.quoi;
        m.page.navigue(Pas::Suivant);
        EXPECT_EQ(m.jeu.BlocsArt().lignes(), avant) << c.quoi;
    }
}

TEST(MouvementStock, LeavingADialogFieldShowsTwoDecimalsWhateverTheAmountFormat) {
    const test::MesureFixe mesure;
    const struct {
        const char* tape;
        const char* attendu;
    } cas[] = {{"3", "3,00"}, {"0,5", "0,50"}, {"2,345", "2,35"}, {"  ", ""}, {"", ""}};
    for (const auto& c : cas) {
        QString resultat = s("avant");
        ASSERT_TRUE(reformateSaisieMouvement(s(c.tape), s("Quantité"), mesure, resultat));
        EXPECT_EQ(resultat.trimmed(), s(c.attendu));
        // Right-aligned for a field 75 pixels wide: 5 pixels a character here.
        EXPECT_EQ(resultat.size(), resultat.isEmpty() ? 0 : 14);
    }
    QString resultat = s("garde");
    const Resultat r = reformateSaisieMouvement(s("1,2,"), s("Prix unit. H.T."), mesure, resultat);
    EXPECT_EQ(r.message(), s("« 1,2, » n'est pas un montant valide pour « Prix unit. H.T. »."));
    EXPECT_EQ(resultat, s("garde"));
}
