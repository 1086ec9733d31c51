// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/lignecommande.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace commande {

namespace {

const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")}, QString());
const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());

// Aide en français : celle de Qt, lue avant QApplication, n'aurait ni traduction ni nom de programme.
const char *const texteaide = "Usage : brunelix [options] [dossier]\n"
                              "Calcul de la remise due au comptant pour un crédit gratuit.\n\n"
                              "Options :\n"
                              "  -h, --help     Affiche cette aide.\n"
                              "  -v, --version  Affiche la version.\n\n"
                              "Arguments :\n"
                              "  dossier        Dossier où prendre BRUNELIX.TXT ; le reste de la ligne y est\n"
                              "                 joint par des blancs (pas de guillemets).\n";

// Analyse souple : les options de Qt (-platform, -style...) ne sont pas des erreurs ici.
void analyse(QCommandLineParser &analyseur, const QStringList &arguments)
{
    analyseur.addOption(aide);
    analyseur.addOption(version);
    analyseur.parse(arguments);
}

void avertit(const QString &texte)
{
    std::fprintf(stderr, "Brunelix : %s\n", texte.toLocal8Bit().constData());
}

} // namespace

void options(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser analyseur;
    analyse(analyseur, arguments);
    if (analyseur.isSet(aide)) {
        std::fputs(texteaide, stdout);
        std::exit(0);
    }
    if (analyseur.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        std::exit(0);
    }
}

QString dossier(const QStringList &arguments)
{
    QCommandLineParser analyseur;
    analyse(analyseur, arguments);
    for (const QString &option : analyseur.unknownOptionNames())
        avertit(QStringLiteral("option inconnue ignorée : %1").arg(option));
    const QString resultat = analyseur.positionalArguments().join(u' ');
    if (!resultat.isEmpty() && !QFileInfo(resultat).isDir())
        avertit(QStringLiteral("le dossier « %1 » n'existe pas ; fichier des taux cherché à l'emplacement habituel.")
                    .arg(resultat));
    return resultat;
}

} // namespace commande
