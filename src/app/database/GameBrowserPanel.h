#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class QTabWidget;

namespace tallyhand::app {

class GameData;

// Left part of "Statistik": hole-card classes, tournaments and their games.
class GameBrowserPanel : public QWidget {
    Q_OBJECT
public:
    explicit GameBrowserPanel(QWidget* parent = nullptr);

    // The lists follow every load of the database.
    void setGameData(GameData* gameData);

    QTabWidget* pageControl() const { return m_pages; } // PageControl2
    QListWidget* lb3() const { return m_lb3; }
    QListWidget* lb4() const { return m_lb4; }
    QListWidget* lbTour() const { return m_lbTour; }
    QListWidget* lbGame() const { return m_lbGame; }
    QPushButton* countButton() const { return m_count; } // Button79
    QPushButton* rankButton() const { return m_rank; }   // Button82

public slots:
    // "Count": groups the hole cards anew and lists the classes by frequency.
    void Button79Click();
    // "Rank": lists the classes from AA down to 32.
    void Button82Click();
    // The games of the chosen class into lb4, with table and type as tool tips.
    void lb3DblClick();

private:
    void showDatabase();
    void listBundles(const std::vector<std::string>& rows);
    void listTournaments();

    GameData* m_data = nullptr;
    QTabWidget* m_pages = nullptr;
    QListWidget* m_lb3 = nullptr;
    QListWidget* m_lb4 = nullptr;
    QListWidget* m_lbTour = nullptr;
    QListWidget* m_lbGame = nullptr;
    QPushButton* m_count = nullptr;
    QPushButton* m_rank = nullptr;
};

} // namespace tallyhand::app
