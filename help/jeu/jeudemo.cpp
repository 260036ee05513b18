// Writes the document set the guide's screenshots are taken from: a small stationery business,
// its clients, suppliers and articles, a year of invoices, a quote, a credit note and orders,
// all typed through the pages as a user would, and its settings files.
//   zel_jeu_demo <folder>    writes <folder>/Dupont.cli and its companions

#include "app/fenetrefiche.h"
#include "clients/pageclients.h"
#include "sales/pagefactures.h"
#include "stock/pagearticles.h"
#include "stock/pagefournisseurs.h"
#include "support/dialoguesfactices.h"
#include "support/mesurefixe.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

using namespace zel;

QString u(const char* texte) {
    return QString::fromUtf8(texte);
}

struct Demo {
    JeuDocuments jeu;
    Reglages reglages;
    test::DialoguesFactices dialogues;
    test::MesureFixe mesure;
    FenetreFiche fenetre{jeu, reglages, dialogues, mesure};
    QDate jour{2026, 12, 4};

    Demo() {
        for (Sorte sorte : kToutesSortes) {
            if (PageCarte* p = fenetre.page(sorte))
                p->setAujourdhui([this] { return jour; });
        }
        for (PageDocument* d :
             {fenetre.document(Sorte::Factures), fenetre.document(Sorte::Commandes)})
            d->setAujourdhui([this] { return jour; });
    }

    // A new card of the page, its fields typed one by one as the user leaves them.
    void fiche(Sorte sorte, const std::vector<std::pair<int, const char*>>& champs) {
        fenetre.montre(sorte);
        PageCarte& page = *fenetre.page(sorte);
        page.Ajout();
        for (const auto& [ligne, texte] : champs) {
            page.carte().saisit(ligne, u(texte));
            if (sorte == Sorte::Articles)
                fenetre.articles().quitteChamp(ligne);
        }
        page.EcritFiche();
    }

    // A document to the client (or supplier) of the given card, its lines typed from the
    // article codes; validated or left as typed.
    void document(Sorte tiers, int fiche, Sorte sorte, const QString& genre,
                  const std::vector<std::pair<const char*, const char*>>& lignes, bool valide,
                  const char* notes = "") {
        fenetre.montre(tiers);
        fenetre.page(tiers)->navigue(Pas::Premier);
        for (int i = 0; i < fiche; ++i)
            fenetre.page(tiers)->navigue(Pas::Suivant);
        fenetre.execute(sorte == Sorte::Factures ? Operation::NouvFact : Operation::NouvCmd);
        PageDocument& page = *fenetre.document(sorte);
        if (!genre.isEmpty())
            page.document().genre = genre;
        int rangee = 1;
        for (const auto& [ref, quantite] : lignes) {
            page.document().ligne(rangee)[colonne::Ref] = u(ref);
            page.remplitDepuisArticle(rangee);
            page.document().ligne(rangee)[colonne::Quantite] = u(quantite);
            rangee = page.finDeLigne(rangee);
        }
        page.saisitNotes(u(notes));
        page.marque();
        if (valide)
            page.Valider();
        page.Ecrit();
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "Usage : zel_jeu_demo <dossier>\n";
        return 2;
    }
    const QString dossier = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    Demo d;
    d.reglages.entete = {
        u("Papeterie Dupont"),    u("12 rue des Lilas"),        u("69003 Lyon"),
        u("Tél. 04 78 12 34 56"), u("SIRET 123 456 782 00015"), u("TVA FR32 123456782"),
        u("Capital 8 000 euros")};
    d.reglages.ini.siren = u("123456782");
    d.reglages.ini.modeDevise = 1;
    d.reglages.ini.facturesElectroniques = true;
    d.reglages.ini.tauxTva = {20.0, 0.0, 5.5};
    d.reglages.listes.representants = {u("Jean"), u("Marie"), u("Paul")};
    d.reglages.listes.reglements = {u("Comptant"), u("30 jours fin de mois"), u("45 jours")};
    d.reglages.listes.banques = {u("Crédit Lyonnais"), u("Banque Populaire")};
    d.reglages.listes.famillesFournisseurs = {u("Papier"), u("Fournitures"), u("Informatique")};
    d.reglages.listes.famillesArticles = {u("Papier"), u("Écriture"), u("Classement"),
                                          u("Informatique")};
    d.jeu.Nouveau();
    d.fenetre.apresNouveau();

    namespace C = ligneClient;
    const char* const clients[][8] = {
        {"Boulangerie Martin", "4 place Bellecour", "69002", "Lyon", "04 78 37 12 08", "Mme Martin",
         "Jean", "411MART"},
        {"Mairie de Villeurbanne", "Place Lazare-Goujon", "69100", "Villeurbanne", "04 78 03 67 67",
         "Service des achats", "Marie", "411VILL"},
        {"École Jules Ferry", "18 rue Paul-Bert", "69003", "Lyon", "04 78 60 22 41", "M. Garnier",
         "Marie", "411FERR"},
        {"Librairie Moreau", "27 rue de la République", "69001", "Lyon", "04 78 28 90 15",
         "M. Moreau", "Paul", "411MORE"},
        {"Cabinet Leroy et associés", "9 quai Saint-Antoine", "69002", "Lyon", "04 72 41 05 60",
         "Mme Leroy", "Jean", "411LERO"},
        {"Garage Petit", "112 route de Vienne", "69008", "Lyon", "04 78 74 33 19", "M. Petit",
         "Paul", "411PETI"},
        {"Hôtel du Parc", "3 boulevard des Belges", "69006", "Lyon", "04 78 52 40 40", "Réception",
         "Jean", "411PARC"},
        {"Pharmacie Roux", "56 cours Vitton", "69006", "Lyon", "04 78 89 11 72", "Mme Roux",
         "Marie", "411ROUX"},
    };
    for (const auto& c : clients)
        d.fiche(Sorte::Clients, {{C::Nom, c[0]},
                                 {C::Adresse1, c[1]},
                                 {C::CodePostal, c[2]},
                                 {C::Ville, c[3]},
                                 {C::Pays, "France"},
                                 {C::Telephone, c[4]},
                                 {C::Banque, "Crédit Lyonnais"},
                                 {C::Contact, c[5]},
                                 {C::Representant, c[6]},
                                 {C::CompteClient, c[7]}});

    namespace F = ligneFournisseur;
    const char* const fournisseurs[][6] = {
        {"Papiers de France", "Papier", "ZI des Iles", "38100", "Grenoble", "04 76 40 12 12"},
        {"Bureau Pro Distribution", "Fournitures", "45 avenue Jean-Jaurès", "75019", "Paris",
         "01 42 08 55 00"},
        {"Encres et Toners", "Informatique", "7 rue de l'Industrie", "67000", "Strasbourg",
         "03 88 22 14 90"},
    };
    for (const auto& f : fournisseurs)
        d.fiche(Sorte::Fournisseurs, {{F::Nom, f[0]},
                                      {F::Famille, f[1]},
                                      {F::Adresse1, f[2]},
                                      {F::CodePostal, f[3]},
                                      {F::Ville, f[4]},
                                      {F::Pays, "France"},
                                      {F::Telephone, f[5]}});

    namespace A = ligneArticle;
    // Code, family, designation, supplier, supplier's reference, purchase price, coefficient,
    // stock, minimum stock.
    const char* const articles[][9] = {
        {"RAM80", "Papier", "Ramette papier A4 80 g", "Papiers de France", "PF-A4-80", "3,20",
         "1,6", "240", "50"},
        {"RAM90", "Papier", "Ramette papier A4 90 g couleur", "Papiers de France", "PF-A4-90C",
         "5,10", "1,6", "60", "20"},
        {"ENVC5", "Papier", "Enveloppes C5, boîte de 500", "Papiers de France", "PF-C5-500",
         "18,40", "1,5", "12", "5"},
        {"STYBL", "Écriture", "Stylo bille bleu", "Bureau Pro Distribution", "BP-1021", "0,35",
         "2,2", "500", "100"},
        {"SURL4", "Écriture", "Surligneurs, pochette de 4", "Bureau Pro Distribution", "BP-2240",
         "2,10", "2", "80", "20"},
        {"CLA50", "Classement", "Classeur A4 dos 50 mm", "Bureau Pro Distribution", "BP-3350",
         "1,90", "2", "150", "40"},
        {"AGRAF", "Classement", "Agrafeuse de bureau", "Bureau Pro Distribution", "BP-4100", "7,50",
         "1,8", "8", "10"},
        {"TONER", "Informatique", "Cartouche de toner noir", "Encres et Toners", "ET-TN2420",
         "38,00", "1,4", "14", "5"},
        {"CLEUSB", "Informatique", "Clé USB 32 Go", "Encres et Toners", "ET-USB32", "6,20", "1,9",
         "3", "10"},
    };
    for (const auto& a : articles)
        d.fiche(Sorte::Articles, {{A::Code, a[0]},
                                  {A::Famille, a[1]},
                                  {A::Designation, a[2]},
                                  {A::Fournisseur, a[3]},
                                  {A::Reference, a[4]},
                                  {A::Tva, "1"},
                                  {A::PrixAchat, a[5]},
                                  {A::Coefficient, a[6]},
                                  {A::StockReel, a[7]},
                                  {A::StockMini, a[8]}});

    // A year of invoices, some each month, validated; then December's documents.
    const QString facture = u("Facture");
    const char* const refs[] = {"RAM80", "STYBL", "CLA50", "SURL4", "TONER", "ENVC5", "RAM90"};
    for (int mois = 1; mois <= 11; ++mois) {
        for (int n = 0; n < 1 + mois % 3; ++n) {
            d.jour = QDate(2026, mois, 3 + 8 * n);
            const int client = (mois * 3 + n) % 8;
            const QByteArray q1 = QByteArray::number(5 + (mois * 7 + n * 3) % 20);
            const QByteArray q2 = QByteArray::number(2 + (mois + n) % 6);
            d.document(
                Sorte::Clients, client, Sorte::Factures, facture,
                {{refs[mois % 7], q1.constData()}, {refs[(mois + n + 2) % 7], q2.constData()}},
                true);
        }
    }
    d.jour = QDate(2026, 12, 1);
    d.document(Sorte::Clients, 1, Sorte::Factures, facture,
               {{"RAM80", "40"}, {"ENVC5", "2"}, {"CLA50", "25"}, {"STYBL", "100"}, {"TONER", "2"}},
               true);
    d.jour = QDate(2026, 12, 2);
    d.document(Sorte::Clients, 0, Sorte::Factures, facture,
               {{"RAM80", "5"}, {"SURL4", "2"}, {"AGRAF", "1"}}, true);
    d.jour = QDate(2026, 12, 3);
    d.document(Sorte::Clients, 2, Sorte::Factures, PageFactures::genres().value(1),
               {{"RAM80", "30"}, {"RAM90", "10"}, {"STYBL", "200"}, {"CLA50", "60"}}, false,
               "Devis valable un mois");
    d.document(Sorte::Clients, 0, Sorte::Factures, PageFactures::genres().value(2),
               {{"AGRAF", "-1"}}, false, "Retour de l'agrafeuse de la facture 202612002");
    d.jour = QDate(2026, 12, 4);
    d.document(Sorte::Clients, 3, Sorte::Factures, facture,
               {{"RAM80", "10"}, {"STYBL", "50"}, {"SURL4", "6"}, {"CLEUSB", "2"}}, false);

    // Orders to the suppliers: one received, one still to send.
    d.jour = QDate(2026, 11, 20);
    d.document(Sorte::Fournisseurs, 0, Sorte::Commandes, QString(),
               {{"PF-A4-80", "200"}, {"PF-C5-500", "10"}}, true);
    d.jour = QDate(2026, 12, 4);
    d.document(Sorte::Fournisseurs, 2, Sorte::Commandes, QString(),
               {{"ET-USB32", "20"}, {"ET-TN2420", "6"}}, false);

    d.fenetre.montre(Sorte::Clients);
    d.fenetre.page(Sorte::Clients)->navigue(Pas::Premier);
    const QString nom = dossier + QStringLiteral("/Dupont.cli");
    if (Resultat r = d.jeu.Sauve(nom); !r) {
        QTextStream(stderr) << r.message() << '\n';
        return 1;
    }
    for (const QString& e : d.reglages.sauveALaFin(dossier, nom))
        QTextStream(stderr) << e << '\n';
    for (const QString& vu : d.dialogues.vus)
        QTextStream(stderr) << vu << '\n';
    QTextStream(stdout) << nom << '\n';
    return 0;
}
