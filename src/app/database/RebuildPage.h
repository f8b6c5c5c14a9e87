#pragma once

#include <QWidget>

class QPushButton;

namespace tallyhand::app {

// TabSheet13 "Erzeugen": the full rebuild of the database files.
class RebuildPage : public QWidget {
    Q_OBJECT
public:
    explicit RebuildPage(QWidget* parent = nullptr);

    QPushButton* rebuildButton() const { return m_rebuild; }

signals:
    void rebuildClicked();

private:
    QPushButton* m_rebuild = nullptr;
};

} // namespace tallyhand::app
