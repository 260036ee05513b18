// Electronic invoices written by the program itself (zelvente --facturx) on representative
// invoices, then read back as another program would: the XML taken out of the PDF (pdfdetach),
// checked against the EN 16931 rules (the public validation artefacts of ../shared/einvoicing),
// its totals compared with the printed text (pdftotext), its metadata (pdfinfo -meta) and its
// structure (qpdf --check).

#include "records/reglages.h"
#include "store/codepage.h"
#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"
#include "ui/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <iostream>

namespace {

using zel::test::s;

struct Lance {
    int code = -1;
    QString sortie;
    QString erreurs;
};

Lance lance(const QString& programme, const QStringList& arguments,
            const QString& dossier = QString()) {
    QProcess p;
    p.setWorkingDirectory(dossier);
    p.start(programme, arguments);
    Lance l;
    if (!p.waitForFinished(120000)) {
        ADD_FAILURE() << programme.toStdString() << " did not finish";
        p.kill();
        p.waitForFinished();
    }
    l.code = p.exitCode();
    l.sortie = QString::fromUtf8(p.readAllStandardOutput());
    l.erreurs = QString::fromUtf8(p.readAllStandardError());
    return l;
}

// The validation script beside the repository's checkout (a worktree sits one folder deeper).
QString valideur() {
    for (const char* chemin :
         {"/../shared/einvoicing/valide-cii.sh", "/../../shared/einvoicing/valide-cii.sh"}) {
        const QString script = QDir::cleanPath(s(ZEL_RACINE) + QString::fromLatin1(chemin));
        if (QFileInfo::exists(script))
            return script;
    }
    return {};
}

// What the validation needs and is missing, or nothing.
QString manque() {
    if (valideur().isEmpty())
        return s("../shared/einvoicing is missing");
    for (const char* outil : {"pdfdetach", "pdftotext", "pdfinfo", "qpdf", "xmllint", "java"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(outil)).isEmpty())
            return s("%1 is missing").arg(QString::fromLatin1(outil));
    }
    if (!QFileInfo::exists(s("/usr/share/java/Saxon-HE.jar")))
        return s("Saxon-HE is missing (libsaxonhe-java)");
    return {};
}

// A client block: its 25 lines and its notes.
QStringList client(int n, const QString& code, const QString& nom, const QString& pays,
                   const QStringList& memos) {
    QStringList b = {s("<BLOC%1>").arg(n, 4, 10, QLatin1Char('0')),
                     code,
                     s("N"),
                     s("N"),
                     nom,
                     s("3 place Bellecour"),
                     s("Bâtiment B"),
                     s("69002"),
                     s("Lyon"),
                     pays};
    while (b.size() < 26)
        b.append(QString());
    b += memos;
    b.append(s("</BLOC%1>").arg(n, 4, 10, QLatin1Char('0')));
    return b;
}

// A document block: kind letter and number, client, kind, price mode, its lines (Réf, designation,
// quantity, price, discount, VAT code) and notes.
QStringList document(int n, const QString& numero, const QString& code, const QString& genre,
                     bool ttc, const QList<QStringList>& lignes, const QStringList& notes = {}) {
    QStringList b = {s("<BLOC%1>").arg(n, 4, 10, QLatin1Char('0')),
                     s("NUM") + numero,
                     s("06/12/2026"),
                     code,
                     s("30 jours fin de mois"),
                     genre,
                     s("Client"),
                     s("Adresse"),
                     QString(),
                     s("69002 Lyon"),
                     ttc ? s("TTCY") : s("TTCN"),
                     s("N")};
    for (const QStringList& l : lignes)
        b.append(s("FACT") +
                 QStringList{l[0], l[1], l[2], l[3], l[4], QString(), l[5]}.join(u'\t'));
    for (const QString& note : notes)
        b.append(s("MEMO") + note);
    b.append(s("</BLOC%1>").arg(n, 4, 10, QLatin1Char('0')));
    return b;
}

QByteArray fichier(const QStringList& lignes) {
    QByteArray octets;
    EXPECT_TRUE(zel::cp1252::encodeVers(lignes.join(s("\r\n")) + s("\r\n"), octets));
    return octets;
}

// Every amount element of the XML, by name, in document order.
QStringList valeurs(const QString& xml, const QString& element) {
    QStringList v;
    const QRegularExpression re(s("<ram:%1[^>]*>([^<]*)</ram:%1>").arg(element));
    for (auto m = re.globalMatch(xml); m.hasNext();)
        v.append(m.next().captured(1));
    return v;
}

// An XML amount as the page shows it: "1234.50" is "1234,50".
QString affiche(const QString& montant) {
    return QString(montant).replace(u'.', u',');
}

class FacturX : public ::testing::Test {
protected:
    FacturX() {
        zel::Reglages r;
        r.entete = {s("Papeterie Dupont & Fils"),
                    s("12 rue des Lilas"),
                    s("69003 Lyon"),
                    s("Tél. 04 78 12 34 56"),
                    QString(),
                    QString(),
                    QString()};
        r.ini.siren = s("732829320");
        r.ini.modeDevise = 1;
        r.ini.tauxTva = {20.0, 0.0, 5.5};
        r.ini.facturesElectroniques = true;
        EXPECT_TRUE(r.sauveALaFin(dossier.racine(), QString()).isEmpty());
        reglages = r;
        QStringList clients =
            client(0, s("10001"), s("Société Générale d'Électricité"), s("France"),
                   {s("MEMOLivrer le matin"), s("MEMOSIREN : 552100554")});
        clients += client(1, s("10002"), s("Brasserie « Les Trois Cœurs »"), s("Belgique"), {});
        clients += client(2, s("10003"), s("Atlantis Ltd"), s("Atlantide"), {});
        dossier.ecrit(s("t.cli"), fichier(clients));
    }

    // The set's invoice file, and the program run on one of its documents.
    Lance ecrit(const QStringList& factures, const QString& cle, const QString& pdf) {
        dossier.ecrit(s("t.fct"), fichier(factures));
        return lance(s(ZEL_PROGRAMME), {s("--facturx"), s("t.cli"), cle, pdf}, dossier.racine());
    }

    zel::test::Dossier dossier;
    zel::Reglages reglages;
};

struct Representative {
    const char* cas;
    QString cle;
    QStringList bloc;
};

} // namespace

TEST_F(FacturX, RepresentativeInvoicesPassTheEn16931RulesAndShowTheirTotalsOnPaper) {
    if (const QString pourquoi = manque(); !pourquoi.isEmpty())
        GTEST_SKIP() << pourquoi.toStdString();
    QList<QStringList> soixanteTrois;
    for (int r = 1; r <= 63; ++r)
        soixanteTrois.append({s("R%1").arg(r), s("Article %1").arg(r), s("%1").arg(r % 7 + 1),
                              s("%1,%2").arg(r).arg(r % 100, 2, 10, QLatin1Char('0')),
                              r % 5 == 0 ? s("7,5") : QString(), s("%1").arg(r % 3 + 1)});
    const Representative cas[] = {
        {"one rate, the client's SIREN, notes", s("F202612001"),
         document(0, s("F202612001"), s("10001"), s("Facture"), false,
                  {{s("CAH"), s("Cahier 96 pages"), s("3"), s("19,99"), QString(), s("1")},
                   {s("STY"), s("Stylo bille"), s("10"), s("0,85"), QString(), s("1")}},
                  {s("Merci de votre confiance."), s("Livraison sous huit jours.")})},
        {"three rates, 0 % among them", s("F202612002"),
         document(0, s("F202612002"), s("10001"), s("Facture"), false,
                  {{s("PAP"), s("Ramette A4"), s("5"), s("4,49"), QString(), s("1")},
                   {s("LIV"), s("Livre scolaire"), s("2"), s("12,30"), QString(), s("3")},
                   {s("FOR"), s("Formation"), s("1"), s("150"), QString(), s("2")}})},
        {"0 % only, a client in Belgium without a SIREN", s("F202612003"),
         document(0, s("F202612003"), s("10002"), s("Facture"), false,
                  {{s("FOR"), s("Formation bureautique"), s("2"), s("350"), QString(), s("2")}})},
        {"discounts, accents and characters XML escapes", s("F202612004"),
         document(0, s("F202612004"), s("10001"), s("Facture"), false,
                  {{s("CR<1>"), s("Crème « brûlée » & Cie"), s("3"), s("19,99"), s("10"), s("1")},
                   {s("ÉTU"), s("Étui à lunettes"), s("3"), s("19,99"), s("10"), s("1")},
                   {s("REM"), s("Agrafeuse"), s("1"), s("0,10"), s("5"), s("3")}})},
        {"prices including tax", s("F202612005"),
         document(0, s("F202612005"), s("10001"), s("Facture"), true,
                  {{s("A"), s("Article TTC"), s("1"), s("1"), QString(), s("1")},
                   {s("B"), s("Article TTC"), s("1"), s("1"), QString(), s("1")},
                   {s("C"), s("Article TTC"), s("1"), s("1"), QString(), s("1")},
                   {s("D"), s("Livre TTC"), s("2"), s("10,55"), s("5"), s("3")}})},
        {"a credit note", s("A202612006"),
         document(0, s("A202612006"), s("10001"), s("Avoir     "), false,
                  {{s("CAH"), s("Retour cahier"), s("2"), s("19,99"), QString(), s("1")}})},
        {"63 lines over three pages", s("F202612007"),
         document(0, s("F202612007"), s("10001"), s("Facture"), false, soixanteTrois)},
    };
    const QString script = valideur();
    for (const Representative& c : cas) {
        SCOPED_TRACE(c.cas);
        const QString pdf = dossier.chemin(c.cle + s(".pdf"));
        const Lance l = ecrit(c.bloc, c.cle, pdf);
        ASSERT_EQ(l.code, 0) << l.erreurs.toStdString();

        // The attachment, taken out as any reader takes it.
        EXPECT_TRUE(lance(s("pdfdetach"), {s("-list"), pdf}).sortie.contains(s("factur-x.xml")));
        const QString xml = dossier.chemin(c.cle + s(".xml"));
        ASSERT_EQ(
            lance(s("pdfdetach"), {s("-savefile"), s("factur-x.xml"), s("-o"), xml, pdf}).code, 0);
        const Lance v = lance(script, {xml});
        std::cout << "[ " << c.cas << " ] " << v.sortie.trimmed().split(u'\n').last().toStdString()
                  << '\n';
        EXPECT_EQ(v.code, 0) << v.sortie.toStdString() << v.erreurs.toStdString();
        EXPECT_TRUE(v.sortie.contains(s(" 0 fatal"))) << v.sortie.toStdString();

        // The XML and the paper agree: the grand total, the VAT total and every line amount.
        QFile f(xml);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString cii = QString::fromUtf8(f.readAll());
        const QString texte = lance(s("pdftotext"), {s("-layout"), pdf, s("-")}).sortie;
        const QStringList lignes = valeurs(cii, s("LineTotalAmount"));
        // Each line, then the sum of the lines.
        ASSERT_EQ(lignes.size(), c.bloc.filter(QRegularExpression(s("^FACT"))).size() + 1);
        // Lines before tax are on paper unless their prices include tax.
        if (!c.bloc.contains(s("TTCY"))) {
            for (const QString& montant : lignes.mid(0, lignes.size() - 1))
                EXPECT_TRUE(texte.contains(affiche(montant))) << montant.toStdString();
        }
        const QString ttc = affiche(valeurs(cii, s("GrandTotalAmount")).value(0));
        const QString tva = affiche(valeurs(cii, s("TaxTotalAmount")).value(0));
        const QString ht = affiche(valeurs(cii, s("TaxBasisTotalAmount")).value(0));
        EXPECT_TRUE(texte.contains(ttc + s(" Euros"))) << ttc.toStdString() << texte.toStdString();
        EXPECT_TRUE(texte.contains(
            QRegularExpression(s("Total TVA\\s+") + QRegularExpression::escape(tva))))
            << tva.toStdString();
        EXPECT_TRUE(texte.contains(
            QRegularExpression(s("Total H.T.\\s+") + QRegularExpression::escape(ht))))
            << ht.toStdString();
        // The client's SIREN under the address, and as the buyer's legal registration.
        const bool siren = c.bloc.contains(s("10001"));
        EXPECT_EQ(texte.contains(s("SIREN : 552100554")), siren);
        EXPECT_EQ(cii.contains(s("<ram:ID schemeID=\"0002\">552100554</ram:ID>")), siren);
        EXPECT_EQ(valeurs(cii, s("TypeCode")).value(0),
                  c.cle.startsWith(u'A') ? s("381") : s("380"));

        // PDF/A part 3 and the Factur-X properties in the XMP; a sound structure.
        const QString meta = lance(s("pdfinfo"), {s("-meta"), pdf}).sortie;
        EXPECT_TRUE(meta.contains(s("<pdfaid:part>3</pdfaid:part>"))) << meta.toStdString();
        EXPECT_TRUE(meta.contains(s("<pdfaid:conformance>B</pdfaid:conformance>")));
        for (const char* propriete :
             {"<fx:DocumentType>INVOICE</fx:DocumentType>",
              "<fx:DocumentFileName>factur-x.xml</fx:DocumentFileName>",
              "<fx:Version>1.0</fx:Version>", "<fx:ConformanceLevel>EN 16931</fx:ConformanceLevel>",
              "<pdfaSchema:prefix>fx</pdfaSchema:prefix>"})
            EXPECT_TRUE(meta.contains(QString::fromLatin1(propriete))) << propriete;
        const Lance verifie = lance(s("qpdf"), {s("--check"), pdf});
        EXPECT_EQ(verifie.code, 0) << verifie.sortie.toStdString() << verifie.erreurs.toStdString();
        EXPECT_TRUE(lance(s("pdfinfo"), {pdf})
                        .sortie.contains(QRegularExpression(s("PDF version:\\s+1.7"))));
    }
}

TEST_F(FacturX, TellsWhyADocumentCannotBeAnElectronicInvoice) {
    const QStringList devis =
        document(0, s("D202612001"), s("10001"), s("Devis    "), false,
                 {{s("A"), s("Article"), s("1"), s("10"), QString(), s("1")}});
    const QStringList etranger =
        document(0, s("F202612002"), s("10003"), s("Facture"), false,
                 {{s("A"), s("Article"), s("1"), s("10"), QString(), s("1")}});
    const QStringList sansCode =
        document(0, s("F202612003"), s("10001"), s("Facture"), false,
                 {{s("A"), s("Article"), s("1"), s("10"), QString(), s("x")}});
    const struct {
        QStringList bloc;
        QString cle;
        const char* message;
    } cas[] = {
        {devis, s("D202612001"), "Un devis n'est pas une facture"},
        {etranger, s("F202612002"), "Le pays « Atlantide » du client 10003 est inconnu"},
        {sansCode, s("F202612003"), "La ligne 1 n'a pas de code TVA lisible"},
    };
    for (const auto& c : cas) {
        const Lance l = ecrit(c.bloc, c.cle, dossier.chemin(s("x.pdf")));
        EXPECT_EQ(l.code, 1) << c.message;
        EXPECT_TRUE(l.erreurs.contains(QString::fromUtf8(c.message))) << l.erreurs.toStdString();
        EXPECT_FALSE(dossier.existe(s("x.pdf"))) << c.message;
    }

    const Lance incomplet =
        lance(s(ZEL_PROGRAMME), {s("--facturx"), s("t.cli"), s("F202612003")}, dossier.racine());
    EXPECT_EQ(incomplet.code, 2);
    EXPECT_TRUE(incomplet.erreurs.contains(s("--facturx attend trois arguments")));

    // Without the setting, or in francs, nothing is written and the settings are named.
    reglages.ini.facturesElectroniques = false;
    ASSERT_TRUE(reglages.sauveALaFin(dossier.racine(), QString()).isEmpty());
    Lance l = ecrit(sansCode, s("F202612003"), dossier.chemin(s("x.pdf")));
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.erreurs.contains(s("Factures électroniques (EN 16931)")))
        << l.erreurs.toStdString();
    reglages.ini.facturesElectroniques = true;
    reglages.ini.modeDevise = 0;
    ASSERT_TRUE(reglages.sauveALaFin(dossier.racine(), QString()).isEmpty());
    l = ecrit(sansCode, s("F202612003"), dossier.chemin(s("x.pdf")));
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.erreurs.contains(s("« Euro »"))) << l.erreurs.toStdString();
    reglages.ini.modeDevise = 1;
    reglages.ini.siren.clear();
    ASSERT_TRUE(reglages.sauveALaFin(dossier.racine(), QString()).isEmpty());
    l = ecrit(devis, s("D202612001"), dossier.chemin(s("x.pdf")));
    EXPECT_TRUE(l.erreurs.contains(s("Un devis n'est pas une facture"))) << "the kind first";
    l = ecrit(etranger, s("F202612002"), dossier.chemin(s("x.pdf")));
    EXPECT_TRUE(l.erreurs.contains(s("SIREN de l'entreprise"))) << l.erreurs.toStdString();
    EXPECT_FALSE(dossier.existe(s("x.pdf")));
}

TEST_F(FacturX, TheInvoiceTabAsksTheSirenOnceThenWritesTheFileChosen) {
    if (QStandardPaths::findExecutable(s("pdfdetach")).isEmpty())
        GTEST_SKIP() << "pdfdetach is missing (poppler-utils)";
    reglages.ini.siren.clear();
    ASSERT_TRUE(reglages.sauveALaFin(dossier.racine(), QString()).isEmpty());
    dossier.ecrit(s("t.fct"),
                  fichier(document(0, s("F202612001"), s("10001"), s("Facture"), false,
                                   {{s("A"), s("Article"), s("2"), s("10"), QString(), s("1")}})));
    zel::test::DialoguesFactices dialogues;
    {
        zel::ui::TMainForm fenetre(dossier.racine(), &dialogues);
        fenetre.ouvrira(dossier.chemin(s("t.cli")));
        fenetre.show();
        QApplication::processEvents();
        fenetre.declenche(zel::Operation::Facture, {});
        QAction* commande =
            fenetre.action(zel::Cible{s("&Vente"), s("&Enregistrer en Factur-X...")});
        ASSERT_TRUE(commande);
        ASSERT_TRUE(commande->isEnabled());

        // The preview of the invoice offers the same command beside "Enregistrer en PDF...".
        QStringList boutons;
        QTimer::singleShot(0, [&boutons] {
            auto* apercu = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(apercu);
            for (const QToolBar* barre : apercu->findChildren<QToolBar*>()) {
                for (const QAction* a : barre->actions())
                    boutons.append(a->text());
            }
            apercu->close();
        });
        fenetre.declenche(zel::Operation::ImpFact, {});
        EXPECT_TRUE(boutons.contains(s("Enregistrer en PDF...")));
        EXPECT_TRUE(boutons.contains(s("Enregistrer en Factur-X...")));

        dialogues.vus.clear();
        dialogues.saisies = {s("12345"), s("732 829 320")};
        dialogues.fichiers = {dossier.chemin(s("envoi"))};
        commande->trigger();
        const QStringList attendus = {
            s("saisie: Facture électronique []"),
            s("message: « 12345 » n'est pas un numéro SIREN : il compte 9 chiffres, dont le "
              "dernier est la clé de contrôle des huit autres."),
            s("saisie: Facture électronique []"),
            s("enregistrer: Factures Factur-X (*.pdf)|*.pdf ") +
                dossier.chemin(s("Facture 202612001.pdf")),
        };
        EXPECT_EQ(dialogues.vus, attendus);
        ASSERT_TRUE(dossier.existe(s("envoi.pdf"))) << "the extension is added";
        EXPECT_TRUE(lance(s("pdfdetach"), {s("-list"), dossier.chemin(s("envoi.pdf"))})
                        .sortie.contains(s("factur-x.xml")));

        // Asked once: the SIREN is kept, and an existing file is replaced only when allowed.
        dialogues.vus.clear();
        dialogues.fichiers = {dossier.chemin(s("envoi.pdf"))};
        dialogues.confirmations = {false};
        commande->trigger();
        EXPECT_EQ(dialogues.vus.value(0).left(12), s("enregistrer:"));
        EXPECT_EQ(dialogues.vus.size(), 2) << "the question before replacing the file";
        fenetre.close();
    }
    QFile ini(dossier.chemin(s("ZelVente.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll().split('\n').value(20), QByteArray("732829320\r"));
}
