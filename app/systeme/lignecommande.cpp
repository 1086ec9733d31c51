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
// Exports.
const QCommandLineOption texte(QStringLiteral("texte"), QString());
const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("fichier"));
const QCommandLineOption montant(QStringLiteral("montant"), QString(), QStringLiteral("montant"));
const QCommandLineOption semestre(QStringLiteral("semestre"), QString(), QStringLiteral("cle"));

// Aide en français : celle de Qt, lue avant QApplication, n'aurait ni traduction ni nom de programme.
const char *const texteaide = "Usage : brunelix [options] [dossier]\n"
                              "Calcul de la remise due au comptant pour un crédit gratuit.\n\n"
                              "Options :\n"
                              "  -h, --help         Affiche cette aide.\n"
                              "  -v, --version      Affiche la version.\n"
                              "  --texte            Écrit sur la sortie standard le texte que « Copier » met\n"
                              "                     dans le presse-papiers, sans ouvrir de fenêtre. Les\n"
                              "                     dernières lignes, après une ligne vide, ne sont pas des\n"
                              "                     lignes du tableau : la mention du taux (taux non\n"
                              "                     officiel, dernier semestre connu), quand il y en a une.\n"
                              "  --pdf fichier      Enregistre la page imprimée du tableau en PDF, sans\n"
                              "                     ouvrir de fenêtre ; entière ou pas du tout.\n"
                              "  --montant montant  Prix à crédit du tableau exporté (100 par défaut).\n"
                              "  --semestre cle     Semestre du tableau exporté, par exemple 1S2024 (par\n"
                              "                     défaut celui que la fenêtre choisit au démarrage).\n\n"
                              "Arguments :\n"
                              "  dossier            Dossier où prendre BRUNELIX.TXT ; le reste de la ligne y\n"
                              "                     est joint par des blancs (pas de guillemets).\n\n"
                              "Statut de sortie des exports : 0 fait, 1 écriture ratée, 2 montant, semestre ou\n"
                              "option refusés (message sur la sortie d'erreur).\n";

// Analyse souple : les options de Qt (-platform, -style...) ne sont pas des erreurs ici.
void analyse(QCommandLineParser &analyseur, const QStringList &arguments)
{
    analyseur.addOption(aide);
    analyseur.addOption(version);
    for (const QCommandLineOption &o : {texte, pdf, montant, semestre})
        analyseur.addOption(o);
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

Demande demande(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser analyseur;
    analyse(analyseur, arguments);
    if (analyseur.isSet(pdf))
        return Demande::pdf;
    if (analyseur.isSet(texte) || analyseur.isSet(montant) || analyseur.isSet(semestre))
        return Demande::texte;
    return Demande::fenetre;
}

std::optional<Export> litexport(const QStringList &arguments, QString &refus)
{
    QCommandLineParser analyseur;
    analyse(analyseur, arguments);
    if (!analyseur.unknownOptionNames().isEmpty())
        refus = QStringLiteral("option inconnue : %1").arg(analyseur.unknownOptionNames().constFirst());
    else if (analyseur.isSet(texte) && analyseur.isSet(pdf))
        refus = QStringLiteral("--texte et --pdf ne vont pas ensemble.");
    else if (!analyseur.isSet(texte) && !analyseur.isSet(pdf))
        refus = QStringLiteral("--montant et --semestre ne servent qu'avec --texte ou --pdf.");
    else if (analyseur.isSet(pdf) && analyseur.value(pdf).isEmpty())
        refus = QStringLiteral("--pdf demande un nom de fichier.");
    if (!refus.isEmpty())
        return std::nullopt;
    Export e;
    e.pdf = analyseur.value(pdf);
    if (analyseur.isSet(montant))
        e.montant = analyseur.value(montant);
    e.semestre = analyseur.value(semestre);
    return e;
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
