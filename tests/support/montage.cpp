#include "support/montage.h"

#include "store/fichiertexte.h"

#include <gtest/gtest.h>

namespace zel::test {

QStringList bloc(int n, int fixes, const std::map<int, QString>& champs, const QStringList& suite) {
    QStringList lignes{Blocs::BalisesBloc(n).ouverture};
    for (int l = 1; l <= fixes; ++l) {
        const auto it = champs.find(l);
        lignes.append(it == champs.end() ? QString() : it->second);
    }
    return lignes + suite + QStringList{Blocs::BalisesBloc(n).fermeture};
}

void tapeLigne(PageDocument& page, int rangee, const char* ref, const char* quantite,
               const char* prix) {
    LigneDocument& l = page.document().ligne(rangee);
    l[colonne::Ref] = QString::fromUtf8(ref);
    l[colonne::Quantite] = QString::fromUtf8(quantite);
    l[colonne::Prix] = QString::fromUtf8(prix);
    page.finDeLigne(rangee);
}

Montage::Montage() {
    // The sets of these tests keep the settings file of their time, read as it is: VAT rate 1
    // at 19,6 % and amounts in francs, as in the figures worked by hand.
    Reglages anciens;
    anciens.ini.tauxTva[0] = 19.6;
    anciens.ini.modeDevise = 0;
    EXPECT_TRUE(anciens.SauveIni(dossier.racine(), {}));
    EXPECT_TRUE(reglages.ChargeIni(dossier.racine()));
    for (Sorte sorte : kToutesSortes) {
        if (PageCarte* p = fenetre.page(sorte))
            p->setAujourdhui([] { return QDate(2026, 12, 6); });
    }
    for (PageDocument* d : {fenetre.document(Sorte::Factures), fenetre.document(Sorte::Commandes)})
        d->setAujourdhui([] { return QDate(2026, 12, 6); });
}

QString Montage::nom(const char* extension) const {
    return dossier.chemin(QStringLiteral("t.") + QLatin1String(extension));
}

void Montage::charge(const QStringList& clients, const QStringList& fournisseurs,
                     const QStringList& articles, const QStringList& factures,
                     const QStringList& commandes) {
    const std::pair<const char*, const QStringList*> fichiers[] = {{"cli", &clients},
                                                                   {"frs", &fournisseurs},
                                                                   {"stk", &articles},
                                                                   {"fct", &factures},
                                                                   {"cmd", &commandes}};
    for (const auto& [extension, lignes] : fichiers) {
        QByteArray octets;
        ASSERT_TRUE(fichier::encodeLignes(*lignes, octets));
        dossier.ecrit(QStringLiteral("t.") + QLatin1String(extension), octets);
    }
    ASSERT_TRUE(jeu.Charge(nom()));
    fenetre.apresOuverture();
}

QStringList Montage::relit(const char* extension) const {
    QStringList lignes;
    EXPECT_TRUE(fichier::lire(nom(extension), lignes));
    return lignes;
}

QStringList Montage::sauve(const char* extension) {
    EXPECT_TRUE(jeu.Sauve(nom()));
    return relit(extension);
}

} // namespace zel::test
