#include "sales/facturx.h"

#include "records/totaux.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
using zel::test::s;

// A client file of one client, 10001, in the country given.
Blocs clients(const QString& pays, const QString& nom = s("Dupont SA")) {
    QStringList b = {s("<BLOC0000>"),      s("10001"), s("N"),     s("N"),    nom,
                     s("1 rue des Lilas"), QString(),  s("69000"), s("Lyon"), pays};
    while (b.size() < 26)
        b.append(QString());
    b << s("MEMOSIREN : 552100554") << s("</BLOC0000>");
    Blocs store;
    store.remplaceTout(b);
    return store;
}

Reglages reglagesElectroniques() {
    Reglages r;
    r.entete = {s("Papeterie Dupont"), s("12 rue des Lilas"), s("69003 Lyon"), {}, {}, {}, {}};
    r.ini.siren = s("732829320");
    r.ini.modeDevise = 1;
    r.ini.tauxTva = {20, 0, 5.5};
    r.ini.facturesElectroniques = true;
    return r;
}

Document facture(const QString& designation = s("Cahier")) {
    Document d;
    d.numero = s("202612001");
    d.date = QDate(2026, 12, 6);
    d.tiers = s("10001");
    d.genre = s("Facture");
    d.ligne(1) = {s("CAH"), designation, s("3"), s("19,99"), s("10"), {}, s("1")};
    d.lignesUtilisees = 1;
    return d;
}

} // namespace

TEST(FacturX, CountryNamesAndVatNumbers) {
    const struct {
        const char* pays;
        const char* code;
    } cas[] = {{"", "FR"},
               {"France", "FR"},
               {" FRANCE ", "FR"},
               {"Belgique", "BE"},
               {"États-Unis", "US"},
               {"etats unis", "US"},
               {"Royaume-Uni", "GB"},
               {"ch", "CH"},
               {"Côte d'Ivoire", "CI"},
               {"Atlantide", nullptr}};
    for (const auto& c : cas)
        EXPECT_EQ(codePays(s(c.pays)), c.code ? std::optional(s(c.code)) : std::nullopt) << c.pays;
    // The key of a French VAT number: (12 + 3 x (SIREN modulo 97)) modulo 97.
    EXPECT_EQ(tvaIntracommunautaire(s("732829320")), s("FR44732829320"));
    EXPECT_EQ(tvaIntracommunautaire(s("123456782")), s("FR11123456782"));
    EXPECT_EQ(tvaIntracommunautaire(s("000000000")), s("FR12000000000"));
}

TEST(FacturX, TheSellerIsReadFromTheCompanyHeader) {
    QString pourquoi;
    const std::optional<PartieFacture> p = vendeurDe({s("Papeterie Dupont"),
                                                      s("12 rue des Lilas"),
                                                      s("Bâtiment C"),
                                                      s(" 69003  Lyon "),
                                                      s("Tél. 04 78 12 34 56"),
                                                      {},
                                                      {}},
                                                     s("732829320"), pourquoi);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->nom, s("Papeterie Dupont"));
    EXPECT_EQ(p->adresse, QStringList({s("12 rue des Lilas"), s("Bâtiment C")}));
    EXPECT_EQ(p->codePostal, s("69003"));
    EXPECT_EQ(p->ville, s("Lyon"));
    EXPECT_EQ(p->pays, s("FR"));
    EnteteSociete sansCode{};
    sansCode[0] = s("Papeterie Dupont");
    sansCode[1] = s("Lyon");
    EnteteSociete sansNom{};
    sansNom[1] = s("69003 Lyon");
    for (const EnteteSociete& e : {sansCode, sansNom}) {
        EXPECT_FALSE(vendeurDe(e, s("732829320"), pourquoi));
        EXPECT_TRUE(pourquoi.contains(s("« 69003 Lyon »"))) << pourquoi.toStdString();
    }
}

TEST(FacturX, TheXmlEscapesItsTextsAndRefusesWhatItCannotHold) {
    const Reglages r = reglagesElectroniques();
    QByteArray xml;
    ASSERT_TRUE(xmlFacturX(facture(s("Crème <fine> & « pure »")), r,
                           clients(s("France"), s("Dupont & Fils")), xml));
    const QString texte = QString::fromUtf8(xml);
    EXPECT_TRUE(texte.contains(s("<ram:Name>Crème &lt;fine&gt; &amp; « pure »</ram:Name>")))
        << texte.toStdString();
    EXPECT_TRUE(texte.contains(s("<ram:Name>Dupont &amp; Fils</ram:Name>")));
    EXPECT_TRUE(texte.contains(s("<ram:ID schemeID=\"0002\">552100554</ram:ID>")))
        << "the client's SIREN";
    EXPECT_TRUE(texte.contains(s("<ram:ID schemeID=\"VA\">FR44732829320</ram:ID>")));
    // 3 x 19,99 less 10 %: 53,973 gives 53,97; its discount is a price discount of 1,999.
    EXPECT_TRUE(texte.contains(s("<ram:LineTotalAmount>53.97</ram:LineTotalAmount>")));
    EXPECT_TRUE(texte.contains(s("<ram:ActualAmount>1.999</ram:ActualAmount>")));
    EXPECT_TRUE(texte.contains(s("<ram:GrandTotalAmount>64.76</ram:GrandTotalAmount>")));

    xml = QByteArrayLiteral("avant");
    const Resultat refus =
        xmlFacturX(facture(s("Cahier") + QChar(0xFFFF)), r, clients(s("France")), xml);
    ASSERT_FALSE(refus);
    EXPECT_TRUE(refus.message().startsWith(s("La ligne 1 « Cahier")))
        << refus.message().toStdString();
    EXPECT_TRUE(refus.message().contains(s("(U+ffff)")));
    EXPECT_EQ(xml, QByteArrayLiteral("avant")) << "nothing written";
}
