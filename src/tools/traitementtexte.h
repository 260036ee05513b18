#pragma once

#include "records/dialogues.h"
#include "tools/rtf.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace zel::outils {

// The indents of a paragraph as the ruler shows them, in points: the first line's from the
// margin, the other lines' from the first line's, and the right one from the right margin.
struct Retraits {
    int premiere = 0;
    int gauche = 0;
    int droite = 0;
    bool operator==(const Retraits&) const = default;
};

// The three markers of the ruler: their left edges in pixels.
struct Marqueurs {
    int premiere = 0;
    int gauche = 0;
    int droite = 0;
    bool operator==(const Marqueurs&) const = default;
};

// The ruler shows 4/3 pixel per point, its markers 6 pixels from its left edge.
namespace regle {

enum class Marqueur { Premiere, Gauche, Droite };

// The ruler's ticks: 100 times a TAB and "|".
QString SetupRuler();

Marqueurs positions(const Retraits& r, int largeurRegle);
// The indents once a marker is dropped at `gauche` (its left edge), grabbed `prise` pixels from
// it; the first line and the other lines never go left of the margin, nor the right indent
// right of it. Dropping the first-line marker leaves the other lines where they are.
Retraits depose(const Retraits& avant, Marqueur m, int gauche, int prise,
                const Marqueurs& avantMarqueurs, int largeurRegle);

Retraits depuis(const rtf::Paragraphe& p);
void applique(const Retraits& r, rtf::Paragraphe& p);

} // namespace regle

// What the user is told when a letter opened holds parts the word processor cannot keep, before
// anything can be saved over it: "Ce document contient des tableaux et des images : ils seront
// perdus à l'enregistrement.", or nothing when it holds none.
std::optional<QString> avisPertes(const rtf::Pertes& pertes);

// The hourglass over one step of opening a letter, and, when it is long, the status bar ("Lecture
// de la lettre : 40 %"), so that the window answers meanwhile; emptied when the step ends.
class Avancement {
public:
    Avancement(Dialogues& dialogues, const QString& etape)
        : m_dialogues(dialogues), m_etape(etape), m_sablier(dialogues) {}
    ~Avancement();
    Avancement(const Avancement&) = delete;
    Avancement& operator=(const Avancement&) = delete;

    // `part` from 0 to 1; each whole percent is told once.
    void operator()(double part);

private:
    Dialogues& m_dialogues;
    QString m_etape;
    const Sablier m_sablier;
    int m_pourcent = -1;
};

// The document of the window "Texte": its file, whether it changed since it was last read or
// saved, and the questions asked before its text is let go.
class TraitementTexte {
public:
    using Source = std::function<QByteArray()>; // the RTF of the text shown

    explicit TraitementTexte(Dialogues& dialogues) : m_dialogues(dialogues) {}

    const QString& fichier() const { return m_fichier; }
    bool modifie() const { return m_modifie; }
    void setModifie(bool oui) { m_modifie = oui; }

    // "Enregistrer changements dans " + the file's name without folder + " ?", "la nouvelle
    // lettre" standing for the name before the first save.
    QString question() const;

    // Whether the text may be replaced or closed: unchanged, or the user answered No, or Yes and
    // the text was really saved.
    bool laisse(const Source& source);
    // Writes the text when it changed, under the name chosen, through the one writer: another
    // existing file is replaced only once the user says so. False when the chooser was
    // cancelled, the user would not replace the file, or it could not be written (the message
    // is shown).
    bool Enregistre(const Source& source);
    // A new document made of the letterhead's lines, once the text may be let go; it has no
    // file name until it is saved.
    std::optional<rtf::Document> Nouveau(const Source& source, const QStringList& entete,
                                         const rtf::Format& format);
    // The document of the RTF file chosen, once the text may be let go; the parts of it that
    // cannot be kept are told first.
    std::optional<rtf::Document> Ouvre(const Source& source, const rtf::Format& format);

private:
    Dialogues& m_dialogues;
    QString m_fichier;
    bool m_modifie = false;
};

} // namespace zel::outils
