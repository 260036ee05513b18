#pragma once

#include "records/canevas.h"

#include <QStringList>

#include <cmath>
#include <vector>

namespace zel::test {

// A canvas that records what a print draws: each text with its page, position, font and the box
// it takes, each rule and rectangle with the pen's width. Its printable area is an A4 sheet less
// a margin, at a given number of device units per millimetre, turned sideways in landscape. A
// font's height is its size (a point is 1/72 inch) and each of its characters is 0.55 of that
// wide, about the average of Arial's.
class CanevasEnregistreur : public Canevas {
public:
    struct Texte {
        int page;
        int x;
        int y;
        QString texte;
        // In points of the print's own millimetre, as the print asked for it.
        double taille;
        bool gras;
        // The box the text takes, in device units.
        int largeur;
        double hauteur;
        // The printable area it was drawn on.
        int largeurZone;
        int hauteurZone;
    };

    struct Regle {
        int page;
        int x1;
        int y1;
        int x2;
        int y2;
        int epaisseur = 1;
        int largeurZone = 0;
        int hauteurZone = 0;
    };

    explicit CanevasEnregistreur(double unitesParMm = 4.72, double margeMm = 0)
        : m_unitesParMm(unitesParMm), m_marge(margeMm) {}

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
    // Whether the text was drawn with its right edge at x millimetres, at the nominal height y.
    bool finitA(const QString& texte, double x, double y, int page = 1) const {
        for (const Texte& t : textes) {
            if (t.texte == texte && t.page == page && t.x + t.largeur == int(m_pasH * x) &&
                t.y == int(m_pasV * (y + 3)))
                return true;
        }
        return false;
    }
    // The device position of a nominal position in millimetres.
    int x(double mm) const { return int(m_pasH * mm); }
    int y(double mm) const { return int(m_pasV * (mm + 3)); }
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

    // The pairs of texts of a page whose boxes overlap (texts that draw nothing aside).
    std::vector<std::pair<Texte, Texte>> chevauchements() const {
        std::vector<std::pair<Texte, Texte>> paires;
        for (std::size_t i = 0; i < textes.size(); ++i) {
            const Texte& a = textes[i];
            // Pages come one after the other.
            for (std::size_t j = i + 1; j < textes.size() && textes[j].page == a.page; ++j) {
                const Texte& b = textes[j];
                if (a.largeur > 0 && b.largeur > 0 && a.x < b.x + b.largeur &&
                    b.x < a.x + a.largeur && a.y < b.y + b.hauteur && b.y < a.y + a.hauteur)
                    paires.emplace_back(a, b);
            }
        }
        return paires;
    }
    // What is drawn, in part or whole, outside the printable area: texts, rules and rectangles,
    // each told by its text or its corners.
    QStringList horsZone() const {
        QStringList hors;
        for (const Texte& t : textes) {
            if (t.largeur > 0 && (t.x < 0 || t.y < 0 || t.x + t.largeur > t.largeurZone ||
                                  t.y + t.hauteur > t.hauteurZone))
                hors.append(t.texte);
        }
        const auto dedans = [](const Regle& r) {
            return std::min(r.x1, r.x2) >= 0 && std::min(r.y1, r.y2) >= 0 &&
                   std::max(r.x1, r.x2) <= r.largeurZone && std::max(r.y1, r.y2) <= r.hauteurZone;
        };
        for (const Regle& r : regles) {
            if (!dedans(r))
                hors.append(
                    QStringLiteral("règle %1,%2 %3,%4").arg(r.x1).arg(r.y1).arg(r.x2).arg(r.y2));
        }
        for (const Plein& p : pleins) {
            if (!dedans(p.cote))
                hors.append(QStringLiteral("rectangle %1,%2 %3,%4")
                                .arg(p.cote.x1)
                                .arg(p.cote.y1)
                                .arg(p.cote.x2)
                                .arg(p.cote.y2));
        }
        return hors;
    }

    // What a print must never do, told: texts over each other, anything outside the printable
    // area.
    QStringList defauts() const {
        QStringList d;
        for (const auto& [a, b] : chevauchements())
            d.append(QStringLiteral("«%1» over «%2», page %3").arg(a.texte, b.texte).arg(a.page));
        for (const QString& hors : horsZone())
            d.append(QStringLiteral("outside the printable area: ") + hors);
        return d;
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
    double largeurMm() const override { return (paysage() ? 297 : 210) - 2 * m_marge; }
    double hauteurMm() const override { return (paysage() ? 210 : 297) - 2 * m_marge; }
    void police(const QString&, double taille, bool gras, bool) override {
        m_taille = taille;
        m_gras = gras;
    }
    void deplace(int x, int y) override {
        m_x = x;
        m_y = y;
    }
    void ligneVers(int x, int y) override {
        ++lignes;
        regles.push_back({pages, m_x, m_y, x, y, m_plume, largeurPage(), hauteurPage()});
    }
    void epaisseurPlume(int epaisseur) override { m_plume = epaisseur; }
    void couleurPinceau(std::uint32_t rgb) override { m_couleur = rgb; }
    void rectangle(int x1, int y1, int x2, int y2) override {
        ++rectangles;
        pleins.push_back(
            {{pages, x1, y1, x2, y2, m_plume, largeurPage(), hauteurPage()}, m_couleur});
    }

protected:
    void dessineTexte(int x, int y, const QString& s) override {
        // The size as the print asked for it, before its points were fitted to its millimetre.
        const double echelle =
            std::min(m_pasH * largeurMm() / largeurPage(), m_pasV * hauteurMm() / hauteurPage());
        textes.push_back({pages, x, y, s, std::round(m_taille / echelle * 100) / 100, m_gras,
                          mesureTexte(s), hauteurPolice(), largeurPage(), hauteurPage()});
    }
    int mesureTexte(const QString& s) const override {
        return int(std::ceil(0.55 * hauteurPolice() * double(s.size()) - 1e-9));
    }

private:
    double hauteurPolice() const { return m_taille * m_unitesParMm * 25.4 / 72; }
    bool paysage() const { return derniereOrientation == Orientation::Paysage; }

    std::uint32_t m_couleur = 0xFFFFFF;
    double m_unitesParMm;
    double m_marge;
    int m_pasH = 1;
    int m_pasV = 1;
    int m_x = 0;
    int m_y = 0;
    double m_taille = 0;
    bool m_gras = false;
    // A pen left as it is draws one dot wide.
    int m_plume = 1;
};

} // namespace zel::test
