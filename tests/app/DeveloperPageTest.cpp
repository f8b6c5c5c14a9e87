// The developer page's showdown calculation and draw check through the window.
#include "AppTestSupport.h"

#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace tallyhand::app;
using namespace tallyhand::app::testing;

class DeveloperPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void berechneWritesOneRowPerPlayerAndTheSplits();
    void berechneWithoutShownHandsCountsEveryBoardAsUndecided();
    void testShowsTheDrawCountsPerRankAndSuit();

private:
    QStringList wahrs() const;
    QTemporaryDir m_home;
    std::unique_ptr<Tfrm_tallyhand> m_window;
};

void DeveloperPageTest::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_home.isValid());
    QVERIFY(writeIniFile(m_home.path()));
    m_window = std::make_unique<Tfrm_tallyhand>(m_home.path());
    m_window->show();
    QVERIFY(waitForStartup(*m_window));
}

QStringList DeveloperPageTest::wahrs() const
{
    auto* list = field<QListWidget>(*m_window, QStringLiteral("lb_wahrs"));
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void DeveloperPageTest::berechneWritesOneRowPerPlayerAndTheSplits()
{
    auto* hc = field<QListWidget>(*m_window, QStringLiteral("lb_hc"));
    hc->clear();
    hc->addItems({QStringLiteral("Hero [Ah Ad] showed"), QStringLiteral("Villain [7c 2d] mucked")});
    field<QPushButton>(*m_window, QStringLiteral("Button83"))->click();
    const QStringList rows = wahrs();
    QCOMPARE(rows.size(), 3);
    double sum = 0;
    for (const QString& row : rows)
        sum += row.toDouble();
    QVERIFY(qAbs(sum - 100.0) < 1e-9);
    // Aces against seven-deuce win far more often than they lose.
    QVERIFY(rows[0].toDouble() > 75.0);
    QVERIFY(rows[1].toDouble() < 20.0);
}

void DeveloperPageTest::berechneWithoutShownHandsCountsEveryBoardAsUndecided()
{
    field<QListWidget>(*m_window, QStringLiteral("lb_hc"))->clear();
    field<QPushButton>(*m_window, QStringLiteral("Button83"))->click();
    QCOMPARE(wahrs(), QStringList{QStringLiteral("100")});
}

void DeveloperPageTest::testShowsTheDrawCountsPerRankAndSuit()
{
    QString shown;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        box->accept();
    });
    field<QPushButton>(*m_window, QStringLiteral("Button90"))->click();
    const QStringList lines = shown.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 16);
    long long total = 0;
    for (const QString& line : lines)
        for (const QString& n : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            total += n.toLongLong();
    QCOMPARE(total, 5000000LL);
}

QTEST_MAIN(DeveloperPageTest)
#include "DeveloperPageTest.moc"
