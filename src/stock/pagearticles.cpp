#include "stock/pagearticles.h"

#include "records/texte.h"
#include "stock/pagefournisseurs.h"

#include <utility>

namespace zel {
namespace {

namespace L = ligneArticle;

constexpr int kLargeurStock = 75;
constexpr int kLargeurPrix = 107;

} // namespace

PageArticles::PageArticles(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                           const MesureTexte& mesure)
    : PageCarte({disposition(),
                 L::Designation,
                 QStringLiteral("Liste des articles"),
                 QStringLiteral("Aucune fiche article à afficher."),
                 0,
                 {{QStringLiteral("Code"), 70},
                  {QStringLiteral("Famille"), 100},
                  {QStringLiteral("Désignation"), 200},
                  {QStringLiteral("Stok"), 60},
                  {QStringLiteral("Mini"), 60},
                  {QStringLiteral("Fournisseur"), 130},
                  {QStringLiteral("Réf"), 90}},
                 {L::Code, L::Famille, L::Designation, L::StockReel, L::StockMini, L::Fournisseur,
                  L::Reference}},
                jeu, reglages, dialogues, mesure) {}

DispositionCarte PageArticles::disposition() {
    return {Sorte::Articles,
            21,
            {L::NePasGerer, L::VenteHT, L::VenteTTC},
            {{L::StockReel, kLargeurStock, QStringLiteral("Stock réel")},
             {L::StockMini, kLargeurStock, QStringLiteral("Stock mini")},
             {L::PrixAchat, kLargeurPrix, QStringLiteral("Prix d'achat HT")},
             {L::PrixMoyen, kLargeurPrix, QStringLiteral("P.A.Moyen Pond.")},
             {L::Coefficient, kLargeurPrix, QStringLiteral("Coef. de marge")},
             {L::PrixHT, kLargeurPrix, QStringLiteral("Prix vente HT")},
             {L::PrixTTC, kLargeurPrix, QStringLiteral("Prix vente TTC")}},
            L::SaisieLibelle,
            L::SaisieMontant,
            {QStringLiteral("MEMO"), QStringLiteral("MOBS")},
            {L::Fixer},
            true};
}

const QStringList& PageArticles::tva() {
    static const QStringList liste = {QStringLiteral("1"), QStringLiteral("2"),
                                      QStringLiteral("3")};
    return liste;
}

void PageArticles::InitArt() {
    m_fournisseurs = PageFournisseurs::noms(m_jeu.BlocsFour());
}

void PageArticles::SetArt(SelectionArticle mode) {
    const auto demande = [this](Saisie saisie, int ligne, QString& cle) {
        const QString initial = carte().champ(ligne);
        cle = m_dialogues.saisit(saisie, initial).value_or(initial);
    };
    if (mode == SelectionArticle::Famille)
        demande(Saisie::FamilleArticle, L::Famille, m_cleFamille);
    else if (mode == SelectionArticle::Fournisseur)
        demande(Saisie::FournisseurArticle, L::Fournisseur, m_cleFournisseur);
    m_selection = mode;
}

std::optional<int> PageArticles::pasSelection(Pas pas) const {
    switch (m_selection) {
    case SelectionArticle::Famille:
        return pasMajuscules(pas, L::Famille, majusculesAZ(m_cleFamille));
    case SelectionArticle::Fournisseur:
        return pasEgal(pas, L::Fournisseur, m_cleFournisseur);
    case SelectionArticle::Alerte:
        // A stock or a minimum that is blank or not a number puts no article in alert.
        return pasFiltre(store(), pas, courant(), [](const Blocs& b, int ouverture) {
            const std::optional<double> stock = litNombre(ligneApres(b, ouverture, L::StockReel));
            const std::optional<double> mini = litNombre(ligneApres(b, ouverture, L::StockMini));
            return stock && mini && *stock < *mini;
        });
    case SelectionArticle::Aucune:
    case SelectionArticle::Tous:
        break;
    }
    return PageCarte::pasSelection(pas);
}

void PageArticles::apresLecture() {
    PageCarte::apresLecture();
    Carte& c = carte();
    const auto parDefaut = [&c](int ligne, const QString& valeur) {
        if (c.champ(ligne).isEmpty())
            c.setChamp(ligne, valeur);
    };
    parDefaut(L::CompteVente, QStringLiteral("707000"));
    parDefaut(L::CompteAchat, QStringLiteral("607000"));
    parDefaut(L::Tva, tva().front());
    // Exactly one sale mode is chosen; a card with neither sells before tax.
    if (!c.coche(L::VenteHT) && !c.coche(L::VenteTTC))
        c.setChamp(L::VenteHT, QStringLiteral("Y"));
    m_stockModifiable = c.champ(L::StockReel).trimmed().isEmpty();
}

bool PageArticles::venteTTC() const {
    return carte().coche(L::VenteTTC);
}

void PageArticles::setVenteTTC(bool oui) {
    carte().setCoche(L::VenteHT, !oui);
    carte().setCoche(L::VenteTTC, oui);
}

bool PageArticles::prixFixe() const {
    return carte().coche(L::Fixer);
}

void PageArticles::setPrixFixe(bool oui) {
    carte().setCoche(L::Fixer, oui);
}

bool PageArticles::arretTab(int ligne) const {
    switch (ligne) {
    case L::Coefficient:
        return !prixFixe();
    case L::PrixHT:
        return prixFixe() && !venteTTC();
    case L::PrixTTC:
        return prixFixe() && venteTTC();
    default:
        return true;
    }
}

std::optional<double> facteurTva(QStringView choix, const std::array<double, 3>& taux) {
    const qsizetype i = choix.isEmpty() ? 0 : PageArticles::tva().indexOf(choix);
    if (i < 0)
        return std::nullopt;
    return taux[std::size_t(i)] * 0.01 + 1;
}

PrixSuivis prixSuivis(int ligne, double valeur, std::optional<double> achat,
                      std::optional<double> facteur, bool venteTTC) {
    PrixSuivis p;
    if (ligne == L::Coefficient) {
        if (!achat)
            return p;
        const double prix = *achat * valeur;
        (venteTTC ? p.ttc : p.ht) = prix;
        if (facteur)
            (venteTTC ? p.ht : p.ttc) = venteTTC ? prix / *facteur : prix * *facteur;
        return p;
    }
    if (!facteur)
        return p;
    if (ligne == L::PrixHT)
        p.ttc = valeur * *facteur;
    else
        p.ht = valeur / *facteur;
    if (achat && *achat != 0)
        p.coefficient = valeur / *achat;
    return p;
}

std::optional<double> PageArticles::facteur() const {
    return facteurTva(carte().champ(L::Tva).trimmed(), m_reglages.ini.tauxTva);
}

std::optional<double> PageArticles::nombre(int ligne) const {
    return litNombre(carte().champ(ligne));
}

namespace {

// The prices computed, in the order of the card's fields.
std::vector<std::pair<int, double>> prixCalcules(const PrixSuivis& p) {
    std::vector<std::pair<int, double>> prix;
    for (const auto& [l, v] :
         {std::pair{L::Coefficient, p.coefficient}, {L::PrixHT, p.ht}, {L::PrixTTC, p.ttc}}) {
        if (v)
            prix.emplace_back(l, *v);
    }
    return prix;
}

} // namespace

void PageArticles::calculePrix(int ligne) {
    // Each result comes from the texts shown; an unusable purchase price or VAT choice, or a
    // purchase price of zero to divide by, leaves out what it would give.
    const std::optional<double> saisi = nombre(ligne);
    if (!saisi)
        return;
    const PrixSuivis p = prixSuivis(ligne, *saisi, nombre(L::PrixAchat), facteur(), venteTTC());
    if (const QString refus = carte().montreMontants(prixCalcules(p)); !refus.isEmpty())
        m_dialogues.message(QStringLiteral("Les prix ne sont pas calculés : %1.").arg(refus));
}

bool PageArticles::quitteChamp(int ligne) {
    Carte& c = carte();
    if (c.champ(ligne).trimmed().isEmpty())
        return true;
    if (!c.quitteMontant(ligne))
        return false;
    switch (ligne) {
    case L::PrixAchat:
        if (c.champ(L::PrixMoyen).trimmed().isEmpty())
            c.setChamp(L::PrixMoyen, c.champ(L::PrixAchat));
        break;
    case L::Coefficient:
    case L::PrixHT:
    case L::PrixTTC:
        calculePrix(ligne);
        break;
    default:
        // The stock fields are only reformatted.
        return true;
    }
    c.marque();
    return true;
}

std::optional<double> PageArticles::nombreStock(int ligne) {
    const QString& texte = carte().champ(ligne);
    if (texte.trimmed().isEmpty())
        return 0.0;
    if (const std::optional<double> v = litNombre(texte))
        return v;
    const QString champ =
        ligne == L::StockReel ? QStringLiteral("Stock réel") : QStringLiteral("P.A.Moyen Pond.");
    m_dialogues.message(
        QStringLiteral(
            "« %1 » n'est pas un nombre valide pour « %2 » : le stock n'est pas modifié.")
            .arg(texte.trimmed(), champ));
    return std::nullopt;
}

bool PageArticles::entreeStock(double quantite, double prixUnitaire) {
    const std::optional<double> stock = nombreStock(L::StockReel);
    if (!stock)
        return false;
    const std::optional<double> moyen = nombreStock(L::PrixMoyen);
    if (!moyen)
        return false;
    const StockPondere apres = entreePonderee({*stock, *moyen}, quantite, prixUnitaire);
    if (const QString refus =
            carte().montreMontants({{L::StockReel, apres.stock}, {L::PrixMoyen, apres.moyen}});
        !refus.isEmpty()) {
        m_dialogues.message(QStringLiteral("L'entrée de stock n'est pas faite : %1.").arg(refus));
        return false;
    }
    carte().marque();
    m_stockModifiable = false;
    return true;
}

bool PageArticles::sortieStock(double quantite) {
    // Nothing holds the stock at zero or above: taking out more than is held is recorded too.
    const std::optional<double> stock = nombreStock(L::StockReel);
    if (!stock)
        return false;
    if (const QString refus = carte().montreMontants({{L::StockReel, *stock - quantite}});
        !refus.isEmpty()) {
        m_dialogues.message(QStringLiteral("La sortie de stock n'est pas faite : %1.").arg(refus));
        return false;
    }
    carte().marque();
    m_stockModifiable = false;
    return true;
}

void PageArticles::mouvement(MouvementStock sorte) {
    // A stock or an average that is not a number is told before anything is typed.
    const bool entree = sorte == MouvementStock::Entree;
    if (!nombreStock(L::StockReel) || (entree && !nombreStock(L::PrixMoyen)))
        return;
    SaisieMouvement saisie;
    while (const std::optional<SaisieMouvement> r = m_dialogues.mouvementStock(
               sorte, carte().champ(L::Code).trimmed(), carte().champ(L::Designation), saisie)) {
        saisie = *r;
        const std::variant<QuantitePrix, QString> lu = litMouvement(sorte, saisie);
        if (const QString* refus = std::get_if<QString>(&lu)) {
            m_dialogues.message(*refus);
            continue;
        }
        // A movement refused comes back to the dialog as typed.
        const QuantitePrix& qp = std::get<QuantitePrix>(lu);
        if (entree ? entreeStock(qp.quantite, qp.prixUnitaire) : sortieStock(qp.quantite))
            return;
    }
}

void PageArticles::EntreeStock() {
    mouvement(MouvementStock::Entree);
}

void PageArticles::SortieStock() {
    mouvement(MouvementStock::Sortie);
}

bool PageArticles::recalculeArticle(Blocs& articles, int ouverture, bool& change,
                                    QString& tropGrand) const {
    const auto ligne = [&](int l) -> const QString& { return articles.ligne(ouverture + l); };
    // Only the inputs of the relation that the "Fixer" choice keeps are read: the coefficient,
    // or the sale price of the sale mode.
    const std::optional<double> f =
        facteurTva(QStringView(ligne(L::Tva)).trimmed(), m_reglages.ini.tauxTva);
    const bool ttc = ligne(L::VenteTTC) == u"Y";
    const int fixe = ligne(L::Fixer) == u"N" ? L::Coefficient : ttc ? L::PrixTTC : L::PrixHT;
    // As on the card, the quantity kept counts as it is shown, in the amount format.
    const std::optional<Montant> lu = litMontant(ligne(fixe));
    const std::optional<double> valeur =
        lu ? litNombre(formateMontant(*lu, m_reglages.formatMontant)) : std::nullopt;
    if (!f || !valeur)
        return false;
    PrixSuivis p = prixSuivis(fixe, *valeur, litNombre(ligne(L::PrixAchat)), f, ttc);
    // The quantity kept is written again in the format of those computed from it.
    (fixe == L::Coefficient ? p.coefficient : ttc ? p.ttc : p.ht) = *valeur;
    // A block that lost its closing tag may hold another block's tag among its price lines:
    // that line is never written over.
    const auto balise = [&](int l) { return Blocs::commeUneBalise(ligne(l)); };
    if (!p.ht || !p.ttc || balise(L::Coefficient) || balise(L::PrixHT) || balise(L::PrixTTC))
        return false;
    // Every price is written, or none when one would pass the largest number.
    std::vector<std::pair<int, QString>> textes;
    for (const auto& [l, v] : prixCalcules(p)) {
        std::optional<QString> texte = carte().montantAligne(l, v);
        if (!texte) {
            const std::vector<ChampMontant>& champs = carte().disposition().montants;
            // A copy of the binding: clang before 16 cannot capture a structured binding.
            tropGrand =
                std::find_if(champs.begin(), champs.end(), [numero = l](const ChampMontant& c) {
                    return c.ligne == numero;
                })->libelle;
            return false;
        }
        textes.emplace_back(l, std::move(*texte));
    }
    for (const auto& [l, texte] : textes) {
        if (texte != ligne(l)) {
            articles.changeLigne(ouverture + l, texte);
            change = true;
        }
    }
    return true;
}

void PageArticles::Recalc() {
    if (!m_dialogues.avertissement(QStringLiteral("Recalculer tous les prix ?")))
        return;
    EcritFiche();
    Blocs& articles = m_jeu.BlocsArt();
    // The lines are changed in place, so the opening tags stay where they were found.
    const std::span<const LigneOuverture> vues = articles.ouvertures();
    const std::vector<LigneOuverture> ouvertures(vues.begin(), vues.end());
    bool change = false;
    // The articles left as they were: without the prices to compute from, or with a price that
    // would pass the largest number (named after the article's code).
    QStringList laisses;
    QStringList tropGrands;
    for (const LigneOuverture& o : ouvertures) {
        if (o.numero < 0)
            continue;
        const int lignes = articles.finBloc(o.numero, o.position).fin - o.position - 1;
        QString tropGrand;
        if (lignes >= L::Fixer && recalculeArticle(articles, o.position, change, tropGrand))
            continue;
        const QString code = lignes >= L::Code ? articles.ligne(o.position + L::Code).trimmed()
                                               : QStringLiteral("fiche %1").arg(o.numero + 1);
        if (tropGrand.isEmpty())
            laisses.append(code);
        else
            tropGrands.append(QStringLiteral("%1 (%2)").arg(code, tropGrand));
    }
    if (change)
        m_jeu.SetSauve();
    LitFiche();
    // The articles left, ten of them named.
    QStringList messages;
    const auto dit = [&messages](const QStringList& quels, const QString& pourquoi) {
        if (quels.isEmpty())
            return;
        constexpr int kCodesNommes = 10;
        QString codes = QStringList(quels.mid(0, kCodesNommes)).join(QStringLiteral(", "));
        if (quels.size() > kCodesNommes)
            codes += QStringLiteral(", …");
        messages.append(QStringLiteral("Prix non recalculés pour %1 article(s), dont %2 : %3.")
                            .arg(quels.size())
                            .arg(pourquoi, codes));
    };
    dit(laisses, QStringLiteral("le prix d'achat, le coefficient, le prix de vente fixé ou la TVA "
                                "est vide ou illisible"));
    dit(tropGrands, QStringLiteral("un prix dépasserait le plus grand nombre que le programme "
                                   "sait écrire"));
    if (!messages.isEmpty())
        m_dialogues.message(messages.join(u'\n'));
}

} // namespace zel
