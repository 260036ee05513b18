#pragma once

#include "records/canevas.h"

#include <QStringList>

#include <vector>

namespace zel::test {

// A canvas that records what a print draws: each text with its page, position and font, each
// rule and rectangle. Its page is an A4 sheet at a given number of device units per millimetre,
// and every character is 10 units wide.
class CanevasEnregistreur : public Canevas {
public:
    struct Texte {
        int page;
        int x;
        int y;
        QString texte;
        int taille;
        bool gras;
    };

    explicit CanevasEnregistreur(double unitesParMm = 4.72)
        : m_largeur(int(210 * unitesParMm)), m_hauteur(int(297 * unitesParMm)) {}

    std::vector<Texte> textes;
    int lignes = 0;
    int rectangles = 0;
    int pages = 0;
    int documents = 0;
    Orientation derniereOrientation = Orientation::Portrait;

    // The texts drawn, in order.
    QStringList seulementTextes() const {
        QStringList t;
        for (const Texte& x : textes)
            t.append(x.texte);
        return t;
    }
    const Texte* trouve(const QString& texte) const {
        for (const Texte& x : textes) {
            if (x.texte == texte)
                return &x;
        }
        return nullptr;
    }

    void orientation(Orientation o) override { derniereOrientation = o; }
    void debutDocument() override {
        ++documents;
        pages = 1;
    }
    void finDocument() override {}
    void nouvellePage() override { ++pages; }
    int largeurPage() const override { return m_largeur; }
    int hauteurPage() const override { return m_hauteur; }
    double largeurMm() const override { return 210; }
    double hauteurMm() const override { return 297; }
    void police(const QString&, int taille, bool gras, bool) override {
        m_taille = taille;
        m_gras = gras;
    }
    void texte(int x, int y, const QString& s) override {
        textes.push_back({pages, x, y, s, m_taille, m_gras});
    }
    int largeurTexte(const QString& s) const override { return 10 * int(s.size()); }
    void deplace(int, int) override {}
    void ligneVers(int, int) override { ++lignes; }
    void epaisseurPlume(int) override {}
    void couleurPinceau(std::uint32_t) override {}
    void rectangle(int, int, int, int) override { ++rectangles; }

private:
    int m_largeur;
    int m_hauteur;
    int m_taille = 0;
    bool m_gras = false;
};

} // namespace zel::test
