#pragma once

#include "app/dialogues.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QTableWidget;

namespace zel::ui {

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

} // namespace zel::ui
