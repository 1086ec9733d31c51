// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/ini.h"

#include "config/ecriture.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace config {

namespace {

constexpr qsizetype longueurmax = 999;

enum class Etat { Absent, Refuse, Lu };

// Contenu du fichier. Refusé : présent mais pas un fichier ordinaire de texte d'au plus
// 1 Mio, ou illisible ; il ne sera jamais remplacé. Une FIFO est refusée sans être ouverte.
Etat lit(const QString &chemin, QByteArray &contenu)
{
    const QFileInfo info(chemin);
    if (!info.exists() && !info.isSymLink())
        return Etat::Absent;
    if (!info.isFile() || info.size() > taillemaxini)
        return Etat::Refuse;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return Etat::Refuse;
    contenu = f.read(taillemaxini + 1);
    if (f.error() != QFileDevice::NoError || contenu.size() > taillemaxini || contenu.contains('\0') ||
        contenu.startsWith("\xFF\xFE") || contenu.startsWith("\xFE\xFF"))
        return Etat::Refuse;
    return Etat::Lu;
}

bool blanc(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// Bornes [debut, fin) sans les blancs de part et d'autre.
std::pair<qsizetype, qsizetype> rogne(const QByteArray &c, qsizetype debut, qsizetype fin)
{
    while (debut < fin && blanc(c.at(debut)))
        ++debut;
    while (fin > debut && blanc(c.at(fin - 1)))
        --fin;
    return {debut, fin};
}

struct Ligne
{
    qsizetype debut; // premier octet
    qsizetype fin;   // fin du texte, avant le LF, le CR LF ou le CR
    qsizetype suite; // début de la ligne suivante
};

QList<Ligne> lignes(const QByteArray &c)
{
    QList<Ligne> l;
    qsizetype debut = c.startsWith("\xEF\xBB\xBF") ? 3 : 0; // marque UTF-8 en tête de fichier
    while (debut < c.size()) {
        // Fin de ligne : LF, CR LF ou CR seul.
        qsizetype fin = debut;
        while (fin < c.size() && c.at(fin) != '\n' && c.at(fin) != '\r')
            ++fin;
        qsizetype suite = fin;
        if (suite < c.size() && c.at(suite) == '\r')
            ++suite;
        if (suite < c.size() && c.at(suite) == '\n')
            ++suite;
        l.append({debut, fin, suite});
        debut = suite;
    }
    return l;
}

// Fin de ligne du fichier : celle de sa première ligne, CR LF s'il n'en a pas.
QByteArray finligne(const QByteArray &c)
{
    const QList<Ligne> ls = lignes(c);
    if (ls.isEmpty() || ls.first().suite == ls.first().fin)
        return QByteArray("\r\n");
    return c.mid(ls.first().fin, ls.first().suite - ls.first().fin);
}

bool memenom(QByteArrayView nom, const QByteArray &attendu)
{
    return nom.compare(attendu, Qt::CaseInsensitive) == 0;
}

// Où se trouvent la première section du nom donné et sa première clé du nom donné.
struct Position
{
    qsizetype entete = -1;              // ligne de l'en-tête ; -1 : section absente
    qsizetype derniere = -1;            // dernière ligne de la section portant une clé, sinon l'en-tête
    qsizetype ligne = -1;               // ligne de la clé ; -1 : clé absente
    qsizetype valdebut = 0, valfin = 0; // valeur brute, sans les blancs autour
};

Position cherche(const QByteArray &c, const QList<Ligne> &ls, const QByteArray &section, const QByteArray &cle)
{
    Position p;
    for (qsizetype i = 0; i < ls.size(); ++i) {
        const auto [a, b] = rogne(c, ls[i].debut, ls[i].fin);
        const QByteArrayView texte(c.constData() + a, b - a);
        if (texte.startsWith('[')) {
            if (p.entete >= 0)
                break; // la section suivante commence
            const qsizetype ferme = texte.indexOf(']');
            const auto [na, nb] = rogne(c, a + 1, ferme < 0 ? b : a + ferme);
            if (memenom(QByteArrayView(c.constData() + na, nb - na), section))
                p.entete = p.derniere = i;
            continue;
        }
        const qsizetype egal = texte.indexOf('=');
        if (p.entete < 0 || texte.startsWith(';') || egal < 0)
            continue;
        p.derniere = i;
        const auto [ka, kb] = rogne(c, a, a + egal);
        if (p.ligne < 0 && memenom(QByteArrayView(c.constData() + ka, kb - ka), cle)) {
            p.ligne = i;
            std::tie(p.valdebut, p.valfin) = rogne(c, a + egal + 1, b);
        }
    }
    return p;
}

QString windows1252(QByteArrayView v)
{
    static constexpr char16_t hauts[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString s;
    s.reserve(v.size());
    for (const char c : v) {
        const auto o = static_cast<unsigned char>(c);
        s.append(o >= 0x80 && o < 0xA0 ? QChar(hauts[o - 0x80]) : QChar(o));
    }
    return s;
}

// Valeur lue : une paire de guillemets autour retirée, UTF-8 (marque d'ordre gardée)
// sinon Windows-1252, coupée à 999 caractères.
QString decode(QByteArrayView v)
{
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        v = v.sliced(1, v.size() - 2);
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString s = utf8(v);
    if (utf8.hasError())
        s = windows1252(v);
    return s.left(longueurmax);
}

// Octets d'une valeur changée : CR, LF et NUL, qui couperaient la ligne ou le fichier, deviennent
// des blancs ; le reste est relu tel quel, entre guillemets quand des blancs l'entourent ou
// qu'elle est elle-même entre guillemets.
QByteArray brut(const QString &valeur)
{
    QByteArray b = valeur.toUtf8();
    b.replace('\r', ' ').replace('\n', ' ').replace('\0', ' ');
    if (!b.isEmpty() && (blanc(b.front()) || blanc(b.back()) || (b.size() >= 2 && b.front() == '"' && b.back() == '"')))
        b = '"' + b + '"';
    return b;
}

QByteArray edite(QByteArray c, const QByteArray &section, const QList<std::pair<QString, QString>> &valeurs)
{
    const QByteArray fin = finligne(c);
    for (const auto &[cle, valeur] : valeurs) {
        const QList<Ligne> ls = lignes(c);
        const Position p = cherche(c, ls, section, cle.toUtf8());
        if (p.ligne >= 0) {
            const QByteArrayView ancienne(c.constData() + p.valdebut, p.valfin - p.valdebut);
            if (decode(ancienne) != valeur)
                c.replace(p.valdebut, p.valfin - p.valdebut, brut(valeur));
            continue;
        }
        const QByteArray ligne = cle.toUtf8() + '=' + brut(valeur);
        if (p.entete >= 0) {
            const Ligne &l = ls[p.derniere];
            if (l.suite > l.fin)
                c.insert(l.suite, ligne + fin);
            else // dernière ligne du fichier, sans fin de ligne
                c.insert(l.fin, fin + ligne);
        } else {
            if (!c.isEmpty() && !c.endsWith('\n') && !c.endsWith('\r'))
                c += fin;
            c += '[' + section + ']' + fin + ligne + fin;
        }
    }
    return c;
}

} // namespace

QString lireini(const QString &section, const QString &cle, const QString &chemin)
{
    return lireini(section, QList<QString>{cle}, chemin).constFirst();
}

QList<QString> lireini(const QString &section, const QList<QString> &cles, const QString &chemin)
{
    QList<QString> valeurs(cles.size());
    QByteArray contenu;
    if (lit(chemin, contenu) != Etat::Lu)
        return valeurs;
    const QList<Ligne> ls = lignes(contenu);
    const QByteArray s = section.toUtf8();
    for (qsizetype i = 0; i < cles.size(); ++i) {
        const Position p = cherche(contenu, ls, s, cles[i].toUtf8());
        if (p.ligne >= 0)
            valeurs[i] = decode(QByteArrayView(contenu.constData() + p.valdebut, p.valfin - p.valdebut));
    }
    return valeurs;
}

void ecrireini(const QString &section, const QList<std::pair<QString, QString>> &valeurs, const QString &chemin)
{
    QByteArray contenu;
    if (lit(chemin, contenu) == Etat::Refuse)
        return;
    const QByteArray nouveau = edite(contenu, section.toUtf8(), valeurs);
    // Rien à changer, ou un résultat que la lecture refuserait : le fichier reste.
    if (nouveau == contenu || nouveau.size() > taillemaxini)
        return;
    remplacefichier(chemin, nouveau);
}

void ecrireini(const QString &section, const QString &cle, const QString &valeur, const QString &chemin)
{
    ecrireini(section, {{cle, valeur}}, chemin);
}

} // namespace config
