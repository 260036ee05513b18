#include "store/blocs.h"
#include "support/texte.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <random>

using zel::Blocs;

namespace {

using zel::test::s;

// The plain top-down scans the store's index must agree with.
struct Reference {
    QStringList lignes;

    int cherche(int n) const {
        const QString ouverture = Blocs::BalisesBloc(n).ouverture;
        for (int i = 0; i < lignes.size(); ++i) {
            if (lignes[i].compare(ouverture, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
    int compte() const {
        int c = 0;
        for (const QString& l : lignes)
            c += l.left(5) == s("<BLOC");
        return c;
    }
    static bool estOuverture(const QString& l) {
        static const QRegularExpression forme(s("^<[Bb][Ll][Oo][Cc][0-9]{4}>$"));
        return forme.match(l).hasMatch();
    }
    // Deletes from the opening tag through the first closing tag after it, or up to the next
    // opening tag or the end.
    int retire(int n, int debut) {
        const QString fermeture = Blocs::BalisesBloc(n).fermeture;
        int fin = debut + 1;
        while (fin < lignes.size() && lignes[fin] != fermeture && !estOuverture(lignes[fin]))
            ++fin;
        const bool ferme = fin < lignes.size() && lignes[fin] == fermeture;
        lignes.remove(debut, (ferme ? fin + 1 : fin) - debut);
        return debut;
    }
    void sup(int n) {
        if (const int d = cherche(n); d >= 0)
            retire(n, d);
    }
    void remplace(int n, const QStringList& contenu) {
        const auto b = Blocs::BalisesBloc(n);
        // A content line that begins like a tag is written after a blank.
        QStringList bloc{b.ouverture};
        for (const QString& l : contenu)
            bloc.append(l.startsWith(u"<BLOC", Qt::CaseInsensitive) ||
                                l.startsWith(u"</BLOC", Qt::CaseInsensitive)
                            ? u' ' + l
                            : l);
        bloc.append(b.fermeture);
        int place = lignes.size();
        if (const int d = cherche(n); d >= 0)
            place = std::min<int>(retire(n, d), lignes.size());
        for (int i = 0; i < bloc.size(); ++i)
            lignes.insert(place + i, bloc[i]);
    }
};

QStringList lignesDe(const Blocs& b) {
    return b.lignes();
}

} // namespace

TEST(Blocs, TagsCarryFourDigits) {
    EXPECT_EQ(Blocs::BalisesBloc(27).ouverture, s("<BLOC0027>"));
    EXPECT_EQ(Blocs::BalisesBloc(27).fermeture, s("</BLOC0027>"));
    EXPECT_EQ(Blocs::BalisesBloc(9998).ouverture, s("<BLOC9998>"));
}

TEST(Blocs, OneRecordRewrittenManyTimesKeepsOneTagPair) {
    Blocs b;
    for (int i = 0; i < 20; ++i)
        b.RemplaceBloc(0, {s("Dupont"), QString::number(i)});
    EXPECT_EQ(b.lignes(), (QStringList{s("<BLOC0000>"), s("Dupont"), s("19"), s("</BLOC0000>")}));
    EXPECT_EQ(b.CompteBlocs(), 1);
}

TEST(Blocs, RewriteStaysInPlaceAndMissingBlockIsAppended) {
    Blocs b;
    b.AjouteBloc(0, {s("a")});
    b.AjouteBloc(1, {s("b")});
    b.RemplaceBloc(0, {s("a1"), s("a2")});
    b.RemplaceBloc(5, {s("f")});
    EXPECT_EQ(b.lignes(),
              (QStringList{s("<BLOC0000>"), s("a1"), s("a2"), s("</BLOC0000>"), s("<BLOC0001>"),
                           s("b"), s("</BLOC0001>"), s("<BLOC0005>"), s("f"), s("</BLOC0005>")}));
}

TEST(Blocs, DeletingTheLastBlockRemovesItsClosingTag) {
    Blocs b;
    b.AjouteBloc(0, {s("a")});
    b.AjouteBloc(1, {s("b")});
    b.SupBloc(1);
    EXPECT_EQ(b.lignes(), (QStringList{s("<BLOC0000>"), s("a"), s("</BLOC0000>")}));
    b.SupBloc(0);
    EXPECT_TRUE(b.estVide());
}

TEST(Blocs, AnUnclosedBlockEndsAtTheNextOpeningTagOrTheEnd) {
    Blocs b;
    b.remplaceTout({s("x"), s("<BLOC0002>"), s("a"), s("<BLOC0003>"), s("b")});
    EXPECT_EQ(b.contenuBloc(2), QStringList{s("a")});
    b.RemplaceBloc(2, {s("neuf")});
    EXPECT_EQ(b.lignes(), (QStringList{s("x"), s("<BLOC0002>"), s("neuf"), s("</BLOC0002>"),
                                       s("<BLOC0003>"), s("b")}))
        << "the block after keeps its lines";
    b.RemplaceBloc(3, {s("c")});
    EXPECT_EQ(b.lignes().mid(4), (QStringList{s("<BLOC0003>"), s("c"), s("</BLOC0003>")}));
    // A closing tag standing after another block closes only what comes before that block.
    b.remplaceTout(
        {s("<BLOC0000>"), s("a"), s("<BLOC0001>"), s("b"), s("</BLOC0001>"), s("</BLOC0000>")});
    b.SupBloc(0);
    EXPECT_EQ(b.lignes(),
              (QStringList{s("<BLOC0001>"), s("b"), s("</BLOC0001>"), s("</BLOC0000>")}));
}

TEST(Blocs, LowerCaseOpeningTagIsFoundButNotCounted) {
    Blocs b;
    b.remplaceTout(
        {s("<BLOC0000>"), s("a"), s("</BLOC0000>"), s("<bloc0003>"), s("b"), s("</BLOC0003>")});
    EXPECT_EQ(b.ChercheBloc(3), 3);
    EXPECT_EQ(b.CompteBlocs(), 1);
    EXPECT_EQ(b.contenuBloc(3), QStringList{s("b")});
}

TEST(Blocs, FirstMatchFromTheTopWins) {
    Blocs b;
    b.remplaceTout({s("<BLOC0001>"), s("vieux"), s("</BLOC0001>"), s("<Bloc0001>"), s("neuf"),
                    s("</BLOC0001>")});
    EXPECT_EQ(b.ChercheBloc(1), 0);
    b.SupBloc(1);
    EXPECT_EQ(b.ChercheBloc(1), 0);
    EXPECT_EQ(b.contenuBloc(1), QStringList{s("neuf")});
}

TEST(Blocs, LinesThatOnlyLookLikeTagsAreNotBlocks) {
    Blocs b;
    b.remplaceTout({s("<BLOC003>"), s("<BLOC00031>"), s("<BLOC 003>"), s("<BLOCabcd>"),
                    s(" <BLOC0003>"), s("<BLOC0003> ")});
    EXPECT_EQ(b.ChercheBloc(3), -1);
    EXPECT_EQ(b.CompteBlocs(), 5);
    EXPECT_EQ(b.ChercheBloc(-1), -1);
    EXPECT_EQ(b.ChercheBloc(10000), -1);
}

TEST(Blocs, OpeningLinesFollowTheFileWithTheNumberTheyCarry) {
    Blocs b;
    b.remplaceTout({s("<BLOC0002>"), s("</BLOC0002>"), s("<BLOCabcd>"), s("hors bloc"),
                    s("<BLOC00031>"), s("<bloc0001>")});
    const auto o = b.ouvertures();
    ASSERT_EQ(o.size(), 3u);
    EXPECT_EQ(o[0].position, 0);
    EXPECT_EQ(o[0].numero, 2);
    EXPECT_EQ(o[1].position, 2);
    EXPECT_EQ(o[1].numero, -1);
    EXPECT_EQ(o[2].position, 4);
    EXPECT_EQ(o[2].numero, 3);
    b.supprime(0, 2);
    EXPECT_EQ(b.ouvertures().front().position, 0);
}

// Random stores, well formed or not, edited at random: after every edit the index gives the
// same answers as a plain scan of the same lines.
TEST(Blocs, IndexAgreesWithAPlainScanOnRandomStores) {
    const QStringList vocabulaire = {s("<BLOC0000>"),
                                     s("<BLOC0001>"),
                                     s("<bloc0001>"),
                                     s("<BLOC0002>"),
                                     s("<Bloc0003>"),
                                     s("</BLOC0000>"),
                                     s("</BLOC0001>"),
                                     s("</BLOC0002>"),
                                     s("</bloc0002>"),
                                     s("</BLOC0003>"),
                                     s("<BLOC9999>"),
                                     s("<BLOC001>"),
                                     s("<BLOCxyzw>"),
                                     s("<BLOC0001"),
                                     s(""),
                                     s(" "),
                                     s("Dupont"),
                                     s("MEMOnote"),
                                     s("DATA01/01/2026\tx\t1,00")};
    std::mt19937 alea(20261206);
    auto tire = [&](int n) { return int(alea() % unsigned(n)); };

    for (int essai = 0; essai < 2000; ++essai) {
        Reference ref;
        const int taille = tire(40);
        for (int i = 0; i < taille; ++i)
            ref.lignes.append(vocabulaire[tire(int(vocabulaire.size()))]);
        Blocs b;
        b.remplaceTout(ref.lignes);

        for (int pas = 0; pas < 25; ++pas) {
            const int n = tire(5);
            switch (tire(8)) {
            case 0: {
                QStringList contenu;
                for (int i = tire(4); i > 0; --i)
                    contenu.append(vocabulaire[tire(int(vocabulaire.size()))]);
                ref.remplace(n, contenu);
                b.RemplaceBloc(n, contenu);
                break;
            }
            case 1:
                ref.sup(n);
                b.SupBloc(n);
                break;
            case 2:
                if (!ref.lignes.isEmpty()) {
                    const int p = tire(int(ref.lignes.size()));
                    const QString l = vocabulaire[tire(int(vocabulaire.size()))];
                    ref.lignes[p] = l;
                    b.changeLigne(p, l);
                }
                break;
            case 3: {
                // Lines added at the end, as a record written back is.
                QStringList fin;
                for (int i = tire(5); i > 0; --i)
                    fin.append(vocabulaire[tire(int(vocabulaire.size()))]);
                ref.lignes.append(fin);
                b.ajoute(fin);
                break;
            }
            case 4:
                // Lines taken from the end, as the last record rewritten.
                if (!ref.lignes.isEmpty()) {
                    const int nombre = 1 + tire(int(std::min<qsizetype>(ref.lignes.size(), 6)));
                    ref.lignes.remove(ref.lignes.size() - nombre, nombre);
                    b.supprime(b.taille() - nombre, nombre);
                }
                break;
            case 5: {
                // Lines inserted anywhere, as a record written back in place.
                QStringList milieu;
                for (int i = tire(4); i > 0; --i)
                    milieu.append(vocabulaire[tire(int(vocabulaire.size()))]);
                const int p = tire(int(ref.lignes.size()) + 1);
                for (int i = 0; i < milieu.size(); ++i)
                    ref.lignes.insert(p + i, milieu[i]);
                b.insere(p, milieu);
                break;
            }
            case 6:
                // Lines removed anywhere.
                if (!ref.lignes.isEmpty()) {
                    const int p = tire(int(ref.lignes.size()));
                    const int nombre = 1 + tire(int(ref.lignes.size()) - p);
                    ref.lignes.remove(p, nombre);
                    b.supprime(p, nombre);
                }
                break;
            default:
                break; // lookups only
            }
            ASSERT_EQ(lignesDe(b), ref.lignes);
            ASSERT_EQ(b.CompteBlocs(), ref.compte());
            for (int k : {0, 1, 2, 3, 4, 9999})
                ASSERT_EQ(b.ChercheBloc(k), ref.cherche(k)) << "bloc " << k << " essai " << essai;
            Blocs frais;
            frais.remplaceTout(ref.lignes);
            const auto attendues = frais.ouvertures();
            const auto vues = b.ouvertures();
            ASSERT_TRUE(std::equal(vues.begin(), vues.end(), attendues.begin(), attendues.end(),
                                   [](const zel::LigneOuverture& x, const zel::LigneOuverture& y) {
                                       return x.position == y.position && x.numero == y.numero;
                                   }))
                << "essai " << essai;
        }
    }
}
