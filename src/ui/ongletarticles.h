#pragma once

#include "stock/pagearticles.h"
#include "ui/ongletcarte.h"

class QRadioButton;

namespace zel::ui {

// The articles tab of the card window, with its prices kept consistent as each is left.
class OngletArticles : public OngletCarte {
    Q_OBJECT
public:
    OngletArticles(PageArticles& page, const ListesChoix& listes, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* cible, QEvent* evenement) override;
    bool quitteMontant(int ligne) override;
    void rafraichitPlus() override;

private:
    QRadioButton* choix(const QString& libelle, std::function<void()> quandChoisi);

    PageArticles& m_articles;
    QRadioButton* m_venteHT;
    QRadioButton* m_venteTTC;
    QRadioButton* m_prixFixe;
    QRadioButton* m_coefficientFixe;
};

} // namespace zel::ui
