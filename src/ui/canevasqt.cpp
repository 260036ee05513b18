#include "ui/canevasqt.h"

#include <QFontMetrics>
#include <QPrinter>

void CanevasQt::orientation(Orientation o) {
    // A preview lays its pages out on the printer's layout once the document is drawn: the
    // printer keeps the orientation the document was drawn in until the preview is closed.
    if (m_fini)
        return;
    m_imprimante.setPageOrientation(o == Orientation::Paysage ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
}

void CanevasQt::debutDocument() {
    m_peintre.begin(&m_imprimante);
}

void CanevasQt::finDocument() {
    m_peintre.end();
    m_fini = true;
}

void CanevasQt::nouvellePage() {
    m_imprimante.newPage();
}

int CanevasQt::largeurPage() const {
    return m_imprimante.width();
}

int CanevasQt::hauteurPage() const {
    return m_imprimante.height();
}

double CanevasQt::largeurMm() const {
    return m_imprimante.pageLayout().paintRect(QPageLayout::Millimeter).width();
}

double CanevasQt::hauteurMm() const {
    return m_imprimante.pageLayout().paintRect(QPageLayout::Millimeter).height();
}

void CanevasQt::police(const QString& nom, double taille, bool gras, bool italique) {
    m_police = QFont(nom);
    m_police.setPointSizeF(taille);
    m_police.setBold(gras);
    m_police.setItalic(italique);
    m_peintre.setFont(m_police);
}

void CanevasQt::dessineTexte(int x, int y, const QString& s) {
    // The position is the top of the text, as every print places it.
    m_peintre.drawText(QPoint(x, y + QFontMetrics(m_police, &m_imprimante).ascent()), s);
}

int CanevasQt::mesureTexte(const QString& s) const {
    return QFontMetrics(m_police, &m_imprimante).horizontalAdvance(s);
}

void CanevasQt::deplace(int x, int y) {
    m_position = QPoint(x, y);
}

void CanevasQt::ligneVers(int x, int y) {
    const QPoint fin(x, y);
    m_peintre.setPen(m_plume);
    m_peintre.drawLine(m_position, fin);
    m_position = fin;
}

void CanevasQt::epaisseurPlume(int epaisseur) {
    m_plume.setWidth(epaisseur);
}

void CanevasQt::couleurPinceau(std::uint32_t rgb) {
    m_pinceau = QBrush(QColor::fromRgb(rgb));
}

void CanevasQt::rectangle(int x1, int y1, int x2, int y2) {
    m_peintre.setPen(m_plume);
    m_peintre.setBrush(m_pinceau);
    m_peintre.drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)));
}
