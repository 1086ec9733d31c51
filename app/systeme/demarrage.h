// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Préparation commune du programme et des tests : images, police des fenêtres, SIGXFSZ ignoré.

void preparedemarrage();

class QFont;

// Police des trois fenêtres (« MS Sans Serif » 8,25 points), posée sur chacune : un thème qui
// impose la sienne à l'application ne la change pas.
QFont policefenetres();
