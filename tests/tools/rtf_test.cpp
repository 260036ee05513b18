#include "tools/rtf.h"

#include "support/fichiers.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <random>

using namespace zel::outils::rtf;

namespace {

Format format(const QString& police, int demiPoints) {
    Format f;
    f.police = police;
    f.demiPoints = demiPoints;
    return f;
}

Paragraphe paragraphe(std::vector<Segment> segments, Alignement a = Alignement::Gauche) {
    Paragraphe p;
    p.segments = std::move(segments);
    p.alignement = a;
    return p;
}

// A letter using every attribute the window edits.
Document lettre() {
    const Format times = format(QStringLiteral("Times New Roman"), 20);
    Format gras = times;
    gras.gras = true;
    Format italique = format(QStringLiteral("Ωmega Sans‑Serif"), 28);
    italique.italique = true;
    italique.couleur = 0xC00000;
    Format souligne = times;
    souligne.souligne = true;
    souligne.couleur = 0x0000FF;
    Format barre = times;
    barre.barre = true;
    Format tout = gras;
    tout.italique = tout.souligne = tout.barre = true;
    tout.demiPoints = 144;

    Document d;
    d.paragraphes.push_back(
        paragraphe({{QStringLiteral("Société Dupont & Fils"), gras}}, Alignement::Centre));
    d.paragraphes.push_back(
        paragraphe({{QStringLiteral("12, rue de l'Église"), times},
                    {QString(kSautDeLigne) + QStringLiteral("75001 Paris"), italique}},
                   Alignement::Droite));
    d.paragraphes.push_back(paragraphe({}));
    Paragraphe corps = paragraphe({{QStringLiteral("Madame,\tvoici {le} devis \\ joint : "), times},
                                   {QStringLiteral("1 250,00 €"), souligne},
                                   {QStringLiteral(" ancien prix"), barre},
                                   {QStringLiteral(" Ω 中 😀 œ"), tout}},
                                  Alignement::Justifie);
    corps.premiereLigne = 567;
    corps.gauche = 1134;
    corps.droite = 283;
    d.paragraphes.push_back(corps);
    for (const char* article : {"Premier article", "Second article"}) {
        Paragraphe puce = paragraphe({{QString::fromUtf8(article), times}});
        puce.puce = true;
        puce.premiereLigne = -360;
        puce.gauche = 720;
        d.paragraphes.push_back(puce);
    }
    return d;
}

} // namespace

TEST(Rtf, UneLettreRelueEstIdentique) {
    const Document d = lettre();
    const QByteArray octets = ecrit(d);
    EXPECT_EQ(lit(octets), d);
    // Written twice the same way, and in 7-bit text only.
    EXPECT_EQ(ecrit(lit(octets)), octets);
    for (char c : octets)
        EXPECT_GT(static_cast<signed char>(c), 0);
}

TEST(Rtf, LecteurIndependantRetrouveTexteEtAttributs) {
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    ASSERT_FALSE(unrtf.isEmpty()) << "unrtf (paquet Debian unrtf) est nécessaire à ce test";
    zel::test::Dossier dossier;
    dossier.ecrit(QStringLiteral("lettre.rtf"), ecrit(lettre()));
    QProcess p;
    p.start(unrtf, {QStringLiteral("--html"), dossier.chemin(QStringLiteral("lettre.rtf"))});
    ASSERT_TRUE(p.waitForFinished(10000));
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* attendu :
         {"<center>", "<b>Soci&eacute;t&eacute; Dupont &amp; Fils</b>", "<div align=\"right\">",
          "12, rue de l'&Eacute;glise", "<i>", "75001 Paris", "Madame,",
          "voici {le} devis \\ joint", "<u><font color=\"#0000ff\">1 250,00 ", "&euro;",
          "<s> ancien prix</s>", "<div align=\"justify\">", "Premier article", "Second article",
          "<font size=\"4\"><i>"}) {
        EXPECT_TRUE(html.contains(QString::fromUtf8(attendu))) << attendu << "\n"
                                                               << html.toStdString();
    }
}

TEST(Rtf, FichiersDesTraitementsDeTexteCourants) {
    struct Cas {
        const char* nom;
        QByteArray rtf;
        QString texte;
        std::vector<bool> puces;
    };
    const Cas cas[] = {
        {"puces à l'ancienne (pntext et pn)",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Arial;}"
         "{\\f1\\fnil\\fcharset2 Symbol;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 Liste :\\par\r\n"
         "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
         "\\fi-720\\li720 Un\\par\r\n{\\pntext\\f1\\'B7\\tab}Deux\\par\r\n\\pard Fin\\par\r\n}",
         QStringLiteral("Liste :\nUn\nDeux\nFin"),
         {false, true, true, false}},
        {"puces de liste (listtext et ls)",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Calibri;}{\\f3\\fcharset2 Symbol;}}"
         "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 "
         "?;}}\\listid1}}{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}"
         "{\\stylesheet{\\ql \\f0\\fs24 Normal;}}{\\info{\\title Lettre}{\\author Jean}}"
         "\\pard\\plain Avant\\par "
         "{\\listtext\\pard\\plain\\f3\\fs24 \\'b7\\tab}\\pard\\plain\\ls1\\li720\\fi-360 Un\\par "
         "{\\listtext\\pard\\plain\\f3\\fs24 \\'b7\\tab}Deux\\par \\pard\\plain Apr\\'e8s\\par}",
         QStringLiteral("Avant\nUn\nDeux\nAprès"),
         {false, true, true, false}},
        {"caractères \\u et leur remplaçant",
         "{\\rtf1\\ansi\\uc1 \\u8364?\\u-10179?\\u-8704? {\\uc2\\u937\\'3f\\'3f} \\uc0\\u1488 "
         "x\\ldblquote ok\\rdblquote\\endash\\emdash\\~\\bullet\\par}",
         QStringLiteral("€😀 Ω אx“ok”–—\u00A0•"),
         {false}},
        {"pages de code des polices",
         "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset238 Arial CE;}{\\f1 Arial;}"
         "{\\f2\\fcharset0 Times;}{\\f3\\fcharset204 Arial \\'c4\\'e0;}}\\f0 \\'9a\\'e8 "
         "\\f1\\'c4\\'e0 "
         "\\f2\\'e9\\'80 \\f3\\'98\\par}",
         QStringLiteral("šč Да é€ "),
         {false}},
        {"groupes imbriqués",
         "{\\rtf1{\\b gras {\\i gras italique {\\ul tout}} encore}{ simple}\\par}",
         QStringLiteral("gras gras italique tout encore simple"),
         {false}},
        {"images, objets, champs et en-têtes sautés",
         "{\\rtf1\\ansi{\\header En-t\\'eate}{\\footer Pied}Texte "
         "{\\pict\\wmetafile8\\picw100 0123456789abcdef{\\*\\blipuid 00ff}}"
         "{\\*\\shppict{\\pict\\pngblip\\bin6 }{}\\{x}}{\\nonshppict{\\pict 00}}"
         "{\\object\\objemb{\\*\\objdata 0102}{\\result{\\pict 00}}}"
         "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt lien}} suite\\par}",
         QStringLiteral("Texte lien suite"),
         {false}},
    };
    for (const Cas& c : cas) {
        const Document d = lit(c.rtf);
        EXPECT_EQ(d.texte(), c.texte) << c.nom;
        ASSERT_EQ(d.paragraphes.size(), c.puces.size()) << c.nom;
        for (std::size_t i = 0; i < c.puces.size(); ++i)
            EXPECT_EQ(d.paragraphes[i].puce, c.puces[i]) << c.nom << " paragraphe " << i;
    }
}

TEST(Rtf, AttributsLusDansLesFormesUsuelles) {
    const Document d =
        lit("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss "
            "{\\*\\panose 020b}Arial{\\*\\falt Helvetica};}}{\\colortbl;\\red255\\green0\\blue0;}"
            "\\pard\\qc\\li1440\\ri720\\fi-200 Defaut {\\f0\\fs36\\b\\i\\ul\\cf1 tout}"
            "{\\b\\b0\\ul\\ulnone\\strike\\plain simple}\\par\\pard\\qj\\strike barré\\par}");
    ASSERT_EQ(d.paragraphes.size(), 2u);
    const Paragraphe& p = d.paragraphes[0];
    EXPECT_EQ(p.alignement, Alignement::Centre);
    EXPECT_EQ(std::tuple(p.premiereLigne, p.gauche, p.droite), std::tuple(-200, 1440, 720));
    ASSERT_EQ(p.segments.size(), 3u);
    EXPECT_EQ(p.segments[0].format.police, u"Arial");
    Format tout = format(QStringLiteral("Times New Roman"), 36);
    tout.gras = tout.italique = tout.souligne = true;
    tout.couleur = 0xFF0000;
    EXPECT_EQ(p.segments[1].format, tout);
    EXPECT_EQ(p.segments[2].format, format(QStringLiteral("Arial"), 24));
    EXPECT_EQ(d.paragraphes[1].alignement, Alignement::Justifie);
    EXPECT_TRUE(d.paragraphes[1].segments[0].format.barre);
}

TEST(Rtf, ToutFichierSeLitSansDommage) {
    const Format defaut = format(QStringLiteral("Times New Roman"), 20);
    struct Cas {
        const char* nom;
        QByteArray octets;
        QString texte;
    };
    const Cas cas[] = {
        {"vide", "", QString()},
        {"texte simple Windows-1252", "Lettre \xe0 Andr\xe9\r\nSuite\r\n",
         QStringLiteral("Lettre à André\nSuite")},
        {"texte simple UTF-8", "R\xc3\xa9sum\xc3\xa9\nFin", QStringLiteral("Résumé\nFin")},
        {"accolades en trop", "{\\rtf1 Un}}}} Deux\\par}", QStringLiteral("Un")},
        {"fichier coupé", "{\\rtf1{\\b Un\\par Deux {\\i tr", QStringLiteral("Un\nDeux tr")},
        {"coupé dans un mot", "{\\rtf1 A\\'e", QStringLiteral("A")},
        {"nombres démesurés",
         "{\\rtf1\\fs99999999999999999999\\fi-99999999999999\\u99999999999 x\\cf4294967296 y\\par}",
         QStringLiteral("\uFFFDy")},
        {"binaire démesuré", "{\\rtf1 a\\bin999999999999 {}}\\par", QStringLiteral("a")},
        {"binaire négatif", "{\\rtf1 a\\bin-5 b\\par}", QStringLiteral("ab")},
        {"demi-paire isolée", "{\\rtf1 \\u-10179?z\\par}", QStringLiteral("\uFFFDz")},
        {"caractères de contrôle", "{\\rtf1 a\\'00\\'07\\'09b\\u8233?c\\par}",
         QStringLiteral("a\tbc")},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(lit(c.octets, defaut).texte(), c.texte) << c.nom;
    EXPECT_EQ(lit("Bonjour\r\n", defaut).paragraphes[0].segments[0].format, defaut);

    // Nesting far beyond the depth kept, then text at the top level again.
    const QByteArray profond =
        "{\\rtf1 a" + QByteArray(200000, '{') + "x" + QByteArray(200000, '}') + "b\\par}";
    EXPECT_EQ(lit(profond).texte(), u"ab");
}

TEST(Rtf, LeTexteEnDoubleOctetSeLitDansLaPageDeSaPolice) {
    struct Cas {
        const char* nom;
        QByteArray rtf;
        const char* texte;
    };
    const Cas cas[] = {
        {"chinois simplifié (jeu 134), nom de police compris",
         "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
         "\\f0\\'d6\\'d0\\'ce\\'c4\\par}",
         "中文"},
        {"chinois traditionnel (jeu 136), second octet échappé",
         "{\\rtf1{\\fonttbl{\\f0\\fcharset136 MingLiU;}}\\f0\\'a4\\'a4\\'a4\\'e5\\'a5\\\\\\par}",
         "中文功"},
        {"japonais (jeu 128), second octet en clair",
         "{\\rtf1{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0\\'93\\'fa\\'96\\'7b\\'83\\\\\\'83A"
         "\\'87\\'40\\par}",
         "日本ソア①"},
        {"coréen (jeu 129), syllabes étendues comprises",
         "{\\rtf1{\\fonttbl{\\f0\\fcharset129 Gulim;}}\\f0\\'c7\\'d1\\'b1\\'db\\'81A\\par}",
         "한글갂"},
        {"page de code du document",
         "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0 SimSun;}}\\f0 \\'d6\\'d0\\par}", "中"},
        {"page de code de la police",
         "{\\rtf1{\\fonttbl{\\f0\\cpg950 MingLiU;}}\\f0\\'a4\\'a4\\par}", "中"},
        {"\\u suivi de son remplaçant sur deux octets",
         "{\\rtf1{\\fonttbl{\\f0\\fcharset134 "
         "SimSun;}}\\f0\\uc2\\u20013\\'d6\\'d0\\u25991\\'ce\\'c4"
         "\\par}",
         "中文"},
        {"premier octet orphelin",
         "{\\rtf1{\\fonttbl{\\f0\\fcharset134 SimSun;}}\\f0 a\\'d6{\\b b}\\par}", "ab"},
        {"plusieurs langues",
         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset134 SimSun;}"
         "{\\f2\\fcharset128 MS Mincho;}{\\f3\\fcharset129 Gulim;}{\\f4\\fcharset238 Arial CE;}}"
         "\\f0 Cr\\'e9teil \\f4\\'a3\\'f3d\\'9f \\f1\\'d6\\'d0\\'ce\\'c4 \\f2\\'93\\'fa\\'96\\'7b "
         "\\f3\\'c7\\'d1\\par}",
         "Créteil Łódź 中文 日本 한"},
    };
    for (const Cas& c : cas) {
        const Document d = lit(c.rtf);
        EXPECT_EQ(d.texte(), QString::fromUtf8(c.texte)) << c.nom;
        // Written back as \uN, the text reads the same in any word processor.
        EXPECT_EQ(lit(ecrit(d)), d) << c.nom;
    }
    EXPECT_EQ(lit(cas[0].rtf).paragraphes[0].segments[0].format.police, QString::fromUtf8("宋体"));
    EXPECT_TRUE(ecrit(lit(cas[8].rtf)).contains("\\u20013?\\u25991?"));
}

TEST(Rtf, LesDonneesBinairesSontSauteesQuelleQueSoitLeurLongueur) {
    // A picture's bytes, which would read as text, groups and control words if they were not
    // stepped over.
    QByteArray donnees(3'000'000, Qt::Uninitialized);
    std::minstd_rand hasard(34);
    for (char& octet : donnees)
        octet = char(hasard());
    const QByteArray taille = QByteArray::number(donnees.size());
    const QByteArray image =
        "{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\bin" + taille + " " + donnees + "}}b\\par}";
    EXPECT_EQ(lit(image).texte(), u"ab");
    const QByteArray nu = "{\\rtf1 a\\bin" + taille + " " + donnees + "b\\par}";
    EXPECT_EQ(lit(nu).texte(), u"ab");
}

TEST(Rtf, LesPartiesQueLaLettreNePeutGarderSontSignalees) {
    using enum Perte;
    struct Cas {
        const char* nom;
        QByteArray corps; // what follows the font table
        std::vector<Perte> pertes;
    };
    const Cas cas[] = {
        {"tableau",
         "\\trowd\\cellx2000\\cellx4000 Un\\cell Deux\\cell\\row\\pard Fin\\par",
         {Tableaux}},
        {"image", "Avant{\\pict\\pngblip\\picw10 89504e47}\\par", {Images}},
        {"image de Word",
         "{\\*\\shppict{\\pict\\pngblip 00}}{\\nonshppict{\\pict 00}}\\par",
         {Images}},
        {"objet", "{\\object\\objemb{\\*\\objdata 01}}\\par", {Images}},
        {"en-tête et pied de page",
         "{\\headerl Haut}{\\footerf Bas}Texte\\par",
         {EnTetes, PiedsDePage}},
        {"note de bas de page",
         "Texte{\\super\\chftn}{\\footnote\\pard\\plain Note}\\par",
         {Notes}},
        {"commentaire", "Texte{\\*\\annotation\\pard\\plain Relire}\\par", {Commentaires}},
        {"liste numérotée (listtext)",
         "{\\listtext\\pard\\plain\\f0 1.\\tab}\\pard\\ls1 Un\\par"
         "{\\listtext\\pard\\plain\\f0 2.\\tab}Deux\\par",
         {ListesNumerotees}},
        {"liste numérotée (pn)",
         "{\\pntext\\f0 a)\\tab}{\\*\\pn\\pnlvlbody\\pnlcltr{\\pntxta )}}Un\\par",
         {ListesNumerotees}},
        {"puces de Word", "{\\listtext\\f1 \\'b7\\tab}Un\\par{\\listtext\\f0 o\\tab}Deux\\par", {}},
        {"puce d'une police de symboles", "{\\listtext\\f1 v\\tab}Un\\par", {}},
        {"texte mis en forme, champ et puces à l'ancienne",
         "{\\b Gras}{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt lien}}"
         "{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'95}}Puce\\par",
         {}},
    };
    for (const Cas& c : cas) {
        const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset2 "
                               "Symbol;}}" +
                               c.corps + "}";
        Pertes attendues;
        for (Perte p : c.pertes)
            attendues.set(std::size_t(p));
        EXPECT_EQ(lecture(rtf).pertes, attendues) << c.nom;
    }
    // The letters the word processor writes hold nothing it cannot keep.
    EXPECT_TRUE(lecture(ecrit(lettre())).pertes.none());
}
