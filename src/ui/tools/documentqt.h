#pragma once

#include "tools/rtf.h"

#include <QTextBlock>
#include <QTextCharFormat>

class QTextDocument;

// Between the word processor's own model of rich text and Qt's text document, which the window
// edits. Indents: a twip is a fifteenth of a pixel at the screen's 4/3 pixel per point.
namespace zel::ui::documentqt {

zel::outils::rtf::Document depuis(const QTextDocument& document);
// Replaces the document's content, with nothing to undo; `avance` is told how far a long letter
// has got.
void vers(zel::outils::rtf::Document d, QTextDocument& document,
          const zel::outils::rtf::Avance& avance = {});

// A paragraph's formatting without its text.
zel::outils::rtf::Paragraphe paragraphe(const QTextBlock& bloc);
QTextBlockFormat formatBloc(const zel::outils::rtf::Paragraphe& p);

zel::outils::rtf::Format format(const QTextCharFormat& f, const QFont& defaut);
// A font the system lacks falls back to its serif font.
QTextCharFormat formatCaracteres(const zel::outils::rtf::Format& f);

} // namespace zel::ui::documentqt
