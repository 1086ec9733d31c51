// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Démarrage jusqu'à la première peinture : Brunelix contre la fenêtre minimale, processus entiers
// lancés en alternance ; médianes des durées et des mémoires résidentes.

class QByteArray;

struct Demarrages
{
    double brunelixms = 0;
    double minimalems = 0;
    long brunelixkio = 0;
    long minimalekio = 0;
    bool valide = false; // faux : un lancement n'a pas fini par sa ligne de mesure
};

Demarrages mesuredemarrages(const QByteArray &fichiertaux, int passages);

// Exports de la ligne de commande contre les programmes Qt nus qui écrivent les mêmes octets
// (texte de 35 lignes ; page PDF d'un tableau) : médianes des durées des processus entiers.
struct Exports
{
    double textems = 0, textenums = 0;
    double pdfms = 0, pdfnums = 0;
    bool valide = false; // faux : un lancement a échoué
};

Exports mesureexports(const QByteArray &fichiertaux, int passages);
