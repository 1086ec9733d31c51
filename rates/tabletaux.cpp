// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/tabletaux.h"

#include "rates/lecteur.h"
#include "rates/nombre.h"
#include "rates/saisie.h"

#include <QFile>
#include <QFileInfo>

namespace taux {

namespace {
// Un fichier de taux tient en quelques kilo-octets ; au-delà c'est autre chose.
constexpr qint64 taillemax = 64LL * 1024 * 1024;
} // namespace

bool fichierexiste(const QString &chemin)
{
    if (chemin.isEmpty())
        return false;
    const QFileInfo info(chemin);
    return info.exists() && info.isFile() && info.isReadable();
}

QDateTime datefichier(const QString &chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists() || !info.isFile())
        return {};
    return info.lastModified();
}

Chargement litfichier(const QString &chemin, QByteArray &contenu)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return Chargement::Introuvable;
    if (fichier.size() > taillemax)
        return Chargement::Corrompu;
    contenu = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        return Chargement::Corrompu;
    return Chargement::Ok;
}

Chargement chargetaux(TableTaux &table)
{
    table.datefichiertaux = datefichier(table.fichiertaux);
    if (!table.datefichiertaux.isValid())
        return Chargement::Introuvable;
    QByteArray contenu;
    const Chargement lu = litfichier(table.fichiertaux, contenu);
    if (lu != Chargement::Ok)
        return lu;
    return lisentrees(table, contenu);
}

Chargement lisentrees(TableTaux &table, const QByteArray &contenu, Faute *faute)
{
    const auto refus = [&](Faute::Nature nature, qsizetype debut) {
        if (faute)
            *faute = {nature, debut};
        return Chargement::Corrompu;
    };
    int suivant = 0;
    LecteurElements lecteur(contenu);
    QByteArray element, precedent;
    for (;;) {
        precedent.swap(element);
        const auto r = lecteur.suivant(element);
        if (r == LecteurElements::Fin)
            break;
        if (r == LecteurElements::Erreur)
            return refus(Faute::Guillemet, lecteur.debut());
        if (element.isEmpty() || element.at(0) == '\'')
            continue;
        const qsizetype tab = element.indexOf('\t');
        if (tab < 0)
            return refus(Faute::SansTabulation, lecteur.debut());
        if (suivant >= capacite)
            return refus(Faute::Capacite, lecteur.debut());
        const auto valeur = valnombre(
            std::string_view(element.constData() + tab + 1, static_cast<std::size_t>(element.size() - tab - 1)));
        if (!valeur)
            return refus(Faute::TauxIllisible, lecteur.debut());
        table.periodes[suivant] = QString::fromUtf8(element.constData(), tab);
        table.taux[suivant] = *valeur;
        // Saisie : le commentaire d'enregistrement est l'élément juste avant, sur la ligne du dessus.
        table.saisies[suivant] = litenregistrement(precedent, table.periodes[suivant]).value_or(InfoSaisie{});
        ++suivant;
    }
    table.nbtaux = static_cast<qint16>(suivant - 1);
    return Chargement::Ok;
}

} // namespace taux
