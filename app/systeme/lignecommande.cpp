// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/lignecommande.h"

#include "app/systeme/commandestaux.h"
#include "config/emplacements.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <array>

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
                              "Taux de référence, sans fenêtre (même fichier et mêmes règles que la fenêtre) :\n"
                              "  --taux SEMESTRE=TAUX [--source TEXTE]\n"
                              "                     Ajoute en tête ou corrige le taux d'un semestre (2S2024=4,85).\n"
                              "  --tmop SEMESTRE=TMOP [--source TEXTE]\n"
                              "                     Idem avec le TMOP du semestre précédent (2S2024=3,23 donne\n"
                              "                     1,5 × 3,23 arrondi au centième : 4,85).\n"
                              "  --retire SEMESTRE  Retire un semestre saisi (les lignes livrées restent).\n"
                              "  --liste-taux       Une ligne par semestre : clé, taux, nature.\n\n"
                              "Arguments :\n"
                              "  dossier            Dossier où prendre BRUNELIX.TXT ; le reste de la ligne y\n"
                              "                     est joint par des blancs (pas de guillemets).\n\n"
                              "Statut de sortie des commandes sans fenêtre : 0 fait (ou déjà fait), 1 écriture\n"
                              "ratée, 2 entrée refusée (message sur la sortie d'erreur).\n";

const QCommandLineOption source(QStringLiteral("source"), QString(), QStringLiteral("texte"));

// Commandes sans fenêtre : une option, ce qu'elle fait, si elle prend --source.
struct Commande
{
    const char *nom;
    bool avecvaleur;
    bool avecsource;
    int (*execute)(const config::Emplacements &e, const QString &valeur, const QString &source);
};

const std::array<Commande, 4> commandes{{
    {"taux", true, true,
     [](const config::Emplacements &e, const QString &v, const QString &s) -> int { return taux(e, v, s); }},
    {"tmop", true, true,
     [](const config::Emplacements &e, const QString &v, const QString &s) -> int { return tmop(e, v, s); }},
    {"retire", true, false,
     [](const config::Emplacements &e, const QString &v, const QString &) -> int { return retire(e, v); }},
    {"liste-taux", false, false,
     [](const config::Emplacements &e, const QString &, const QString &) -> int { return listetaux(e); }},
}};

QCommandLineOption option(const Commande &c)
{
    return c.avecvaleur ? QCommandLineOption(QString::fromLatin1(c.nom), QString(), QStringLiteral("valeur"))
                        : QCommandLineOption(QString::fromLatin1(c.nom));
}

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

// La commande demandée, seule de son espèce ; nullptr et message sinon.
const Commande *commandedemandee(const QCommandLineParser &analyseur)
{
    const Commande *trouvee = nullptr;
    for (const Commande &c : commandes) {
        const QString nom = QString::fromLatin1(c.nom);
        if (!analyseur.isSet(nom))
            continue;
        if (trouvee || analyseur.values(nom).size() > 1) {
            erreur(QStringLiteral("une seule commande à la fois."));
            return nullptr;
        }
        trouvee = &c;
    }
    if (trouvee && analyseur.isSet(source) && (!trouvee->avecsource || analyseur.values(source).size() > 1)) {
        erreur(QStringLiteral("--source va avec --taux ou --tmop, une seule fois."));
        return nullptr;
    }
    return trouvee;
}

// Les arguments de main, dans l'encodage du système.
QStringList argumentsde(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

void options(int argc, char **argv)
{
    QCommandLineParser analyseur;
    analyse(analyseur, argumentsde(argc, argv));
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

bool sansfenetre(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--")
            return false;
        for (const Commande &c : commandes)
            if (a == QByteArray("--") + c.nom || a.startsWith(QByteArray("--") + c.nom + '='))
                return true;
    }
    return false;
}

int execute(const QStringList &arguments)
{
    QCommandLineParser analyseur;
    for (const Commande &c : commandes)
        analyseur.addOption(option(c));
    analyseur.addOption(source);
    if (!analyseur.parse(arguments)) {
        const QStringList inconnues = analyseur.unknownOptionNames();
        erreur(inconnues.isEmpty()
                   ? QStringLiteral("une option est donnée sans sa valeur (voir brunelix --help).")
                   : QStringLiteral("option inconnue : %1 (voir brunelix --help).").arg(inconnues.first()));
        return MauvaiseEntree;
    }
    const Commande *c = commandedemandee(analyseur);
    if (!c)
        return MauvaiseEntree;
    const QString dossier = analyseur.positionalArguments().join(u' ');
    if (!dossier.isEmpty() && !QFileInfo(dossier + QStringLiteral("/BRUNELIX.TXT")).isFile()) {
        erreur(QStringLiteral("pas de fichier BRUNELIX.TXT dans le dossier « %1 ».").arg(dossier));
        return MauvaiseEntree;
    }
    const config::Emplacements e = config::emplacements(dossier, QCoreApplication::applicationDirPath());
    const QString nom = QString::fromLatin1(c->nom);
    return c->execute(e, c->avecvaleur ? analyseur.value(nom) : QString(), analyseur.value(source));
}

Demande demande(int argc, char **argv)
{
    QCommandLineParser analyseur;
    analyse(analyseur, argumentsde(argc, argv));
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
