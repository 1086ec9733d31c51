// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Point d'entrée du module des fenêtres : --pdf, sinon la fenêtre.
#include "app/etat.h"
#include "app/fenetres/formbrunelix.h"
#include "app/fenetres/maj.h"
#include "app/systeme/demarrage.h"
#include "app/systeme/exportationpdf.h"
#include "app/systeme/fin.h"
#include "app/systeme/lignecommande.h"
#include "app/systeme/mesurepeinture.h"
#include "app/systeme/module.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

extern "C" int brunelix_fenetres(int argc, char **argv)
{
    if (commande::demande(argc, argv) == commande::Demande::pdf)
        return exportepdf(argc, argv);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brunelix.Brunelix"));
    preparedemarrage();

    QTranslator traduction;
    if (traduction.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    // Ligne de commande (2/2) : le dossier, les arguments restants joints par des blancs.
    const QString dossier = commande::dossier(QApplication::arguments());
    EtatBrunelix etat;
    etat.emplacements = config::emplacements(dossier, QCoreApplication::applicationDirPath());
    const std::unique_ptr<Maj> maj = chargeparametres(etat);
    FormBrunelix fenetre(etat, *maj);
    // Essai de l'installation (sans écran ni utilisateur) : fin normale une fois la fenêtre affichée
    // et la mise à jour automatique, s'il y en a une, achevée.
    if (qEnvironmentVariableIsSet("BRUNELIX_ESSAI_DEMARRAGE"))
        QObject::connect(&fenetre, &FormBrunelix::demarre, &fenetre, [] { fin::immediate(); });
    // Mesures du démarrage : fin à la première peinture, mémoire résidente sur la sortie.
    if (qEnvironmentVariableIsSet(variablemesurepeinture))
        finapremierepeinture(&fenetre);
    fenetre.charge();
    fenetre.affiche();
    const int statut = fin::boucle(); // un rapport fatal au chargement rend son statut sans boucle
    // Les fenêtres disparaissent aussitôt, même quand la fin du processus attend encore une
    // recherche de nom abandonnée avec un téléchargement (rien ne reste à écrire).
    fin::efface();
    return statut;
}
