#pragma once

#include "records/pagedocument.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace zel::ui {

class DelegueLignes;

// The texts that tell the invoice tab from the order tab.
struct LibellesOnglet {
    QString numero;
    QString code;
    QString ht;
    QString ttc;
    QString coordonnees;
    QString valide;
    QString nonValide;
    // The kind of document is chosen in a drop-down (invoices, quotes, credit notes).
    bool genres;
    // The code takes digits only (Backspace too); other keys are discarded.
    bool codeChiffres;

    static LibellesOnglet factures();
    static LibellesOnglet commandes();
};

// The invoice or order tab of the card window: the document's fields, its line grid and its
// totals, each edit handed back to the page.
class OngletDocument : public QWidget {
    Q_OBJECT
public:
    OngletDocument(PageDocument& page, const LibellesOnglet& libelles, QWidget* parent = nullptr);

    // Shows the document as the page holds it, the focus on the client or supplier code.
    void montreDocument();
    void rafraichit();
    // "Supprimer ligne": the grid's current line, while the grid has the focus.
    void supprimeLigneCourante();
    // Before a command of the menus, the tool bar or the page keys: the text of an open cell
    // editor counts, and a "Réf" being typed is looked up, as when the cell is left.
    void termineSaisie();
    bool grilleActive() const { return m_grilleActive; }

    QTableView* grille() const { return m_grille; }
    QLineEdit* champCode() const { return m_code; }
    QLineEdit* champDate() const { return m_date; }
    // The totals as shown: before tax, VAT, including tax and converted.
    QStringList totauxAffiches() const;

Q_SIGNALS:
    // The grid took or lost the focus: "Supprimer ligne" follows it.
    void grilleActiveChangee(bool active);
    // "Imprimer" was pressed.
    void imprime();
    // A short notice for the status bar.
    void avis(const QString& texte);

protected:
    bool eventFilter(QObject* cible, QEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    // Enter in the grid: the page says where the typing goes on.
    void entree();
    // A click in "Désignation", on the cell or in its open editor.
    void cliqueDesignation(const QModelIndex& index);
    void quitteReferenceCourante();
    void montreAvis(const QString& texte);
    void rafraichitTotaux();
    // The date typed (or picked in the calendar) handed to the page, which refuses a day that
    // does not exist; the field then shows the document's date again.
    void saisitDate(const QString& texte);

    PageDocument& m_page;
    const LibellesOnglet m_libelles;
    QLineEdit* m_numero;
    QLineEdit* m_date;
    QLineEdit* m_code;
    QComboBox* m_conditions;
    QComboBox* m_genre;
    QRadioButton* m_ht;
    QRadioButton* m_ttc;
    std::array<QLineEdit*, 4> m_adresse;
    QTableView* m_grille;
    DelegueLignes* m_delegue;
    QPlainTextEdit* m_notes;
    QLabel* m_statut;
    QPushButton* m_valider;
    std::array<QLabel*, 6> m_totaux;
    bool m_rafraichit = false;
    bool m_grilleActive = false;
};

} // namespace zel::ui
