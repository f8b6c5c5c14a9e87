#include "app/settings/SettingsDialog.h"

#include "app/window/FileDialogs.h"
#include "history/TextDecoding.h"
#include "history/UserConfig.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyhand::app {

namespace {

QString shown(const QByteArray& raw) { return QString::fromStdString(decodeForDisplay(raw.toStdString())); }

QPushButton* makeButton(const QString& text, const QString& name, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

} // namespace

SettingsDialog::SettingsDialog(const QString& homeDir, std::vector<std::filesystem::path> suggestions,
                               FileDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_homeDir(homeDir), m_dialogs(dialogs), m_loaded(readUserSettings(homeDir))
{
    setObjectName(QStringLiteral("dlg_settings"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setMinimumWidth(560);

    auto* layout = new QVBoxLayout(this);
    auto* nameBox = new QGroupBox(QStringLiteral("Spieler"), this);
    auto* nameForm = new QFormLayout(nameBox);
    m_name = new QLineEdit(nameBox);
    m_name->setObjectName(QStringLiteral("ed_username"));
    m_name->setPlaceholderText(QStringLiteral("wie am Tisch, z. B. Hero"));
    m_loadedName = m_loaded.userName == kUserNamePlaceholder ? QString() : shown(m_loaded.userName);
    m_name->setText(m_loadedName);
    nameForm->addRow(QStringLiteral("Screen Name bei PokerStars:"), m_name);
    m_nameHint = new QLabel(nameBox);
    m_nameHint->setObjectName(QStringLiteral("lbl_username_hint"));
    m_nameHint->setWordWrap(true);
    nameForm->addRow(m_nameHint);
    layout->addWidget(nameBox);

    auto* folderBox = new QGroupBox(QStringLiteral("Ordner mit Hand-Histories (in dieser Reihenfolge importiert)"), this);
    auto* folderGrid = new QGridLayout(folderBox);
    m_folders = new QListWidget(folderBox);
    m_folders->setObjectName(QStringLiteral("lb_folders"));
    m_folders->setToolTip(QStringLiteral("Ordner auswählen, um ihn zu entfernen oder zu verschieben"));
    folderGrid->addWidget(m_folders, 0, 0, 5, 1);
    auto* add = makeButton(QStringLiteral("Hinzufügen…"), QStringLiteral("btn_folder_add"),
                           QStringLiteral("Einen weiteren Ordner mit Hand-Histories wählen"), folderBox);
    m_remove = makeButton(QStringLiteral("Entfernen"), QStringLiteral("btn_folder_remove"),
                          QStringLiteral("Den gewählten Ordner nicht mehr importieren (die Dateien bleiben)"), folderBox);
    m_up = makeButton(QStringLiteral("Nach oben"), QStringLiteral("btn_folder_up"),
                      QStringLiteral("Den gewählten Ordner früher importieren"), folderBox);
    m_down = makeButton(QStringLiteral("Nach unten"), QStringLiteral("btn_folder_down"),
                        QStringLiteral("Den gewählten Ordner später importieren"), folderBox);
    folderGrid->addWidget(add, 0, 1);
    folderGrid->addWidget(m_remove, 1, 1);
    folderGrid->addWidget(m_up, 2, 1);
    folderGrid->addWidget(m_down, 3, 1);
    folderGrid->setRowStretch(4, 1);
    layout->addWidget(folderBox, 1);

    auto* roomBox = new QGroupBox(QStringLiteral("Ordner des Pokerraums auf diesem Rechner"), this);
    auto* roomGrid = new QGridLayout(roomBox);
    m_suggestions = new QListWidget(roomBox);
    m_suggestions->setObjectName(QStringLiteral("lb_card_room_folders"));
    m_suggestions->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_suggestions->setToolTip(QStringLiteral("Ordner auswählen und mit „Übernehmen“ in die Liste oben aufnehmen"));
    m_take = makeButton(QStringLiteral("Übernehmen"), QStringLiteral("btn_folder_take"),
                        QStringLiteral("Die gewählten Ordner des Pokerraums importieren"), roomBox);
    for (const std::filesystem::path& folder : suggestions) {
        const QByteArray raw = QByteArray::fromStdString(folder.string());
        auto* item = new QListWidgetItem(shown(raw), m_suggestions);
        item->setData(Qt::UserRole, raw);
    }
    if (suggestions.empty()) {
        roomGrid->addWidget(new QLabel(QStringLiteral("Keine gefunden."), roomBox), 0, 0);
        m_suggestions->hide();
        m_take->hide();
    } else {
        m_suggestions->setMaximumHeight(90);
        roomGrid->addWidget(m_suggestions, 0, 0);
        roomGrid->addWidget(m_take, 0, 1, Qt::AlignTop);
    }
    layout->addWidget(roomBox);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    layout->addWidget(m_buttons);

    for (const QByteArray& folder : shownFolders(homeDir, m_loaded))
        addFolder(folder);
    m_folders->setCurrentRow(0);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &SettingsDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, &SettingsDialog::updateButtons);
    connect(m_folders, &QListWidget::currentRowChanged, this, &SettingsDialog::updateButtons);
    connect(add, &QPushButton::clicked, this, &SettingsDialog::addChosenFolder);
    connect(m_remove, &QPushButton::clicked, this, &SettingsDialog::removeFolder);
    connect(m_up, &QPushButton::clicked, this, [this] { moveFolder(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveFolder(1); });
    connect(m_take, &QPushButton::clicked, this, &SettingsDialog::addSuggestions);
    connect(m_suggestions, &QListWidget::itemSelectionChanged, this, &SettingsDialog::updateButtons);
    updateButtons();
}

void SettingsDialog::addFolder(const QByteArray& raw)
{
    for (int i = 0; i < m_folders->count(); ++i)
        if (m_folders->item(i)->data(Qt::UserRole).toByteArray() == raw) {
            m_folders->setCurrentRow(i);
            return;
        }
    auto* item = new QListWidgetItem(shown(raw), m_folders);
    item->setData(Qt::UserRole, raw);
    item->setToolTip(item->text());
    // Kept in the list (a drive may be away), but marked.
    if (!QFileInfo(QFile::decodeName(raw)).isDir()) {
        item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        item->setToolTip(item->text() + QStringLiteral(" (Ordner nicht gefunden)"));
    }
    m_folders->setCurrentItem(item);
}

void SettingsDialog::addChosenFolder()
{
    const QString folder = m_dialogs.folder(this, QStringLiteral("Ordner mit Hand-Histories wählen"));
    if (!folder.isEmpty())
        addFolder(QFile::encodeName(folder));
}

void SettingsDialog::addSuggestions()
{
    for (QListWidgetItem* item : m_suggestions->selectedItems())
        addFolder(item->data(Qt::UserRole).toByteArray());
    updateButtons();
}

void SettingsDialog::removeFolder()
{
    delete m_folders->takeItem(m_folders->currentRow());
    updateButtons();
}

void SettingsDialog::moveFolder(int step)
{
    const int row = m_folders->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_folders->count())
        return;
    m_folders->insertItem(target, m_folders->takeItem(row));
    m_folders->setCurrentRow(target);
}

void SettingsDialog::updateButtons()
{
    const int row = m_folders->currentRow();
    m_remove->setEnabled(row >= 0);
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < m_folders->count());
    m_take->setEnabled(!m_suggestions->selectedItems().isEmpty());
    const bool nameOk = isUsableUserName(m_name->text());
    const bool foldersOk = m_folders->count() > 0;
    m_nameHint->setText(nameOk ? QString()
                               : QStringLiteral("Bitte den Namen eingeben, unter dem Sie bei PokerStars spielen "
                                                "(ohne Leerzeichen am Anfang oder Ende)."));
    m_nameHint->setVisible(!nameOk);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(nameOk && foldersOk);
}

QString SettingsDialog::userNameText() const
{
    return m_name->text();
}

UserSettings SettingsDialog::settings() const
{
    UserSettings result;
    result.iniExists = true;
    // An unchanged name keeps its bytes (older files are not always UTF-8).
    result.userName = m_name->text() == m_loadedName && !m_loadedName.isEmpty() ? m_loaded.userName
                                                                                 : m_name->text().toUtf8();
    for (int i = 0; i < m_folders->count(); ++i)
        result.folders.append(m_folders->item(i)->data(Qt::UserRole).toByteArray());
    return result;
}

void SettingsDialog::accept()
{
    const QString error = writeUserSettings(m_homeDir, settings());
    if (!error.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Tallyhand"),
                             QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:\n") + error);
        return;
    }
    QDialog::accept();
}

} // namespace tallyhand::app
