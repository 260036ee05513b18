#include "app/lignecommande.h"

#include "records/sortie.h"
#include "reports/fec.h"
#include "reports/journal.h"
#include "reports/statistiques.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace zel {

namespace {

const QString kRemplacerSeul =
    QStringLiteral("--remplacer accompagne --pdf, --facturx, --journal, --fec, --statistiques ou "
                   "--exporter.");

LigneCommande erreurLigne(const QString& message) {
    LigneCommande l;
    l.action = LigneCommande::Action::Erreur;
    l.erreur = message;
    return l;
}

} // namespace

LigneCommande LigneCommande::analyse(const QStringList& tous) {
    LigneCommande l;
    QStringList arguments = tous;
    l.remplacer = arguments.removeAll(QStringLiteral("--remplacer")) > 0;
    if (arguments.isEmpty())
        return l.remplacer ? erreurLigne(kRemplacerSeul) : l;
    const QString& premier = arguments.front();
    static const QStringList statistiques = {QStringLiteral("articles"), QStringLiteral("ventes"),
                                             QStringLiteral("clients"),
                                             QStringLiteral("representants")};
    if (premier == u"--help" || premier == u"-h") {
        l.action = Action::Aide;
    } else if (premier == u"--version") {
        l.action = Action::Version;
    } else if (!premier.startsWith(u'-') && arguments.size() == 1) {
        // The file manager opens a client file with the program.
        l.fichierClients = premier;
    } else if (premier == u"--pdf" || premier == u"--facturx") {
        const bool pdf = premier == u"--pdf";
        if (arguments.size() != 4)
            return erreurLigne(QStringLiteral("%1 attend trois arguments : le fichier clients, %2 "
                                              "(par exemple F202612001) et le fichier PDF.")
                                   .arg(premier, pdf ? QStringLiteral("le document")
                                                     : QStringLiteral("la facture ou l'avoir")));
        l.action = pdf ? Action::Pdf : Action::FacturX;
        l.fichierClients = arguments[1];
        l.document = arguments[2];
        l.sortie = arguments[3];
    } else if (premier == u"--journal") {
        if (arguments.size() != 3)
            return erreurLigne(QStringLiteral("--journal attend deux arguments : le fichier "
                                              "clients et le fichier texte à écrire."));
        l.action = Action::Journal;
        l.fichierClients = arguments[1];
        l.sortie = arguments[2];
    } else if (premier == u"--fec") {
        const QString usage = QStringLiteral(
            "--fec attend le fichier clients, le dossier où écrire le fichier des écritures, le "
            "numéro SIREN s'il n'est pas dans les réglages et, au besoin, --cloture suivi de la "
            "date de clôture de l'exercice (AAAAMMJJ).");
        if (arguments.size() < 3)
            return erreurLigne(usage);
        l.action = Action::Fec;
        l.fichierClients = arguments[1];
        l.sortie = arguments[2];
        for (qsizetype i = 3; i < arguments.size(); ++i) {
            if (arguments[i] == u"--cloture") {
                if (i + 1 >= arguments.size() || l.cloture.isValid())
                    return erreurLigne(usage);
                const QString date = arguments[++i];
                l.cloture = date.size() == 8 ? QDate::fromString(date, QStringLiteral("yyyyMMdd"))
                                             : QDate();
                if (!l.cloture.isValid())
                    return erreurLigne(QStringLiteral("« %1 » n'est pas une date de clôture : "
                                                      "elle s'écrit AAAAMMJJ, par exemple "
                                                      "20261231.")
                                           .arg(date));
            } else if (l.siren.isEmpty() && !arguments[i].isEmpty()) {
                l.siren = arguments[i];
            } else {
                return erreurLigne(usage);
            }
        }
    } else if (premier == u"--statistiques") {
        if ((arguments.size() != 3 && arguments.size() != 4) ||
            !statistiques.contains(arguments[1]))
            return erreurLigne(QStringLiteral("--statistiques attend articles, ventes, clients ou "
                                              "representants, puis le fichier clients et, si elle "
                                              "ne va pas sur la sortie standard, le fichier texte "
                                              "à écrire."));
        l.action = Action::Statistiques;
        l.statistique = arguments[1];
        l.fichierClients = arguments[2];
        l.sortie = arguments.value(3);
        l.sortieStandard = arguments.size() == 3;
    } else if (premier == u"--exporter" || premier == u"--importer") {
        const bool exporter = premier == u"--exporter";
        if (arguments.size() != 4 || !Echanges::sorteNommee(arguments[1]))
            return erreurLigne(
                exporter ? QStringLiteral("--exporter attend clients, fournisseurs, articles ou "
                                          "factures, puis le fichier clients et le fichier à "
                                          "écrire (.txt, ou .csv pour une feuille de calcul).")
                         : QStringLiteral("--importer attend clients, fournisseurs, articles ou "
                                          "factures, puis le fichier clients et le fichier à "
                                          "importer."));
        if (!exporter && l.remplacer)
            return erreurLigne(kRemplacerSeul);
        l.action = exporter ? Action::Exporter : Action::Importer;
        l.fiches = arguments[1];
        l.fichierClients = arguments[2];
        (exporter ? l.sortie : l.entree) = arguments[3];
    } else {
        return erreurLigne(QStringLiteral("Option inconnue : %1").arg(premier));
    }
    return l;
}

QString LigneCommande::aide() {
    return QStringLiteral(
        "Usage : zelvente [fichier clients | option]\n"
        "\n"
        "Sans option, le programme s'ouvre dans sa fenêtre, sur le jeu de documents du\n"
        "fichier clients donné (par exemple Dupont.cli).\n"
        "\n"
        "Options :\n"
        "  --pdf <fichier clients> <document> <sortie.pdf>\n"
        "        imprime la facture, le devis ou l'avoir désigné par la lettre de son genre\n"
        "        et son numéro (par exemple F202612001) dans un fichier PDF, sans fenêtre ;\n"
        "        le jeu de documents est lu sans être modifié.\n"
        "  --facturx <fichier clients> <facture> <sortie.pdf>\n"
        "        écrit la facture ou l'avoir (par exemple F202612001 ou A202612001) en\n"
        "        facture électronique Factur-X : le PDF/A-3 imprimé, avec sa version XML\n"
        "        (EN 16931) jointe ; demande « Factures électroniques (EN 16931) », l'euro\n"
        "        et le SIREN de l'entreprise dans les réglages.\n"
        "  --journal <fichier clients> <sortie.txt>\n"
        "        écrit tout le journal des ventes en texte séparé par des tabulations.\n"
        "  --fec <fichier clients> <dossier> [SIREN] [--cloture AAAAMMJJ]\n"
        "        écrit les écritures de l'exercice au format du fichier des écritures\n"
        "        comptables dans le dossier, sous le nom SIREN, FEC et la date de clôture,\n"
        "        avec sa description à côté ; le SIREN est celui des réglages quand il n'est\n"
        "        pas donné, l'exercice les douze mois qui finissent à la date de clôture\n"
        "        (le 31/12 de l'année de la dernière écriture quand elle n'est pas donnée).\n"
        "  --statistiques articles|ventes|clients|representants <fichier clients> [sortie.txt]\n"
        "        écrit la statistique demandée, une ligne par rangée, dans le fichier donné\n"
        "        ou sur la sortie standard.\n"
        "  --exporter clients|fournisseurs|articles|factures <fichier clients> <sortie>\n"
        "        écrit toutes les fiches de la sorte demandée, la première ligne nommant les\n"
        "        colonnes : en texte séparé par des tabulations, ou en feuille de calcul\n"
        "        (CSV) pour un nom finissant par .csv ; le jeu de documents est lu sans être\n"
        "        modifié.\n"
        "  --importer clients|fournisseurs|articles|factures <fichier clients> <fichier>\n"
        "        importe les fiches du fichier (texte séparé par des tabulations, feuille de\n"
        "        calcul .csv ou fichier clients Zel Facture .cli) et enregistre le jeu de\n"
        "        documents ; écrit sur la sortie standard combien de fiches sont importées\n"
        "        et combien sont laissées de côté.\n"
        "  --remplacer\n"
        "        avec une option qui écrit un fichier : remplace le fichier à écrire s'il existe\n"
        "        déjà (sans elle, un fichier existant n'est jamais remplacé). Les fichiers du\n"
        "        jeu de documents et du programme ne sont jamais remplacés.\n"
        "  --version\n"
        "        affiche la version du programme.\n"
        "  --help\n"
        "        affiche cette aide.\n"
        "\n"
        "Le guide de l'utilisateur s'ouvre dans le programme par F1 ; man zelvente\n"
        "décrit ces options.\n");
}

QString LigneCommande::version() {
    return QStringLiteral("zelvente " ZEL_VERSION);
}

namespace {

void ecritErreur(const QString& texte) {
    QTextStream(stderr) << texte << Qt::endl;
}

} // namespace

Dialogues::Reponse DialoguesConsole::ouiNonAnnuler(const QString& texte) {
    ecritErreur(texte);
    return Reponse::Annuler;
}

bool DialoguesConsole::okAnnuler(const QString& texte) {
    ecritErreur(texte);
    return false;
}

bool DialoguesConsole::avertissement(const QString& texte) {
    return okAnnuler(texte);
}

void DialoguesConsole::message(const QString& texte) {
    ecritErreur(texte);
}

std::optional<QString> DialoguesConsole::fichierAOuvrir(const QString&) {
    return std::nullopt;
}

std::optional<QString> DialoguesConsole::fichierAEnregistrer(const QString&, const QString&) {
    return std::nullopt;
}

std::optional<QString> DialoguesConsole::saisit(Saisie, const QString&) {
    return std::nullopt;
}

std::optional<int> DialoguesConsole::montreListe(const TableListe&) {
    return std::nullopt;
}

std::optional<int> DialoguesConsole::choisit(const QString&, const QStringList&) {
    return std::nullopt;
}

std::optional<int> DialoguesConsole::listeDocuments(const QString&, const QStringList&) {
    return std::nullopt;
}

std::optional<std::pair<int, int>> DialoguesConsole::plage(int) {
    return std::nullopt;
}

std::optional<SaisieMouvement> DialoguesConsole::mouvementStock(MouvementStock, const QString&,
                                                                const QString&,
                                                                const SaisieMouvement&) {
    return std::nullopt;
}

std::optional<int> DialoguesConsole::trie(DialogueTri) {
    return std::nullopt;
}

Resultat litDocumentSeul(const QString& fichierClients, const QString& cle, JeuDocuments& jeu,
                         FenetreFiche& fenetre) {
    if (!QFileInfo::exists(fichierClients))
        return Resultat::echec(QStringLiteral("Le fichier n'existe pas :\n%1").arg(fichierClients));
    if (Resultat r = jeu.ChargeLecture(fichierClients); !r)
        return r;
    fenetre.apresOuverture();
    if (!fenetre.montre(Sorte::Factures) || !fenetre.factures().litDocument(cle))
        return Resultat::echec(QStringLiteral("Aucun document %1 dans %2")
                                   .arg(cle, QFileInfo(fichierClients).fileName()));
    return Resultat::succes();
}

namespace {

// The FEC file of the year asked and its description, in the folder asked, their names written
// on the output.
Resultat rapportFec(const LigneCommande& ligne, const Reglages& reglages, const JeuDocuments& jeu,
                    Dialogues& console, QTextStream& sortie) {
    const QString saisi = ligne.siren.isEmpty() ? reglages.ini.siren : ligne.siren;
    const std::optional<QString> siren = litSiren(saisi);
    if (!siren)
        return Resultat::echec(
            saisi.isEmpty() ? QStringLiteral("Le numéro SIREN de l'entreprise n'est pas dans les "
                                             "réglages : donnez-le après le dossier.")
                            : refusSiren(saisi));
    if (!QFileInfo(ligne.sortie).isDir())
        return Resultat::echec(QStringLiteral("Le dossier n'existe pas :\n%1").arg(ligne.sortie));
    const Journal j = journal(jeu, reglages, console, QDate::currentDate());
    const QDate cloture = ligne.cloture.isValid() ? ligne.cloture : QDate(j.au.year(), 12, 31);
    FichierFec fec;
    if (Resultat r = fichierFec(j, *siren, cloture, fec); !r)
        return r;
    const QString chemin = QDir(ligne.sortie).filePath(fec.nom);
    Sortie fichiers(ligne.remplacer);
    if (Resultat r = ecritFec(fichiers, chemin, fec).resultat(); !r)
        return r;
    sortie << chemin << '\n' << nomDescription(chemin) << '\n';
    return Resultat::succes();
}

} // namespace

Resultat executeEchange(const LigneCommande& ligne, JeuDocuments& jeu, FenetreFiche& fenetre,
                        QTextStream& sortie) {
    if (!QFileInfo::exists(ligne.fichierClients))
        return Resultat::echec(
            QStringLiteral("Le fichier n'existe pas :\n%1").arg(ligne.fichierClients));
    const Sorte sorte = *Echanges::sorteNommee(ligne.fiches);
    if (ligne.action == LigneCommande::Action::Exporter) {
        // Only read: nothing on the disk changes but the output.
        if (Resultat r = jeu.ChargeLecture(ligne.fichierClients); !r)
            return r;
        fenetre.apresOuverture();
        Sortie ecriture(ligne.remplacer);
        return fenetre.echanges().exporte(sorte, ligne.sortie, ecriture).resultat();
    }
    if (!QFileInfo(ligne.entree).isFile())
        return Resultat::echec(QStringLiteral("Le fichier n'existe pas :\n%1").arg(ligne.entree));
    // An import saves the set: never one that another Zel Vente has open.
    auto verrou = std::make_unique<VerrouJeu>(ligne.fichierClients);
    switch (verrou->prend()) {
    case VerrouJeu::Etat::Tenu:
        break;
    case VerrouJeu::Etat::Impossible:
        return Resultat::echec(verrou->refusEcriture() + QStringLiteral("\nRien n'a été importé."));
    case VerrouJeu::Etat::OuvertIci:
    case VerrouJeu::Etat::OuvertAilleurs:
    case VerrouJeu::Etat::Abandonne:
        return Resultat::echec(QStringLiteral("Le fichier %1 est ouvert dans un autre programme "
                                              "Zel Vente : rien n'a été importé.")
                                   .arg(QFileInfo(ligne.fichierClients).fileName()));
    }
    if (Resultat r = jeu.Charge(ligne.fichierClients, std::move(verrou)); !r)
        return r;
    fenetre.apresOuverture();
    const BilanImport bilan = fenetre.echanges().importe(sorte, ligne.entree);
    if (bilan.refuse)
        return Resultat::echec(bilan.message);
    if (bilan.ajoutes > 0) {
        if (Resultat r = jeu.Sauve(ligne.fichierClients); !r)
            return r;
    }
    sortie << bilan.message << '\n';
    return Resultat::succes();
}

Resultat executeRapport(const LigneCommande& ligne, const Reglages& reglages, QTextStream& sortie) {
    if (!QFileInfo::exists(ligne.fichierClients))
        return Resultat::echec(
            QStringLiteral("Le fichier n'existe pas :\n%1").arg(ligne.fichierClients));
    JeuDocuments jeu;
    if (Resultat r = jeu.ChargeLecture(ligne.fichierClients); !r)
        return r;
    DialoguesConsole console;
    if (ligne.action == LigneCommande::Action::Journal) {
        const Journal j = journal(jeu, reglages, console, QDate::currentDate());
        return Sortie(ligne.remplacer)
            .ecrit(ligne.sortie, lignesExport(j, entre(j, j.du, j.au)))
            .resultat();
    }
    if (ligne.action == LigneCommande::Action::Fec)
        return rapportFec(ligne, reglages, jeu, console, sortie);
    const Statistique calcul = ligne.statistique == u"articles"  ? &StatsArt
                               : ligne.statistique == u"ventes"  ? &StatsVentes
                               : ligne.statistique == u"clients" ? &StatsCli
                                                                 : &StatsRepresentant;
    QStringList lignes;
    for (const QStringList& rangee : calcul(jeu, reglages, console).rangees)
        lignes.append(ligneTabulee(rangee));
    if (!ligne.sortieStandard)
        return Sortie(ligne.remplacer).ecrit(ligne.sortie, lignes).resultat();
    for (const QString& l : lignes)
        sortie << l << '\n';
    return Resultat::succes();
}

} // namespace zel
