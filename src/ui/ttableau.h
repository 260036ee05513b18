#pragma once

#include "reports/grille.h"
#include "ui/impression.h"

#include <QAbstractTableModel>
#include <QDialog>

class QChartView;
class QDateEdit;
class QTableView;
class QToolBar;

namespace zel::ui {

// A result table as a model: the ordinal without a title, then the table's columns.
class ModeleTableau : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeleTableau(QObject* parent) : QAbstractTableModel(parent) {}
    void change(Tableau tableau);
    const Tableau& tableau() const { return m_tableau; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Tableau m_tableau;
};

// The window of a statistics result (TStatsA, TStatsV, TStatsC, TStatsR): the table with its
// columns at their widths, its bar chart beside it when it has one, "Imprimer" through the print
// preview and "Fermer".
class TTableau : public QDialog {
    Q_OBJECT
public:
    TTableau(Tableau tableau, Impression& impression, QWidget* parent);

    QTableView* vue() const { return m_vue; }
    // The chart beside the table, or none.
    QChartView* graphique() const { return m_graphique; }
    const ModeleTableau& modele() const { return *m_modele; }
    void imprime();

protected:
    void montre(Tableau tableau);
    QToolBar* barre() const { return m_barre; }

private:
    Impression& m_impression;
    ModeleTableau* m_modele;
    QTableView* m_vue;
    QToolBar* m_barre;
    QChartView* m_graphique = nullptr;
};

// The journal window (TCompta): the entries between "Du" and "Au" and those whose date cannot be
// read, shown again on "OK", printed, and exported for the accountant as a text file, or as the
// FEC file of a financial year.
class TCompta : public TTableau {
    Q_OBJECT
public:
    TCompta(Journal journal, Impression& impression, Dialogues& dialogues, Reglages& reglages,
            QWidget* parent);

    QDateEdit* du() const { return m_du; }
    QDateEdit* au() const { return m_au; }
    // "OK": the lines of the range chosen.
    void remplit();
    void exporte();
    void exporteFec();

private:
    Journal m_journal;
    Dialogues& m_dialogues;
    Reglages& m_reglages;
    std::vector<const Piece*> m_montrees;
    QDateEdit* m_du;
    QDateEdit* m_au;
};

} // namespace zel::ui
