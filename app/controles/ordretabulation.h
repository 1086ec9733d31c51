// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Tabulation dans un ordre fixe de contrôles, à la place de celui de Qt.

#include <span>

class QWidget;

// Donne le focus au contrôle qui suit (ou précède) celui qui l'a, en sautant ceux qui sont
// cachés, inactifs ou sans arrêt de tabulation ; faux quand aucun ne le prend.
bool tabule(std::span<QWidget *const> ordre, bool suivant);
