#include "app/simulation/ResultWidgets.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyhand::app {

std::vector<std::string> listRows(const QListWidget& list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list.count(); ++i)
        rows.push_back(list.item(i)->text().toStdString());
    return rows;
}

std::pair<QRadioButton*, QRadioButton*> choicePair(QWidget* page, const QString& percentName,
                                                   const QString& absoluteName)
{
    auto* row = new QHBoxLayout;
    auto* percent = new QRadioButton(QStringLiteral("Prozentzahlen"), page);
    percent->setObjectName(percentName);
    percent->setChecked(true);
    auto* absolute = new QRadioButton(QStringLiteral("Absolute Zahlen"), page);
    absolute->setObjectName(absoluteName);
    auto* group = new QButtonGroup(page);
    group->addButton(percent);
    group->addButton(absolute);
    row->addWidget(percent);
    row->addWidget(absolute);
    row->addStretch(1);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(row);
    return {percent, absolute};
}

} // namespace tallyhand::app
