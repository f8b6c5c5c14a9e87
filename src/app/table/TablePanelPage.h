#pragma once

#include <QWidget>

namespace tallyhand::app {

// TabSheet2: the practice table with seats, blinds and actions.
class TablePanelPage : public QWidget {
    Q_OBJECT
public:
    explicit TablePanelPage(QWidget* parent = nullptr);
};

} // namespace tallyhand::app
