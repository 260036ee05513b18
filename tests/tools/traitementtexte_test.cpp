#include "tools/traitementtexte.h"

#include "support/dialoguesfactices.h"
#include "support/fichiers.h"

#include <gtest/gtest.h>

using namespace zel::outils;
using Reponse = zel::Dialogues::Reponse;

TEST(Regle, MarqueursEtRetraits) {
    EXPECT_EQ(regle::SetupRuler().size(), 200);
    EXPECT_TRUE(regle::SetupRuler().startsWith(u"\t|\t|"));
    struct Cas {
        Retraits retraits;
        Marqueurs marqueurs;
    };
    const int largeur = 600;
    const Cas cas[] = {
        {{0, 0, 0}, {2, 2, 586}},
        {{36, -18, 9}, {50, 26, 574}},
        {{30, 21, 99}, {42, 70, 454}},
    };
    for (const Cas& c : cas) {
        const Marqueurs m = regle::positions(c.retraits, largeur);
        EXPECT_EQ(m, c.marqueurs);
        // Dropping each marker where it stands, grabbed by its middle, keeps every indent.
        for (auto [marqueur, gauche] : {std::pair(regle::Marqueur::Premiere, m.premiere),
                                        std::pair(regle::Marqueur::Gauche, m.gauche),
                                        std::pair(regle::Marqueur::Droite, m.droite)})
            EXPECT_EQ(regle::depose(c.retraits, marqueur, gauche, 4, m, largeur), c.retraits);
    }
    // The first-line marker moved on: the other lines stay where they were.
    const Retraits r{36, -18, 0};
    const Retraits apres =
        regle::depose(r, regle::Marqueur::Premiere, 98, 4, regle::positions(r, largeur), largeur);
    EXPECT_EQ(apres.premiere, 72);
    EXPECT_EQ(apres.premiere + apres.gauche, 18);
    // Nothing goes beyond the margins.
    EXPECT_EQ(
        regle::depose(r, regle::Marqueur::Premiere, -50, 4, regle::positions(r, largeur), largeur)
            .premiere,
        0);
    EXPECT_EQ(
        regle::depose(r, regle::Marqueur::Droite, 900, 4, regle::positions(r, largeur), largeur)
            .droite,
        0);

    rtf::Paragraphe p;
    regle::applique({36, -18, 9}, p);
    EXPECT_EQ(std::tuple(p.premiereLigne, p.gauche, p.droite), std::tuple(360, 360, 180));
    EXPECT_EQ(regle::depuis(p), (Retraits{36, -18, 9}));
}

namespace {

struct Fenetre {
    zel::test::DialoguesFactices dialogues;
    TraitementTexte texte{dialogues};
    QByteArray rtf = "{\\rtf1 Lettre\\par}";
    TraitementTexte::Source source = [this] { return rtf; };
    const QStringList entete{QStringLiteral("Dupont SA"), QStringLiteral("1, rue Haute"),
                             QStringLiteral("75001 Paris"), QStringLiteral("01 02 03 04 05")};
};

} // namespace

TEST(TraitementTexte, QuestionEtNouveauSansChangement) {
    Fenetre f;
    EXPECT_EQ(f.texte.question(), u"Enregistrer changements dans la nouvelle lettre ?");
    const std::optional<rtf::Document> d = f.texte.Nouveau(f.source, f.entete, {});
    ASSERT_TRUE(d);
    EXPECT_TRUE(f.dialogues.vus.isEmpty());
    EXPECT_EQ(d->texte(), f.entete.join(u'\n'));
    EXPECT_FALSE(f.texte.modifie());
    // Saving an unchanged text does nothing.
    EXPECT_TRUE(f.texte.Enregistre(f.source));
    EXPECT_TRUE(f.dialogues.vus.isEmpty());
}

TEST(TraitementTexte, LaLettreResteSaufSiElleEstVraimentEnregistree) {
    zel::test::Dossier dossier;
    struct Cas {
        const char* nom;
        Reponse reponse;
        QString fichier; // the name chosen, null for a cancelled chooser
        bool laisse;
    };
    const Cas cas[] = {
        {"Annuler", Reponse::Annuler, QString(), false},
        {"Non", Reponse::Non, QString(), true},
        {"Oui puis enregistrement annulé", Reponse::Oui, QString(), false},
        {"Oui puis écriture impossible", Reponse::Oui,
         dossier.chemin(QStringLiteral("absent/lettre.rtf")), false},
        {"Oui et enregistrée", Reponse::Oui, dossier.chemin(QStringLiteral("lettre")), true},
    };
    for (const Cas& c : cas) {
        Fenetre f;
        f.texte.setModifie(true);
        f.dialogues.reponses = {c.reponse};
        f.dialogues.fichiers = {c.fichier};
        EXPECT_EQ(f.texte.laisse(f.source), c.laisse) << c.nom;
        EXPECT_EQ(f.dialogues.vus.value(0),
                  u"question: Enregistrer changements dans la nouvelle lettre ?")
            << c.nom;
        // Open and New ask the same before replacing the text.
        f.texte.setModifie(true);
        f.dialogues.reponses = {Reponse::Annuler, Reponse::Annuler};
        EXPECT_FALSE(f.texte.Ouvre(f.source, {})) << c.nom;
        EXPECT_FALSE(f.texte.Nouveau(f.source, f.entete, {})) << c.nom;
    }
    EXPECT_EQ(dossier.lit(QStringLiteral("lettre.rtf")), "{\\rtf1 Lettre\\par}");
}

TEST(TraitementTexte, OuvrirPuisEnregistrerSousLeMemeNom) {
    zel::test::Dossier dossier;
    dossier.ecrit(QStringLiteral("devis.rtf"), "{\\rtf1 Devis\\par}");
    Fenetre f;
    f.dialogues.fichiers = {dossier.chemin(QStringLiteral("devis.rtf"))};
    const std::optional<rtf::Document> d = f.texte.Ouvre(f.source, {});
    ASSERT_TRUE(d);
    EXPECT_EQ(d->texte(), u"Devis");
    EXPECT_EQ(f.texte.fichier(), dossier.chemin(QStringLiteral("devis.rtf")));
    f.texte.setModifie(true);
    f.dialogues.reponses = {Reponse::Annuler};
    EXPECT_FALSE(f.texte.laisse(f.source));
    EXPECT_EQ(f.dialogues.vus.last(), u"question: Enregistrer changements dans devis.rtf ?");

    // A file that cannot be read is told, and the document stays as it was.
    f.texte.setModifie(false);
    f.dialogues.fichiers = {dossier.chemin(QStringLiteral("absent.rtf"))};
    EXPECT_FALSE(f.texte.Ouvre(f.source, {}));
    EXPECT_TRUE(f.dialogues.vus.last().contains(u"absent.rtf"));
    EXPECT_EQ(f.texte.fichier(), dossier.chemin(QStringLiteral("devis.rtf")));
}

TEST(TraitementTexte, UneNouvelleLettreNeRemplaceJamaisLaPrecedenteSansLeDemander) {
    zel::test::Dossier dossier;
    const QString dupont = dossier.chemin(QStringLiteral("Lettre_Dupont.rtf"));
    Fenetre f;
    f.texte.setModifie(true);
    f.dialogues.fichiers = {dupont};
    ASSERT_TRUE(f.texte.Enregistre(f.source));
    EXPECT_EQ(f.texte.question(), u"Enregistrer changements dans Lettre_Dupont.rtf ?");

    // Saved again under its own name: no question.
    f.rtf = "{\\rtf1 Lettre 2\\par}";
    f.texte.setModifie(true);
    f.dialogues.vus.clear();
    f.dialogues.fichiers = {dupont};
    ASSERT_TRUE(f.texte.Enregistre(f.source));
    EXPECT_EQ(f.dialogues.vus,
              QStringList{QStringLiteral("enregistrer: Fichiers rtf (*.rtf)|*.rtf ") + dupont});

    // "Nouveau": the letter has no name, and its save proposes none.
    ASSERT_TRUE(f.texte.Nouveau(f.source, f.entete, {}));
    EXPECT_TRUE(f.texte.fichier().isEmpty());
    EXPECT_EQ(f.texte.question(), u"Enregistrer changements dans la nouvelle lettre ?");
    f.rtf = "{\\rtf1 Martin\\par}";
    f.texte.setModifie(true);
    f.dialogues.vus.clear();
    f.dialogues.fichiers = {dupont};
    f.dialogues.confirmations = {false};
    EXPECT_FALSE(f.texte.Enregistre(f.source)) << "Dupont's letter is not replaced";
    EXPECT_EQ(f.dialogues.vus,
              (QStringList{QStringLiteral("enregistrer: Fichiers rtf (*.rtf)|*.rtf "),
                           QStringLiteral("confirmation: Le fichier Lettre_Dupont.rtf existe "
                                          "déjà. Le remplacer ?")}));
    EXPECT_EQ(dossier.lit(QStringLiteral("Lettre_Dupont.rtf")), "{\\rtf1 Lettre 2\\par}");
    EXPECT_TRUE(f.texte.modifie());
    EXPECT_TRUE(f.texte.fichier().isEmpty());

    f.dialogues.fichiers = {dupont};
    f.dialogues.confirmations = {true};
    EXPECT_TRUE(f.texte.Enregistre(f.source));
    EXPECT_EQ(dossier.lit(QStringLiteral("Lettre_Dupont.rtf")), "{\\rtf1 Martin\\par}");
}

TEST(TraitementTexte, AvisDesPartiesQueLaLettreNePeutGarder) {
    using enum rtf::Perte;
    struct Cas {
        std::vector<rtf::Perte> pertes;
        const char* avis; // null when nothing is said
    };
    const Cas cas[] = {
        {{}, nullptr},
        {{Tableaux, Images},
         "Ce document contient des tableaux et des images : ils seront perdus à l'enregistrement."},
        {{Images}, "Ce document contient des images : elles seront perdues à l'enregistrement."},
        {{Notes, ListesNumerotees},
         "Ce document contient des notes de bas de page et des listes numérotées : elles seront "
         "perdues à l'enregistrement."},
        {{Commentaires, PiedsDePage, EnTetes},
         "Ce document contient des en-têtes, des pieds de page et des commentaires : ils seront "
         "perdus à l'enregistrement."},
    };
    for (const Cas& c : cas) {
        rtf::Pertes pertes;
        for (rtf::Perte p : c.pertes)
            pertes.set(std::size_t(p));
        const std::optional<QString> avis = avisPertes(pertes);
        if (c.avis)
            EXPECT_EQ(avis, QString::fromUtf8(c.avis));
        else
            EXPECT_FALSE(avis);
    }
}

TEST(TraitementTexte, OuvrirDitCeQuiSeraPerduEtOuEnEstLaLecture) {
    zel::test::Dossier dossier;
    // A long letter with a table and a picture.
    QByteArray rtf = "{\\rtf1\\ansi{\\pict\\pngblip 00}\\trowd\\cellx2000 Case\\cell\\row\\pard ";
    while (rtf.size() < 1'000'000)
        rtf += "Un paragraphe de la lettre\\par\r\n";
    dossier.ecrit(QStringLiteral("long.rtf"), rtf + "}");
    Fenetre f;
    f.dialogues.fichiers = {dossier.chemin(QStringLiteral("long.rtf"))};
    const std::optional<rtf::Document> d = f.texte.Ouvre(f.source, {});
    ASSERT_TRUE(d);
    EXPECT_EQ(d->paragraphes.front().texte(), u"Case\t");
    EXPECT_EQ(f.dialogues.vus.last(),
              QStringLiteral("message: Ce document contient des tableaux et des images : ils "
                             "seront perdus à l'enregistrement."));
    // The status bar follows the reading, once per percent, and is emptied at its end, under
    // the hourglass.
    QStringList p = f.dialogues.progressions;
    ASSERT_GT(p.size(), 10);
    EXPECT_EQ(p.front(), u"Lecture de la lettre : 6 %");
    EXPECT_TRUE(p[p.size() - 2].startsWith(u"Lecture de la lettre : 9"));
    EXPECT_EQ(p.back(), QString());
    EXPECT_EQ(p.removeDuplicates(), 0);
    EXPECT_EQ(f.dialogues.sabliersMaxi, 1);
    EXPECT_EQ(f.dialogues.sabliers, 0);
}
