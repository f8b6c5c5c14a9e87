// The "Statistik" page driven in the window: choosing a tournament, the chart
// modes and class list, and both replays with their steps.
#include "AppTestSupport.h"

#include "app/database/GameBrowserPanel.h"
#include "app/database/GameData.h"
#include "app/database/GamePlayPanel.h"
#include "app/database/GameReplay.h"
#include "app/simulation/ShowdownPanel.h"
#include "app/statistics/ChipChartPanel.h"
#include "app/statistics/SklanskyChartPanel.h"
#include "app/statistics/StatisticsPage.h"
#include "app/statistics/TournamentSelection.h"
#include "app/widgets/FieldColour.h"
#include "app/widgets/StatChart.h"
#include "cards/CardText.h"
#include "history/HandHistoryGenerator.h"
#include "stats/BoardStatistics.h"
#include "stats/Replay.h"
#include "stats/TournamentStats.h"
#include "stats/WinLossStats.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace tallyhand;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

namespace {

QStringList qrows(const std::vector<std::string>& rows)
{
    QStringList out;
    for (const std::string& r : rows)
        out << QString::fromStdString(r);
    return out;
}

QStringList texts(std::initializer_list<const char*> utf8)
{
    QStringList out;
    for (const char* t : utf8)
        out << QString::fromUtf8(t);
    return out;
}

QStringList rows(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList memoLines(const QWidget& window, const QString& name)
{
    return field<QPlainTextEdit>(window, name)->toPlainText().split(QLatin1Char('\n'));
}

// The row of the tournament with the most games (not the cash games).
int busiestTournament(const QListWidget* tours)
{
    int best = -1, most = 0;
    for (int i = 0; i < tours->count(); ++i) {
        const QString row = tours->item(i)->text();
        const int games = row.section(QLatin1Char(' '), 1, 1).toInt();
        if (row.section(QLatin1Char(' '), 0, 0) != QLatin1String("0") && games > most) {
            most = games;
            best = i;
        }
    }
    return best;
}

} // namespace

class StatisticsPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void choosingATournamentRebuildsEveryView();
    void replaysEnterTheGameStepByStep();

private:
    QTemporaryDir m_home;
};

void StatisticsPageTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(writeIniFile(m_home.path()));
    GeneratorOptions options;
    options.games = 300;
    options.seed = 5;
    const QString hands = m_home.filePath(QStringLiteral("Hands"));
    QVERIFY(QDir().mkpath(hands) && QDir().mkpath(m_home.filePath(QStringLiteral("data"))));
    generateHandHistories(options, [&](GeneratedFile&& file) {
        QFile out(hands + QLatin1Char('/') + QString::fromStdString(file.name));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(file.bytes));
    });
}

void StatisticsPageTest::choosingATournamentRebuildsEveryView()
{
    Tfrm_tallyhand window(m_home.path());
    window.show();
    QVERIFY(waitForStartup(window));
    StatisticsPage* page = window.statisticsPage();
    QListWidget* tours = page->browser()->lbTour();
    const int row = busiestTournament(tours);
    QVERIFY(row >= 0);

    QStringList shown;
    connect(&window, &Tfrm_tallyhand::statusShown, this, [&](const QString& t) { shown << t; });
    tours->setCurrentRow(row);
    window.tournamentSelection()->lb_tourClick();

    const QStringList steps = texts({"Spiele werden gesucht und eingetragen", "Sklanskychart werden erstellt",
                            "Chipchart werden erstellt", "Statistiken werden erstellt", "Wins/Losts werden erstellt",
                            "Flopkartenstatistiken werden erstellt", "Boardkartenstatistiken werden erstellt", "Ok"});
    QCOMPARE(shown, steps);
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    GameData& data = *window.gameData();
    const TournamentGames& read = data.gamesFor("Hero");
    const auto tour = tournamentOfRow(tours->item(row)->text().toStdString());
    const auto games = gamesOfTournament(data.chosenTournament(), *tour);
    QCOMPARE(rows(page->browser()->lbGame()), qrows(games));
    QCOMPARE(games.size(), static_cast<std::size_t>(tours->item(row)->text().section(QLatin1Char(' '), 1).toInt()));

    // Every view shows what the core computes for exactly these games.
    const auto wl = buildWinLossStats(read, games, '.');
    QCOMPARE(rows(field<QListWidget>(window, QStringLiteral("lb_wl_all"))).first(), qrows(wl.total).first());
    QCOMPARE(rows(field<QListWidget>(window, QStringLiteral("lb_wl_gv"))), qrows(wl.cards));
    QCOMPARE(field<StatChart>(window, QStringLiteral("ch_wl_gw"))->points(), wl.wonLostPie);
    QCOMPARE(field<StatChart>(window, QStringLiteral("ch_wl_all"))->kind(), StatChart::Kind::Pie);
    const auto board = buildBoardStats(read.boards(), games);
    QCOMPARE(memoLines(window, QStringLiteral("Memo21")), qrows(board.cards));
    QCOMPARE(field<StatChart>(window, QStringLiteral("Chart1"))->points(), board.pairChart);
    QCOMPARE(field<StatChart>(window, QStringLiteral("ch_flop_fd3"))->points(),
             buildFlopStats(read.boards(), games).threeSuitPie);
    StatChart* chips = field<StatChart>(window, QStringLiteral("Chart_1"));
    QCOMPARE(chips->title(), QStringLiteral("Hero"));
    QCOMPARE(chips->points(), buildChipChart(read, games, ChipMode::Chipcount).bars);
    QCOMPARE(chips->series()->objectName(), QStringLiteral("Series1"));

    // Chart modes rebuild only their chart, from the games listed.
    field<QRadioButton>(window, QStringLiteral("rb_pergame"))->click();
    QCOMPARE(chips->points(), buildChipChart(read, games, ChipMode::PerGame).bars);
    StatChart* sklansky = field<StatChart>(window, QStringLiteral("Chart_2"));
    QCOMPARE(sklansky->series()->objectName(), QStringLiteral("Series2"));
    field<QRadioButton>(window, QStringLiteral("rb_balken"))->click();
    QCOMPARE(sklansky->series()->objectName(), QStringLiteral("Series3"));
    QCOMPARE(sklansky->points().size(), games.size());

    // A class of the tournament: its games and their own won/lost lists.
    QListWidget* classes = field<QListWidget>(window, QStringLiteral("lb_stat_hole"));
    QVERIFY(classes->count() > 0);
    classes->setCurrentRow(0);
    emit classes->itemClicked(classes->item(0));
    QListWidget* classGames = field<QListWidget>(window, QStringLiteral("lb_stat_games"));
    QCOMPARE(classGames->count(), classes->item(0)->text().section(QLatin1Char(' '), -1).toInt());
    QVERIFY(rows(field<QListWidget>(window, QStringLiteral("lb_stat_wonlost"))).first().endsWith(
        QString::number(classGames->count())));

    // A bar of the Sklansky chart replays its game; a click while that runs is ignored.
    bool clickedInside = false;
    connect(&window, &Tfrm_tallyhand::statusShown, this, [&](const QString& t) {
        if (t == QLatin1String("HoleCards berechnen.") && !clickedInside) {
            clickedInside = true;
            window.gameReplay()->lb_gameDblClick();
            window.tournamentSelection()->lb_tourClick();
        }
    });
    shown.clear();
    const QString bar = QString::fromStdString(sklansky->points().back().label);
    emit sklansky->barClicked(bar);
    QVERIFY(clickedInside);
    QCOMPARE(page->browser()->lbGame()->currentItem()->text(), bar);
    QCOMPARE(shown.count(QStringLiteral("Summery aktualisieren.")), 1);
    QVERIFY(!shown.contains(QString::fromUtf8(selection_text::kGames)));
    QCOMPARE(shown.last(), QStringLiteral("Ok"));
    QCOMPARE(field(window, QStringLiteral("hole1"))->text(),
             QString::fromStdString(expandCardText(read.holeCards(bar.toLongLong())->card1)));
}

void StatisticsPageTest::replaysEnterTheGameStepByStep()
{
    Tfrm_tallyhand window(m_home.path());
    window.show();
    QVERIFY(waitForStartup(window));
    StatisticsPage* page = window.statisticsPage();
    // Every stored game, as the replay's slices must answer.
    const GameTables all = window.gameData()->store()->loadTables();
    const GameIndex index(all);

    // A class whose first game reached the river and a showdown.
    QListWidget* lb3 = page->browser()->lb3();
    QListWidget* lb4 = page->browser()->lb4();
    int pick = -1;
    for (int c = 0; c < lb3->count() && pick < 0; ++c) {
        lb3->setCurrentRow(c);
        page->browser()->lb3DblClick();
        for (int g = 0; g < lb4->count() && pick < 0; ++g) {
            const auto replay = replayFromClassRow(index, lb4->item(g)->text().toStdString());
            const TBoard* board = index.board(replay->game, *replay->tour);
            if (board && !board->cards[4].empty() && !replay->showdown.empty() && !replay->play.showdown.empty())
                pick = g;
        }
    }
    QVERIFY(pick >= 0);
    const auto expected = replayFromClassRow(index, lb4->item(pick)->text().toStdString());

    // The edit being entered is dark green while its step's status shows.
    QStringList shown;
    QColor holeColour;
    connect(&window, &Tfrm_tallyhand::statusShown, this, [&](const QString& t) {
        shown << t;
        if (t == QLatin1String("HoleCards berechnen."))
            holeColour = fieldColour(field(window, QStringLiteral("hole1")));
    });
    lb4->setCurrentRow(pick);
    emit lb4->itemClicked(lb4->item(pick));
    QCOMPARE(holeColour, QColor(0, 128, 0));
    QVERIFY(fieldColour(field(window, QStringLiteral("hole1"))) != QColor(0, 128, 0));
    QCOMPARE(shown.mid(0, 9), texts({"Spiel initialisieren.", "HoleCards berechnen.", "Summery aktualisieren.",
                                           "GamePlay aktualisieren.", "Boardkarten suchen.", "Flopkarten berechnen.",
                                           "Turnkarte berechnen.", "Riverkarte berechnen.", "Summery encoden."}));
    QCOMPARE(shown.at(9), QStringLiteral("Spiele werden gesucht und eingetragen"));
    QCOMPARE(shown.last(), QStringLiteral("Ok"));

    const auto edits = cardEditsAfter(*expected);
    const char* names[] = {"hole1", "hole2", "flop1", "flop2", "flop3", "turn", "river"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(field(window, QString::fromLatin1(names[i]))->text(), QString::fromStdString(edits[static_cast<std::size_t>(i)]));
    QVERIFY(!field(window, QStringLiteral("inp_akt"))->text().isEmpty());
    QCOMPARE(memoLines(window, QStringLiteral("Memo17")), qrows(expected->summary));
    QCOMPARE(field<QTextEdit>(window, QStringLiteral("RichEdit3"))->toPlainText().split(QLatin1Char('\n')),
             qrows(expected->play.showdown));
    QVERIFY(!field<QTextEdit>(window, QStringLiteral("RichEdit2"))->toPlainText().contains(QLatin1String("*** SUMMARY ***")));
    QCOMPARE(rows(page->showdown()->lbHc()), qrows(expected->showdown));

    // Stepping back to the flop: the play and the calculator stop there, the showdown is hidden.
    auto* flop = field<QAbstractButton>(window, QStringLiteral("btn_street_flop"));
    QVERIFY(flop->isEnabled());
    flop->click();
    QCOMPARE(field(window, QStringLiteral("flop3"))->text(), QString::fromStdString(edits[4]));
    QVERIFY(field(window, QStringLiteral("turn"))->text().isEmpty());
    QVERIFY(!field(window, QStringLiteral("inp_akt"))->text().isEmpty());
    QVERIFY(!field<QTextEdit>(window, QStringLiteral("RichEdit2"))->toPlainText().contains(QLatin1String("*** TURN ***")));
    QVERIFY(field<QPlainTextEdit>(window, QStringLiteral("Memo17"))->toPlainText().isEmpty());
    QCOMPARE(page->showdown()->lbHc()->count(), 0);
    field<QAbstractButton>(window, QStringLiteral("btn_street_showdown"))->click();
    QCOMPARE(field(window, QStringLiteral("river"))->text(), QString::fromStdString(edits[6]));
    QCOMPARE(rows(page->showdown()->lbHc()), qrows(expected->showdown));

    // The game's tournament and the game itself are selected afterwards.
    QCOMPARE(tournamentOfRow(page->browser()->lbTour()->currentItem()->text().toStdString()), expected->tour);
    QCOMPARE(page->browser()->lbGame()->currentItem()->text(), QString::number(expected->game));
}

QTEST_MAIN(StatisticsPageTest)
#include "StatisticsPageTest.moc"
