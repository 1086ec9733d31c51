// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Mise à jour automatique lancée par le chargement de la fenêtre principale.

namespace taux {
struct TableTaux;
}
class Maj;

// Quand CheckMaj est coché : vérifie l'échéance et télécharge (sablier pendant le
// transfert). Vrai quand le fichier des taux a été remplacé et doit être rechargé.
bool verifiemaj(const taux::TableTaux &table, Maj &dialogue);
