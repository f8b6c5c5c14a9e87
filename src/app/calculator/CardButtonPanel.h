#pragma once

#include <QWidget>

namespace tallyhand::app {

// 52 card buttons drawn like playing cards; a click reports the card text ("AHerz").
class CardButtonPanel : public QWidget {
    Q_OBJECT
public:
    explicit CardButtonPanel(const QString& name, QWidget* parent = nullptr);

signals:
    void cardClicked(const QString& cardText);
};

} // namespace tallyhand::app
