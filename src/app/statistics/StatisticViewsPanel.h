#pragma once

#include <QWidget>

class QListWidget;
class QTabWidget;

namespace tallyhand::app {

// "Statistik" of the right-hand pages: hole-card, won/lost and board statistics.
class StatisticViewsPanel : public QWidget {
    Q_OBJECT
public:
    explicit StatisticViewsPanel(QWidget* parent = nullptr);

    QTabWidget* pageControl() const { return m_pages; }
    QListWidget* lbStatHole() const { return m_lbStatHole; }
    // The page with this caption path, e.g. {"Boards/Cards", "Flop", "Paare"}; nullptr if none.
    QWidget* page(const QStringList& captions) const;

private:
    QTabWidget* m_pages = nullptr;
    QListWidget* m_lbStatHole = nullptr;
};

} // namespace tallyhand::app
