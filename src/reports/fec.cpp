#include "reports/fec.h"

#include <algorithm>

namespace zel {
namespace {

const QString kFormatDate = QStringLiteral("yyyyMMdd");

QString libelleJournal(const QString& code) {
    return code == u"VT" ? QStringLiteral("Journal des ventes") : QStringLiteral("Journal ") + code;
}

// The account's name by its class in the French chart of accounts.
QString libelleCompte(const QString& compte) {
    const struct {
        const char* debut;
        const char* libelle;
    } classes[] = {{"411", "Clients"},         {"401", "Fournisseurs"}, {"4457", "TVA collectée"},
                   {"4456", "TVA déductible"}, {"70", "Ventes"},        {"60", "Achats"}};
    for (const auto& c : classes) {
        if (compte.startsWith(QLatin1String(c.debut)))
            return QString::fromUtf8(c.libelle);
    }
    return QStringLiteral("Compte ") + compte;
}

QString montantFec(const QString& texte) {
    // A number read is finite: it always has its digits.
    return formateMontant(litNombre(texte).value_or(0), u"0.00").value_or(QString());
}

} // namespace

QStringList lignesFec(const std::vector<Ecriture>& ecritures) {
    std::vector<const Ecriture*> ordre;
    ordre.reserve(ecritures.size());
    for (const Ecriture& e : ecritures)
        ordre.push_back(&e);
    std::ranges::stable_sort(ordre, [](const Ecriture* a, const Ecriture* b) {
        return std::tie(a->date, a->document) < std::tie(b->date, b->document);
    });
    QStringList lignes = {QStringLiteral(
        "JournalCode\tJournalLib\tEcritureNum\tEcritureDate\tCompteNum\tCompteLib\tCompAuxNum\t"
        "CompAuxLib\tPieceRef\tPieceDate\tEcritureLib\tDebit\tCredit\tEcritureLet\tDateLet\t"
        "ValidDate\tMontantdevise\tIdevise")};
    lignes.reserve(qsizetype(ecritures.size()) + 1);
    int numero = 0;
    int document = -1;
    for (const Ecriture* e : ordre) {
        if (e->document != document) {
            document = e->document;
            ++numero;
        }
        const QString date = e->date.toString(kFormatDate);
        lignes.append(
            ligneTabulee({e->journal, libelleJournal(e->journal), QString::number(numero), date,
                          e->compte, libelleCompte(e->compte), e->tiers, e->nomTiers, e->piece,
                          date, e->libelle, montantFec(e->debit), montantFec(e->credit), QString(),
                          QString(), date, QString(), QString()}));
    }
    return lignes;
}

QString nomFec(const QString& siren, const QDate& cloture) {
    return siren + QStringLiteral("FEC") + cloture.toString(kFormatDate) + QStringLiteral(".txt");
}

void exporteFec(Dialogues& dialogues, Reglages& reglages, const std::vector<Ecriture>& ecritures,
                const QDate& cloture) {
    while (reglages.ini.siren.isEmpty()) {
        const std::optional<QString> saisi = dialogues.saisit(Saisie::Siren, QString());
        if (!saisi)
            return;
        if (const std::optional<QString> siren = litSiren(*saisi))
            reglages.ini.siren = *siren;
        else
            dialogues.message(QStringLiteral("« %1 » n'est pas un numéro SIREN : il compte "
                                             "9 chiffres.")
                                  .arg(saisi->trimmed()));
    }
    enregistreTexte(dialogues, QStringLiteral("Fichier des écritures comptables (*.txt)|*.txt"),
                    nomFec(reglages.ini.siren, cloture), lignesFec(ecritures));
}

} // namespace zel
