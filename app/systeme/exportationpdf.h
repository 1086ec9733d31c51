// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Export --pdf : les polices d'une QGuiApplication (plateforme offscreen sans écran), puis
// exporte (exportation.h) avec l'écriture de la page imprimée.

// Rend le statut de sortie de exporte.
int exportepdf(int argc, char **argv);
