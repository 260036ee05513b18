#pragma once

#include "records/canevas.h"

#include <QStringList>

#include <vector>

namespace zel::test {

// A canvas that records what a print draws: each text with its page, position and font, each
// rule and rectangle. Its page is an A4 sheet at a given number of device units per millimetre,
// turned sideways in landscape, and every character is 10 units wide.
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

    struct Regle {
        int page;
        int x1;
        int y1;
        int x2;
        int y2;
    };

    explicit CanevasEnregistreur(double unitesParMm = 4.72) : m_unitesParMm(unitesParMm) {}

    // A filled rectangle with the brush's colour.
    struct Plein {
        Regle cote;
        std::uint32_t couleur;
    };

    std::vector<Texte> textes;
    std::vector<Regle> regles;
    std::vector<Plein> pleins;
    int lignes = 0;
    int rectangles = 0;
    int pages = 0;
    int documents = 0;
    int documentsFinis = 0;
    Orientation derniereOrientation = Orientation::Portrait;
    // The orientation the document was begun in.
    Orientation orientationDocument = Orientation::Portrait;

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
    // Whether the text was drawn with its top left corner at x, y millimetres on the page, y
    // being the nominal height to which the print frame adds its 3 mm.
    bool dessineA(const QString& texte, double x, double y, int page = 1) const {
        for (const Texte& t : textes) {
            if (t.texte == texte && t.page == page && t.x == int(m_pasH * x) &&
                t.y == int(m_pasV * (y + 3)))
                return true;
        }
        return false;
    }
    // The nominal height in millimetres of a device position.
    double yMm(int y) const { return double(y) / m_pasV - 3; }
    double xMm(int x) const { return double(x) / m_pasH; }
    // The texts drawn on a page.
    QStringList textesDeLaPage(int page) const {
        QStringList t;
        for (const Texte& x : textes) {
            if (x.page == page)
                t.append(x.texte);
        }
        return t;
    }

    void orientation(Orientation o) override { derniereOrientation = o; }
    void debutDocument() override {
        ++documents;
        pages = 1;
        orientationDocument = derniereOrientation;
        m_pasH = int(largeurPage() / largeurMm());
        m_pasV = int(hauteurPage() / hauteurMm());
    }
    void finDocument() override { ++documentsFinis; }
    void nouvellePage() override { ++pages; }
    int largeurPage() const override { return int(largeurMm() * m_unitesParMm); }
    int hauteurPage() const override { return int(hauteurMm() * m_unitesParMm); }
    double largeurMm() const override { return paysage() ? 297 : 210; }
    double hauteurMm() const override { return paysage() ? 210 : 297; }
    void police(const QString&, int taille, bool gras, bool) override {
        m_taille = taille;
        m_gras = gras;
    }
    void texte(int x, int y, const QString& s) override {
        textes.push_back({pages, x, y, s, m_taille, m_gras});
    }
    int largeurTexte(const QString& s) const override { return 10 * int(s.size()); }
    void deplace(int x, int y) override {
        m_x = x;
        m_y = y;
    }
    void ligneVers(int x, int y) override {
        ++lignes;
        regles.push_back({pages, m_x, m_y, x, y});
    }
    void epaisseurPlume(int) override {}
    void couleurPinceau(std::uint32_t rgb) override { m_couleur = rgb; }
    void rectangle(int x1, int y1, int x2, int y2) override {
        ++rectangles;
        pleins.push_back({{pages, x1, y1, x2, y2}, m_couleur});
    }

private:
    std::uint32_t m_couleur = 0xFFFFFF;
    bool paysage() const { return derniereOrientation == Orientation::Paysage; }

    double m_unitesParMm;
    int m_pasH = 1;
    int m_pasV = 1;
    int m_x = 0;
    int m_y = 0;
    int m_taille = 0;
    bool m_gras = false;
};

} // namespace zel::test
