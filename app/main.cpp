// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/etat.h"
#include "app/fenetres/formbrunelix.h"
#include "app/fenetres/maj.h"
#include "app/systeme/demarrage.h"
#include "app/systeme/exportation.h"
#include "app/systeme/fin.h"
#include "app/systeme/lignecommande.h"
#include "app/systeme/mesurepeinture.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Ligne de commande (1/2) : --help et --version finissent ici, avant QApplication.
    QApplication::setApplicationName(QStringLiteral("Brunelix"));
    QApplication::setApplicationVersion(QStringLiteral(BRUNELIX_VERSION));
    commande::options(argc, argv);
    // Commandes sans fenêtre (taux de référence) : aucun écran nécessaire.
    if (commande::sansfenetre(argc, argv)) {
        QCoreApplication app(argc, argv);
        return commande::execute(QCoreApplication::arguments());
    }
    // Exports : sans fenêtre, avec la seule application Qt qu'il leur faut.
    if (const auto d = commande::demande(argc, argv); d != commande::Demande::fenetre)
        return exporte(argc, argv, d == commande::Demande::pdf);
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
