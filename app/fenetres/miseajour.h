// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Mise à jour automatique lancée une fois la fenêtre principale montrée.

struct EtatBrunelix;
class Maj;

// Quand CheckMaj est coché : vérifie l'échéance et télécharge (pointeur « occupé » pendant
// le transfert, la fenêtre restant utilisable) vers l'emplacement d'écriture (dossier créé
// seulement par une écriture qui a lieu). Vrai quand le fichier a été écrit : fichiertaux le
// nomme dès lors, l'appelant recharge la table.
bool verifiemaj(EtatBrunelix &etat, Maj &dialogue);
