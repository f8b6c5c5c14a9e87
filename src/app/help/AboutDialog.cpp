#include "app/help/AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

namespace tallyhand::app {

QString AboutDialog::version()
{
    return QStringLiteral(TALLYHAND_VERSION);
}

QString AboutDialog::aboutText()
{
    return QStringLiteral("<h3>Tallyhand %1</h3>"
                          "<p>Handrechner und Hand-History-Datenbank für Texas Hold'em.</p>"
                          "<p>Lizenz: %2</p>"
                          "<p>Verwendete Bibliotheken:</p><ul>"
                          "<li>Qt %3 (Widgets, Charts, Concurrent) – LGPL-3.0</li>"
                          "<li>C++-Standardbibliothek (GNU libstdc++)</li>"
                          "</ul>")
        .arg(version(), QStringLiteral(TALLYHAND_LICENSE), QString::fromLatin1(qVersion()));
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlg_about"));
    setWindowTitle(QStringLiteral("Über Tallyhand"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("lbl_about_icon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/tallyhand.png")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    row->addWidget(icon);
    auto* text = new QLabel(aboutText(), this);
    text->setObjectName(QStringLiteral("lbl_about"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    row->addWidget(text, 1);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace tallyhand::app
