#include "app/lignecommande.h"

#include "reports/fec.h"
#include "reports/journal.h"
#include "reports/statistiques.h"
#include "store/fichiertexte.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace zel {

namespace {

LigneCommande erreurLigne(const QString& message) {
    LigneCommande l;
    l.action = LigneCommande::Action::Erreur;
    l.erreur = message;
    return l;
}

} // namespace

LigneCommande LigneCommande::analyse(const QStringList& arguments) {
    LigneCommande l;
    if (arguments.isEmpty())
        return l;
    const QString& premier = arguments.front();
    static const QStringList statistiques = {QStringLiteral("articles"), QStringLiteral("ventes"),
                                             QStringLiteral("clients"),
                                             QStringLiteral("representants")};
    if (premier == u"--help" || premier == u"-h") {
        l.action = Action::Aide;
    } else if (premier == u"--pdf") {
        if (arguments.size() != 4)
            return erreurLigne(QStringLiteral("--pdf attend trois arguments : le fichier clients, "
                                              "le document (par exemple F202612001) et le fichier "
                                              "PDF."));
        l.action = Action::Pdf;
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
        if (arguments.size() != 3 && arguments.size() != 4)
            return erreurLigne(QStringLiteral("--fec attend le fichier clients, le dossier où "
                                              "écrire le fichier des écritures et, s'il n'est pas "
                                              "dans les réglages, le numéro SIREN."));
        l.action = Action::Fec;
        l.fichierClients = arguments[1];
        l.sortie = arguments[2];
        l.siren = arguments.value(3);
    } else if (premier == u"--statistiques") {
        if (arguments.size() != 3 || !statistiques.contains(arguments[1]))
            return erreurLigne(QStringLiteral("--statistiques attend articles, ventes, clients ou "
                                              "representants, puis le fichier clients."));
        l.action = Action::Statistiques;
        l.statistique = arguments[1];
        l.fichierClients = arguments[2];
    } else {
        return erreurLigne(QStringLiteral("Option inconnue : %1").arg(premier));
    }
    return l;
}

QString LigneCommande::aide() {
    return QStringLiteral(
        "Usage : zelvente [option]\n"
        "\n"
        "Sans option, le programme s'ouvre dans sa fenêtre.\n"
        "\n"
        "Options :\n"
        "  --pdf <fichier clients> <document> <sortie.pdf>\n"
        "        imprime la facture, le devis ou l'avoir désigné par la lettre de son genre\n"
        "        et son numéro (par exemple F202612001) dans un fichier PDF, sans fenêtre ;\n"
        "        le jeu de documents est lu sans être modifié.\n"
        "  --journal <fichier clients> <sortie.txt>\n"
        "        écrit tout le journal des ventes en texte séparé par des tabulations.\n"
        "  --fec <fichier clients> <dossier> [SIREN]\n"
        "        écrit le journal au format du fichier des écritures comptables dans le\n"
        "        dossier, sous le nom SIREN, FEC et la date de clôture ; le SIREN est celui\n"
        "        des réglages quand il n'est pas donné.\n"
        "  --statistiques articles|ventes|clients|representants <fichier clients>\n"
        "        écrit la statistique demandée sur la sortie standard, une ligne par rangée.\n"
        "  --help\n"
        "        affiche cette aide.\n");
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
    if (Resultat r = jeu.Charge(fichierClients); !r)
        return r;
    fenetre.apresOuverture();
    if (!fenetre.montre(Sorte::Factures) || !fenetre.factures().litDocument(cle))
        return Resultat::echec(QStringLiteral("Aucun document %1 dans %2")
                                   .arg(cle, QFileInfo(fichierClients).fileName()));
    return Resultat::succes();
}

namespace {

// The FEC file of the whole journal, in the folder asked, its name written on the output.
Resultat ecritFec(const LigneCommande& ligne, const Reglages& reglages, const JeuDocuments& jeu,
                  Dialogues& console, QTextStream& sortie) {
    const std::optional<QString> siren =
        litSiren(ligne.siren.isEmpty() ? reglages.ini.siren : ligne.siren);
    if (!siren)
        return Resultat::echec(
            ligne.siren.isEmpty()
                ? QStringLiteral("Le numéro SIREN de l'entreprise n'est pas dans les réglages : "
                                 "donnez-le après le dossier.")
                : QStringLiteral("« %1 » n'est pas un numéro SIREN : il compte 9 chiffres.")
                      .arg(ligne.siren));
    if (!QFileInfo(ligne.sortie).isDir())
        return Resultat::echec(QStringLiteral("Le dossier n'existe pas :\n%1").arg(ligne.sortie));
    const Journal j = journal(jeu, reglages, console, QDate::currentDate());
    const QString chemin = QDir(ligne.sortie).filePath(nomFec(*siren, j.au));
    if (Resultat r = fichier::ecrire(chemin, lignesFec(entre(j.ecritures, j.du, j.au))); !r)
        return r;
    sortie << chemin << '\n';
    return Resultat::succes();
}

} // namespace

Resultat executeRapport(const LigneCommande& ligne, const Reglages& reglages, QTextStream& sortie) {
    if (!QFileInfo::exists(ligne.fichierClients))
        return Resultat::echec(
            QStringLiteral("Le fichier n'existe pas :\n%1").arg(ligne.fichierClients));
    JeuDocuments jeu;
    if (Resultat r = jeu.Charge(ligne.fichierClients); !r)
        return r;
    DialoguesConsole console;
    if (ligne.action == LigneCommande::Action::Journal)
        return fichier::ecrire(
            ligne.sortie,
            lignesExport(journal(jeu, reglages, console, QDate::currentDate()).ecritures));
    if (ligne.action == LigneCommande::Action::Fec)
        return ecritFec(ligne, reglages, jeu, console, sortie);
    const Statistique calcul = ligne.statistique == u"articles"  ? &StatsArt
                               : ligne.statistique == u"ventes"  ? &StatsVentes
                               : ligne.statistique == u"clients" ? &StatsCli
                                                                 : &StatsRepresentant;
    for (const QStringList& rangee : calcul(jeu, reglages, console).rangees)
        sortie << ligneTabulee(rangee) << '\n';
    return Resultat::succes();
}

} // namespace zel
