// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/ini.h"

#include "update/ecriture.h"

#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <QFile>
#include <QStringDecoder>

namespace maj {

namespace {

constexpr qsizetype longueurmax = 999;

void prepare(CSimpleIniA &ini)
{
    ini.SetQuotes(false);
    ini.SetSpaces(false);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
}

// Contenu du fichier ; faux quand il existe mais ne se lit pas.
bool lit(const QString &chemin, QByteArray &contenu)
{
    QFile f(chemin);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly))
        return false;
    contenu = f.readAll();
    return f.error() == QFileDevice::NoError;
}

} // namespace

QString lireini(const QString &section, const QString &cle, const QString &chemin)
{
    QByteArray contenu;
    if (!lit(chemin, contenu))
        return {};
    CSimpleIniA ini;
    prepare(ini);
    if (ini.LoadData(contenu.constData(), static_cast<size_t>(contenu.size())) < 0)
        return {};
    const char *v = ini.GetValue(section.toUtf8().constData(), cle.toUtf8().constData(), "");
    // Valeur brute : une marque d'ordre des octets en tête de valeur est gardée.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return QString(utf8(QByteArrayView(v))).left(longueurmax);
}

void ecrireini(const QString &section, const QString &cle, const QString &valeur, const QString &chemin)
{
    QByteArray contenu;
    if (!lit(chemin, contenu))
        return;
    CSimpleIniA ini;
    prepare(ini);
    if (ini.LoadData(contenu.constData(), static_cast<size_t>(contenu.size())) < 0)
        return;
    if (ini.SetValue(section.toUtf8().constData(), cle.toUtf8().constData(), valeur.toUtf8().constData()) < 0)
        return;
    std::string texte;
    if (ini.Save(texte) < 0)
        return;
    remplacefichier(chemin, QByteArray::fromStdString(texte));
}

} // namespace maj
