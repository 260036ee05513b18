// Timings on a generated full-size document set, each against a baseline measured in the same
// run. Every figure is the best of several runs.
#include "generateur.h"

#include "app/fenetrefiche.h"
#include "clients/impressionclients.h"
#include "records/cadre.h"
#include "reports/fec.h"
#include "reports/journal.h"
#include "reports/statistiques.h"
#include "stock/impressionstock.h"
#include "store/fichiertexte.h"
#include "store/jeudocuments.h"
#include "store/maintenance.h"
#include "support/dialoguesfactices.h"
#include "support/mesurefixe.h"
#include "tools/rtf.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numeric>
#include <random>
#include <vector>

using namespace zel;

namespace {

double mesure(const std::function<void()>& travail, int essais = 5) {
    double meilleur = 1e300;
    for (int i = 0; i < essais; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        travail();
        const std::chrono::duration<double, std::milli> duree =
            std::chrono::steady_clock::now() - debut;
        meilleur = std::min(meilleur, duree.count());
    }
    return meilleur;
}

const char* const kExtensions[] = {"cli", "fct", "frs", "stk", "cmd"};

QString fichierDe(const QString& dossier, const char* base, const char* ext) {
    return QDir(dossier).filePath(QLatin1String(base) + u'.' + QLatin1String(ext));
}

// Reading the five files and cutting them into lines, with nothing else.
std::size_t litBrut(const QString& dossier) {
    std::size_t lignes = 0;
    for (const char* ext : kExtensions) {
        QFile f(fichierDe(dossier, "Bench", ext));
        if (!f.open(QIODevice::ReadOnly))
            qFatal("lecture");
        const QByteArray octets = f.readAll();
        std::vector<QByteArray> decoupe;
        qsizetype debut = 0;
        for (qsizetype i = 0; i < octets.size(); ++i) {
            if (octets[i] == '\n') {
                decoupe.push_back(octets.mid(debut, i - debut - 1));
                debut = i + 1;
            }
        }
        lignes += decoupe.size();
    }
    return lignes;
}

void ligne(const char* quoi, double ms, double base, const char* baseNom, double cible) {
    std::printf("%-44s %9.2f ms   %5.2f x %s%s\n", quoi, ms, ms / base, baseNom,
                ms / base <= cible ? "" : "   (au-dessus de la cible)");
}

// The integrity check and the duplicate removal of the load, on every store of the set.
double mesureMaintenance(JeuDocuments& jeu) {
    return mesure([&] {
        for (Sorte sorte : kToutesSortes) {
            int compte = jeu.compte(sorte);
            if (maintenance::Verif(jeu.store(sorte), compte))
                qFatal("Verif");
            maintenance::Doublons(jeu.store(sorte), compte);
        }
    });
}

struct Figures {
    double maintenance = 0;
    double parcours = 0;
    double recherches = 0;
    // The client blocks the searches compare, one after another from the first to the one
    // found.
    long long examines = 0;
    int arrets = 0;
    double alertes = 0;
    int enAlerte = 0;
    double factures = 0;
    double recalcul = 0;
};

// A browse of the page's selection from its first record to its last: the records stopped at.
int parcourt(PageCarte& page) {
    page.navigue(Pas::Premier);
    int arrets = 0;
    for (int avant = -1; avant != page.courant(); ++arrets) {
        avant = page.courant();
        page.navigue(Pas::Suivant);
    }
    return arrets;
}

// The pages on a loaded set: a browse of one postal code from its first client to its last,
// 1000 name searches of clients drawn at random, a browse of the articles in stock alert,
// every invoice read with its totals, and every article's prices recalculated.
Figures mesureClients(JeuDocuments& jeu) {
    Reglages reglages;
    test::DialoguesFactices dialogues;
    const test::MesureFixe largeurs;
    FenetreFiche fenetre(jeu, reglages, dialogues, largeurs);
    fenetre.apresOuverture();
    PageClients& page = fenetre.clients();
    Figures f;
    f.maintenance = mesureMaintenance(jeu);

    dialogues.saisies.push_back(QStringLiteral("75011"));
    page.SetSel(SelectionClient::CodePostal);
    f.parcours = mesure([&] { f.arrets = parcourt(page); });

    const int compte = jeu.compte(Sorte::Clients);
    std::mt19937 alea(11);
    std::vector<int> cherches(1000);
    for (int& n : cherches) {
        n = int(alea() % unsigned(compte));
        f.examines += n + 1;
    }
    f.recherches = mesure([&] {
        for (int n : cherches)
            dialogues.saisies.push_back(
                QStringLiteral("CLIENT %1").arg(n, 4, 10, QLatin1Char('0')));
        for (std::size_t i = 0; i < cherches.size(); ++i)
            page.RechNom();
    });
    if (page.courant() != cherches.back())
        qFatal("RechNom");

    fenetre.montre(Sorte::Articles);
    fenetre.articles().SetArt(SelectionArticle::Alerte);
    f.alertes = mesure([&] { f.enAlerte = parcourt(fenetre.articles()); });

    // Every invoice read one after another, each with its totals, as the statistics will.
    PageFactures& factures = fenetre.factures();
    f.factures = mesure(
        [&] {
            for (int n = 0; n < jeu.compte(Sorte::Factures); ++n) {
                jeu.setCourant(Sorte::Factures, n);
                factures.Lit();
            }
        },
        3);

    // Every article's prices recalculated, the rates changed before each run so that each run
    // rewrites them.
    fenetre.montre(Sorte::Articles);
    int essai = 0;
    f.recalcul = mesure([&] {
        reglages.ini.tauxTva[0] = 19.6 + ++essai;
        dialogues.confirmations.push_back(true);
        fenetre.articles().Recalc();
        if (!dialogues.confirmations.empty() || !jeu.TestModif())
            qFatal("Recalc");
    });
    return f;
}

// The printer as the prints see it, an A4 sheet at 1200 dots an inch turned in landscape as a
// printer is, counting what is drawn instead of painting it: the benchmark builds without
// widgets, and what it measures is the prints' own work (the range, the blocks read through the
// index, the page loop).
class CanevasCompteur : public Canevas {
public:
    int pages = 0;
    long long textes = 0;

    void orientation(Orientation o) override { m_paysage = o == Orientation::Paysage; }
    void debutDocument() override { pages = 1; }
    void finDocument() override {}
    void nouvellePage() override { ++pages; }
    int largeurPage() const override { return int(largeurMm() * kPointsParMm); }
    int hauteurPage() const override { return int(hauteurMm() * kPointsParMm); }
    double largeurMm() const override { return m_paysage ? 297 : 210; }
    double hauteurMm() const override { return m_paysage ? 210 : 297; }
    void police(const QString&, double, bool, bool) override {}
    void deplace(int, int) override {}
    void ligneVers(int, int) override {}
    void epaisseurPlume(int) override {}
    void couleurPinceau(std::uint32_t) override {}
    void rectangle(int, int, int, int) override {}

protected:
    void dessineTexte(int, int, const QString&) override { ++textes; }
    int mesureTexte(const QString& s) const override { return 100 * int(s.size()); }

private:
    static constexpr double kPointsParMm = 1200 / 25.4;
    bool m_paysage = false;
};

struct Impressions {
    double liste = 0;
    int pagesListe = 0;
    double inventaire = 0;
    int pagesInventaire = 0;
};

// The client list and the inventory of every record, the range chosen as the user would.
Impressions mesureImpressions(JeuDocuments& jeu) {
    Impressions f;
    const auto plage = [&jeu](Sorte sorte) {
        return blocsDeLaPlage(jeu.store(sorte), jeu.compte(sorte), 1, jeu.compte(sorte));
    };
    f.liste = mesure([&] {
        CanevasCompteur c;
        ImpCli(c, jeu.BlocsCli(), plage(Sorte::Clients));
        f.pagesListe = c.pages;
    });
    f.inventaire = mesure([&] {
        CanevasCompteur c;
        const BilanInventaire b = Inventaire(c, jeu.BlocsArt(), plage(Sorte::Articles),
                                             QStringLiteral("0.00"), QDate(2026, 12, 6));
        if (!b.illisibles.isEmpty())
            qFatal("Inventaire");
        f.pagesInventaire = c.pages;
    });
    return f;
}

struct FiguresEchanges {
    double import = 0;
    double lecture = 0;
    double tri = 0;
};

// An import of `lignes` client lines into an empty set (against reading and cutting the same
// file), and the sort by name of the clients of a loaded set, shuffled first by a sort by town.
FiguresEchanges mesureEchanges(JeuDocuments& jeu, int lignes) {
    FiguresEchanges f;
    QTemporaryDir dossier;
    const QString nom = QDir(dossier.path()).filePath(QStringLiteral("import.txt"));
    {
        QByteArray octets;
        for (int n = 0; n < lignes; ++n)
            octets += QStringLiteral("Client %1\t%2 rue de la Gare\t\t75011\tParis\t01020304\t\r\n")
                          .arg(n)
                          .arg(n % 100)
                          .toLatin1();
        QFile f(nom);
        if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
            qFatal("import");
    }
    f.lecture = mesure([&] {
        QStringList l;
        if (!fichier::lire(nom, l) || l.size() != lignes)
            qFatal("lecture");
    });
    Reglages reglages;
    test::DialoguesFactices dialogues;
    const test::MesureFixe largeurs;
    {
        JeuDocuments vide;
        FenetreFiche fenetre(vide, reglages, dialogues, largeurs);
        f.import = mesure([&] {
            vide.Nouveau();
            dialogues.fichiers = {nom};
            fenetre.execute(Operation::Importer);
        });
        if (vide.compte(Sorte::Clients) != std::min(lignes, Importation::kCompteMaxi))
            qFatal("Importer");
    }
    FenetreFiche fenetre(jeu, reglages, dialogues, largeurs);
    fenetre.apresOuverture();
    dialogues.choix = {2};
    fenetre.execute(Operation::Trier);
    const QStringList melange = jeu.BlocsCli().lignes();
    f.tri = mesure([&] {
        jeu.BlocsCli().remplaceTout(melange);
        dialogues.choix = {0};
        fenetre.execute(Operation::Trier);
    });
    if (jeu.BlocsCli().contenuBloc(0).value(ligneClient::Nom - 1) != QStringLiteral("Client 0000"))
        qFatal("Trier");
    return f;
}

struct FiguresCommandes {
    double saisie = 0;
    double sauve = 0;
    double liste = 0;
    std::size_t entrees = 0;
};

// Orders typed one after another as a user does: "Créer", the supplier code, ten lines each
// ended with Enter, "Valider" (which writes the order, posts it to its supplier and adds its
// stock), on the full set whose orders are emptied first; then the set saved and the list of
// every order.
FiguresCommandes mesureCommandes(const QString& fichierClients, int nombre) {
    namespace C = colonne;
    // The folder the set is saved to outlives the set, which holds its lock until the end.
    QTemporaryDir copie;
    JeuDocuments jeu;
    if (!jeu.Charge(fichierClients))
        qFatal("Charge");
    Reglages reglages;
    test::DialoguesFactices dialogues;
    const test::MesureFixe largeurs;
    FenetreFiche fenetre(jeu, reglages, dialogues, largeurs);
    fenetre.apresOuverture();
    jeu.BlocsCmd().vide();
    jeu.setCompte(Sorte::Commandes, 0);
    // Each article gets a supplier reference of its own.
    Blocs& articles = jeu.BlocsArt();
    std::vector<LigneOuverture> ouvertures(articles.ouvertures().begin(),
                                           articles.ouvertures().end());
    for (const LigneOuverture& o : ouvertures)
        articles.changeLigne(o.position + ligneArticle::Reference,
                             QStringLiteral("R%1").arg(o.numero));
    fenetre.montre(Sorte::Commandes);
    PageCommandes& page = fenetre.commandes();
    page.Charge();
    FiguresCommandes f;
    f.saisie = mesure(
        [&] {
            for (int i = 0; i < nombre; ++i) {
                page.Creer();
                Document& d = page.document();
                d.tiers = QString::number(10001 + i % Blocs::kCapacite);
                for (int r = 1; r <= 10; ++r) {
                    d.ligne(r)[C::Ref] = QStringLiteral("R%1").arg((i * 10 + r) % Blocs::kCapacite);
                    d.ligne(r)[C::Quantite] = QStringLiteral("1");
                    d.ligne(r)[C::Prix] = QStringLiteral("4,00");
                    page.finDeLigne(r);
                }
                page.Valider();
                if (!d.valide)
                    qFatal("Valider");
            }
        },
        1);
    if (jeu.compte(Sorte::Commandes) != nombre)
        qFatal("compte des commandes");
    f.sauve = mesure(
        [&] {
            if (!jeu.Sauve(QDir(copie.path()).filePath(QStringLiteral("Copie.cli"))))
                qFatal("Sauve");
        },
        1);
    f.liste = mesure([&] { f.entrees = page.entreesListe().size(); });
    return f;
}

void compare(const char* quoi, double petit, double grand) {
    const double rapport = grand / petit;
    std::printf("%-44s %9.2f ms %9.2f ms   %5.2f%s\n", quoi, petit, grand, rapport,
                rapport <= 6.0 ? "" : "   (croissance plus que lineaire)");
}

// A letter of so many formatted paragraphs: the times to write it as RTF and to read it back.
std::pair<double, double> mesureRtf(int paragraphes) {
    outils::rtf::Document d;
    outils::rtf::Format gras;
    gras.police = QStringLiteral("Times New Roman");
    gras.gras = true;
    outils::rtf::Format italique = gras;
    italique.gras = false;
    italique.italique = true;
    italique.couleur = 0x0000FF;
    for (int i = 0; i < paragraphes; ++i) {
        outils::rtf::Paragraphe p;
        p.puce = i % 3 == 0;
        p.ajoute(QStringLiteral("Article %1 : ").arg(i), gras);
        p.ajoute(QStringLiteral("livré le 7 décembre, 1 250,00 € l'unité, Ω {remise}"), italique);
        d.paragraphes.push_back(std::move(p));
    }
    QByteArray octets;
    const double ecriture = mesure([&] { octets = outils::rtf::ecrit(d); });
    const double lecture = mesure([&] {
        if (outils::rtf::lit(octets) != d)
            qFatal("RTF");
    });
    return {ecriture, lecture};
}

} // namespace

// The four statistics, each reading every document from its block.
std::array<double, 4> mesureStatistiques(const JeuDocuments& jeu) {
    const Reglages reglages;
    test::DialoguesFactices dialogues;
    std::size_t rangees = 0;
    std::array<double, 4> f{};
    std::size_t i = 0;
    for (Statistique calcul : {&StatsArt, &StatsVentes, &StatsCli, &StatsRepresentant})
        f[i++] = mesure([&] { rangees += calcul(jeu, reglages, dialogues).rangees.size(); }, 3);
    if (rangees == 0)
        qFatal("Statistiques");
    return f;
}

struct FiguresJournal {
    double journal = 0;
    double texte = 0;
    double fec = 0;
    int ecritures = 0;
};

// The journal of every sale, its text export (every row, as the window exports them), and the
// FEC text of the two financial years the set spans (every entry), in a set kept in francs.
FiguresJournal mesureJournal(const JeuDocuments& jeu) {
    const Reglages reglages;
    test::DialoguesFactices dialogues;
    FiguresJournal f;
    Journal j;
    f.journal = mesure([&] { j = journal(jeu, reglages, dialogues, QDate(2026, 12, 6)); }, 3);
    const std::vector<const Piece*> toutes = entre(j, j.du, j.au);
    qsizetype lignes = 0;
    f.texte = mesure([&] { lignes = lignesExport(j, toutes).size(); }, 3);
    f.fec = mesure(
        [&] {
            f.ecritures = 0;
            for (const int annee : {2025, 2026}) {
                FichierFec fec;
                if (!fichierFec(j, QStringLiteral("552100554"), QDate(annee, 12, 31), fec))
                    qFatal("FEC");
                f.ecritures += fec.ecritures;
            }
        },
        3);
    if (lignes != qsizetype(toutes.size()) * 3 || f.ecritures != int(toutes.size()))
        qFatal("Journal");
    return f;
}

int main() {
    // ZEL_BENCH_JEU=folder: only writes the full generated set there ("Bench.cli"), to try it.
    if (const QString garde = qEnvironmentVariable("ZEL_BENCH_JEU"); !garde.isEmpty()) {
        std::printf("%s\n", qPrintable(bench::genereJeu(garde, Blocs::kCapacite)));
        return 0;
    }
    QTemporaryDir dossier;
    const int parSorte = Blocs::kCapacite;
    const QString clients = bench::genereJeu(dossier.path(), parSorte);
    // ZEL_BENCH_COMMANDES=n: only the orders, n of them (for a profiler).
    if (const int n = qEnvironmentVariableIntValue("ZEL_BENCH_COMMANDES"); n > 0) {
        const FiguresCommandes f = mesureCommandes(clients, n);
        std::printf("%d commandes : %.2f ms (%.3f ms par commande)\n", n, f.saisie, f.saisie / n);
        return 0;
    }
    // ZEL_BENCH_STATISTIQUES=1: only the statistics and the journal on the full set.
    if (qEnvironmentVariableIntValue("ZEL_BENCH_STATISTIQUES") > 0) {
        JeuDocuments jeu;
        if (!jeu.Charge(clients))
            qFatal("Charge");
        const double brut = mesure([&] { litBrut(dossier.path()); });
        std::printf("lecture brute %.2f ms\n", brut);
        for (double f : mesureStatistiques(jeu))
            std::printf("%.2f ms   %.2f\n", f, f / brut);
        const FiguresJournal j = mesureJournal(jeu);
        for (double f : {j.journal, j.texte, j.fec})
            std::printf("%.2f ms   %.2f\n", f, f / brut);
        return 0;
    }
    qint64 octetsTotal = 0;
    std::vector<QByteArray> contenus;
    for (const char* ext : kExtensions) {
        QFile f(fichierDe(dossier.path(), "Bench", ext));
        f.open(QIODevice::ReadOnly);
        contenus.push_back(f.readAll());
        octetsTotal += contenus.back().size();
    }

    JeuDocuments jeu;
    std::size_t lignes = 0;
    const double brut = mesure([&] { lignes = litBrut(dossier.path()); });
    std::printf("Jeu de documents : %d fiches de chaque sorte, %zu lignes, %.1f Mo\n\n", parSorte,
                lignes, double(octetsTotal) / 1e6);
    std::printf("%-44s %9.2f ms\n", "Lecture brute (lire et couper en lignes)", brut);
    const double charge = mesure([&] {
        if (!jeu.Charge(clients))
            qFatal("Charge");
    });
    ligne("Charge", charge, brut, "lecture brute", 3.0);

    const QString copie = fichierDe(dossier.path(), "Copie", "cli");
    const double ecritureBrute = mesure([&] {
        for (std::size_t i = 0; i < contenus.size(); ++i) {
            QFile f(fichierDe(dossier.path(), "Brut", kExtensions[i]));
            f.open(QIODevice::WriteOnly);
            f.write(contenus[i]);
        }
    });
    std::printf("%-44s %9.2f ms\n", "Ecriture brute des memes octets (QFile)", ecritureBrute);
    const double ecritureSure = mesure([&] {
        for (std::size_t i = 0; i < contenus.size(); ++i) {
            QSaveFile f(fichierDe(dossier.path(), "Sure", kExtensions[i]));
            f.open(QIODevice::WriteOnly);
            f.write(contenus[i]);
            f.commit();
        }
    });
    std::printf("%-44s %9.2f ms\n", "Ecriture sure des memes octets (QSaveFile)", ecritureSure);
    const double sauve = mesure([&] {
        jeu.SetSauve();
        if (!jeu.Sauve(copie))
            qFatal("Sauve");
    });
    std::printf("%-44s %9.2f ms   %5.2f x ecriture brute\n", "Sauve", sauve, sauve / ecritureBrute);
    ligne("Sauve", sauve, ecritureSure, "ecriture sure", 3.0);

    std::vector<int> ordre(parSorte);
    std::iota(ordre.begin(), ordre.end(), 0);
    std::shuffle(ordre.begin(), ordre.end(), std::mt19937(7));
    long long somme = 0;
    const double recherches = mesure([&] {
        jeu.BlocsFact().changeLigne(0, jeu.BlocsFact().ligne(0)); // the index is rebuilt first
        for (int n : ordre)
            somme += jeu.BlocsFact().ChercheBloc(n);
    });
    std::printf("%-44s %9.2f ms   (cible : moins de 5 ms)%s\n",
                "9999 ChercheBloc au hasard (index refait)", recherches,
                recherches < 5.0 ? "" : "   (au-dessus de la cible)");
    const double seules = mesure([&] {
        for (int n : ordre)
            somme += jeu.BlocsFact().ChercheBloc(n);
    });
    std::printf("%-44s %9.2f ms\n", "9999 ChercheBloc au hasard (index a jour)", seules);

    const double maintenanceComplete = mesureMaintenance(jeu);
    std::printf("\n");
    ligne("Verif + Doublons sur les cinq fichiers", maintenanceComplete, brut, "lecture brute",
          1.0);

    // The same client figures on a quarter of the records: linear work grows about four times.
    QTemporaryDir dossierQuart;
    JeuDocuments quart;
    if (!quart.Charge(bench::genereJeu(dossierQuart.path(), 2500)))
        qFatal("Charge");
    const Figures petit = mesureClients(quart);
    const Figures grand = mesureClients(jeu);
    std::printf("\n%-44s %12s %12s   %s\n", "", "2500 fiches", "9999 fiches", "rapport");
    compare("Verif + Doublons sur les cinq fichiers", petit.maintenance, grand.maintenance);
    compare("Parcours d'un code postal (premier a dernier)", petit.parcours, grand.parcours);
    compare("1000 recherches par nom", petit.recherches, grand.recherches);
    std::printf("  (%lld puis %lld fiches comparees, rapport %.2f : %.1f puis %.1f ns par "
                "fiche, la fiche de 9999 clients ne tenant plus dans le cache)\n",
                petit.examines, grand.examines, double(grand.examines) / double(petit.examines),
                petit.recherches * 1e6 / double(petit.examines),
                grand.recherches * 1e6 / double(grand.examines));
    compare("Parcours du stock en alerte", petit.alertes, grand.alertes);
    compare("Lecture de toutes les factures (LitFact)", petit.factures, grand.factures);
    compare("Recalcul des prix de tous les articles", petit.recalcul, grand.recalcul);
    std::printf("(le parcours s'arrete sur %d puis %d clients, %d puis %d articles en alerte)\n",
                petit.arrets, grand.arrets, petit.enAlerte, grand.enAlerte);

    const double brutQuart = mesure([&] { litBrut(dossierQuart.path()); });
    const std::array<double, 4> statsPetit = mesureStatistiques(quart);
    const std::array<double, 4> statsGrand = mesureStatistiques(jeu);
    const FiguresJournal journalPetit = mesureJournal(quart);
    const FiguresJournal journalGrand = mesureJournal(jeu);
    std::printf("\nStatistiques et journal, chaque document lu de son bloc ; rapport a la lecture "
                "brute du jeu de meme taille (%.2f ms puis %.2f ms) :\n",
                brutQuart, brut);
    std::printf("%-44s %12s %12s   %s  %s\n", "", "2500 fiches", "9999 fiches", "rapport",
                "/ lecture brute");
    const auto rangee = [&](const char* nom, double petit, double grand, double cible) {
        const double rapport = grand / petit;
        std::printf("%-44s %9.2f ms %9.2f ms   %5.2f   %4.2f puis %4.2f%s%s\n", nom, petit, grand,
                    rapport, petit / brutQuart, grand / brut,
                    rapport <= 6.0 ? "" : "   (croissance plus que lineaire)",
                    grand / brut <= cible ? "" : "   (au-dessus de la cible)");
    };
    const char* noms[] = {"Statistiques articles", "Statistiques ventes", "Statistiques clients",
                          "Statistiques representants"};
    for (std::size_t i = 0; i < statsPetit.size(); ++i)
        rangee(noms[i], statsPetit[i], statsGrand[i], 0.6);
    rangee("Journal comptable", journalPetit.journal, journalGrand.journal, 0.5);
    rangee("  export texte du journal", journalPetit.texte, journalGrand.texte, 0.5);
    rangee("  texte du FEC (deux exercices)", journalPetit.fec, journalGrand.fec, 0.5);
    std::printf("(cibles : 0,6 de la lecture brute pour les statistiques, 0,5 pour le journal, "
                "son export et le FEC ; %d puis %d ecritures)\n",
                journalPetit.ecritures, journalGrand.ecritures);

    const FiguresEchanges echPetit = mesureEchanges(quart, 2500);
    const FiguresEchanges echGrand = mesureEchanges(jeu, 9998);
    std::printf("\nImport, export et tri :\n");
    compare("Import de lignes clients (Importer)", echPetit.import, echGrand.import);
    compare("  lecture seule du meme fichier", echPetit.lecture, echGrand.lecture);
    compare("Tri des clients par nom (Trier)", echPetit.tri, echGrand.tri);
    std::printf("(cibles a 9999 : import sous 200 ms, tri sous 300 ms%s%s ; un tri n log n "
                "grandit d'environ %.1f fois)\n",
                echGrand.import < 200 ? "" : ", import AU-DESSUS",
                echGrand.tri < 300 ? "" : ", tri AU-DESSUS",
                9999 * std::log2(9999.0) / (2500 * std::log2(2500.0)));

    const Impressions impPetit = mesureImpressions(quart);
    const Impressions impGrand = mesureImpressions(jeu);
    std::printf("\nImpressions sur un canevas qui compte (sans widgets ni peinture) :\n");
    compare("Liste des clients (ImpCli)", impPetit.liste, impGrand.liste);
    compare("Inventaire des articles", impPetit.inventaire, impGrand.inventaire);
    std::printf("(liste : %d puis %d pages ; inventaire : %d puis %d pages)\n", impPetit.pagesListe,
                impGrand.pagesListe, impPetit.pagesInventaire, impGrand.pagesInventaire);

    const FiguresCommandes cmdPetit = mesureCommandes(clients, 2500);
    const FiguresCommandes cmdGrand = mesureCommandes(clients, Blocs::kCapacite);
    std::printf("\nCommandes saisies une a une (10 lignes, Valider), sur 9999 articles et "
                "fournisseurs :\n");
    compare("Creer + 10 lignes + Valider, toutes", cmdPetit.saisie, cmdGrand.saisie);
    std::printf("%-44s %9.3f ms %9.3f ms\n", "  soit par commande", cmdPetit.saisie / 2500,
                cmdGrand.saisie / Blocs::kCapacite);
    compare("Sauve du jeu ensuite", cmdPetit.sauve, cmdGrand.sauve);
    compare("Liste des commandes (ListCmd)", cmdPetit.liste, cmdGrand.liste);
    std::printf("(liste : %zu puis %zu entrees)\n", cmdPetit.entrees, cmdGrand.entrees);
    const auto [ecritPetit, litPetit] = mesureRtf(2500);
    const auto [ecritGrand, litGrand] = mesureRtf(10000);
    std::printf("\nLettre en RTF (2500 puis 10000 paragraphes mis en forme) :\n");
    compare("Ecriture RTF", ecritPetit, ecritGrand);
    compare("Lecture RTF", litPetit, litGrand);
    return somme == 0 ? 1 : 0;
}
