// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/entreebureau.h"

#include <QFile>

namespace config {

namespace {

// Clé : un nom sans crochets, suivi ou non d'un suffixe de langue entre crochets (les clés
// de mimeapps.list sont des types MIME, plus larges que les noms des entrées de bureau).
bool clevalide(QStringView cle)
{
    const qsizetype crochet = cle.indexOf(u'[');
    const QStringView nom = crochet < 0 ? cle : cle.left(crochet);
    if (nom.isEmpty() || nom.contains(u']'))
        return false;
    if (crochet < 0)
        return true;
    const QStringView langue = cle.mid(crochet + 1);
    return langue.size() > 1 && langue.endsWith(u']') && !langue.chopped(1).contains(u'[') &&
           !langue.chopped(1).contains(u']');
}

// Échappements d'une valeur (« \; » devient « ; »).
QString traduit(QStringView brute)
{
    QString v;
    v.reserve(brute.size());
    for (qsizetype i = 0; i < brute.size(); ++i) {
        const QChar c = brute.at(i);
        if (c != u'\\' || i + 1 == brute.size()) {
            v += c;
            continue;
        }
        const QChar s = brute.at(++i);
        switch (s.unicode()) {
        case u's':
            v += u' ';
            break;
        case u'n':
            v += u'\n';
            break;
        case u't':
            v += u'\t';
            break;
        case u'r':
            v += u'\r';
            break;
        default: // « \\ » et tout autre échappement : le caractère seul
            v += s;
        }
    }
    return v;
}

// Suffixes essayés pour une langue « lang_PAYS.CODAGE@VARIANTE », du plus précis au moins précis.
QStringList suffixes(const QString &langue)
{
    QString reste = langue;
    QString variante;
    if (const qsizetype a = reste.indexOf(u'@'); a >= 0) {
        variante = reste.mid(a);
        reste.truncate(a);
    }
    if (const qsizetype p = reste.indexOf(u'.'); p >= 0)
        reste.truncate(p);
    const qsizetype s = reste.indexOf(u'_');
    const QString lang = s < 0 ? reste : reste.left(s);
    QStringList liste;
    if (s >= 0 && !variante.isEmpty())
        liste << reste + variante;
    if (s >= 0)
        liste << reste;
    if (!variante.isEmpty())
        liste << lang + variante;
    if (!lang.isEmpty())
        liste << lang;
    return liste;
}

} // namespace

EntreeBureau EntreeBureau::depuis(const QByteArray &contenu)
{
    EntreeBureau e;
    QHash<QString, QString> *groupe = nullptr;
    for (QByteArray octets : contenu.split('\n')) {
        if (octets.endsWith('\r'))
            octets.chop(1);
        const QString ligne = QString::fromUtf8(octets);
        if (ligne.isEmpty() || ligne.startsWith(u'#'))
            continue;
        if (ligne.startsWith(u'[')) {
            const QString nom = ligne.mid(1, ligne.size() - 2);
            const bool valide = ligne.endsWith(u']') && !nom.isEmpty() && !nom.contains(u'[') && !nom.contains(u']');
            groupe = valide ? &e.groupes_[nom] : nullptr;
            continue;
        }
        const qsizetype egal = ligne.indexOf(u'=');
        if (!groupe || egal < 0)
            continue;
        const QString cle = ligne.left(egal).trimmed();
        if (clevalide(cle))
            groupe->insert(cle, ligne.mid(egal + 1).trimmed());
    }
    return e;
}

EntreeBureau EntreeBureau::lit(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? depuis(f.readAll()) : EntreeBureau();
}

std::optional<QString> EntreeBureau::brute(const QString &groupe, const QString &cle) const
{
    const auto g = groupes_.constFind(groupe);
    if (g == groupes_.cend())
        return std::nullopt;
    const auto v = g->constFind(cle);
    return v == g->cend() ? std::nullopt : std::optional<QString>(*v);
}

std::optional<QString> EntreeBureau::valeur(const QString &groupe, const QString &cle, const QString &langue) const
{
    for (const QString &s : suffixes(langue))
        if (const auto v = brute(groupe, cle + u'[' + s + u']'))
            return traduit(*v);
    const auto v = brute(groupe, cle);
    return v ? std::optional<QString>(traduit(*v)) : std::nullopt;
}

QStringList EntreeBureau::liste(const QString &groupe, const QString &cle) const
{
    const QString v = brute(groupe, cle).value_or(QString());
    QStringList elements;
    qsizetype debut = 0;
    for (qsizetype i = 0; i <= v.size(); ++i) {
        if (i + 1 < v.size() && v.at(i) == u'\\') {
            ++i; // le caractère échappé, « ; » compris, reste dans l'élément
            continue;
        }
        if (i < v.size() && v.at(i) != u';')
            continue;
        if (i > debut)
            elements << traduit(QStringView(v).mid(debut, i - debut));
        debut = i + 1;
    }
    return elements;
}

} // namespace config
