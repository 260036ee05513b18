// Five arbitrary files loaded as a document set with every check of a load, then saved, loaded
// again and compared: a load never crashes, and what it kept is saved and read back unchanged.
// The statistics, the journal and the FEC file are computed from it: every entry balances, no
// amount of a line is below zero.
#include "app/fenetrefiche.h"
#include "commun.h"
#include "reports/fec.h"
#include "reports/statistiques.h"
#include "support/dialoguesfactices.h"
#include "support/mesurefixe.h"

using namespace zel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dossier;
    const std::vector<QByteArray> fichiers = fuzz::morceaux(data, size, kNombreSortes);
    const QString nom = QDir(dossier.path()).filePath(QStringLiteral("f.cli"));
    for (Sorte s : kToutesSortes)
        fuzz::ecrit(s == Sorte::Clients ? nom : JeuDocuments::nomCompagnon(nom, s),
                    fichiers[std::size_t(indice(s))]);
    for (const char* reste : {".original", ".zvj", ".zvlock"})
        QFile::remove(nom + QLatin1String(reste));

    JeuDocuments jeu;
    Reglages reglages;
    test::DialoguesFactices dialogues;
    test::MesureFixe mesure;
    FenetreFiche fenetre(jeu, reglages, dialogues, mesure);
    fuzz::exige(jeu.Charge(nom).ok());
    fenetre.apresOuverture();
    for (Statistique calcul : {&StatsArt, &StatsVentes, &StatsCli, &StatsRepresentant})
        (void)calcul(jeu, reglages, dialogues);
    const Journal j = journal(jeu, reglages, dialogues, QDate(2026, 12, 6));
    for (const Piece& p : j.pieces) {
        qint64 solde = 0;
        for (const LigneEcriture& l : p.lignes) {
            fuzz::exige(l.montant >= 0 && l.euros >= 0);
            solde += l.debit ? l.montant : -l.montant;
        }
        fuzz::exige(solde == 0);
    }
    (void)lignesExport(j, entre(j, j.du, j.au));
    FichierFec fec;
    if (fichierFec(j, QStringLiteral("552100554"), QDate(j.au.year(), 12, 31), fec))
        fuzz::exige(fec.debit == fec.credit && fec.lignes == 3 * fec.ecritures);
    jeu.SetSauve();
    if (!jeu.Sauve(nom).ok())
        return 0; // a character the code page cannot write is refused, and told
    std::array<QStringList, kNombreSortes> ecrits;
    for (Sorte s : kToutesSortes)
        ecrits[std::size_t(indice(s))] = jeu.store(s).lignes();

    JeuDocuments relu;
    fuzz::exige(relu.Charge(nom).ok());
    for (Sorte s : kToutesSortes)
        fuzz::exige(relu.store(s).lignes() == ecrits[std::size_t(indice(s))]);
    return 0;
}
