#include "ui/ttableau.h"
#include "ui/taide.h"

#include "reports/fec.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <QValueAxis>

namespace zel::ui {

void ModeleTableau::change(Tableau tableau) {
    beginResetModel();
    m_tableau = std::move(tableau);
    endResetModel();
}

int ModeleTableau::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_tableau.rangees.size());
}

int ModeleTableau::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_tableau.colonnes.size()) + 1;
}

QVariant ModeleTableau::data(const QModelIndex& index, int role) const {
    const int c = index.column();
    if (role == Qt::TextAlignmentRole && c > 0 && m_tableau.colonnes[std::size_t(c - 1)].aDroite)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (c == 0)
        return index.row() + 1;
    return m_tableau.rangees[std::size_t(index.row())].value(c - 1);
}

QVariant ModeleTableau::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section == 0)
        return {};
    const ColonneTableau& col = m_tableau.colonnes[std::size_t(section - 1)];
    if (role == Qt::DisplayRole)
        return col.titre;
    if (role == Qt::TextAlignmentRole && col.aDroite)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

namespace {

// The bar chart of a table: one bar per value, the labels under them, the value axis at the left.
QChartView* graphiqueDe(const Tableau& t, QWidget* parent) {
    auto* barres = new QBarSet(t.colonnes.size() > 1 ? t.colonnes[1].titre : QString());
    QStringList libelles;
    double bas = 0;
    double haut = 0;
    // An empty place at each end: the axis hides a turned label it thinks goes past its edge.
    const auto bord = [&](const QString& blanc) {
        barres->append(0);
        libelles.append(blanc);
    };
    bord(QStringLiteral(" "));
    for (const Barre& b : t.barres) {
        barres->append(b.valeur);
        libelles.append(b.libelle);
        bas = std::min(bas, b.valeur);
        haut = std::max(haut, b.valeur);
    }
    bord(QStringLiteral("  "));
    auto* serie = new QBarSeries;
    serie->append(barres);
    auto* graphique = new QChart;
    graphique->addSeries(serie);
    graphique->setTitle(t.titreBarres);
    graphique->legend()->hide();
    auto* mois = new QBarCategoryAxis;
    mois->append(libelles);
    mois->setLabelsAngle(-90);
    mois->setTruncateLabels(false);
    graphique->addAxis(mois, Qt::AlignBottom);
    serie->attachAxis(mois);
    auto* valeurs = new QValueAxis;
    valeurs->setRange(bas, haut > bas ? haut : bas + 1);
    valeurs->setLabelFormat(QStringLiteral("%.0f"));
    valeurs->applyNiceNumbers();
    graphique->addAxis(valeurs, Qt::AlignLeft);
    serie->attachAxis(valeurs);
    auto* vue = new QChartView(graphique, parent);
    vue->setRenderHint(QPainter::Antialiasing);
    vue->setMinimumSize(420, 320);
    return vue;
}

} // namespace

TTableau::TTableau(Tableau tableau, Impression& impression, QWidget* parent)
    : QDialog(parent), m_impression(impression), m_modele(new ModeleTableau(this)),
      m_vue(new QTableView(this)), m_barre(new QToolBar(this)) {
    setWindowTitle(tableau.legende);
    metSujet(this, Sujet::Statistiques);
    QAction* imprimer = m_barre->addAction(QStringLiteral("Imprimer"), this, &TTableau::imprime);
    imprimer->setToolTip(QStringLiteral("Imprimer"));
    QAction* fermer = m_barre->addAction(QStringLiteral("Fermer"), this, &QDialog::accept);
    fermer->setToolTip(QStringLiteral("Fermer"));
    m_vue->setModel(m_modele);
    m_vue->verticalHeader()->hide();
    m_vue->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_vue->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A grid of one-line rows, as many as the window holds.
    m_vue->setWordWrap(false);
    m_vue->verticalHeader()->setDefaultSectionSize(m_vue->fontMetrics().height() + 6);
    auto* mise = new QVBoxLayout(this);
    mise->addWidget(m_barre);
    auto* cote = new QHBoxLayout;
    mise->addLayout(cote);
    cote->addWidget(m_vue);
    const bool barres = !tableau.barres.empty();
    if (barres) {
        m_graphique = graphiqueDe(tableau, this);
        cote->addWidget(m_graphique, 1);
    }
    montre(std::move(tableau));
    // The table keeps its columns' widths; a chart takes what is left of the screen.
    int largeur = m_vue->frameWidth() * 2 + m_vue->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_modele->columnCount(); ++c)
        largeur += m_vue->columnWidth(c);
    m_vue->setMinimumWidth(largeur);
    const QRect ecran = screen()->availableGeometry();
    resize(std::min(largeur + 40 + (barres ? 640 : 0), ecran.width()),
           std::min(520, ecran.height()));
}

void TTableau::montre(Tableau tableau) {
    m_modele->change(std::move(tableau));
    const Tableau& t = m_modele->tableau();
    m_vue->setColumnWidth(0, t.largeurOrdinal);
    for (std::size_t c = 0; c < t.colonnes.size(); ++c) {
        // An amount is never cut short: its column widens to the widest shown.
        const int colonne = int(c) + 1;
        if (t.colonnes[c].aDroite)
            m_vue->resizeColumnToContents(colonne);
        m_vue->setColumnWidth(colonne,
                              std::max(t.colonnes[c].largeur,
                                       t.colonnes[c].aDroite ? m_vue->columnWidth(colonne) : 0));
    }
}

void TTableau::imprime() {
    const Tableau& t = m_modele->tableau();
    const QDate aujourdhui = QDate::currentDate();
    m_impression.apercu(this, t.titreImpression + aujourdhui.toString(QStringLiteral("dd/MM/yyyy")),
                        [&](Canevas& c) { imprimeGrille(c, t, aujourdhui); });
}

TCompta::TCompta(Journal journal, Impression& impression, Dialogues& dialogues, Reglages& reglages,
                 QWidget* parent)
    : TTableau(tableauJournal(journal, {}), impression, parent), m_journal(std::move(journal)),
      m_dialogues(dialogues), m_reglages(reglages), m_du(new QDateEdit(m_journal.du, this)),
      m_au(new QDateEdit(m_journal.au, this)) {
    metSujet(this, Sujet::Journal);
    QAction* exporter = barre()->addAction(QStringLiteral("Exporter"), this, &TCompta::exporte);
    exporter->setToolTip(QStringLiteral("Exporter"));
    QAction* fec = barre()->addAction(QStringLiteral("Exporter FEC"), this, &TCompta::exporteFec);
    fec->setToolTip(QStringLiteral("Fichier des écritures comptables d'un exercice"));
    barre()->addSeparator();
    barre()->addWidget(new QLabel(QStringLiteral(" Du "), this));
    barre()->addWidget(m_du);
    barre()->addWidget(new QLabel(QStringLiteral(" Au "), this));
    barre()->addWidget(m_au);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    barre()->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &TCompta::remplit);
    for (QDateEdit* d : {m_du, m_au}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    remplit();
}

void TCompta::remplit() {
    m_montrees = entre(m_journal, m_du->date(), m_au->date());
    montre(tableauJournal(m_journal, m_montrees));
}

void TCompta::exporte() {
    exporteJournal(m_dialogues, m_journal, m_montrees);
}

void TCompta::exporteFec() {
    zel::exporteFec(m_dialogues, m_reglages, m_journal, m_au->date());
}

} // namespace zel::ui
