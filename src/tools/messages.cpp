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
    QStringView reste(ligne);
    for (int i = 0; i < kChamps; ++i) {
        const qsizetype tab = reste.indexOf(u'\t');
        if (tab < 0)
            break;
        QStringView texte = reste.left(tab);
        if (i > 0) {
            while (!texte.isEmpty() && texte.front() == u' ')
                texte = texte.mid(1);
        }
        m.champs[std::size_t(i)] = texte.toString();
        reste = reste.mid(tab + 1);
    }
    reste = reste.trimmed();
    for (int i = 0; i < kDrapeaux && i < reste.size(); ++i)
        m.drapeaux[std::size_t(i)] = reste[i] == u'T';
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
