#include "app/calculator/CalculatorPanel.h"
#include "app/calculator/CardEdit.h"
#include "app/statistics/TournamentSelection.h"
#include "app/table/TablePanelPage.h"
#include "app/window/HomeFolder.h"
#include "app/window/MainWindow.h"
#include "app/window/StartupSequence.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QListWidget>
#include <QScreen>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>

using tallyhand::app::CalculatorPanel;
using tallyhand::app::TablePanelPage;
using tallyhand::app::Tfrm_tallyhand;

namespace {

// For documentation shots: enter the cards as a player would, then save a picture.
// `path` is a chain of tab captions, "Statistik>Chipchart" (captions may hold "/").
void showPage(QWidget* from, const QString& path)
{
    for (const QString& caption : path.split(QLatin1Char('>'), Qt::SkipEmptyParts)) {
        bool found = false;
        for (QTabWidget* pages : from->findChildren<QTabWidget*>()) {
            for (int i = 0; i < pages->count() && !found; ++i)
                if (pages->tabText(i) == caption) {
                    pages->setTabVisible(i, true);
                    pages->setCurrentIndex(i);
                    from = pages->widget(i);
                    found = true;
                }
            if (found)
                break;
        }
        if (!found)
            return;
    }
}

// A tournament chosen in lb_tour, by number; "first" takes the first row.
void chooseTournament(Tfrm_tallyhand& window, const QString& tour)
{
    auto* list = window.findChild<QListWidget*>(QStringLiteral("lb_tour"));
    for (int i = 0; list && i < list->count(); ++i)
        if (tour == QStringLiteral("first") || list->item(i)->text().section(QLatin1Char(' '), 0, 0) == tour) {
            list->setCurrentRow(i);
            window.tournamentSelection()->lb_tourClick();
            return;
        }
}

// A practice game started and played for `steps` actions, the user calling.
void playPractice(Tfrm_tallyhand& window, int steps)
{
    TablePanelPage* table = window.tablePanelPage();
    table->Button74Click();
    auto* box = window.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    for (int i = 0; i < steps; ++i) {
        box->setCurrentIndex(2); // Call
        table->weiterClick();
    }
}

void takeScreenshot(Tfrm_tallyhand& window, const QString& file, const QStringList& cards, const QString& page,
                    const QString& tour, int practiceSteps)
{
    if (!tour.isEmpty())
        chooseTournament(window, tour);
    if (practiceSteps > 0)
        playPractice(window, practiceSteps);
    showPage(&window, page);
    CalculatorPanel* calc = window.calculator();
    for (int i = 0; i < cards.size() && i < CalculatorPanel::CardSlotCount; ++i) {
        calc->cardEdit(i)->setText(cards[i]);
        if (i == CalculatorPanel::Hole2)
            calc->hole2Exit();
    }
    if (cards.size() > CalculatorPanel::Hole2)
        calc->Button18Click();
    QTimer::singleShot(200, &window, [&window, file] {
        window.grab().save(file);
        QApplication::quit();
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyhand"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tallyhand"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYHAND_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tallyhand.Tallyhand"));
    if (QStyleFactory::keys().contains(QStringLiteral("Fusion")))
        QApplication::setStyle(QStringLiteral("Fusion"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    QApplication::setFont(font);

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption homeOption(QStringLiteral("home"), QStringLiteral("Programmordner (mit data und Hands)"),
                                  QStringLiteral("DIR"));
    QCommandLineOption shotOption(QStringLiteral("screenshot"),
                                  QStringLiteral("Bild des Fensters nach dem Start speichern und beenden"),
                                  QStringLiteral("FILE"));
    QCommandLineOption cardsOption(QStringLiteral("cards"),
                                   QStringLiteral("Karten für das Bild, durch Kommas getrennt"), QStringLiteral("CARDS"));
    QCommandLineOption pageOption(QStringLiteral("page"), QStringLiteral("Seite für das Bild (Reiterbeschriftung)"),
                                  QStringLiteral("CAPTION"));
    QCommandLineOption tourOption(QStringLiteral("tour"), QStringLiteral("Turnier für das Bild (Nummer oder first)"),
                                  QStringLiteral("N"));
    QCommandLineOption practiceOption(QStringLiteral("practice"),
                                      QStringLiteral("Übungstisch für das Bild: so viele Aktionen spielen"),
                                      QStringLiteral("N"));
    parser.addOptions({homeOption, shotOption, cardsOption, pageOption, tourOption, practiceOption});
    parser.process(app);

    const QString home =
        tallyhand::app::chooseHomeDir(parser.value(homeOption), QCoreApplication::applicationDirPath(),
                                      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QDir dir(home);
    dir.mkpath(QStringLiteral("data"));
    dir.mkpath(QStringLiteral("Hands"));

    Tfrm_tallyhand window(home);
    QScreen* screen = window.geometryRestored() ? nullptr : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();

    if (parser.isSet(shotOption)) {
        const QString file = parser.value(shotOption);
        const QStringList cards = parser.value(cardsOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
        const QString page = parser.value(pageOption);
        const QString tour = parser.value(tourOption);
        const int practice = parser.value(practiceOption).toInt();
        QObject::connect(window.startup(), &tallyhand::app::StartupSequence::finished, &window,
                         [&window, file, cards, page, tour, practice] {
                             takeScreenshot(window, file, cards, page, tour, practice);
                         });
    }
    return QApplication::exec();
}
