// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Fichiers du bureau (.desktop, mimeapps.list) lus selon la spécification freedesktop des
// entrées de bureau : groupes, clés, suffixes de langue, UTF-8, valeurs entières.

#include <QHash>
#include <QStringList>

#include <optional>

namespace config {

class EntreeBureau
{
  public:
    // Lignes « # » et vides ignorées, comme toute ligne qui n'est ni un groupe ni une clé
    // valide ; un groupe ou une clé répétés : la dernière valeur l'emporte (comme GLib).
    static EntreeBureau depuis(const QByteArray &contenu);
    // Fichier illisible : aucune entrée.
    static EntreeBureau lit(const QString &chemin);

    // Valeur de la clé, échappements \s \n \t \r \\ traduits. Avec une langue (forme
    // « fr_FR.UTF-8@euro »), la traduction la plus proche : fr_FR@euro, fr_FR, fr@euro, fr,
    // puis la clé seule.
    std::optional<QString> valeur(const QString &groupe, const QString &cle, const QString &langue = {}) const;

    // Valeur lue comme liste : éléments séparés par « ; » (« \; » n'en sépare pas), vides omis.
    QStringList liste(const QString &groupe, const QString &cle) const;

  private:
    std::optional<QString> brute(const QString &groupe, const QString &cle) const;

    QHash<QString, QHash<QString, QString>> groupes_; // valeurs telles qu'écrites
};

} // namespace config
