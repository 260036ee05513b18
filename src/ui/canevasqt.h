#pragma once

#include "records/canevas.h"

#include <QPainter>

class QPrinter;

// The print canvas on a printer (or a preview or PDF, which Qt gives as a printer).
class CanevasQt : public zel::Canevas {
public:
    explicit CanevasQt(QPrinter& imprimante) : m_imprimante(imprimante) {}

    void orientation(Orientation o) override;
    void debutDocument() override;
    void finDocument() override;
    void nouvellePage() override;
    int largeurPage() const override;
    int hauteurPage() const override;
    double largeurMm() const override;
    double hauteurMm() const override;
    void police(const QString& nom, double taille, bool gras, bool italique) override;
    void deplace(int x, int y) override;
    void ligneVers(int x, int y) override;
    void epaisseurPlume(int epaisseur) override;
    void couleurPinceau(std::uint32_t rgb) override;
    void rectangle(int x1, int y1, int x2, int y2) override;

protected:
    void dessineTexte(int x, int y, const QString& s) override;
    int mesureTexte(const QString& s) const override;

private:
    QPrinter& m_imprimante;
    QPainter m_peintre;
    QFont m_police;
    QPen m_plume;
    QBrush m_pinceau{Qt::white};
    QPoint m_position;
    bool m_fini = false;
};
