// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Construction des contrôles de la fenêtre « Taux de référence », à leur place (twips / 15).

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSize;
class QTableWidget;
class QWidget;

struct ControlesTaux
{
    QTableWidget *liste;             // semestres du fichier, du plus récent au plus ancien
    QLabel *refus;                   // dernier refus d'une mise à jour
    QComboBox *semestre;             // semestre à ajouter, corriger ou retirer
    QLineEdit *taux, *tmop, *source; // taux, ou TMOP du semestre précédent ; source
    QLabel *message;                 // formule avant l'enregistrement, puis ce qui est fait
    QPushButton *Ajouter, *Corriger, *Retirer, *Fermer;
};

ControlesTaux construittaux(QWidget *fenetre);
QSize taillefenetretaux();
