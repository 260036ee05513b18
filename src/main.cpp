#include "ui/filtrecp1252.h"
#include "ui/francais.h"
#include "ui/sansfenetre.h"
#include "ui/tmainform.h"
#include "ui/tsplash.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const zel::LigneCommande ligne = zel::LigneCommande::analyse(arguments);
    if (ligne.action != zel::LigneCommande::Action::Fenetre) {
        // Printing for scripts needs no screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        zel::ui::chargeTraductionQt(app);
        return zel::ui::executeSansFenetre(ligne, QDir::currentPath());
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zel Vente"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.zelvente.ZelVente"));
    QApplication::setWindowIcon(QIcon(zel::ui::imageProgramme(64)));
    // Amounts with "," and dates as dd/mm/yyyy.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    if (!zel::ui::chargeTraductionQt(app))
        qWarning("Traduction française de Qt introuvable (paquet qt6-translations-l10n)");

    zel::ui::TSplash splash;
    splash.show();
    QApplication::processEvents();

    zel::ui::TMainForm fenetre(QDir::currentPath());
    fenetre.ouvrira(ligne.fichierClients);
    zel::ui::FiltreCp1252 filtre;
    app.installEventFilter(&filtre);
    QObject::connect(&filtre, &zel::ui::FiltreCp1252::refuse, &fenetre, &zel::ui::TMainForm::avis);
    fenetre.show();
    splash.close();
    return QApplication::exec();
}
