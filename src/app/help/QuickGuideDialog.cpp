#include "app/help/QuickGuideDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tallyhand::app {

QuickGuideDialog::QuickGuideDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlg_quick_guide"));
    setWindowTitle(QStringLiteral("Kurzanleitung"));
    resize(720, 640);
    auto* layout = new QVBoxLayout(this);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txt_guide"));
    m_browser->setOpenExternalLinks(false);
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/kurzanleitung.html")));
    layout->addWidget(m_browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace tallyhand::app
