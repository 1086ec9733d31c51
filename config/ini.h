// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Lecture et écriture de valeurs d'un fichier INI, comme les fonctions de profil :
// « CLE=valeur », sections et clés sans casse, première de deux clés en double,
// une paire de guillemets autour de la valeur retirée, valeur non UTF-8 lue en
// Windows-1252. L'écriture édite les octets du fichier : seules les valeurs
// changées le sont, tout le reste (commentaires, lignes sans « = », fins de ligne) reste.

#include <QList>
#include <QString>

#include <utility>

namespace config {

// Taille au-delà de laquelle un fichier INI est lu comme absent.
constexpr qint64 taillemaxini = 1024 * 1024;

// Valeur de la clé, coupée à 999 caractères ; texte vide quand le fichier,
// la section ou la clé manque. Un fichier qui n'est pas un fichier ordinaire,
// dépasse 1 Mio ou n'est pas du texte (octet NUL, UTF-16) est lu comme absent.
QString lireini(const QString &section, const QString &cle, const QString &chemin);
// Les valeurs de plusieurs clés d'une seule lecture du fichier, dans l'ordre des clés.
QList<QString> lireini(const QString &section, const QList<QString> &cles, const QString &chemin);

// Écrit les valeurs (clé, valeur) d'un seul remplacement du fichier, en créant fichier,
// section et clés au besoin : clé manquante en fin de section, section manquante en fin
// de fichier, avec la fin de ligne du fichier (CR LF dans un fichier neuf). Une valeur
// égale à celle lue garde ses octets ; une valeur changée s'écrit en UTF-8, ses CR, LF et NUL
// changés en blancs (le fichier garde une ligne par clé, quoi que l'appelant donne). Un fichier
// lu comme absent mais présent n'est jamais remplacé. Un échec ne dit rien.
void ecrireini(const QString &section, const QList<std::pair<QString, QString>> &valeurs, const QString &chemin);
void ecrireini(const QString &section, const QString &cle, const QString &valeur, const QString &chemin);

} // namespace config
