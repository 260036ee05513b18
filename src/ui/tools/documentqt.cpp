#include "ui/tools/documentqt.h"

#include <QFontDatabase>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace zel::ui::documentqt {

namespace rtf = zel::outils::rtf;

namespace {

constexpr double kTwipsParPixel = 15.0;
// A long letter is laid out in steps of so many paragraphs, each told to the caller.
constexpr std::size_t kPasAvance = 1000;

int twips(double pixels) {
    return qRound(pixels * kTwipsParPixel);
}

} // namespace

rtf::Paragraphe paragraphe(const QTextBlock& bloc) {
    const QTextBlockFormat f = bloc.blockFormat();
    rtf::Paragraphe p;
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    p.alignement = a & Qt::AlignHCenter   ? rtf::Alignement::Centre
                   : a & Qt::AlignRight   ? rtf::Alignement::Droite
                   : a & Qt::AlignJustify ? rtf::Alignement::Justifie
                                          : rtf::Alignement::Gauche;
    p.premiereLigne = twips(f.textIndent());
    p.gauche = twips(f.leftMargin());
    p.droite = twips(f.rightMargin());
    p.puce = bloc.textList() != nullptr;
    return p;
}

QTextBlockFormat formatBloc(const rtf::Paragraphe& p) {
    QTextBlockFormat f;
    constexpr Qt::Alignment kAlignements[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                              Qt::AlignJustify};
    f.setAlignment(kAlignements[int(p.alignement)]);
    f.setTextIndent(p.premiereLigne / kTwipsParPixel);
    f.setLeftMargin(p.gauche / kTwipsParPixel);
    f.setRightMargin(p.droite / kTwipsParPixel);
    return f;
}

rtf::Format format(const QTextCharFormat& f, const QFont& defaut) {
    const QFont police = f.font().resolve(defaut);
    rtf::Format r;
    r.police = police.family();
    r.demiPoints = police.pointSizeF() > 0 ? qRound(police.pointSizeF() * 2) : 20;
    r.gras = police.bold();
    r.italique = police.italic();
    r.souligne = police.underline();
    r.barre = police.strikeOut();
    if (f.foreground().style() != Qt::NoBrush)
        r.couleur = int(f.foreground().color().rgb() & 0xFFFFFF);
    return r;
}

namespace {

// Whether the system has a font: the font database is slow to ask, so a long letter asks it once
// for each name.
class Polices {
public:
    bool presente(const QString& nom) {
        auto it = m_connues.constFind(nom);
        if (it == m_connues.cend())
            it = m_connues.insert(nom, QFontDatabase::hasFamily(nom));
        return *it;
    }

private:
    QHash<QString, bool> m_connues;
};

QTextCharFormat formatCaracteres(const rtf::Format& f, Polices& polices) {
    QTextCharFormat c;
    if (!f.police.isEmpty()) {
        c.setFontFamilies({f.police});
        if (!polices.presente(f.police))
            c.setFontStyleHint(QFont::Serif);
    }
    c.setFontPointSize(f.demiPoints / 2.0);
    c.setFontWeight(f.gras ? QFont::Bold : QFont::Normal);
    c.setFontItalic(f.italique);
    c.setFontUnderline(f.souligne);
    c.setFontStrikeOut(f.barre);
    if (f.couleur >= 0)
        c.setForeground(QColor(QRgb(f.couleur)));
    return c;
}

} // namespace

QTextCharFormat formatCaracteres(const rtf::Format& f) {
    Polices polices;
    return formatCaracteres(f, polices);
}

rtf::Document depuis(const QTextDocument& document) {
    rtf::Document d;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        rtf::Paragraphe p = paragraphe(b);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            // Pictures and other objects are no text of the letter.
            const QString texte = f.text().remove(QChar::ObjectReplacementCharacter);
            p.ajoute(texte, format(f.charFormat(), document.defaultFont()));
        }
        d.paragraphes.push_back(std::move(p));
    }
    return d;
}

void vers(rtf::Document d, QTextDocument& document, const rtf::Avance& avance) {
    // Every paragraph would be a step to undo.
    const bool annulable = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor curseur(&document);
    // One edit: the cursor does not look for its place on the line after every insertion.
    curseur.beginEditBlock();
    QTextList* liste = nullptr;
    Polices polices;
    for (std::size_t i = 0; i < d.paragraphes.size(); ++i) {
        if (avance && i > 0 && i % kPasAvance == 0)
            avance(double(i) / double(d.paragraphes.size()));
        // Each paragraph is let go once laid out, so that a long letter is not freed all at once.
        const rtf::Paragraphe p = std::move(d.paragraphes[i]);
        const QTextCharFormat premier = p.segments.empty()
                                            ? QTextCharFormat()
                                            : formatCaracteres(p.segments.front().format, polices);
        if (i == 0) {
            curseur.setBlockFormat(formatBloc(p));
            curseur.setBlockCharFormat(premier);
        } else {
            curseur.insertBlock(formatBloc(p), premier);
        }
        if (p.puce && liste)
            liste->add(curseur.block());
        else if (p.puce)
            liste = curseur.createList(QTextListFormat::ListDisc);
        else
            liste = nullptr;
        for (const rtf::Segment& s : p.segments)
            curseur.insertText(s.texte, formatCaracteres(s.format, polices));
    }
    curseur.endEditBlock();
    document.setUndoRedoEnabled(annulable);
}

} // namespace zel::ui::documentqt
