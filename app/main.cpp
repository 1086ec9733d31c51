// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/exportation.h"
#include "app/systeme/lignecommande.h"
#include "app/systeme/module.h"

#include <QCoreApplication>

// Qt Core seul : aide, version, commandes des taux et --texte sans charger les bibliothèques
// graphiques ; la fenêtre et --pdf sont dans le module des fenêtres.
int main(int argc, char *argv[])
{
    // Ligne de commande (1/2) : --help et --version finissent ici, avant toute application Qt.
    QCoreApplication::setApplicationName(QStringLiteral("Brunelix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRUNELIX_VERSION));
    commande::options(argc, argv);
    // Commandes sans fenêtre (taux de référence) : aucun écran nécessaire.
    if (commande::sansfenetre(argc, argv)) {
        QCoreApplication app(argc, argv);
        return commande::execute(QCoreApplication::arguments());
    }
    if (commande::demande(argc, argv) == commande::Demande::texte)
        return exportetexte(argc, argv);
    return lancemodule(argc, argv);
}
