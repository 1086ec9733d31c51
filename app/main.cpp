// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/bureau/demarrage.h"
#include "app/etat.h"
#include "app/bureau/fin.h"
#include "app/fenetres/formbrunelix.h"
#include "app/fenetres/maj.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brunelix"));
    QApplication::setApplicationVersion(QStringLiteral(BRUNELIX_VERSION));
    preparedemarrage();

    QTranslator traduction;
    if (traduction.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    // Ligne de commande telle que reçue : les arguments joints par des blancs.
    const QStringList arguments = QApplication::arguments().mid(1);
    EtatBrunelix etat;
    const std::unique_ptr<Maj> maj = chargeparametres(etat.table);
    FormBrunelix fenetre(etat, *maj, arguments.join(u' '));
    fenetre.charge();
    fenetre.affiche();
    // Essai de l'installation (sans écran ni utilisateur) : fin normale une fois la fenêtre affichée.
    if (qEnvironmentVariableIsSet("BRUNELIX_ESSAI_DEMARRAGE"))
        QTimer::singleShot(0, &fenetre, [] { fin::immediate(); });
    return fin::boucle(); // un rapport fatal au chargement rend son statut sans boucle
}
