#pragma once

#include "app/montant.h"
#include "clients/pageclients.h"

#include <QFontMetrics>
#include <QWidget>

#include <map>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace zel::ui {

// Text widths in a widget's font, for the right alignment of amounts.
class MesureQt : public MesureTexte {
public:
    explicit MesureQt(const QFont& police) : m_metriques(police) {}
    int largeur(const QString& texte) const override {
        return m_metriques.horizontalAdvance(texte);
    }

private:
    QFontMetrics m_metriques;
};

// The client tab of the card window: every control shows a field of the client card model and
// hands the user's edits back to it.
class OngletClients : public QWidget {
    Q_OBJECT
public:
    OngletClients(PageClients& page, const ListesChoix& listes, QWidget* parent = nullptr);

    // Shows the card as the model holds it, the focus on "Nom/Soc".
    void montreCarte();
    // Shows the card without moving the focus.
    void rafraichit();

    QLineEdit* champ(int ligne) const;
    QComboBox* liste(int ligne) const;
    QTableWidget* grille() const { return m_grille; }

protected:
    bool eventFilter(QObject* cible, QEvent* evenement) override;

private:
    QLineEdit* edit(int ligne, int largeur = 0);
    QComboBox* deroulante(int ligne, const QStringList& entrees);
    QCheckBox* coche(int ligne, const QString& libelle);
    bool filtreMontant(QLineEdit* champ, int ligne, QEvent* evenement);
    void valideSaisie();

    PageClients& m_page;
    std::map<int, QLineEdit*> m_edits;
    std::map<int, QComboBox*> m_listes;
    std::map<int, QCheckBox*> m_coches;
    QPlainTextEdit* m_memo;
    QTableWidget* m_grille;
    QDateEdit* m_date;
    bool m_rafraichit = false;
};

} // namespace zel::ui
