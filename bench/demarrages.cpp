// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "bench/demarrages.h"

#include "app/systeme/mesurepeinture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

struct Lancement
{
    double ms = 0;
    long kio = -1;
};

Lancement lance(const QString &programme)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(variablemesurepeinture), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    QElapsedTimer chrono;
    chrono.start();
    p.start(programme, {});
    if (!p.waitForFinished(60000))
        return {};
    Lancement l;
    l.ms = static_cast<double>(chrono.nsecsElapsed()) / 1e6;
    const QByteArray sortie = p.readAllStandardOutput();
    if (p.exitCode() == 0 && sortie.startsWith("rss_kio "))
        l.kio = sortie.mid(8).trimmed().toLong();
    return l;
}

template <typename T> T mediane(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Durée d'un processus entier ; négative s'il échoue.
double duree(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    QElapsedTimer chrono;
    chrono.start();
    p.start(programme, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return -1;
    return static_cast<double>(chrono.nsecsElapsed()) / 1e6;
}

} // namespace

Exports mesureexports(const QByteArray &fichiertaux, int passages)
{
    QTemporaryDir dossier;
    QFile taux(dossier.filePath(QStringLiteral("BRUNELIX.TXT")));
    if (!taux.open(QIODevice::WriteOnly))
        return {};
    taux.write(fichiertaux);
    taux.close();
    const QString pdf = dossier.filePath(QStringLiteral("tableau.pdf"));
    const QString brunelix = QStringLiteral(BRUNELIX_PROGRAMME);
    Exports e;
    e.valide = true;
    std::vector<double> texte, textenu, page, pagenu;
    for (int i = 0; i < passages; ++i) {
        texte.push_back(duree(brunelix, {QStringLiteral("--texte"), dossier.path()}));
        textenu.push_back(duree(QStringLiteral(TEXTE_NU), {}));
        page.push_back(duree(brunelix, {QStringLiteral("--pdf"), pdf, dossier.path()}));
        pagenu.push_back(duree(QStringLiteral(PDF_NU), {pdf}));
    }
    for (const auto *v : {&texte, &textenu, &page, &pagenu})
        e.valide = e.valide && *std::min_element(v->begin(), v->end()) > 0;
    e.textems = mediane(texte);
    e.textenums = mediane(textenu);
    e.pdfms = mediane(page);
    e.pdfnums = mediane(pagenu);
    return e;
}

Demarrages mesuredemarrages(const QByteArray &fichiertaux, int passages)
{
    // Copie portable de Brunelix et de son module : ses taux et ses réglages à côté (pas de mise à jour).
    QTemporaryDir dossier;
    const QString programme = dossier.filePath(QStringLiteral("brunelix"));
    const QString module = QStringLiteral(BRUNELIX_MODULE);
    QFile taux(dossier.filePath(QStringLiteral("BRUNELIX.TXT")));
    QFile ini(dossier.filePath(QStringLiteral("Brunelix.ini")));
    if (!QFile::copy(QStringLiteral(BRUNELIX_PROGRAMME), programme) ||
        !QFile::copy(module, dossier.filePath(QFileInfo(module).fileName())) || !taux.open(QIODevice::WriteOnly) ||
        !ini.open(QIODevice::WriteOnly))
        return {};
    taux.write(fichiertaux);
    taux.close();
    ini.write("[FTP]\r\nCHECKMAJ=0\r\n");
    ini.close();

    Demarrages d;
    d.valide = true;
    std::vector<double> msb, msm;
    std::vector<long> kiob, kiom;
    for (int i = 0; i < passages; ++i) {
        const Lancement b = lance(programme);
        const Lancement m = lance(QStringLiteral(FENETRE_MINIMALE));
        d.valide = d.valide && b.kio > 0 && m.kio > 0;
        msb.push_back(b.ms);
        msm.push_back(m.ms);
        kiob.push_back(b.kio);
        kiom.push_back(m.kio);
    }
    d.brunelixms = mediane(msb);
    d.minimalems = mediane(msm);
    d.brunelixkio = mediane(kiob);
    d.minimalekio = mediane(kiom);
    return d;
}
