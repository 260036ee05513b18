#include "stock/impressionstock.h"

#include "records/impressionfiche.h"
#include "records/impressionliste.h"
#include "records/montant.h"
#include "stock/pagearticles.h"
#include "stock/pagefournisseurs.h"

#include <optional>

namespace zel {

namespace {

namespace A = ligneArticle;
namespace F = ligneFournisseur;

constexpr int kMemoDescription = 0;
constexpr int kMemoObservations = 1;
constexpr double kPremiereLigneInventaire = 15;
const QString kFormatDate = QStringLiteral("dd/MM/yyyy");

DispositionFiche ficheArticle() {
    const auto r = [](double y, double x, const char16_t* libelle, double xValeur, int ligne) {
        return RubriqueFiche{y, x, QString::fromUtf16(libelle), xValeur, ligne};
    };
    return {
        {r(5, 5, u"Code article", 35, A::Code), r(5, 50, u"Famille", 70, A::Famille),
         r(5, 110, u"Prix d'achat HT", 145, A::PrixAchat),
         r(10, 5, u"Désignation", 35, A::Designation), r(10, 110, u"P.A.M.P.", 145, A::PrixMoyen),
         r(15, 5, u"Stock réel", 35, A::StockReel), r(15, 60, u"Stock mini", 80, A::StockMini),
         r(15, 110, u"Coef. de marge", 145, A::Coefficient),
         r(20, 5, u"Fournisseur", 35, A::Fournisseur), r(20, 110, u"Prix vente HT", 145, A::PrixHT),
         r(25, 5, u"Réf. article", 35, A::Reference),
         r(25, 110, u"Prix vente TTC", 145, A::PrixTTC),
         r(30, 5, u"Comptz vente", 35, A::CompteVente),
         r(30, 110, u"Compte achat", 145, A::CompteAchat)},
        40,
        75,
        false,
        {{kMemoDescription, 50}, {kMemoObservations, 70}},
        A::Designation};
}

DispositionFiche ficheFournisseur() {
    return {rubriquesTiers({u"Code Four.",
                            F::Code,
                            F::Nom,
                            F::Adresse1,
                            F::Adresse2,
                            F::CodePostal,
                            F::Ville,
                            F::Pays,
                            F::Telephone,
                            F::Fax,
                            F::Email,
                            F::Banque,
                            F::CodeBanque,
                            F::CodeGuichet,
                            F::Compte,
                            F::Rib,
                            u"Site Web",
                            F::SiteWeb,
                            F::Representant,
                            F::CreditMaxi,
                            F::TotalDu,
                            F::Risque,
                            F::CompteFournisseur}),
            60,
            75,
            false,
            {{0, 70}},
            F::Nom};
}

EnteteListe Entete4() {
    const auto t = [](double x, const char16_t* texte) {
        return TexteFixe{x, 0, QString::fromUtf16(texte)};
    };
    return {{t(5, u"Code"), t(20, u"Famille"), t(60, u"Désignation"), t(110, u"Stock"),
             t(140, u"Mini"), t(160, u"Fournisseur"), t(200, u"Réf."), t(220, u"P Achat"),
             t(240, u"Pv. HT"), t(260, u"Pv. TTC")},
            5,
            300};
}

EnteteListe Entete5(QDate jour) {
    const auto t = [](double x, const char16_t* texte) {
        return TexteFixe{x, 5, QString::fromUtf16(texte)};
    };
    return {{{5, 0, QStringLiteral("Inventaire au ") + jour.toString(kFormatDate)},
             t(5, u"Code"),
             t(20, u"Famille"),
             t(50, u"Désignation"),
             t(120, u"Stock"),
             t(140, u"Pr. Ac."),
             t(160, u"PAMP"),
             t(190, u"Valeur")},
            10,
            205};
}

// A stock or an average price of the inventory: blank counts as 0; nothing when unreadable.
std::optional<double> quantiteInventaire(const QString& texte) {
    const QString t = texte.trimmed();
    return t.isEmpty() ? std::optional<double>(0) : litNombre(t);
}

} // namespace

void ImpFiche4(Canevas& canevas, const Carte& carte) {
    imprimeFiche(canevas, carte, ficheArticle());
}

void ImpFiche3(Canevas& canevas, const Carte& carte) {
    imprimeFiche(canevas, carte, ficheFournisseur());
}

void ImpArt(Canevas& canevas, const Blocs& articles, const std::vector<int>& blocs) {
    // Texts cut before the next column; figures right-aligned just past the end of their title,
    // the prices taking room from the reference before them.
    imprimeListe(canevas, articles, blocs, Entete4(),
                 {{5, A::Code, 19},
                  {20, A::Famille, 59},
                  {60, A::Designation, 99},
                  {100, A::StockReel, 122, true},
                  {124, A::StockMini, 148, true},
                  {150, A::Fournisseur, 199},
                  {200, A::Reference, 213},
                  {215, A::PrixAchat, 237, true},
                  {239, A::PrixHT, 257, true},
                  {259, A::PrixTTC, 277, true}});
}

void ImpFour(Canevas& canevas, const Blocs& fournisseurs, const std::vector<int>& blocs) {
    imprimeListe(canevas, fournisseurs, blocs, Entete1(),
                 colonnesNomsAdresses({F::Nom, F::Adresse1, F::Adresse2, F::CodePostal, F::Ville,
                                       F::Telephone, F::Fax}));
}

BilanInventaire Inventaire(Canevas& canevas, const Blocs& articles, const std::vector<int>& blocs,
                           const QString& formatMontant, QDate jour) {
    Cadre cadre(canevas);
    cadre.debut();
    cadre.police(9);
    const EnteteListe entete = Entete5(jour);
    PagesListe pages(
        cadre, [&entete](Cadre& c) { entete.dessine(c); }, kPremiereLigneInventaire);
    // Each value under its title: the family up to the designation's title, the figures
    // right-aligned where their title ends.
    const ColonneListe colonnesInventaire[] = {{5, A::Code, 19},
                                               {20, A::Famille, 49},
                                               {60, A::Designation, 109},
                                               {110, A::StockReel, 130, true},
                                               {131, A::PrixAchat, 150, true},
                                               {151, A::PrixMoyen, 170, true}};
    BilanInventaire bilan;
    for (std::size_t i = 0; i < blocs.size(); ++i) {
        const int n = blocs[i];
        const QStringList contenu = articles.contenuBloc(n);
        const std::optional<double> s = quantiteInventaire(ligneBloc(contenu, A::StockReel));
        const std::optional<double> p = quantiteInventaire(ligneBloc(contenu, A::PrixMoyen));
        // The last article keeps the closing rule and the total with it on its page.
        const double y = pages.ligne(i + 1 == blocs.size() ? 2 : 0);
        for (const ColonneListe& c : colonnesInventaire)
            c.imprime(cadre, y, ligneBloc(contenu, c.ligne));
        const QString article =
            (ligneBloc(contenu, A::Code) + u' ' + ligneBloc(contenu, A::Designation).trimmed())
                .trimmed();
        if (!s || !p) {
            bilan.illisibles.append(article);
        } else if (const std::optional<QString> valeur = formateMontant(*s * *p, formatMontant)) {
            bilan.total += *s * *p;
            cadre.texteDroite(200, y, *valeur, 171);
        } else {
            bilan.tropGrands.append(article);
        }
    }
    const double yRegle = pages.ligne();
    cadre.ligne(150, yRegle, 205, yRegle);
    const double yTotal = pages.ligne();
    cadre.texte(150, yTotal, QStringLiteral("Total"), 159, Ajuste::Reduit);
    if (const std::optional<QString> total = formateMontant(bilan.total, formatMontant))
        cadre.texteDroite(200, yTotal, *total, 160);
    else
        bilan.totalTropGrand = true;
    cadre.fin();
    return bilan;
}

QString messageInventaire(const BilanInventaire& bilan) {
    const QString sansValeur = QStringLiteral(" : ces articles sont imprimés sans valeur et ne "
                                              "comptent pas dans le total de l'inventaire :\n");
    QStringList messages;
    if (!bilan.illisibles.isEmpty())
        messages.append(QStringLiteral("Stock ou P.A.Moyen Pond. illisible") + sansValeur +
                        bilan.illisibles.join(u'\n'));
    if (!bilan.tropGrands.isEmpty())
        messages.append(depasse(QStringLiteral("Valeur")) + sansValeur +
                        bilan.tropGrands.join(u'\n'));
    if (bilan.totalTropGrand)
        messages.append(depasse(QStringLiteral("Total")) +
                        QStringLiteral(" : le total de l'inventaire n'est pas imprimé."));
    return messages.join(u'\n');
}

} // namespace zel
