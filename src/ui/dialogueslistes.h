#pragma once

#include "records/dialogues.h"

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTableWidget;

namespace zel::ui {

// The "Annuler" and "OK" buttons of a dialog, OK being the default (Enter).
QDialogButtonBox* boutonsAnnulerOk(QDialog* dialogue);

// The one-field input dialogs of the browsing and search commands ("Code postal", "Ville",
// "Recherche par nom" ...): Enter in the field acts as OK, "Annuler" gives nothing.
class TSaisie : public QDialog {
    Q_OBJECT
public:
    TSaisie(Saisie sorte, const QString& initial, QWidget* parent);
    QString texte() const;
    QLineEdit* champ() const { return m_champ; }

private:
    QLineEdit* m_champ;
};

// The on-screen list with its "Fermer" button: double click or Enter on a row chooses it.
class TFListe : public QDialog {
    Q_OBJECT
public:
    TFListe(const TableListe& table, QWidget* parent);
    std::optional<int> ligneChoisie() const { return m_choix; }
    QTableWidget* grille() const { return m_grille; }
    // The grid starts with 20 rows and grows by ten whenever a row beyond the last is needed.
    static int nombreDeRangees(int lignes);

protected:
    bool eventFilter(QObject* cible, QEvent* evenement) override;

private:
    void choisit(int rangee);

    QTableWidget* m_grille;
    int m_lignesRemplies;
    std::optional<int> m_choix;
};

// A pick list with "Annuler" and "OK": double click or OK chooses.
class TListeChoix : public QDialog {
    Q_OBJECT
public:
    TListeChoix(const QString& titre, const QStringList& entrees, QWidget* parent);
    std::optional<int> entreeChoisie() const;
    QListWidget* liste() const { return m_liste; }

private:
    QListWidget* m_liste;
};

// "Liste des factures" and "Liste des commandes" (TFactListe, TCmdListe): the documents, which
// the two arrows move up and down within the list. Enter, a double click and "Fermer" keep the
// entry selected; Escape leaves it without one.
class TListeDocuments : public QDialog {
    Q_OBJECT
public:
    TListeDocuments(const QString& titre, const QStringList& entrees, QWidget* parent);
    // The place, in the entries given, of the entry selected when the list was closed.
    std::optional<int> entreeChoisie() const;
    QListWidget* liste() const { return m_liste; }
    // Moves the selected entry one place up (-1) or down (+1), keeping it selected.
    void deplace(int sens);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    QListWidget* m_liste;
    bool m_sansChoix = false;
};

// "Impression": the pages of a list print, a page standing for a record, from 1 to the count.
class TPlage : public QDialog {
    Q_OBJECT
public:
    TPlage(int compte, QWidget* parent);
    std::pair<int, int> plage() const;
    QSpinBox* de() const { return m_de; }
    QSpinBox* a() const { return m_a; }

private:
    QSpinBox* m_de;
    QSpinBox* m_a;
};

} // namespace zel::ui
