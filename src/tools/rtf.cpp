#include "tools/rtf.h"

#include "store/codepage.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace zel::outils::rtf {

QString Paragraphe::texte() const {
    QString t;
    for (const Segment& s : segments)
        t += s.texte;
    return t;
}

void Paragraphe::ajoute(QStringView texte, const Format& format) {
    if (texte.isEmpty())
        return;
    if (!segments.empty() && segments.back().format == format)
        segments.back().texte += texte;
    else
        segments.push_back({texte.toString(), format});
}

QString Document::texte() const {
    QStringList lignes;
    for (const Paragraphe& p : paragraphes)
        lignes << p.texte();
    return lignes.join(u'\n');
}

namespace {

// A text character the model keeps: no control character but TAB, no paragraph separator (a
// paragraph is its own entry).
bool admis(char16_t c) {
    return (c >= 0x20 || c == u'\t') && (c < 0x7F || c > 0x9F) && c != u'\u2029';
}

// A lone half of a surrogate pair is no character: it becomes the replacement character.
void repareSubstituts(QString& texte) {
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c.isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            texte[i] = QChar::ReplacementCharacter;
    }
}

// Groups deeper than this are skipped whole; no file a word processor writes comes near it.
constexpr std::size_t kProfondeurMax = 64;
// Numbers are clamped to this before any use, so no arithmetic on them can overflow; the length
// of binary data alone is kept whole.
constexpr int kNombreMax = 1'000'000;
constexpr long long kLongueurMax = 1'000'000'000'000'000;
constexpr int kRetraitMax = 31'680; // 22 inches, the widest page RTF knows
constexpr int kDemiPointsMax = 3'276;
// A long reading says how far it got after every so many bytes.
constexpr qsizetype kPasAvance = 1 << 16;

// Where a group's text goes. `Marque` is the bullet or number written before a list paragraph: no
// text of the document, but it tells a numbered list from a bulleted one.
enum class Destination { Texte, Polices, Couleurs, Marque, Ignoree };

// What a group carries: the character and paragraph formatting and where its text goes.
struct Etat {
    Destination destination = Destination::Texte;
    int police = 0;
    int demiPoints = 24;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int couleur = 0;
    int remplacants = 1; // \ucN: the characters standing in for each \uN
    Alignement alignement = Alignement::Gauche;
    int premiereLigne = 0;
    int gauche = 0;
    int droite = 0;
    bool puce = false;
};

// Destinations whose content is never text of the document.
constexpr std::string_view kIgnorees[] = {"stylesheet",   "info",
                                          "pict",         "object",
                                          "header",       "headerl",
                                          "headerr",      "headerf",
                                          "footer",       "footerl",
                                          "footerr",      "footerf",
                                          "footnote",     "fldinst",
                                          "xe",           "tc",
                                          "themedata",    "colorschememapping",
                                          "latentstyles", "datastore",
                                          "listtable",    "listoverridetable",
                                          "revtbl",       "rsidtbl",
                                          "generator",    "nonshppict",
                                          "shppict",      "template",
                                          "xmlnstbl",     "pgdsctbl",
                                          "filetbl",      "annotation",
                                          "pnseclvl",     "field_instructions",
                                          "nonesttables"};

// The destinations that hold a part the model cannot keep.
struct Partie {
    std::string_view mot;
    Perte perte;
};
constexpr Partie kParties[] = {
    {"pict", Perte::Images},
    {"shppict", Perte::Images},
    {"nonshppict", Perte::Images},
    {"object", Perte::Images},
    {"shp", Perte::Images},
    {"header", Perte::EnTetes},
    {"headerl", Perte::EnTetes},
    {"headerr", Perte::EnTetes},
    {"headerf", Perte::EnTetes},
    {"footer", Perte::PiedsDePage},
    {"footerl", Perte::PiedsDePage},
    {"footerr", Perte::PiedsDePage},
    {"footerf", Perte::PiedsDePage},
    {"footnote", Perte::Notes},
    {"annotation", Perte::Commentaires},
};

// The words of a table's rows and cells.
constexpr std::string_view kTableaux[] = {"trowd", "intbl", "cell", "row", "nestcell", "nestrow"};

// The words that stand for one character.
struct Symbole {
    std::string_view mot;
    char16_t caractere;
};
constexpr Symbole kSymboles[] = {
    {"tab", u'\t'},           {"cell", u'\t'},        {"line", kSautDeLigne},
    {"emdash", u'\u2014'},    {"endash", u'\u2013'},  {"bullet", u'\u2022'},
    {"lquote", u'\u2018'},    {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'},
    {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'}, {"enspace", u'\u2002'},
    {"qmspace", u'\u2005'},
};

int chiffreHexa(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The Western European code page, and the other Windows code pages a font's character set can
// name, the double-byte ones of Japanese (932), simplified Chinese (936), Korean (949) and
// traditional Chinese (950) included; text in any other is read as Western European.
constexpr int kPageOuest = 1252;

int pageConnue(long long page) {
    return page == 874 || (page >= 1250 && page <= 1258) || page == 932 || page == 936 ||
                   page == 949 || page == 950
               ? int(page)
               : kPageOuest;
}

int pageDuJeu(long long jeu) {
    constexpr std::pair<int, int> kJeux[] = {
        {128, 932},  {129, 949},  {134, 936},  {136, 950},  {161, 1253}, {162, 1254}, {163, 1258},
        {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}};
    for (auto [j, page] : kJeux) {
        if (j == jeu)
            return page;
    }
    return kPageOuest;
}

// The character set of symbol fonts, whose letters are pictures (a bullet written "o" or "v").
constexpr long long kJeuSymboles = 2;

// The system's decoder of a code page: the Windows name first, then the usual one of a
// double-byte page; each call decodes its bytes whole, an unfinished character dropped.
QStringDecoder decodeur(int page) {
    QStringDecoder d(("windows-" + std::to_string(page)).c_str(),
                     QStringConverter::Flag::Stateless);
    if (d.isValid())
        return d;
    constexpr std::pair<int, const char*> kNoms[] = {
        {932, "Shift_JIS"}, {936, "GBK"}, {949, "EUC-KR"}, {950, "Big5"}};
    for (auto [p, nom] : kNoms) {
        if (p == page)
            return QStringDecoder(nom, QStringConverter::Flag::Stateless);
    }
    return d;
}

// A list's marker that numbers it ("1.", "a)", "iv."), not a bullet, even one written as a
// letter in a plain font ("o").
bool numero(QStringView marque) {
    for (qsizetype i = 0; i < marque.size(); ++i) {
        const char16_t c = marque[i].unicode();
        if (c >= u'0' && c <= u'9')
            return true;
        const bool lettre = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (lettre && i + 1 < marque.size() && (marque[i + 1] == u'.' || marque[i + 1] == u')'))
            return true;
    }
    return false;
}

int borne(long long n, int bas, int haut) {
    return int(std::clamp<long long>(n, bas, haut));
}

class Lecteur {
public:
    Lecteur(const QByteArray& octets, qsizetype debut, const Avance& avance)
        : m_o(octets), m_pos(debut), m_avance(avance) {
        m_pile.push_back(Etat{});
    }

    Lecture lit() {
        qsizetype prochainAvis = m_pos + kPasAvance;
        while (m_pos < m_o.size() && !m_fini) {
            if (m_pos >= prochainAvis && m_avance) {
                m_avance(double(m_pos) / double(m_o.size()));
                prochainAvis = m_pos + kPasAvance;
            }
            const char c = m_o[m_pos++];
            switch (c) {
            case '{':
                vide();
                ouvre();
                break;
            case '}':
                vide();
                ferme();
                break;
            case '\\':
                controle();
                break;
            case '\r':
            case '\n':
                break;
            default:
                caractere(c);
            }
        }
        vide();
        if (!m_courant.segments.empty())
            m_doc.paragraphes.push_back(std::move(m_courant));
        for (Paragraphe& p : m_doc.paragraphes) {
            for (Segment& s : p.segments)
                repareSubstituts(s.texte);
        }
        return {std::move(m_doc), m_pertes};
    }

private:
    Etat& etat() { return m_pile.back(); }
    bool ignore() const { return m_exces > 0 || m_pile.back().destination == Destination::Ignoree; }

    void ouvre() {
        m_remplacantsASauter = 0;
        m_premierMot = true;
        if (m_exces > 0 || m_pile.size() >= kProfondeurMax)
            ++m_exces;
        else
            m_pile.push_back(m_pile.back());
    }

    void ferme() {
        m_remplacantsASauter = 0;
        m_premierMot = false;
        if (m_exces > 0) {
            --m_exces;
            return;
        }
        if (etat().destination == Destination::Polices && !m_nomPolice.isEmpty())
            retientPolice();
        m_pile.pop_back();
        // The brace closing the document's group ends it.
        m_fini = m_pile.size() <= 1;
    }

    // A character to skip as the stand-in of a \uN just read.
    bool remplacant() {
        if (m_remplacantsASauter == 0)
            return false;
        --m_remplacantsASauter;
        return true;
    }

    void caractere(char c) {
        if (remplacant() || ignore())
            return;
        const Destination d = etat().destination;
        if (c == ';' && (d == Destination::Polices || d == Destination::Couleurs)) {
            vide();
            if (d == Destination::Polices)
                retientPolice();
            else
                retientCouleur();
            return;
        }
        m_octets += c;
    }

    // The code page of the text being read: the font's being named in the font table, else the
    // font's the text is written in.
    int page() {
        const int police =
            etat().destination == Destination::Polices ? m_policeEnCours : etat().police;
        return m_pagesPolices.value(police, m_pageDefaut);
    }

    // The bytes read since the last change of format, decoded together: a double-byte character
    // may come as two \'hh, or as one and a plain character.
    void decode() {
        if (m_octets.isEmpty())
            return;
        const int p = page();
        auto d = m_decodeurs.find(p);
        if (d == m_decodeurs.end() && p != kPageOuest)
            d = m_decodeurs.emplace(p, decodeur(p)).first;
        // Without the system's code pages, Western European it is.
        if (p == kPageOuest || !d->second.isValid()) {
            m_attente += cp1252::decode(m_octets.constData(), m_octets.size());
        } else {
            QString texte = d->second(m_octets);
            // A byte the code page leaves undefined stands for nothing.
            texte.remove(QChar::ReplacementCharacter);
            m_attente += texte;
        }
        m_octets.clear();
    }

    void emet(char16_t c) {
        if (ignore())
            return;
        decode();
        m_attente += QChar(c);
    }

    // Gives the text read since the last change of format to where it goes.
    void vide() {
        decode();
        if (m_attente.isEmpty())
            return;
        m_attente.removeIf([](QChar c) { return !admis(c.unicode()); });
        switch (etat().destination) {
        case Destination::Texte:
            m_courant.ajoute(m_attente, format());
            prendParagraphe();
            break;
        case Destination::Polices:
            // A font's name is one line of text, ended by ";".
            for (QChar c : std::as_const(m_attente)) {
                if (c >= u' ' && c != u';' && c != kSautDeLigne)
                    m_nomPolice += c;
            }
            break;
        case Destination::Marque:
            if (numero(m_attente) && !m_policesSymboles.contains(etat().police))
                m_pertes.set(std::size_t(Perte::ListesNumerotees));
            break;
        case Destination::Couleurs:
        case Destination::Ignoree:
            break;
        }
        m_attente.clear();
    }

    Format format() const {
        const Etat& e = m_pile.back();
        return {m_polices.value(e.police),
                e.demiPoints,
                e.gras,
                e.italique,
                e.souligne,
                e.barre,
                e.couleur >= 0 && std::size_t(e.couleur) < m_couleurs.size()
                    ? m_couleurs[std::size_t(e.couleur)]
                    : -1};
    }

    void prendParagraphe() {
        const Etat& e = etat();
        m_courant.alignement = e.alignement;
        m_courant.premiereLigne = e.premiereLigne;
        m_courant.gauche = e.gauche;
        m_courant.droite = e.droite;
        m_courant.puce = e.puce;
    }

    void finParagraphe() {
        prendParagraphe();
        m_doc.paragraphes.push_back(std::move(m_courant));
        m_courant = Paragraphe{};
    }

    void retientPolice() {
        m_polices.insert(m_policeEnCours, m_nomPolice.trimmed());
        m_nomPolice.clear();
    }

    void retientCouleur() {
        m_couleurs.push_back(m_composantes ? (m_rouge << 16) | (m_vert << 8) | m_bleu : -1);
        m_composantes = false;
        m_rouge = m_vert = m_bleu = 0;
    }

    void controle() {
        if (m_pos >= m_o.size())
            return;
        const char c = m_o[m_pos];
        // A byte of text, by its number or escaped: a double-byte character's second byte may
        // be a backslash or a brace.
        if (c == '\'' || c == '\\' || c == '{' || c == '}') {
            ++m_pos;
            const int octet = c == '\'' ? hexa() : c;
            if (octet >= 0 && !remplacant() && !ignore())
                m_octets += char(octet);
            return;
        }
        vide();
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            motDeControle();
            return;
        }
        ++m_pos;
        if (remplacant())
            return;
        switch (c) {
        case '*':
            m_etoile = true;
            break;
        case '~':
            emet(u'\u00A0');
            break;
        case '-':
            emet(u'\u00AD');
            break;
        case '_':
            emet(u'\u2011');
            break;
        case '\r':
        case '\n':
            if (!ignore() && etat().destination == Destination::Texte)
                finParagraphe();
            break;
        default:
            break;
        }
    }

    // The two hexadecimal digits after \', or -1 when they are not there.
    int hexa() {
        int valeur = 0;
        for (int i = 0; i < 2; ++i) {
            const int chiffre = m_pos < m_o.size() ? chiffreHexa(m_o[m_pos]) : -1;
            if (chiffre < 0)
                return -1;
            valeur = valeur * 16 + chiffre;
            ++m_pos;
        }
        return valeur;
    }

    void motDeControle() {
        std::string mot;
        while (m_pos < m_o.size() && std::isalpha(static_cast<unsigned char>(m_o[m_pos]))) {
            if (mot.size() < 32)
                mot += m_o[m_pos];
            ++m_pos;
        }
        bool negatif = false;
        if (m_pos + 1 < m_o.size() && m_o[m_pos] == '-' &&
            std::isdigit(static_cast<unsigned char>(m_o[m_pos + 1]))) {
            negatif = true;
            ++m_pos;
        }
        bool parametre = false;
        long long entier = 0;
        while (m_pos < m_o.size() && std::isdigit(static_cast<unsigned char>(m_o[m_pos]))) {
            parametre = true;
            entier = std::min<long long>(entier * 10 + (m_o[m_pos] - '0'), kLongueurMax);
            ++m_pos;
        }
        if (m_pos < m_o.size() && m_o[m_pos] == ' ')
            ++m_pos;
        const bool etoile = std::exchange(m_etoile, false);
        const bool premier = std::exchange(m_premierMot, false);
        if (mot == "bin") {
            // Binary data is stepped over whatever it holds, however long.
            if (!negatif)
                m_pos += std::min<qsizetype>(entier, m_o.size() - m_pos);
            return;
        }
        const long long n = negatif ? -std::min<long long>(entier, kNombreMax)
                                    : std::min<long long>(entier, kNombreMax);
        if (remplacant() || ignore())
            return;
        if (premier && destination(mot, etoile))
            return;
        // A character by its number, in the text as in a font's name.
        if (mot == "uc") {
            etat().remplacants = borne(n, 0, 16);
            return;
        }
        if (mot == "u") {
            // A signed 16-bit number: negative values stand for the upper half.
            const long long code = n < 0 ? n + 65536 : n;
            emet(code >= 0 && code <= 0xFFFF ? char16_t(code) : u'\uFFFD');
            m_remplacantsASauter = etat().remplacants;
            return;
        }
        switch (etat().destination) {
        case Destination::Polices:
            police(mot, n);
            return;
        case Destination::Couleurs:
            couleur(mot, n);
            return;
        case Destination::Marque:
            marque(mot, n);
            return;
        case Destination::Texte:
            texte(mot, parametre, n);
            return;
        case Destination::Ignoree:
            return;
        }
    }

    // A group's first word naming where its content goes; false for an ordinary word.
    bool destination(const std::string& mot, bool etoile) {
        for (const Partie& p : kParties) {
            if (mot == p.mot)
                m_pertes.set(std::size_t(p.perte));
        }
        Etat& e = etat();
        if (mot == "fonttbl") {
            e.destination = Destination::Polices;
        } else if (mot == "colortbl") {
            e.destination = Destination::Couleurs;
        } else if (mot == "pntext" || mot == "listtext" || mot == "pn") {
            // The bullet's own text or description: the paragraph around is bulleted.
            m_pile[m_pile.size() - 2].puce = true;
            e.destination = Destination::Marque;
        } else if (etoile || std::ranges::find(kIgnorees, mot) != std::end(kIgnorees)) {
            e.destination = Destination::Ignoree;
        } else {
            return false;
        }
        return true;
    }

    void police(const std::string& mot, long long n) {
        if (mot == "f") {
            m_policeEnCours = int(n);
            m_nomPolice.clear();
        } else if (mot == "fcharset" && n != 1) {
            // Character set 1 is the document's default code page.
            m_pagesPolices.insert(m_policeEnCours, pageDuJeu(n));
            if (n == kJeuSymboles)
                m_policesSymboles.insert(m_policeEnCours);
        } else if (mot == "cpg") {
            m_pagesPolices.insert(m_policeEnCours, pageConnue(n));
        }
    }

    void couleur(const std::string& mot, long long n) {
        const int valeur = borne(n, 0, 255);
        if (mot == "red")
            m_rouge = valeur;
        else if (mot == "green")
            m_vert = valeur;
        else if (mot == "blue")
            m_bleu = valeur;
        else
            return;
        m_composantes = true;
    }

    // The marker's font, to tell a symbol from a letter, and the old lists' numbered level.
    void marque(const std::string& mot, long long n) {
        if (mot == "f")
            etat().police = int(n);
        else if (mot == "plain")
            etat().police = m_policeDefaut;
        else if (mot == "pnlvlbody")
            m_pertes.set(std::size_t(Perte::ListesNumerotees));
    }

    void texte(const std::string& mot, bool parametre, long long n) {
        Etat& e = etat();
        const bool oui = !parametre || n != 0;
        if (std::ranges::find(kTableaux, mot) != std::end(kTableaux))
            m_pertes.set(std::size_t(Perte::Tableaux));
        for (const Symbole& s : kSymboles) {
            if (mot == s.mot) {
                emet(s.caractere);
                return;
            }
        }
        if (mot == "par" || mot == "page" || mot == "row") {
            finParagraphe();
        } else if (mot == "pard") {
            e.alignement = Alignement::Gauche;
            e.premiereLigne = e.gauche = e.droite = 0;
            e.puce = false;
        } else if (mot == "plain") {
            e.police = m_policeDefaut;
            e.demiPoints = 24;
            e.gras = e.italique = e.souligne = e.barre = false;
            e.couleur = 0;
        } else if (mot == "ansicpg") {
            m_pageDefaut = pageConnue(n);
        } else if (mot == "deff") {
            m_policeDefaut = e.police = int(n);
        } else if (mot == "f") {
            e.police = int(n);
        } else if (mot == "fs") {
            e.demiPoints = parametre ? borne(n, 2, kDemiPointsMax) : 24;
        } else if (mot == "b") {
            e.gras = oui;
        } else if (mot == "i") {
            e.italique = oui;
        } else if (mot == "strike") {
            e.barre = oui;
        } else if (mot == "ulnone") {
            e.souligne = false;
        } else if (mot.starts_with("ul") && mot != "ulc") {
            e.souligne = oui;
        } else if (mot == "cf") {
            e.couleur = int(n);
        } else if (mot == "ql") {
            e.alignement = Alignement::Gauche;
        } else if (mot == "qc") {
            e.alignement = Alignement::Centre;
        } else if (mot == "qr") {
            e.alignement = Alignement::Droite;
        } else if (mot == "qj" || mot == "qd") {
            e.alignement = Alignement::Justifie;
        } else if (mot == "fi") {
            e.premiereLigne = borne(n, -kRetraitMax, kRetraitMax);
        } else if (mot == "li" || mot == "lin") {
            e.gauche = borne(n, -kRetraitMax, kRetraitMax);
        } else if (mot == "ri" || mot == "rin") {
            e.droite = borne(n, -kRetraitMax, kRetraitMax);
        } else if (mot == "ls") {
            e.puce = n > 0;
        }
    }

    const QByteArray& m_o;
    qsizetype m_pos;
    const Avance& m_avance;
    std::vector<Etat> m_pile;
    int m_exces = 0; // groups opened beyond the depth kept
    bool m_fini = false;
    bool m_etoile = false;
    bool m_premierMot = false;
    int m_remplacantsASauter = 0;
    QByteArray m_octets; // text bytes not yet decoded
    QString m_attente;   // text decoded, not yet given to its destination
    Document m_doc;
    Paragraphe m_courant;
    Pertes m_pertes;
    QHash<int, QString> m_polices;
    QHash<int, int> m_pagesPolices; // the code page of each font's text
    QSet<int> m_policesSymboles;
    int m_pageDefaut = kPageOuest;
    std::map<int, QStringDecoder> m_decodeurs;
    int m_policeDefaut = 0;
    int m_policeEnCours = 0;
    QString m_nomPolice;
    std::vector<int> m_couleurs;
    bool m_composantes = false;
    int m_rouge = 0;
    int m_vert = 0;
    int m_bleu = 0;
};

Document texteSimple(const QByteArray& octets, const Format& defaut) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texte = utf8(octets);
    if (utf8.hasError())
        texte = cp1252::decode(octets.constData(), octets.size());
    QStringList lignes = texte.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (lignes.last().isEmpty())
        lignes.removeLast();
    Document d;
    for (const QString& ligne : lignes) {
        Paragraphe p;
        QString propre;
        for (QChar c : ligne) {
            if (admis(c.unicode()))
                propre += c;
        }
        repareSubstituts(propre);
        p.ajoute(propre, defaut);
        d.paragraphes.push_back(std::move(p));
    }
    return d;
}

} // namespace

Lecture lecture(const QByteArray& octets, const Format& defaut, const Avance& avance) {
    qsizetype debut = octets.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (debut < octets.size() && std::isspace(static_cast<unsigned char>(octets[debut])))
        ++debut;
    if (!QByteArrayView(octets).sliced(debut).startsWith("{\\rtf"))
        return {texteSimple(octets, defaut), {}};
    return Lecteur(octets, debut, avance).lit();
}

Document lit(const QByteArray& octets, const Format& defaut) {
    return lecture(octets, defaut).document;
}

namespace {

void echappe(QByteArray& sortie, QStringView texte) {
    for (QChar q : texte) {
        const char16_t c = q.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            sortie += '\\';
            sortie += char(c);
        } else if (c == u'\t') {
            sortie += "\\tab ";
        } else if (c == kSautDeLigne) {
            sortie += "\\line ";
        } else if (c >= 0x20 && c < 0x7F) {
            sortie += char(c);
        } else if (c < 0x20) {
            continue;
        } else if (const std::optional<unsigned char> octet = cp1252::versOctet(c)) {
            sortie += "\\'" + QByteArray::number(*octet, 16).rightJustified(2, '0');
        } else {
            sortie += "\\u" + QByteArray::number(int(static_cast<int16_t>(c))) + '?';
        }
    }
}

constexpr std::array<const char*, 4> kAlignements = {"\\ql", "\\qc", "\\qr", "\\qj"};

void nombre(QByteArray& sortie, const char* mot, int valeur) {
    sortie += mot + QByteArray::number(valeur);
}

} // namespace

QByteArray ecrit(const Document& document) {
    QStringList polices;
    std::vector<int> couleurs;
    for (const Paragraphe& p : document.paragraphes) {
        for (const Segment& s : p.segments) {
            if (!polices.contains(s.format.police))
                polices << s.format.police;
            if (s.format.couleur >= 0 &&
                std::find(couleurs.begin(), couleurs.end(), s.format.couleur) == couleurs.end())
                couleurs.push_back(s.format.couleur);
        }
    }
    QByteArray sortie = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (qsizetype i = 0; i < polices.size(); ++i) {
        nombre(sortie, "{\\f", int(i));
        sortie += "\\fnil\\fcharset0 ";
        echappe(sortie, QString(polices[i]).remove(u';'));
        sortie += ";}";
    }
    sortie += "}\r\n{\\colortbl ;";
    for (int c : couleurs) {
        nombre(sortie, "\\red", (c >> 16) & 0xFF);
        nombre(sortie, "\\green", (c >> 8) & 0xFF);
        nombre(sortie, "\\blue", c & 0xFF);
        sortie += ';';
    }
    sortie += "}\r\n";
    for (const Paragraphe& p : document.paragraphes) {
        sortie += "\\pard";
        sortie += kAlignements[std::size_t(p.alignement)];
        nombre(sortie, "\\fi", p.premiereLigne);
        nombre(sortie, "\\li", p.gauche);
        nombre(sortie, "\\ri", p.droite);
        if (p.puce)
            sortie += "{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt\\pnindent0{\\pntxtb\\'95}}";
        for (const Segment& s : p.segments) {
            const Format& f = s.format;
            nombre(sortie, "{\\f", int(polices.indexOf(f.police)));
            nombre(sortie, "\\fs", std::clamp(f.demiPoints, 2, kDemiPointsMax));
            sortie += f.gras ? "\\b" : "";
            sortie += f.italique ? "\\i" : "";
            sortie += f.souligne ? "\\ul" : "";
            sortie += f.barre ? "\\strike" : "";
            if (f.couleur >= 0)
                nombre(
                    sortie, "\\cf",
                    int(std::find(couleurs.begin(), couleurs.end(), f.couleur) - couleurs.begin()) +
                        1);
            sortie += ' ';
            echappe(sortie, s.texte);
            sortie += '}';
        }
        sortie += "\\par\r\n";
    }
    sortie += "}\r\n";
    return sortie;
}

} // namespace zel::outils::rtf
