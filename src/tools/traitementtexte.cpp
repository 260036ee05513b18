#include "tools/traitementtexte.h"

#include "records/sortie.h"
#include "store/fichiertexte.h"

#include <QFileInfo>

#include <algorithm>

namespace zel::outils {

namespace regle {

namespace {

constexpr int kDecalage = 6;

// Pixels to points, truncated as the ruler always did.
int points(int pixels) {
    return pixels * 3 / 4;
}

int pixels(int points) {
    return points * 4 / 3;
}

} // namespace

QString SetupRuler() {
    return QStringLiteral("\t|").repeated(100);
}

Marqueurs positions(const Retraits& r, int largeurRegle) {
    return {pixels(r.premiere) - 4 + kDecalage, pixels(r.gauche + r.premiere) - 4 + kDecalage,
            (largeurRegle - kDecalage) - pixels(r.droite + kDecalage)};
}

Retraits depose(const Retraits& avant, Marqueur m, int gauche, int prise,
                const Marqueurs& avantMarqueurs, int largeurRegle) {
    Retraits r = avant;
    switch (m) {
    case Marqueur::Premiere:
        r.premiere = std::max(0, points(gauche + prise - kDecalage));
        r.gauche = points(avantMarqueurs.gauche + prise - kDecalage) - r.premiere;
        break;
    case Marqueur::Gauche:
        r.gauche = points(gauche + prise - kDecalage) - r.premiere;
        break;
    case Marqueur::Droite:
        r.droite = std::max(0, points(largeurRegle - gauche + prise - 2) - 12);
        break;
    }
    r.gauche = std::max(r.gauche, -r.premiere);
    return r;
}

Retraits depuis(const rtf::Paragraphe& p) {
    return {(p.gauche + p.premiereLigne) / 20, -p.premiereLigne / 20, p.droite / 20};
}

void applique(const Retraits& r, rtf::Paragraphe& p) {
    p.premiereLigne = -r.gauche * 20;
    p.gauche = (r.premiere + r.gauche) * 20;
    p.droite = r.droite * 20;
}

} // namespace regle

namespace {

const QString kFiltre = QStringLiteral("Fichiers rtf (*.rtf)|*.rtf");

// How each part is named, and whether the name is feminine.
struct NomPerte {
    rtf::Perte perte;
    const char* nom;
    bool feminin;
};
constexpr NomPerte kNomsPertes[] = {
    {rtf::Perte::Tableaux, "des tableaux", false},
    {rtf::Perte::Images, "des images", true},
    {rtf::Perte::EnTetes, "des en-têtes", false},
    {rtf::Perte::PiedsDePage, "des pieds de page", false},
    {rtf::Perte::Notes, "des notes de bas de page", true},
    {rtf::Perte::ListesNumerotees, "des listes numérotées", true},
    {rtf::Perte::Commentaires, "des commentaires", false},
};
static_assert(std::size(kNomsPertes) == rtf::kSortesDePertes);

} // namespace

std::optional<QString> avisPertes(const rtf::Pertes& pertes) {
    QStringList noms;
    bool feminin = true;
    for (const NomPerte& p : kNomsPertes) {
        if (pertes.test(std::size_t(p.perte))) {
            noms << QString::fromUtf8(p.nom);
            feminin = feminin && p.feminin;
        }
    }
    if (noms.isEmpty())
        return std::nullopt;
    const QString dernier = noms.takeLast();
    const QString liste = noms.isEmpty()
                              ? dernier
                              : noms.join(QStringLiteral(", ")) + QStringLiteral(" et ") + dernier;
    return QStringLiteral("Ce document contient ") + liste +
           (feminin ? QStringLiteral(" : elles seront perdues à l'enregistrement.")
                    : QStringLiteral(" : ils seront perdus à l'enregistrement."));
}

Avancement::~Avancement() {
    if (m_pourcent >= 0)
        m_dialogues.progression(QString());
}

void Avancement::operator()(double part) {
    const int pourcent = std::clamp(int(part * 100), 0, 100);
    if (pourcent == m_pourcent)
        return;
    m_pourcent = pourcent;
    m_dialogues.progression(m_etape + QStringLiteral(" : %1 %").arg(pourcent));
}

QString TraitementTexte::question() const {
    return QStringLiteral("Enregistrer changements dans ") +
           (m_fichier.isEmpty() ? QStringLiteral("la nouvelle lettre")
                                : QFileInfo(m_fichier).fileName()) +
           QStringLiteral(" ?");
}

bool TraitementTexte::laisse(const Source& source) {
    if (!m_modifie)
        return true;
    switch (m_dialogues.ouiNonAnnuler(question())) {
    case Dialogues::Reponse::Oui:
        return Enregistre(source);
    case Dialogues::Reponse::Non:
        return true;
    case Dialogues::Reponse::Annuler:
        break;
    }
    return false;
}

bool TraitementTexte::Enregistre(const Source& source) {
    if (!m_modifie)
        return true;
    std::optional<QString> nom = m_dialogues.fichierAEnregistrer(kFiltre, m_fichier);
    if (!nom)
        return false;
    if (QFileInfo(*nom).suffix().isEmpty())
        *nom += QStringLiteral(".rtf");
    // The letter's own file is written again without a question; any other is asked for.
    const bool sienne = !m_fichier.isEmpty() && QFileInfo(*nom) == QFileInfo(m_fichier);
    Sortie sortie = sienne ? Sortie(true) : Sortie(m_dialogues);
    const Enregistrement e = sortie.ecrit(*nom, source());
    if (!e) {
        if (!e.message().isEmpty())
            m_dialogues.message(e.message());
        return false;
    }
    m_fichier = *nom;
    m_modifie = false;
    return true;
}

std::optional<rtf::Document> TraitementTexte::Nouveau(const Source& source,
                                                      const QStringList& entete,
                                                      const rtf::Format& format) {
    if (!laisse(source))
        return std::nullopt;
    // A new letter has no file yet: its first save asks for one.
    m_fichier.clear();
    rtf::Document d;
    for (const QString& ligne : entete) {
        rtf::Paragraphe p;
        p.ajoute(ligne, format);
        d.paragraphes.push_back(std::move(p));
    }
    m_modifie = false;
    return d;
}

std::optional<rtf::Document> TraitementTexte::Ouvre(const Source& source,
                                                    const rtf::Format& format) {
    if (!laisse(source))
        return std::nullopt;
    const std::optional<QString> nom = m_dialogues.fichierAOuvrir(kFiltre);
    if (!nom)
        return std::nullopt;
    QByteArray octets;
    if (const Resultat r = fichier::lireOctets(*nom, octets); !r) {
        m_dialogues.message(r.message());
        return std::nullopt;
    }
    m_fichier = *nom;
    m_modifie = false;
    rtf::Lecture lu;
    {
        Avancement avancement(m_dialogues, QStringLiteral("Lecture de la lettre"));
        lu = rtf::lecture(octets, format, std::ref(avancement));
    }
    if (const std::optional<QString> avis = avisPertes(lu.pertes))
        m_dialogues.message(*avis);
    return std::move(lu.document);
}

} // namespace zel::outils
