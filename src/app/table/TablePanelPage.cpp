#include "app/table/TablePanelPage.h"

#include <QVBoxLayout>

namespace tallyhand::app {

TablePanelPage::TablePanelPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    new QVBoxLayout(this);
}

} // namespace tallyhand::app
