#include "records/reglages.h"

#include "store/fichiertexte.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

#include <cmath>
#include <cstdio>

namespace zel {
namespace {

const QString kEnTetes[] = {QStringLiteral("[REPRESENTANT]"), QStringLiteral("[REGLEMENT]"),
                            QStringLiteral("[BANQUE]"), QStringLiteral("[FOURNISSEUR]"),
                            QStringLiteral("[ARTICLE]")};

// The lists in the order of their sections (const or not, as the lists given).
template <typename Listes> auto listesDans(Listes& l) {
    return std::array{&l.representants, &l.reglements, &l.banques, &l.famillesFournisseurs,
                      &l.famillesArticles};
}

// A line as a message may quote it: short and without control characters.
QString apercu(const QString& ligne) {
    QString court = ligne.size() > 30 ? ligne.left(30) + QStringLiteral("...") : ligne;
    for (QChar& c : court) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            c = u'?';
    }
    return court;
}

// Reads the settings lines one after another, each on its own: a line that cannot be read, or
// lies outside what the program can use, is told and leaves its value as it was (or takes its
// default), and the lines after it are still read.
class LecteurIni {
public:
    explicit LecteurIni(const QStringList& lignes) : m_lignes(lignes) {}

    bool texte(QString& valeur) {
        const QString* l = suivante();
        if (!l)
            return false;
        valeur = *l;
        return true;
    }
    bool entier(int& valeur) {
        QString t;
        if (!reserve(t))
            return false;
        valeur = t.trimmed().toInt();
        return true;
    }
    // An integer kept as its text, so that it is written back exactly as read.
    bool reserve(QString& valeur) {
        static const QRegularExpression forme(QStringLiteral("^\\s*[+-]?\\d{1,9}\\s*$"));
        return nombre(forme, valeur);
    }
    bool reel(double& valeur) {
        static const QRegularExpression forme(
            QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
        QString t;
        if (!nombre(forme, t))
            return false;
        bool ok = false;
        const double v = t.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return refuse(QStringLiteral("n'est pas un nombre"));
        valeur = v;
        return true;
    }

    // A VAT rate; one the totals cannot divide by is refused like a line that is not a number.
    bool tva(double& valeur) {
        double v = 0;
        if (!reel(v))
            return false;
        if (!tauxTvaAccepte(v))
            return refuse(QStringLiteral("n'est pas un taux de TVA accepté (il doit dépasser "
                                         "-100 %)"));
        valeur = v;
        return true;
    }

    // A value read that lies outside what the program can use is told and replaced by its
    // default.
    template <typename T> void borne(bool lu, T& valeur, T minimum, T maximum, T defaut) {
        if (lu && (valeur < minimum || valeur > maximum)) {
            m_problemes.append(
                QStringLiteral("la ligne %1 (« %2 ») est hors des valeurs permises (%3 à %4) : "
                               "la valeur %5 est prise")
                    .arg(m_position)
                    .arg(apercu(m_lignes[m_position - 1]))
                    .arg(minimum)
                    .arg(maximum)
                    .arg(defaut));
            valeur = defaut;
        }
    }
    // A line older files do not have: nothing is told when it is missing.
    void facultatif(QString& valeur) {
        if (m_position < m_lignes.size())
            valeur = m_lignes[m_position++];
    }
    void entier(int& valeur, int minimum, int maximum, int defaut) {
        borne(entier(valeur), valeur, minimum, maximum, defaut);
    }
    // A value that cannot stand with the others, told with the values out of bounds.
    void signale(const QString& texte) { m_problemes.append(texte); }

    // Whether a line was refused or replaced: the file does not read back as it was written.
    bool corrige() const { return !m_problemes.isEmpty(); }

    Resultat resultat() const {
        QStringList messages;
        if (!m_problemes.isEmpty())
            messages.append(QStringLiteral("Le fichier %1 est incorrect : %2.")
                                .arg(kFichierIni, m_problemes.join(QStringLiteral(" ; "))));
        if (m_manquante > 0)
            messages.append(QStringLiteral("Le fichier %1 est incomplet : il s'arrête avant la "
                                           "ligne %2 ; les réglages suivants gardent leur valeur.")
                                .arg(kFichierIni)
                                .arg(m_manquante));
        return messages.isEmpty() ? Resultat::succes()
                                  : Resultat::echec(messages.join(QStringLiteral("\n")));
    }

private:
    const QString* suivante() {
        ++m_position;
        if (m_position > m_lignes.size()) {
            if (m_manquante == 0)
                m_manquante = m_position;
            return nullptr;
        }
        return &m_lignes[m_position - 1];
    }
    bool nombre(const QRegularExpression& forme, QString& valeur) {
        const QString* l = suivante();
        if (!l)
            return false;
        if (!forme.match(*l).hasMatch())
            return refuse(QStringLiteral("n'est pas un nombre"));
        valeur = *l;
        return true;
    }
    bool refuse(const QString& pourquoi) {
        m_problemes.append(QStringLiteral("la ligne %1 (« %2 ») %3 : le réglage garde sa valeur")
                               .arg(m_position)
                               .arg(apercu(m_lignes[m_position - 1]), pourquoi));
        return false;
    }

    const QStringList& m_lignes;
    // The number of the line read last, from 1.
    qsizetype m_position = 0;
    // The first line missing, from 1; 0 when none is.
    qsizetype m_manquante = 0;
    QStringList m_problemes;
};

QString chemin(const QString& dossier, const QString& nom) {
    return QDir(dossier).filePath(nom);
}

// Reads a file of the folder with the given reader; a missing file is passed over.
template <typename Lire>
Resultat chargeFichier(const QString& dossier, const QString& nom, Lire lire) {
    const QString c = chemin(dossier, nom);
    if (!fichier::existe(c))
        return Resultat::succes();
    QStringList lignes;
    if (Resultat r = fichier::lire(c, lignes); !r)
        return r;
    return lire(lignes);
}

} // namespace

QString formateReel(double valeur) {
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.14E", std::fabs(valeur));
    const QString brut = QString::fromLatin1(tampon);
    const qsizetype e = brut.indexOf(u'E');
    const int exposant = brut.mid(e + 1).toInt();
    return QString(std::signbit(valeur) ? u'-' : u' ') + brut.left(e) + u'E' +
           (exposant < 0 ? u'-' : u'+') +
           QStringLiteral("%1").arg(std::abs(exposant), 4, 10, QLatin1Char('0'));
}

bool tauxTvaAccepte(double taux) {
    return taux * 0.01 + 1 > 0;
}

std::optional<QString> formatPourDecimales(int decimales) {
    switch (decimales) {
    case 0:
        return QStringLiteral("#");
    case 1:
        return QStringLiteral("0.0");
    case 2:
        return QStringLiteral("0.00");
    default:
        return std::nullopt;
    }
}

Resultat Reglages::litIni(const QStringList& lignes) {
    LecteurIni r(lignes);
    ValeursIni& v = ini;
    const ValeursIni d;
    // Each value within what the program can use: a rate the amounts can be computed with, the
    // choices the dialogs offer.
    const auto tva = [&r](double& taux, double defaut) {
        r.borne(r.tva(taux), taux, -99.99, 1000.0, defaut);
    };
    r.borne(r.reel(v.tauxEuro), v.tauxEuro, 0.0, 1e6, d.tauxEuro);
    r.reserve(v.reserve2);
    r.texte(v.dernierDocument);
    r.entier(v.ouvertureAuto, 0, 1, d.ouvertureAuto);
    r.entier(v.miseEnPage);
    r.entier(v.orientationEnveloppe, 0, 1, d.orientationEnveloppe);
    r.entier(v.decalageGuide, 0, 300, d.decalageGuide);
    for (QString& reserve : v.reserves8a11)
        r.reserve(reserve);
    r.entier(v.modeSelectionClient, 0, 5, d.modeSelectionClient);
    r.texte(v.cleCodePostal);
    r.texte(v.cleVille);
    for (std::size_t i = 0; i < v.tauxTva.size(); ++i)
        tva(v.tauxTva[i], d.tauxTva[i]);
    r.entier(v.modeDevise, 0, 2, d.modeDevise);
    r.entier(v.decimales, 0, 9, d.decimales);
    r.texte(v.nomDevise);
    r.facultatif(v.siren);
    // A SIREN that is not one is asked again when it is needed.
    v.siren = litSiren(v.siren).value_or(QString());
    QString electroniques;
    r.facultatif(electroniques);
    v.facturesElectroniques = electroniques == u"1";
    // Electronic invoices are computed to the cent: with other decimals they stay off.
    if (v.facturesElectroniques && v.decimales != 2) {
        v.facturesElectroniques = false;
        r.signale(QStringLiteral("les factures électroniques (ligne 22) demandent deux décimales "
                                 "(ligne 19) : elles restent désactivées"));
    }
    m_iniCorrige = r.corrige();
    if (const auto format = formatPourDecimales(v.decimales))
        formatMontant = *format;
    if (v.ouvertureAuto != 1)
        v.dernierDocument.clear();
    return r.resultat();
}

QStringList Reglages::lignesIni(const QString& document) const {
    const ValeursIni& v = ini;
    const auto n = [](int i) { return QString::number(i); };
    QStringList lignes = {formateReel(v.tauxEuro),
                          v.reserve2,
                          document,
                          n(v.ouvertureAuto),
                          n(v.miseEnPage),
                          n(v.orientationEnveloppe),
                          n(v.decalageGuide),
                          v.reserves8a11[0],
                          v.reserves8a11[1],
                          v.reserves8a11[2],
                          v.reserves8a11[3],
                          n(v.modeSelectionClient),
                          v.cleCodePostal,
                          v.cleVille,
                          formateReel(v.tauxTva[0]),
                          formateReel(v.tauxTva[1]),
                          formateReel(v.tauxTva[2]),
                          n(v.modeDevise),
                          n(v.decimales),
                          v.nomDevise};
    if (!v.siren.isEmpty() || v.facturesElectroniques)
        lignes.append(v.siren);
    if (v.facturesElectroniques)
        lignes.append(QStringLiteral("1"));
    return lignes;
}

std::optional<QString> litSiren(const QString& texte) {
    QString chiffres = texte;
    chiffres.remove(u' ');
    if (chiffres.size() != 9 ||
        !std::ranges::all_of(chiffres, [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    // Luhn: from the right, every second digit doubled (its digits added), the sum a multiple
    // of ten.
    int somme = 0;
    for (qsizetype i = 0; i < 9; ++i) {
        int chiffre = chiffres[8 - i].unicode() - u'0';
        if (i % 2 == 1)
            chiffre = chiffre * 2 > 9 ? chiffre * 2 - 9 : chiffre * 2;
        somme += chiffre;
    }
    if (somme % 10 != 0)
        return std::nullopt;
    return chiffres;
}

QString refusSiren(const QString& texte) {
    return QStringLiteral("« %1 » n'est pas un numéro SIREN : il compte 9 chiffres, dont le "
                          "dernier est la clé de contrôle des huit autres.")
        .arg(texte.trimmed());
}

DemarrageIni Reglages::GetIni() const {
    return {ini.ouvertureAuto == 1, ini.dernierDocument, ini.modeSelectionClient};
}

void Reglages::litSoc(const QStringList& lignes) {
    for (int i = 0; i < kLignesEntete; ++i)
        entete[i] = i < lignes.size() ? lignes[i] : QString();
}

QStringList Reglages::lignesSoc() const {
    return QStringList(entete.begin(), entete.end());
}

void Reglages::litCombo(const QStringList& lignes) {
    const auto cibles = listesDans(listes);
    listes.representants.clear();
    listes.reglements.clear();
    QStringList* courante = nullptr;
    for (const QString& ligne : lignes) {
        const auto entete = std::find(std::begin(kEnTetes), std::end(kEnTetes), ligne);
        if (entete != std::end(kEnTetes))
            courante = cibles[entete - std::begin(kEnTetes)];
        else if (courante)
            courante->append(ligne);
    }
}

QStringList Reglages::lignesCombo() const {
    const auto sources = listesDans(listes);
    QStringList lignes;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        lignes.append(kEnTetes[i]);
        lignes.append(*sources[i]);
    }
    return lignes;
}

Resultat Reglages::ChargeIni(const QString& dossier) {
    const Resultat r =
        chargeFichier(dossier, kFichierIni, [this](const QStringList& l) { return litIni(l); });
    if (r || !m_iniCorrige)
        return r;
    return Resultat::echec(r.message() +
                           QStringLiteral("\nLe fichier est gardé sous le nom %1.original avant "
                                          "d'être réécrit à la fermeture.")
                               .arg(kFichierIni));
}

Resultat Reglages::SauveIni(const QString& dossier, const QString& document) const {
    return fichier::ecrire(chemin(dossier, kFichierIni), lignesIni(document));
}

Resultat Reglages::ChargeSoc(const QString& dossier) {
    return chargeFichier(dossier, kFichierSoc, [this](const QStringList& l) {
        litSoc(l);
        return Resultat::succes();
    });
}

Resultat Reglages::SauveSoc(const QString& dossier) const {
    return fichier::ecrire(chemin(dossier, kFichierSoc), lignesSoc());
}

Resultat Reglages::ChargeCombo(const QString& dossier) {
    return chargeFichier(dossier, kFichierCbx, [this](const QStringList& l) {
        litCombo(l);
        return Resultat::succes();
    });
}

Resultat Reglages::SauveCombo(const QString& dossier) const {
    return fichier::ecrire(chemin(dossier, kFichierCbx), lignesCombo());
}

QStringList Reglages::chargeAuDemarrage(const QString& dossier) {
    QStringList erreurs;
    if (m_charge)
        return erreurs;
    m_charge = true;
    for (const Resultat& r : {ChargeSoc(dossier), ChargeIni(dossier), ChargeCombo(dossier)}) {
        if (!r)
            erreurs.append(r.message());
    }
    return erreurs;
}

QStringList Reglages::sauveALaFin(const QString& dossier, const QString& document) {
    QStringList erreurs;
    // A settings file that had to be corrected is kept as it was before it is written over.
    if (m_iniCorrige && fichier::existe(chemin(dossier, kFichierIni))) {
        QString copie;
        if (Resultat r = fichier::copieDeSecours(chemin(dossier, kFichierIni), copie); !r)
            erreurs.append(r.message());
        m_iniCorrige = false;
    }
    for (const Resultat& r :
         {SauveIni(dossier, document), SauveSoc(dossier), SauveCombo(dossier)}) {
        if (!r)
            erreurs.append(r.message());
    }
    return erreurs;
}

bool demandeSiren(Dialogues& dialogues, Reglages& reglages, Saisie saisie) {
    while (reglages.ini.siren.isEmpty()) {
        const std::optional<QString> saisi = dialogues.saisit(saisie, QString());
        if (!saisi)
            return false;
        if (const std::optional<QString> siren = litSiren(*saisi))
            reglages.ini.siren = *siren;
        else
            dialogues.message(refusSiren(*saisi));
    }
    return true;
}

} // namespace zel
