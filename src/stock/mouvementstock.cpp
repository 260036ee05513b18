#include "stock/mouvementstock.h"

namespace zel {
namespace {

// The movement dialogs show their numbers with two decimals, whatever the amount format.
constexpr QStringView kFormatMouvement = u"#.00";
constexpr int kLargeurChampMouvement = 75;

} // namespace

StockPondere entreePonderee(StockPondere avant, double quantite, double prixUnitaire) {
    const double stock = avant.stock + quantite;
    if (avant.stock <= 0 || stock == 0)
        return {stock, prixUnitaire};
    return {stock, (avant.stock * avant.moyen + quantite * prixUnitaire) / stock};
}

std::variant<QuantitePrix, QString> litMouvement(MouvementStock sorte,
                                                 const SaisieMouvement& saisie) {
    const auto lit = [](const QString& texte, const QString& champ,
                        double& valeur) -> std::optional<QString> {
        if (texte.trimmed().isEmpty())
            return QStringLiteral("Saisissez « %1 ».").arg(champ);
        const std::optional<double> v = litNombre(texte);
        if (!v)
            return QStringLiteral("« %1 » n'est pas un nombre valide pour « %2 ».")
                .arg(texte.trimmed(), champ);
        valeur = *v;
        return std::nullopt;
    };
    QuantitePrix lu{0, 0};
    if (std::optional<QString> refus =
            lit(saisie.quantite, QStringLiteral("Quantité"), lu.quantite))
        return *refus;
    if (!(lu.quantite > 0))
        return QStringLiteral("La quantité doit être supérieure à zéro.");
    if (sorte == MouvementStock::Sortie)
        return lu;
    if (std::optional<QString> refus =
            lit(saisie.prixUnitaire, QStringLiteral("Prix unit. H.T."), lu.prixUnitaire))
        return *refus;
    if (lu.prixUnitaire < 0)
        return QStringLiteral("Le prix unitaire ne peut pas être négatif.");
    return lu;
}

Resultat reformateSaisieMouvement(const QString& texte, const QString& champ,
                                  const MesureTexte& mesure, QString& resultat) {
    QString formate;
    if (Resultat r = reformateMontant(texte, kFormatMouvement, champ, formate); !r)
        return r;
    resultat = Rset(formate, kLargeurChampMouvement, mesure);
    return Resultat::succes();
}

} // namespace zel
