// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/diagnostic.h"

#include "rates/periodes.h"
#include "rates/tabletaux.h"

#include <algorithm>

namespace taux {

namespace {

constexpr qsizetype longueurcitee = 40;
constexpr char marqueutf8[] = "\xEF\xBB\xBF";
const QString exemplecle = QStringLiteral("(une clé s'écrit 1S2010 ou 2S2010)");

bool finligne(char c)
{
    return c == '\r' || c == '\n';
}

// Numéro (depuis 1) de la ligne où commence la position ; CR LF, LF seul ou CR seul.
int numeroligne(const QByteArray &contenu, qsizetype position)
{
    int n = 1;
    for (qsizetype i = 0; i < position && i < contenu.size(); ++i)
        if (contenu.at(i) == '\n' || (contenu.at(i) == '\r' && (i + 1 >= contenu.size() || contenu.at(i + 1) != '\n')))
            ++n;
    return n;
}

// Texte de la ligne qui contient la position, sans sa fin de ligne ni la marque UTF-8.
QByteArray ligne(const QByteArray &contenu, qsizetype position)
{
    qsizetype debut = position;
    while (debut > 0 && !finligne(contenu.at(debut - 1)))
        --debut;
    qsizetype fin = position;
    while (fin < contenu.size() && !finligne(contenu.at(fin)))
        ++fin;
    if (debut == 0 && contenu.startsWith(marqueutf8))
        debut = std::min<qsizetype>(3, fin);
    return contenu.mid(debut, fin - debut);
}

// « texte » : tabulations montrées comme des blancs, caractères invisibles comme « � »,
// texte long coupé.
QString cite(const QByteArray &texte)
{
    QString s = QString::fromUtf8(texte).replace(u'\t', u' ').trimmed();
    for (QChar &c : s)
        if (!c.isPrint())
            c = QChar::ReplacementCharacter;
    if (s.size() > longueurcitee)
        s = s.left(longueurcitee) + u'…';
    return QStringLiteral("« ") + s + QStringLiteral(" »");
}

QString enligne(int numero, const QByteArray &texte, const QString &raison)
{
    return QStringLiteral("ligne %1 : %2 : %3").arg(numero).arg(cite(texte), raison);
}

// Taux écrit « 3,50 » : une virgule entre des chiffres, signe permis en tête.
bool virguledecimale(const QByteArray &taux)
{
    if (taux.count(',') != 1)
        return false;
    for (qsizetype i = 0; i < taux.size(); ++i) {
        const char c = taux.at(i);
        if (!(c == ',' || (c >= '0' && c <= '9') || (i == 0 && (c == '-' || c == '+'))))
            return false;
    }
    return true;
}

// Élément sans tabulation : la ligne entière dit pourquoi, virgule comprise (la virgule
// coupe la ligne, et c'est le reste après elle qui manque de tabulation).
QString sanstabulation(int numero, const QByteArray &texte)
{
    const QByteArray debut = texte.trimmed();
    if (debut.startsWith(marqueutf8))
        return enligne(numero, texte,
                       QStringLiteral("la ligne commence par un caractère invisible (marque UTF-8) ; le retirer"));
    if (debut.startsWith('\''))
        return enligne(numero, texte,
                       QStringLiteral("une virgule dans un commentaire coupe la ligne ; retirer la virgule"));
    const qsizetype tab = texte.indexOf('\t');
    if (texte.contains(',')) {
        const QByteArray taux = tab >= 0 ? texte.mid(tab + 1).trimmed() : QByteArray();
        if (tab >= 0 && virguledecimale(taux))
            return enligne(numero, taux,
                           QStringLiteral("le taux s'écrit avec un point décimal (%1)")
                               .arg(QString::fromUtf8(QByteArray(taux).replace(',', '.'))));
        return enligne(numero, texte,
                       QStringLiteral("une virgule coupe la ligne ; ni la clé ni le taux n'en contiennent"));
    }
    if (tab < 0 && debut.contains(' '))
        return enligne(numero, texte,
                       QStringLiteral("la clé et le taux sont séparés par des blancs ; il faut une tabulation"));
    return enligne(numero, texte, QStringLiteral("il manque la tabulation entre la clé et le taux"));
}

QString explique(const QByteArray &contenu, const Faute &faute)
{
    const int numero = numeroligne(contenu, faute.debut);
    const QByteArray texte = ligne(contenu, faute.debut);
    switch (faute.nature) {
    case Faute::Guillemet:
        return enligne(numero, texte, QStringLiteral("le guillemet ouvert n'est jamais refermé"));
    case Faute::SansTabulation:
        return sanstabulation(numero, texte);
    case Faute::Capacite:
        return enligne(numero, texte.left(texte.indexOf('\t')),
                       QStringLiteral("au-delà de %1 taux ; le fichier en a trop").arg(capacite));
    case Faute::TauxIllisible:
        return enligne(numero, texte.mid(texte.indexOf('\t') + 1), QStringLiteral("taux hors des limites"));
    case Faute::Aucune:
        break;
    }
    return {};
}

// Table lue mais sans liste d'années : aucune entrée, ou une clé dont l'année ne se lit pas.
QString sansannee(const QByteArray &contenu, const TableTaux &table)
{
    if (table.nbtaux < 0) {
        const QByteArray reste = contenu.startsWith(marqueutf8) ? contenu.mid(3) : contenu;
        return reste.trimmed().isEmpty()
                   ? QStringLiteral("aucun taux : le fichier est vide")
                   : QStringLiteral("aucun taux : le fichier n'a que des commentaires et des lignes vides");
    }
    for (int i = 0; i <= table.nbtaux; ++i) {
        if (anneedetexte(table.periodes[i].mid(2)))
            continue;
        const QByteArray cle = table.periodes[i].toUtf8();
        const qsizetype position = contenu.indexOf(cle + '\t');
        return enligne(numeroligne(contenu, position), cle,
                       QStringLiteral("l'année de la clé ne se lit pas ") + exemplecle);
    }
    return QStringLiteral("aucune année dans les clés ") + exemplecle;
}

} // namespace

QString diagnostic(const QByteArray &contenu)
{
    TableTaux table;
    Faute faute;
    if (lisentrees(table, contenu, &faute) != Chargement::Ok)
        return explique(contenu, faute);
    const auto annees = listeannees(table);
    if (annees && !annees->isEmpty())
        return {};
    return sansannee(contenu, table);
}

QString diagnosticfichier(const QString &chemin)
{
    QByteArray contenu;
    if (litfichier(chemin, contenu) != Chargement::Ok)
        return QStringLiteral("le fichier ne se lit pas");
    return diagnostic(contenu);
}

} // namespace taux
