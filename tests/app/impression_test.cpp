// Impression : pages PDF réelles relues par pdftotext, et chemin « sans imprimante »
// piloté par la fenêtre (boîte d'erreur, enregistrement en PDF).
#include "outils.h"

#include "app/commandeimpression.h"
#include "app/imprimante.h"
#include "output/impression.h"
#include "tests/output/enregistreuse.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString lance(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    p.start(programme, arguments);
    EXPECT_TRUE(p.waitForFinished()) << programme.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList mots(const QString &pdf)
{
    return lance(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
        .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

int pages(const QString &pdf)
{
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(lance(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Les mots attendus : l'en-tête puis chaque cellule, dans l'ordre.
QStringList motsattendus(const sortie::EntreeImpression &e)
{
    const sortie::EntreeCopie &g = e.copie;
    QString s = QStringLiteral("Crédit gratuit : 1er semestre ") + g.annee + QStringLiteral(" Taux annuel : ") +
                g.tauxannuel + QStringLiteral(" Prix à crédit : ") + g.montant + u' ' + g.cellules.join(u' ');
    return s.split(u' ', Qt::SkipEmptyParts);
}

// Nombre de feuilles que prévoit la mise en page avec les mesures de cette imprimante.
std::size_t feuillesprevues(QPrinter &imprimante, const sortie::EntreeImpression &e)
{
    ImprimanteQt q(imprimante);
    q.setTaille(11);
    q.texte(QString(), true);
    const double interligne = q.y();
    q.setPolice(QStringLiteral("Arial"));
    Enregistreuse enr(q.largeur(), q.hauteur(), q.hauteurtexte(QStringLiteral("ABCD")), interligne);
    sortie::imprimer(enr, e);
    return enr.feuilles.size();
}

TEST(Impression, PdfRelu)
{
    SansModale sans;
    FenetreEssai f;
    QTest::mouseClick(f.c().semestre[0], Qt::LeftButton); // 2010, 3.47 %
    const sortie::EntreeImpression e = f.f().findChild<CommandeImpression *>()->entree();
    ASSERT_EQ(e.copie.lignes * e.copie.colonnes, 35 * 5);
    ASSERT_TRUE(e.copie.cellules[6].contains(QLocale().decimalPoint()));
    struct Cas
    {
        QPageSize::PageSizeId papier;
        std::size_t feuilles; // 0 : celles que prévoit la mise en page
    };
    for (const Cas &c : {Cas{QPageSize::A4, 1}, Cas{QPageSize::A6, 0}}) {
        SCOPED_TRACE(QPageSize::name(c.papier).toStdString());
        const QString pdf = f.dossier.filePath(QStringLiteral("essai.pdf"));
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(pdf);
        imprimante.setPageSize(QPageSize(c.papier));
        const std::size_t prevues = feuillesprevues(imprimante, e);
        if (c.feuilles)
            EXPECT_EQ(prevues, c.feuilles);
        else
            EXPECT_GT(prevues, 1u);
        EXPECT_EQ(CommandeImpression::imprimesur(imprimante, e, QString()), QString());
        EXPECT_EQ(mots(pdf), motsattendus(e));
        EXPECT_EQ(pages(pdf), int(prevues)); // aucune page blanche
    }
}

// Réponses aux boîtes modales successives ; chaque réponse reçoit la boîte ouverte.
class Repondeur
{
public:
    explicit Repondeur(std::vector<std::function<void(QWidget *)>> reponses) : reponses_(std::move(reponses))
    {
        QObject::connect(&minuterie_, &QTimer::timeout, qApp, [this] {
            QWidget *m = QApplication::activeModalWidget();
            if (m && (m == derniere_ || suivante_ >= reponses_.size()) && ++attente_ > 100) {
                ADD_FAILURE() << "boîte restée ouverte : " << m->windowTitle().toStdString();
                m->close();
            }
            if (!m || m == derniere_ || suivante_ >= reponses_.size())
                return;
            derniere_ = m;
            attente_ = 0;
            pointeuroccupe = pointeuroccupe || QGuiApplication::overrideCursor();
            reponses_[suivante_++](m);
        });
        minuterie_.start(20);
    }
    std::size_t repondues() const { return suivante_; }
    bool pointeuroccupe = false; // pendant une boîte

private:
    std::vector<std::function<void(QWidget *)>> reponses_;
    std::size_t suivante_ = 0;
    QWidget *derniere_ = nullptr;
    int attente_ = 0;
    QTimer minuterie_;
};

TEST(Impression, SansImprimante)
{
    FenetreEssai f;
    QTest::mouseClick(f.c().semestre[0], Qt::LeftButton);
    f.f().findChild<CommandeImpression *>()->imprimantepardefaut = [] { return QPrinterInfo(); };
    const QString pdf = f.dossier.filePath(QStringLiteral("tableau.pdf"));

    struct Cas
    {
        const char *nom;
        bool enregistre;
    };
    for (const Cas &c : {Cas{"OK seul", false}, Cas{"Enregistrer en PDF", true}}) {
        SCOPED_TRACE(c.nom);
        QString titre, texte, proposition;
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        Repondeur r({[&](QWidget *m) {
                         auto *boite = qobject_cast<QMessageBox *>(m);
                         ASSERT_NE(boite, nullptr);
                         titre = boite->windowTitle();
                         texte = boite->text();
                         icone = boite->icon();
                         for (QAbstractButton *b : boite->buttons())
                             if (c.enregistre ? b->text() == QStringLiteral("Enregistrer en PDF…")
                                              : boite->buttonRole(b) == QMessageBox::AcceptRole &&
                                                    b == boite->button(QMessageBox::Ok))
                                 QTest::mouseClick(b, Qt::LeftButton);
                     },
                     [&](QWidget *m) {
                         auto *dialogue = qobject_cast<QFileDialog *>(m);
                         ASSERT_NE(dialogue, nullptr);
                         auto *nom = dialogue->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                         ASSERT_NE(nom, nullptr);
                         proposition = nom->text();
                         nom->setText(pdf);
                         QTest::keyClick(nom, Qt::Key_Return);
                     }});
        // Le bouton, puis le raccourci Ctrl+P.
        QApplication::setActiveWindow(&f.f());
        if (c.enregistre)
            QTest::keyClick(f.c().montant, Qt::Key_P, Qt::ControlModifier);
        else
            QTest::mouseClick(f.c().imprimer, Qt::LeftButton);
        EXPECT_EQ(titre, QStringLiteral("Erreur d'impression"));
        EXPECT_EQ(texte, QStringLiteral("Pas d'imprimante par défaut. Modifiez votre configuration avant de relancer "
                                        "l'impression."));
        EXPECT_EQ(icone, QMessageBox::Critical);
        EXPECT_EQ(r.repondues(), c.enregistre ? 2u : 1u);
        EXPECT_EQ(QFile::exists(pdf), c.enregistre);
        EXPECT_FALSE(r.pointeuroccupe);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        if (c.enregistre) {
            EXPECT_EQ(proposition, QStringLiteral("Brunelix 1er semestre 2010.pdf"));
            EXPECT_EQ(mots(pdf).mid(0, 3), (QStringList{"Crédit", "gratuit", ":"}));
        }
    }
}

} // namespace
