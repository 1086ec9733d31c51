// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Construction des contrôles du dialogue de mise à jour, à leur place (twips / 15).

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSize;
class QWidget;

struct ControlesMaj
{
    QPushButton *Boutonmanuel, *Valider, *Annuler, *Boutontaux;
    QCheckBox *CheckMaj, *Checkconnection;
    QLineEdit *ftp;
    QLabel *Label1, *Label2, *Image1, *Picture1, *Picture2;
    QLabel *avisadresse; // l'adresse est celle d'exemple de la construction
};

ControlesMaj construitmaj(QWidget *dialogue);
QSize taillemaj(); // zone cliente
