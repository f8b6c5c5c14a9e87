#include "app/widgets/PageTabs.h"

#include <QVBoxLayout>

namespace tallyhand::app {

QTabWidget* makePageControl(const QString& name, QWidget* parent)
{
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(name);
    tabs->setDocumentMode(false);
    tabs->setUsesScrollButtons(true);
    return tabs;
}

QWidget* addPage(QTabWidget* tabs, const QString& caption, const QString& name)
{
    auto* page = new QWidget(tabs);
    if (!name.isEmpty())
        page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    tabs->addTab(page, caption);
    return page;
}

} // namespace tallyhand::app
