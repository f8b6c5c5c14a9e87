#include "app/calculator/CalculatorPanel.h"
#include "app/calculator/CardEdit.h"
#include "app/window/MainWindow.h"
#include "app/window/StartupSequence.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>

using tallyhand::app::CalculatorPanel;
using tallyhand::app::Tfrm_tallyhand;

namespace {

// For documentation shots: enter the cards as a player would, then save a picture.
void takeScreenshot(Tfrm_tallyhand& window, const QString& file, const QStringList& cards, const QString& page)
{
    if (auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1")))
        for (int i = 0; i < pages->count(); ++i)
            if (pages->tabText(i) == page)
                pages->setCurrentIndex(i);
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
    if (QStyleFactory::keys().contains(QStringLiteral("Fusion")))
        QApplication::setStyle(QStringLiteral("Fusion"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    QApplication::setFont(font);

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption homeOption(QStringLiteral("home"), QStringLiteral("Programmordner (mit data und Hands)"),
                                  QStringLiteral("DIR"));
    QCommandLineOption shotOption(QStringLiteral("screenshot"),
                                  QStringLiteral("Bild des Fensters nach dem Start speichern und beenden"),
                                  QStringLiteral("FILE"));
    QCommandLineOption cardsOption(QStringLiteral("cards"),
                                   QStringLiteral("Karten für das Bild, durch Kommas getrennt"), QStringLiteral("CARDS"));
    QCommandLineOption pageOption(QStringLiteral("page"), QStringLiteral("Seite für das Bild (Reiterbeschriftung)"),
                                  QStringLiteral("CAPTION"));
    parser.addOptions({homeOption, shotOption, cardsOption, pageOption});
    parser.process(app);

    const QString home = parser.isSet(homeOption) ? QDir(parser.value(homeOption)).absolutePath()
                                                  : QCoreApplication::applicationDirPath();
    QDir dir(home);
    dir.mkpath(QStringLiteral("data"));
    dir.mkpath(QStringLiteral("Hands"));

    Tfrm_tallyhand window(home);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();

    if (parser.isSet(shotOption)) {
        const QString file = parser.value(shotOption);
        const QStringList cards = parser.value(cardsOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
        const QString page = parser.value(pageOption);
        QObject::connect(window.startup(), &tallyhand::app::StartupSequence::finished, &window,
                         [&window, file, cards, page] { takeScreenshot(window, file, cards, page); });
    }
    return QApplication::exec();
}
