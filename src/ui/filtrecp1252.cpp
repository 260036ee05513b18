#include "ui/filtrecp1252.h"

#include "store/codepage.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>

namespace zel::ui {

bool FiltreCp1252::refuseSi(const QString& texte) {
    const std::optional<QChar> c = cp1252::premierNonRepresentable(texte);
    if (!c)
        return false;
    Q_EMIT refuse(QStringLiteral("Caractère refusé : « %1 »").arg(*c));
    return true;
}

bool FiltreCp1252::eventFilter(QObject* cible, QEvent* evenement) {
    switch (evenement->type()) {
    case QEvent::KeyPress: {
        auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->matches(QKeySequence::Paste))
            return refuseSi(QGuiApplication::clipboard()->text());
        return refuseSi(touche->text());
    }
    case QEvent::Drop:
        return refuseSi(static_cast<QDropEvent*>(evenement)->mimeData()->text());
    case QEvent::InputMethod:
        return refuseSi(static_cast<QInputMethodEvent*>(evenement)->commitString());
    default:
        return QObject::eventFilter(cible, evenement);
    }
}

} // namespace zel::ui
