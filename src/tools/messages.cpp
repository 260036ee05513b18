#include "tools/messages.h"

#include "store/fichiertexte.h"
#include "store/jeudocuments.h"

#include <QFileInfo>

#include <algorithm>

namespace zel::outils {

namespace {

// The line of a blank message.
const QString kVide = QStringLiteral(" ");

} // namespace

Message Message::depuisLigne(const QString& ligne) {
    Message m;
    // Every text but the first loses its leading blanks.
    const auto texte = [](int i, QStringView t) {
        while (i > 0 && !t.isEmpty() && t.front() == u' ')
            t = t.mid(1);
        return t.toString();
    };
    QStringView reste(ligne);
    int i = 0;
    for (; i < kChamps; ++i) {
        const qsizetype tab = reste.indexOf(u'\t');
        if (tab < 0)
            break;
        m.champs[std::size_t(i)] = texte(i, reste.left(tab));
        reste = reste.mid(tab + 1);
    }
    // A line cut short keeps what is left as the next text, unless it reads as the flags: a text
    // read as flags would be lost at the next save.
    const QStringView drapeaux = reste.trimmed();
    const bool commeDesDrapeaux =
        drapeaux.size() <= kDrapeaux &&
        std::ranges::all_of(drapeaux, [](QChar c) { return c == u'T' || c == u'F'; });
    if (i < kChamps && !commeDesDrapeaux) {
        m.champs[std::size_t(i)] = texte(i, reste);
        return m;
    }
    for (int d = 0; d < kDrapeaux && d < drapeaux.size(); ++d)
        m.drapeaux[std::size_t(d)] = drapeaux[d] == u'T';
    return m;
}

QString Message::ligne() const {
    QString l;
    for (const QString& c : champs)
        l += c + u'\t';
    for (bool d : drapeaux)
        l += d ? u'T' : u'F';
    return l;
}

BlocMessages::BlocMessages() : m_lignes{kVide} {
    LitFiche();
}

QString BlocMessages::nomFichier(const QString& nomClients) {
    return fichier::avecExtension(nomClients, u"oms");
}

Resultat BlocMessages::Charge(const QString& nomClients) {
    const QString nom = nomFichier(nomClients);
    if (!fichier::existe(nom))
        return Resultat::succes();
    QStringList lignes;
    qsizetype coupure = -1;
    if (Resultat r = fichier::lire(nom, lignes, &coupure); !r) {
        m_lectureSeule = true;
        return r;
    }
    if (coupure >= 0) {
        QString copie;
        const Resultat r = fichier::copieDeSecours(nom, copie);
        m_lectureSeule = m_lectureSeule || !r;
        m_avis = JeuDocuments::kAlteration + QStringLiteral("\n\n") +
                 QStringLiteral("%1 : un octet nul à la position %2 coupe le fichier : %3 messages "
                                "lus avant lui.\n%4")
                     .arg(QFileInfo(nom).fileName())
                     .arg(coupure)
                     .arg(lignes.size())
                     .arg(r ? QStringLiteral("Le fichier d'origine est gardé sous le nom %1.")
                                  .arg(QFileInfo(copie).fileName())
                            : r.message() + QStringLiteral("\nLes messages sont en lecture "
                                                           "seule."));
    }
    if (!lignes.isEmpty())
        m_lignes = lignes;
    m_indice = compte() - 1;
    LitFiche();
    return Resultat::succes();
}

Resultat BlocMessages::Sauve(const QString& nomClients) {
    EcritFiche();
    if (m_lectureSeule)
        return Resultat::succes();
    return fichier::ecrire(nomFichier(nomClients), m_lignes);
}

void BlocMessages::setChamp(Message::Champ champ, const QString& texte) {
    QString propre = texte;
    for (QChar& c : propre) {
        if (c.unicode() < 0x20)
            c = u' ';
    }
    m_affiche.champs[std::size_t(champ)] = propre;
}

void BlocMessages::setDrapeau(int drapeau, bool coche) {
    m_affiche.drapeaux[std::size_t(drapeau)] = coche;
}

void BlocMessages::completeDate(const QDateTime& maintenant) {
    QString& date = m_affiche.champs[Message::Date];
    if (date.isEmpty())
        date = maintenant.date().toString(QStringLiteral("dd/MM/yyyy"));
}

void BlocMessages::completeHeure(const QDateTime& maintenant) {
    QString& heure = m_affiche.champs[Message::Heure];
    if (heure.isEmpty())
        heure = maintenant.time().toString(QStringLiteral("HH:mm:ss"));
}

void BlocMessages::precedent() {
    va(m_indice - 1);
}

void BlocMessages::suivant() {
    va(m_indice + 1);
}

void BlocMessages::ajoute() {
    EcritFiche();
    m_lignes.append(kVide);
    va(compte() - 1);
}

void BlocMessages::supprime() {
    m_lignes.removeAt(m_indice);
    if (m_lignes.isEmpty())
        m_lignes.append(kVide);
    m_indice = std::min(m_indice, compte() - 1);
    LitFiche();
}

void BlocMessages::EcritFiche() {
    m_lignes[m_indice] = m_affiche.ligne();
}

void BlocMessages::LitFiche() {
    m_affiche = Message::depuisLigne(m_lignes[m_indice]);
}

void BlocMessages::va(int indice) {
    EcritFiche();
    m_indice = std::clamp(indice, 0, compte() - 1);
    LitFiche();
}

} // namespace zel::outils
