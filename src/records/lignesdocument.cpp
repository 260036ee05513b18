#include "records/lignesdocument.h"

#include "records/texte.h"

namespace zel {

ModeleLignes::ModeleLignes(SourceLignes& source, QObject* parent)
    : QAbstractTableModel(parent), m_source(source) {}

int ModeleLignes::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_source.lignesDocument().size());
}

int ModeleLignes::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColonnes;
}

QVariant ModeleLignes::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_source.lignesDocument()[std::size_t(index.row())][std::size_t(index.column())];
}

bool ModeleLignes::setData(const QModelIndex& index, const QVariant& valeur, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole ||
        m_source.lignesFigees())
        return false;
    const QString texte = valeur.toString();
    if (const std::optional<QString> refus = refusChamp(texte)) {
        m_source.celluleRefusee(*refus);
        return false;
    }
    QString& cellule =
        m_source.lignesDocument()[std::size_t(index.row())][std::size_t(index.column())];
    if (cellule == texte)
        return true;
    cellule = texte;
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    m_source.celluleEditee(index.row() + 1, index.column());
    return true;
}

Qt::ItemFlags ModeleLignes::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return m_source.lignesFigees() ? base : base | Qt::ItemIsEditable;
}

QVariant ModeleLignes::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case colonne::Ref:
        return QStringLiteral("Réf");
    case colonne::Designation:
        return QStringLiteral("Désignation");
    case colonne::Quantite:
        return QStringLiteral("Quantité");
    case colonne::Prix:
        return QStringLiteral("Prix Unitaire");
    case colonne::Remise:
        return QStringLiteral("R (%)");
    case colonne::Montant:
        return titreMontant(m_source.prixTTC());
    case colonne::Tva:
        return QStringLiteral("T");
    default:
        return {};
    }
}

void ModeleLignes::rafraichi() {
    const int rangees = rowCount();
    if (rangees > 0)
        Q_EMIT dataChanged(index(0, 0), index(rangees - 1, kColonnes - 1));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColonnes - 1);
}

} // namespace zel
