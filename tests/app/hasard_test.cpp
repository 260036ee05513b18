// Long random runs of what a user does on the pages (adding, typing nasty texts, browsing,
// deleting, writing and validating invoices, refusing prompts, saving, loading again, opening
// another set), checking after every step that the stored data are whole. Seeded, so that a
// failure is replayed by its seed and step; ZEL_PAS_HASARD sets the number of steps (make soak).

#include "store/codepage.h"
#include "store/fichiertexte.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>

namespace {

using namespace zel;
namespace LC = ligneClient;
namespace LA = ligneArticle;
namespace LF = ligneFournisseur;
namespace C = colonne;

using zel::test::s;

constexpr std::array<Sorte, 4> kOnglets = {Sorte::Clients, Sorte::Factures, Sorte::Fournisseurs,
                                           Sorte::Articles};

class Joueur {
public:
    explicit Joueur(unsigned graine) : m_alea(graine) {
        for (int octet = 0x20; octet < 0x100; ++octet) {
            const char c = char(octet);
            m_cp1252 += cp1252::decode(&c, 1);
        }
        m.charge({});
        m_nomAutre = m.dossier.chemin(s("autre.cli"));
    }

    void joue(int pas) {
        for (m_pas = 0; m_pas < pas; ++m_pas) {
            m.dialogues.vus.clear();
            m.dialogues.confirmations.clear();
            for (int i = 0; i < 3; ++i)
                m.dialogues.confirmations.push_back(tire(2) == 0);
            // Now and then the user starts a new set, so that long runs keep sets of a
            // working size.
            if (m_pas % 4000 == 3999) {
                m.jeu.Nouveau();
                m.fenetre.apresOuverture();
                recommence();
            }
            action();
            if (qEnvironmentVariableIsSet("ZEL_TRACE_HASARD"))
                qInfo("%d %s onglet %d factures %d/%d courant %d", m_pas, m_derniere,
                      int(m.fenetre.onglet()), m.jeu.compte(Sorte::Factures),
                      int(m.jeu.BlocsFact().ouvertures().size()), m.jeu.courant(Sorte::Factures));
            verifie();
            if (::testing::Test::HasFatalFailure() || ::testing::Test::HasFailure()) {
                ADD_FAILURE() << "seed step " << m_pas << ": " << m_derniere;
                return;
            }
        }
        // What the run went through, so that a run that tried nothing is seen.
        EXPECT_GT(m_validees, 0);
        EXPECT_GT(m_sauvegardes, 0);
        std::printf("%d pas, %d factures validées, %d enregistrements relus\n", pas, m_validees,
                    m_sauvegardes);
    }

private:
    int tire(int n) { return int(m_alea() % unsigned(n)); }

    QString texteMechant() {
        switch (tire(9)) {
        case 0:
            return s("12 rue\nLyon");
        case 1:
            return s("a\tb");
        case 2:
            return s("<BLOC0001>");
        case 3:
            return s("</bloc0000>");
        case 4:
            return QString(300, u'x');
        case 5:
            return s("x→y");
        case 6: {
            QString t;
            for (int i = tire(12); i > 0; --i)
                t += m_cp1252[tire(int(m_cp1252.size()))];
            return t;
        }
        case 7:
            return QString();
        default:
            return s("Dupont ") + QString::number(tire(100));
        }
    }

    QString codeAuHasard(Sorte sorte) {
        const Blocs& b = m.jeu.store(sorte);
        const auto ouvertures = b.ouvertures();
        if (ouvertures.empty() || tire(8) == 0)
            return s("X") + QString::number(tire(10));
        return ligneApres(b, ouvertures[std::size_t(tire(int(ouvertures.size())))].position, 1)
            .trimmed()
            .toString();
    }

    void action() {
        FenetreFiche& f = m.fenetre;
        const int choix = tire(100);
        if (choix < 8) {
            m_derniere = "montre";
            f.montre(kOnglets[std::size_t(tire(4))]);
        } else if (choix < 16) {
            m_derniere = "navigue";
            f.execute(std::array{Operation::Premier, Operation::Precedent, Operation::Suivant,
                                 Operation::Dernier}[std::size_t(tire(4))]);
        } else if (choix < 24) {
            m_derniere = "ajout";
            if (f.onglet() == Sorte::Factures)
                f.execute(Operation::NouvFact);
            else
                f.execute(Operation::Ajout);
        } else if (choix < 50) {
            m_derniere = "saisie";
            saisit();
        } else if (choix < 54) {
            m_derniere = "supprime";
            f.execute(f.onglet() == Sorte::Factures ? Operation::SupFact : Operation::Supprime);
            oublieSupprimes();
        } else if (choix < 62) {
            m_derniere = "creer";
            if (f.onglet() == Sorte::Factures)
                f.factures().Creer();
        } else if (choix < 74) {
            m_derniere = "ligne";
            tapeLigne();
        } else if (choix < 82) {
            m_derniere = "valide";
            valide();
        } else if (choix < 90) {
            m_derniere = "sauve";
            sauveEtRelit();
        } else if (choix < 93) {
            m_derniere = "autre jeu";
            ouvreAutre();
        } else {
            m_derniere = "liste";
            m.dialogues.choix.push_back(tire(3));
            f.execute(Operation::Liste);
        }
    }

    void saisit() {
        FenetreFiche& f = m.fenetre;
        // The fields a user types into freely; stock and accounts move only by validation.
        switch (f.onglet()) {
        case Sorte::Clients:
            f.clients().carte().saisit(
                std::array{LC::Nom, LC::Adresse1, LC::Ville, LC::Telephone}[std::size_t(tire(4))],
                texteMechant());
            break;
        case Sorte::Fournisseurs:
            f.fournisseurs().carte().saisit(std::array{LF::Nom, LF::Adresse1}[std::size_t(tire(2))],
                                            texteMechant());
            break;
        case Sorte::Articles:
            f.articles().carte().saisit(LA::Designation, texteMechant());
            break;
        case Sorte::Factures:
            if (!f.factures().document().valide) {
                const QString t = texteMechant();
                if (f.factures().accepte(t)) {
                    f.factures().document().adresse[std::size_t(tire(4))] = t;
                    f.factures().marque();
                }
            }
            break;
        case Sorte::Commandes:
            break;
        }
    }

    void tapeLigne() {
        PageFactures& p = m.fenetre.factures();
        if (!m.fenetre.montre(Sorte::Factures) || p.document().valide)
            return;
        p.document().tiers = codeAuHasard(Sorte::Clients);
        const int rangee = std::min(p.document().lignesUtilisees + 1, Document::kLignes);
        ModeleLignes& modele = p.modele();
        modele.setData(modele.index(rangee - 1, C::Ref), codeAuHasard(Sorte::Articles));
        modele.setData(modele.index(rangee - 1, C::Quantite), QString::number(tire(5)));
        modele.setData(modele.index(rangee - 1, C::Designation), texteMechant());
        p.finDeLigne(rangee);
    }

    void valide() {
        PageFactures& p = m.fenetre.factures();
        if (!m.fenetre.montre(Sorte::Factures))
            return;
        const Document avant = p.document();
        p.Valider();
        const Document& d = p.document();
        if (avant.valide || !d.valide)
            return;
        ++m_validees;
        // What the validation must have done: one entry on the client's account, each
        // quantity out of the article named.
        // A full account says so and takes no entry.
        const bool plein = !m.dialogues.vus.filter(s("Le compte est plein")).isEmpty();
        if (const int client = chercheCode(Sorte::Clients, d.tiers); client >= 0 && !plein)
            ++m_ecritures[cleClient(client)][d.genre + u' ' + d.numero];
        for (int r = 1; r <= d.lignesUtilisees && r <= Document::kLignes; ++r) {
            const LigneDocument& l = d.lignes[std::size_t(r - 1)];
            const int a = chercheCode(Sorte::Articles, l[C::Ref]);
            if (a >= 0 && !l[C::Ref].isEmpty())
                m_stocks[cleArticle(a)] -= l[C::Quantite].trimmed().toDouble();
        }
    }

    // The first block whose code is the text, compared as validation compares it.
    int chercheCode(Sorte sorte, const QString& code) {
        const Blocs& b = m.jeu.store(sorte);
        for (const LigneOuverture& o : b.ouvertures()) {
            if (o.numero >= 0 && ligneApres(b, o.position, 1)
                                         .trimmed()
                                         .compare(code.trimmed(), Qt::CaseInsensitive) == 0)
                return o.position;
        }
        return -1;
    }
    QString cleClient(int ouverture) {
        return ligneApres(m.jeu.BlocsCli(), ouverture, 1).trimmed().toString().toUpper();
    }
    QString cleArticle(int ouverture) {
        return ligneApres(m.jeu.BlocsArt(), ouverture, 1).trimmed().toString().toUpper();
    }

    // A deleted client or article takes its expectations with it; so do two records that came
    // to share a code, which validation can no longer tell apart.
    void oublieSupprimes() {
        const auto garde = [this](Sorte sorte, auto& attendus) {
            std::map<QString, int> presents;
            const Blocs& b = m.jeu.store(sorte);
            for (const LigneOuverture& o : b.ouvertures())
                ++presents[ligneApres(b, o.position, 1).trimmed().toString().toUpper()];
            for (auto it = attendus.begin(); it != attendus.end();)
                it = presents[it->first] == 1 ? std::next(it) : attendus.erase(it);
        };
        garde(Sorte::Clients, m_ecritures);
        garde(Sorte::Articles, m_stocks);
    }

    void sauveEtRelit() {
        if (!m.jeu.quittePages())
            return;
        const QString nom = m.jeu.nomDocument().isEmpty() ? m.nom() : m.jeu.nomDocument();
        m.jeu.SetSauve();
        ASSERT_TRUE(m.jeu.Sauve(nom));
        ++m_sauvegardes;
        std::array<QStringList, kNombreSortes> avant;
        for (Sorte s : kToutesSortes)
            avant[std::size_t(indice(s))] = m.jeu.store(s).lignes();
        ASSERT_TRUE(m.jeu.Charge(nom));
        m.fenetre.apresOuverture();
        EXPECT_TRUE(m.dialogues.vus.filter(s("altérés")).isEmpty()) << "the load repaired";
        for (Sorte s : kToutesSortes)
            EXPECT_EQ(m.jeu.store(s).lignes(), avant[std::size_t(indice(s))])
                << "kind " << indice(s) << " changed through a save and a load";
        recommence();
    }

    void ouvreAutre() {
        if (!m.jeu.quittePages())
            return;
        if (!QFile::exists(m_nomAutre)) {
            QByteArray vide;
            ASSERT_TRUE(fichier::encodeLignes({}, vide));
            m.dossier.ecrit(s("autre.cli"), vide);
        }
        const QString ancien = m.jeu.nomDocument().isEmpty() ? m.nom() : m.jeu.nomDocument();
        m.jeu.SetSauve();
        ASSERT_TRUE(m.jeu.Sauve(ancien));
        ASSERT_TRUE(m.jeu.Charge(ancien == m_nomAutre ? m.nom() : m_nomAutre));
        m.fenetre.apresOuverture();
        recommence();
    }

    // After a load, the expectations start again from the stores as they are.
    void recommence() {
        m_ecritures.clear();
        m_stocks.clear();
        const Blocs& clients = m.jeu.BlocsCli();
        for (const LigneOuverture& o : clients.ouvertures()) {
            auto& e = m_ecritures[cleClient(o.position)];
            for (const QString& l : m.jeu.BlocsCli().contenuBloc(o.numero)) {
                if (l.startsWith(u"DATA"))
                    ++e[l.section(u'\t', 1, 1)];
            }
        }
        const Blocs& articles = m.jeu.BlocsArt();
        for (const LigneOuverture& o : articles.ouvertures())
            m_stocks[cleArticle(o.position)] =
                stock(ligneApres(articles, o.position, LA::StockReel));
        oublieSupprimes();
    }

    static double stock(QStringView texte) {
        return litNombre(texte.trimmed().toString()).value_or(0);
    }

    void verifie() {
        for (Sorte sorte : kToutesSortes) {
            const Blocs& b = m.jeu.store(sorte);
            // Balanced: every block opens and closes, numbers 0 to count - 1 without gap; the
            // last one may be a new record not written yet, counted from the moment it is
            // added.
            int blocs = 0;
            for (const LigneOuverture& o : b.ouvertures()) {
                ASSERT_GE(o.numero, 0) << "kind " << indice(sorte);
                ASSERT_TRUE(b.finBloc(o.numero, o.position).ferme) << "kind " << indice(sorte);
                ++blocs;
            }
            const int compte = m.jeu.compte(sorte);
            for (int n = 0; n < blocs; ++n)
                ASSERT_GE(b.ChercheBloc(n), 0) << "gap at " << n << " kind " << indice(sorte);
            const bool nouveauNonEcrit = blocs == compte - 1;
            const bool factureVide = sorte == Sorte::Factures && blocs == 0 && compte == 1;
            if (sorte != Sorte::Commandes) {
                ASSERT_TRUE(blocs == compte || nouveauNonEcrit || factureVide)
                    << "kind " << indice(sorte) << ": " << blocs << " blocks, count " << compte;
            }
            // Every line of a block is one line: no line break inside, no tag-like field.
            for (const QString& l : b.lignes())
                ASSERT_FALSE(l.contains(u'\n') || l.contains(u'\r'));
        }
        // Every card block reads into its card and writes back byte for byte.
        for (Sorte sorte : {Sorte::Clients, Sorte::Fournisseurs, Sorte::Articles}) {
            PageCarte* page = m.fenetre.page(sorte);
            const bool drapeau = m.jeu.carteModifiee(sorte);
            Carte lecteur(page->carte().disposition(), m.jeu, m.reglages.formatMontant, m.mesure,
                          m.dialogues);
            for (const LigneOuverture& o : m.jeu.store(sorte).ouvertures()) {
                lecteur.Lit(o.numero, QDate(2026, 12, 6));
                ASSERT_EQ(lecteur.Ecrit(), m.jeu.store(sorte).contenuBloc(o.numero))
                    << "kind " << indice(sorte) << " block " << o.numero;
            }
            m.jeu.setCarteModifiee(sorte, drapeau);
        }
        // Each client's account holds one entry per validated invoice; each article's stock
        // is its stock at load less the quantities validated.
        for (const auto& [client, ecritures] : m_ecritures) {
            const int o = chercheCode(Sorte::Clients, client);
            if (o < 0)
                continue;
            std::map<QString, int> trouvees;
            for (const QString& l :
                 m.jeu.BlocsCli().contenuBloc(Blocs::numeroBalise(m.jeu.BlocsCli().ligne(o), 5))) {
                if (l.startsWith(u"DATA"))
                    ++trouvees[l.section(u'\t', 1, 1)];
            }
            // The card shown may hold an entry not written back yet.
            if (m.fenetre.clients().carte().champ(LC::Code).trimmed().toUpper() == client)
                continue;
            ASSERT_TRUE(ecritures == trouvees) << "client " << client.toStdString();
        }
        for (const auto& [article, attendu] : m_stocks) {
            const int o = chercheCode(Sorte::Articles, article);
            if (o < 0)
                continue;
            ASSERT_NEAR(stock(ligneApres(m.jeu.BlocsArt(), o, LA::StockReel)), attendu, 1e-6)
                << "article " << article.toStdString();
        }
    }

    std::mt19937 m_alea;
    test::Montage m;
    QString m_cp1252;
    QString m_nomAutre;
    int m_pas = 0;
    int m_validees = 0;
    int m_sauvegardes = 0;
    const char* m_derniere = "";
    std::map<QString, std::map<QString, int>> m_ecritures;
    std::map<QString, double> m_stocks;
};

int pasDemandes() {
    const QByteArray v = qgetenv("ZEL_PAS_HASARD");
    return v.isEmpty() ? 3000 : v.toInt();
}

} // namespace

TEST(Hasard, LongRandomUseKeepsTheDataWhole) {
    const int pas = pasDemandes();
    for (unsigned graine : {1U, 2U, 3U}) {
        SCOPED_TRACE(::testing::Message() << "seed " << graine);
        Joueur joueur(graine);
        joueur.joue(pas / 3);
        if (::testing::Test::HasFailure())
            return;
    }
}
