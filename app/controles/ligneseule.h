// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Champ d'une seule ligne : QLineEdit garde les CR et LF d'un texte collé ou déposé.

class QLineEdit;

// Retire du texte du champ tout CR et tout LF, qu'il soit tapé, collé, déposé ou donné par
// programme, avant que le texte aille ailleurs (réglages, tableau, presse-papiers).
void ligneseule(QLineEdit *champ);
