#pragma once

#include <QWidget>

class QListWidget;
class QTabWidget;

namespace tallyhand::app {

// Left part of "Statistik": hole-card classes, tournaments and their games.
class GameBrowserPanel : public QWidget {
    Q_OBJECT
public:
    explicit GameBrowserPanel(QWidget* parent = nullptr);

    QTabWidget* pageControl() const { return m_pages; } // PageControl2
    QListWidget* lb3() const { return m_lb3; }
    QListWidget* lb4() const { return m_lb4; }
    QListWidget* lbTour() const { return m_lbTour; }
    QListWidget* lbGame() const { return m_lbGame; }

private:
    QTabWidget* m_pages = nullptr;
    QListWidget* m_lb3 = nullptr;
    QListWidget* m_lb4 = nullptr;
    QListWidget* m_lbTour = nullptr;
    QListWidget* m_lbGame = nullptr;
};

} // namespace tallyhand::app
