// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Préparation commune du programme et des tests : images, police des fenêtres, SIGXFSZ ignoré.

void preparedemarrage();
