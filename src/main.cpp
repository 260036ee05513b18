#include "app/jeudocuments.h"
#include "app/reglages.h"
#include "ui/fenetreprincipale.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zel Vente"));

    const QString dossier = QDir::currentPath();
    zel::Reglages reglages;
    zel::JeuDocuments jeu;
    zel::ui::TMainForm fenetre;
    fenetre.show();
    for (const QString& erreur : reglages.chargeAuDemarrage(dossier))
        QMessageBox::warning(&fenetre, QStringLiteral("Zel Vente"), erreur);
    if (const zel::DemarrageIni d = reglages.GetIni(); d.ouvertureAuto) {
        if (zel::Resultat r = jeu.Charge(d.document); !r)
            QMessageBox::warning(&fenetre, QStringLiteral("Zel Vente"), r.message());
    }
    const int code = QApplication::exec();
    for (const QString& erreur : reglages.sauveALaFin(dossier, jeu.nomDocument()))
        QMessageBox::warning(nullptr, QStringLiteral("Zel Vente"), erreur);
    return code;
}
