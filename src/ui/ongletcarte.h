#pragma once

#include "records/montant.h"
#include "records/pagecarte.h"

#include <QFontMetrics>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

class QBoxLayout;
class QFormLayout;
class QHBoxLayout;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
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

// A record tab of the card window: every control shows a field of the page's card and hands the
// user's edits back to it. The controls are made here; each kind of card lays them out.
class OngletCarte : public QWidget {
    Q_OBJECT
public:
    OngletCarte(PageCarte& page, QWidget* parent = nullptr);

    // Shows the card as the page holds it, the focus on the tab's main field.
    void montreCarte();
    // Shows the card without moving the focus.
    void rafraichit();

    QLineEdit* champ(int ligne) const;
    QComboBox* liste(int ligne) const;
    QCheckBox* caseACocher(int ligne) const;
    QPlainTextEdit* memo(int i) const { return m_memos.at(std::size_t(i)); }
    QTableWidget* grille() const { return m_grille; }

protected:
    bool eventFilter(QObject* cible, QEvent* evenement) override;

    // The controls of the fields, each bound to its block line.
    QLineEdit* edit(int ligne, int largeur = 0);
    // A drop-down whose choices are read again at each refresh: the option lists may change.
    QComboBox* deroulante(int ligne, std::function<QStringList()> choix, bool saisissable = true);
    QCheckBox* coche(int ligne, const QString& libelle);
    // A field, then a second label and field on the same row.
    QHBoxLayout* paire(QWidget* premier, const QString& libelle, QWidget* second);
    // The name and address rows, on the block lines from `nom` on: name, two address lines,
    // postal code, town, country, telephone, fax and e-mail.
    void coordonnees(QFormLayout& forme, int nom);
    // The "Banque" group: the bank's name among the banks of the option lists, then the bank
    // code, branch code, account number and key, on the block lines from `nom` on.
    QWidget* groupeBanque(int nom, const ListesChoix& listes);
    // The memo of the card's memo number i.
    QPlainTextEdit* zoneMemo(int i, int hauteur);
    // The account grid with its entry line below it, or above it. Its header row shows the
    // column titles given, or stays empty without them.
    QBoxLayout* zoneCompte(const QStringList& titres, bool saisieAuDessus = false);
    // The field that takes the focus after each read.
    void setChampPrincipal(QWidget* champ) { m_principal = champ; }
    // Tab order: the controls of the fields in block order, then the memos, the grid and the
    // entry line.
    void ordonneTabulation();
    // Leaving an amount field; true when the card changed and is to be shown again.
    virtual bool quitteMontant(int ligne);
    // What a kind of card shows besides its field controls.
    virtual void rafraichitPlus() {}

    PageCarte& m_page;
    bool m_rafraichit = false;

private:
    // Shows a field again from the card without taking it as an edit.
    void remet(std::function<void()> affiche);
    bool estMontant(int ligne) const;
    bool filtreMontant(QLineEdit* champ, int ligne, QEvent* evenement);
    void valideSaisie();

    std::map<int, QLineEdit*> m_edits;
    std::map<int, QComboBox*> m_listes;
    std::map<int, std::function<QStringList()>> m_choix;
    std::map<int, QCheckBox*> m_coches;
    std::vector<QPlainTextEdit*> m_memos;
    QTableWidget* m_grille = nullptr;
    QDateEdit* m_date = nullptr;
    QPushButton* m_ok = nullptr;
    QWidget* m_principal = nullptr;
};

} // namespace zel::ui
