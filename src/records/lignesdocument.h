#pragma once

#include "records/totaux.h"

#include <QAbstractTableModel>

#include <vector>

namespace zel {

// What the line grid of a document needs from its page: the lines, whether they are frozen
// (a validated document), the price mode that titles the amount column, and a word when the
// user really changed a cell.
class SourceLignes {
public:
    virtual std::vector<LigneDocument>& lignesDocument() = 0;
    virtual bool lignesFigees() const = 0;
    virtual bool prixTTC() const = 0;
    virtual void celluleEditee(int rangee, int colonne) = 0;
    // A text refused in a cell, with why.
    virtual void celluleRefusee(const QString& motif) = 0;

protected:
    ~SourceLignes() = default;
};

// The line grid of an invoice or an order as a table: one row per line, the seven cells as
// columns. The view edits it through setData, so a value typed is in the document before any
// key handling computes from it.
class ModeleLignes : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColonnes = 7;

    explicit ModeleLignes(SourceLignes& source, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // A cell takes the text typed unless the lines are frozen or the text could not stand as a
    // field (a line break, a TAB that would shift the cells after it, ...). The document is
    // marked changed only when the text really changes.
    bool setData(const QModelIndex& index, const QVariant& valeur,
                 int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The page changed the lines, the frozen state or the price mode: the view reads them again.
    void rafraichi();

private:
    SourceLignes& m_source;
};

} // namespace zel
