// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Mesures : calcul d'une cellule, reconstruction complète du tableau, chargement des taux ; puis
// les rapports aux bases de comparaison (tableau contre arithmétique seule, démarrage contre
// fenêtre minimale, exports contre programmes Qt nus) et les deux mémoires résidentes. Des chiffres à rapporter, pas
// des seuils.
#include "app/etat.h"
#include "app/fenetres/formbrunelix.h"
#include "app/fenetres/maj.h"
#include "app/systeme/demarrage.h"
#include "bench/arithmetique.h"
#include "bench/demarrages.h"
#include "calc/tableau.h"
#include "calc/valeur.h"
#include "rates/tabletaux.h"
#include "tests/serveuressai.h"

#include <QApplication>
#include <QDate>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>

namespace {

// Fichier de 101 entrées ; le taux de tête (12,5 %) donne un tableau de 14 colonnes.
QByteArray fichier101()
{
    QByteArray s = "' mesures\r\n";
    for (int i = 0; i < 101; ++i)
        s += QByteArray::number(2 - i % 2) + "S" + QByteArray::number(2100 - i / 2) + "\t" +
             (i == 0 ? QByteArray("12.5") : QByteArray::number(1 + i % 7) + ".25") + "\r\n";
    return s;
}

// Fichier à jour servi par la mise à jour : du semestre en cours au 2d semestre 2001, celui du
// fichier échu, avec le même taux (une mise à jour ne perd aucun semestre).
QByteArray fichierajour()
{
    const QDate aujourdhui = QDate::currentDate();
    QByteArray s;
    int annee = aujourdhui.year();
    int semestre = aujourdhui.month() > 6 ? 2 : 1;
    while (annee > 2001 || semestre == 2) {
        s += QByteArray::number(semestre) + "S" + QByteArray::number(annee) + "\t" +
             (annee == 2001 ? QByteArray("4.5") : QByteArray("3.25")) + "\r\n";
        semestre = 3 - semestre;
        if (semestre == 2)
            --annee;
    }
    return s;
}

struct Dossier
{
    QTemporaryDir dossier;
    Dossier()
    {
        QFile f(dossier.filePath(QStringLiteral("BRUNELIX.TXT")));
        f.open(QIODevice::WriteOnly);
        f.write(fichier101());
    }
};

void renvoivaleur(benchmark::State &etat)
{
    double montant = 100;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(calcul::renvoivaleur(montant, 36, 3.47));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(renvoivaleur);

void construittableau14(benchmark::State &etat)
{
    const QLocale francais(QLocale::French, QLocale::France);
    for (auto _ : etat)
        benchmark::DoNotOptimize(calcul::construittableau(12.5, QStringLiteral("100"), francais));
}
BENCHMARK(construittableau14)->Unit(benchmark::kMicrosecond);

// La reconstruction que fait la fenêtre : le tableau précédent resservant, montants alternés
// (toutes les cellules changent à chaque passe).
void reconstruittableau14(benchmark::State &etat)
{
    const QLocale francais(QLocale::French, QLocale::France);
    calcul::Tableau t;
    int i = 0;
    for (auto _ : etat) {
        calcul::construittableau(12.5, ++i % 2 ? QStringLiteral("100") : QStringLiteral("250"), francais, t);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(reconstruittableau14)->Unit(benchmark::kMicrosecond);

// Base : les 442 cellules du même tableau, arithmétique et texte dans un tampon char seulement.
void arithmetique14(benchmark::State &etat)
{
    const QLocale francais(QLocale::French, QLocale::France);
    base::Textes textes;
    for (auto _ : etat) {
        base::remplit(12.5, 100, francais.decimalPoint().at(0).toLatin1(), textes);
        benchmark::DoNotOptimize(textes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(arithmetique14)->Unit(benchmark::kMicrosecond);

// recalcule complet, écriture de la grille comprise, sur 14 colonnes ; fenêtre de cette taille
// (vide : taille de conception).
void recalcule(benchmark::State &etat, QSize taille)
{
    Dossier d;
    EtatBrunelix e;
    e.emplacements = config::emplacements({}, d.dossier.path());
    const auto maj = chargeparametres(e);
    FormBrunelix f(e, *maj);
    f.charge();
    f.affiche();
    if (!taille.isEmpty())
        f.resize(taille);
    int i = 0;
    for (auto _ : etat) {
        // Montants alternés : chaque passe réécrit toutes les cellules.
        f.controles().montant->blockSignals(true);
        f.controles().montant->setText(++i % 2 ? QStringLiteral("100") : QStringLiteral("250"));
        f.controles().montant->blockSignals(false);
        f.recalcule();
    }
}

void recalcule14(benchmark::State &etat)
{
    recalcule(etat, {});
}
BENCHMARK(recalcule14)->Unit(benchmark::kMicrosecond);

// La même reconstruction, fenêtre agrandie à 1280 × 800 : tout le tableau visible.
void recalcule14agrandie(benchmark::State &etat)
{
    recalcule(etat, QSize(1280, 800));
}
BENCHMARK(recalcule14agrandie)->Unit(benchmark::kMicrosecond);

// Démarrage : fenêtre construite, taux chargés, tableau calculé, fenêtre peinte.
void demarrage(benchmark::State &etat)
{
    Dossier d;
    for (auto _ : etat) {
        EtatBrunelix e;
        e.emplacements = config::emplacements({}, d.dossier.path());
        const auto maj = chargeparametres(e);
        FormBrunelix f(e, *maj);
        f.charge();
        f.affiche();
        benchmark::DoNotOptimize(f.grab());
    }
}
BENCHMARK(demarrage)->Unit(benchmark::kMillisecond);

// Démarrage avec la mise à jour due et un serveur local qui répond aussitôt : la
// vérification, le téléchargement, le remplacement et le second chargement en plus.
// Argument 1 : test de la connexion avant le téléchargement.
void demarragemaj(benchmark::State &etat)
{
    Dossier d;
    ServeurEssai serveur({ServeurEssai::reponse(fichierajour())});
    const QString fichier = d.dossier.filePath(QStringLiteral("BRUNELIX.TXT"));
    QFile ini(d.dossier.filePath(QStringLiteral("Brunelix.ini")));
    ini.open(QIODevice::WriteOnly);
    ini.write("[FTP]\nADRESS=" + serveur.adresse().toUtf8() + "\nCHECKCONNECTION=" + QByteArray::number(etat.range(0)) +
              "\nCHECKMAJ=1\n");
    ini.close();
    for (auto _ : etat) {
        etat.PauseTiming();
        QFile f(fichier);
        f.open(QIODevice::WriteOnly);
        f.write("2S2001\t4.5\r\n"); // échu depuis longtemps
        f.close();
        etat.ResumeTiming();
        EtatBrunelix e;
        e.emplacements = config::emplacements({}, d.dossier.path());
        const auto maj = chargeparametres(e);
        FormBrunelix fenetre(e, *maj);
        // La mise à jour part une fois la fenêtre montrée : attendre la fin du démarrage.
        QEventLoop boucle;
        QObject::connect(&fenetre, &FormBrunelix::demarre, &boucle, &QEventLoop::quit);
        QTimer::singleShot(10000, &boucle, &QEventLoop::quit);
        fenetre.charge();
        fenetre.affiche();
        boucle.exec();
        benchmark::DoNotOptimize(fenetre.grab());
    }
    if (serveur.requetes != static_cast<int>(etat.iterations()))
        etat.SkipWithError("mise à jour non faite");
}
BENCHMARK(demarragemaj)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void chargetaux101(benchmark::State &etat)
{
    Dossier d;
    taux::TableTaux table;
    table.fichiertaux = d.dossier.filePath(QStringLiteral("BRUNELIX.TXT"));
    for (auto _ : etat)
        benchmark::DoNotOptimize(taux::chargetaux(table));
}
BENCHMARK(chargetaux101)->Unit(benchmark::kMicrosecond);

// Console habituelle ; garde en plus le temps réel par itération de chaque mesure.
class Releve : public benchmark::ConsoleReporter
{
  public:
    std::map<std::string, double> temps;

    // Couleurs seulement vers un terminal.
    Releve() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            if (!r.error_occurred && r.run_type == Run::RT_Iteration)
                temps[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

// Le tableau neuf à chaque fois, puis reconstruit sur le précédent comme le fait la fenêtre.
void rapporttableau(const Releve &releve)
{
    const auto arithmetique = releve.temps.find("arithmetique14");
    if (arithmetique == releve.temps.end())
        return;
    for (const char *nom : {"construittableau14", "reconstruittableau14"}) {
        const auto tableau = releve.temps.find(nom);
        if (tableau != releve.temps.end())
            std::printf("Tableau de 442 cellules (%s) : %.1f us ; arithmétique seule : %.1f us ; rapport %.2f\n", nom,
                        tableau->second, arithmetique->second, tableau->second / arithmetique->second);
    }
}

void rapportdemarrage()
{
    constexpr int passages = 31;
    const Demarrages d = mesuredemarrages(fichier101(), passages);
    if (!d.valide) {
        std::printf("Démarrage : un lancement n'a pas atteint sa première peinture\n");
        return;
    }
    std::printf("Démarrage jusqu'à la première peinture (médianes de %d) : Brunelix %.1f ms ; fenêtre minimale "
                "%.1f ms ; rapport %.2f\n",
                passages, d.brunelixms, d.minimalems, d.brunelixms / d.minimalems);
    std::printf("Mémoire résidente à la première peinture : Brunelix %ld kio ; fenêtre minimale %ld kio ; rapport "
                "%.2f\n",
                d.brunelixkio, d.minimalekio, static_cast<double>(d.brunelixkio) / static_cast<double>(d.minimalekio));
}

void rapportexports()
{
    constexpr int passages = 31;
    const Exports e = mesureexports(fichier101(), passages);
    if (!e.valide) {
        std::printf("Exports : un lancement a échoué\n");
        return;
    }
    std::printf("brunelix --texte (médianes de %d) : %.1f ms ; QCoreApplication nue : %.1f ms ; rapport %.2f\n",
                passages, e.textems, e.textenums, e.textems / e.textenums);
    std::printf("brunelix --pdf (médianes de %d) : %.1f ms ; QPdfWriter nu : %.1f ms ; rapport %.2f\n", passages,
                e.pdfms, e.pdfnums, e.pdfms / e.pdfnums);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    preparedemarrage();
    benchmark::Initialize(&argc, argv);
    Releve releve;
    benchmark::RunSpecifiedBenchmarks(&releve);
    benchmark::Shutdown();
    rapporttableau(releve);
    rapportdemarrage();
    rapportexports();
    return 0;
}
