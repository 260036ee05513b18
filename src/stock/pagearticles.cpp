#include "stock/pagearticles.h"

#include "records/texte.h"
#include "stock/pagefournisseurs.h"

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

std::optional<double> PageArticles::facteur() const {
    const QString choix = carte().champ(L::Tva).trimmed();
    const qsizetype i = choix.isEmpty() ? 0 : tva().indexOf(choix);
    if (i < 0)
        return std::nullopt;
    return m_reglages.ini.tauxTva[std::size_t(i)] * 0.01 + 1;
}

std::optional<double> PageArticles::nombre(int ligne) const {
    return litNombre(carte().champ(ligne));
}

void PageArticles::calculePrix(int ligne) {
    // Each result comes from the texts shown; an unusable purchase price or VAT choice, or a
    // purchase price of zero to divide by, stops the computation where it stands.
    Carte& c = carte();
    const std::optional<double> achat = nombre(L::PrixAchat);
    const std::optional<double> f = facteur();
    const std::optional<double> saisi = nombre(ligne);
    if (!saisi)
        return;
    const bool ttc = venteTTC();
    switch (ligne) {
    case L::Coefficient:
        if (!achat)
            return;
        c.setMontant(ttc ? L::PrixTTC : L::PrixHT, *achat * *saisi);
        if (f)
            c.setMontant(ttc ? L::PrixHT : L::PrixTTC,
                         ttc ? *achat * *saisi / *f : *achat * *saisi * *f);
        return;
    case L::PrixHT:
    case L::PrixTTC:
        if (!f)
            return;
        if (ligne == L::PrixHT)
            c.setMontant(L::PrixTTC, *saisi * *f);
        else
            c.setMontant(L::PrixHT, *saisi / *f);
        if (achat && *achat != 0)
            c.setMontant(L::Coefficient, *saisi / *achat);
        return;
    default:
        return;
    }
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

std::optional<QString> PageArticles::choisitParCode() {
    return choisit(L::Code, L::Designation);
}

std::optional<QString> PageArticles::choisitParReference() {
    return choisit(L::Reference, L::Designation);
}

} // namespace zel
