// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/controles/images.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace images {

namespace {

QString chemin(const char *nom, bool double_)
{
    QString c = QStringLiteral(":/images/") + QString::fromUtf8(nom);
    if (double_)
        c.insert(c.lastIndexOf(u'.'), QStringLiteral("@2x"));
    return c;
}

// Lecteur PNG seul : sans détection du format par le contenu, aucun module d'images ne se charge.
class LecteurPng : public QImageReader
{
  public:
    explicit LecteurPng(const QString &chemin) : QImageReader(chemin, "png") { setAutoDetectImageFormat(false); }
};

} // namespace

QIcon icone(const char *nom)
{
    QIcon i;
    i.addPixmap(QPixmap::fromImage(LecteurPng(chemin(nom, false)).read()));
    if (qGuiApp->devicePixelRatio() > 1) {
        const QImage double_ = LecteurPng(chemin(nom, true)).read(); // rapport 2 d'après son nom
        if (!double_.isNull())
            i.addPixmap(QPixmap::fromImage(double_));
    }
    return i;
}

QSize taille(const char *nom)
{
    return LecteurPng(chemin(nom, false)).size();
}

} // namespace images
