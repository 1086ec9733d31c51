// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/fin.h"

#include <QApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace {

const char *const drapeau = "brunelix.finimmediate";

// Avale tout événement : plus aucun gestionnaire ne s'exécute.
class Silence : public QObject
{
  public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *e) override { return e->type() != QEvent::Quit; }
};

} // namespace

namespace fin {

void immediate(int statut)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || encours())
        return;
    app->setProperty(drapeau, statut);
    app->installEventFilter(new Silence(app));
    QCoreApplication::exit(statut);
}

bool encours()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && app->property(drapeau).isValid();
}

int boucle()
{
    if (encours())
        return QCoreApplication::instance()->property(drapeau).toInt();
    return QCoreApplication::exec();
}

void efface()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    QGuiApplication::sync();
}

} // namespace fin
