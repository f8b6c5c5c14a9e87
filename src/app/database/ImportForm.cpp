#include "app/database/ImportForm.h"

#include "history/TextDecoding.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QVBoxLayout>

namespace tallyhand::app {

namespace {

// Reading takes most of the time; the five saves share the rest of the bar.
constexpr int kBarRange = 1000;
constexpr int kReadShare = 850;
constexpr int kSaveStep = (kBarRange - kReadShare) / 5;

QString display(const std::string& bytes)
{
    return QString::fromStdString(decodeForDisplay(bytes));
}

QString number(std::size_t n)
{
    return QLocale().toString(static_cast<qulonglong>(n));
}

QLabel* makeLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

Tfrm_main_2::Tfrm_main_2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_main_2"));
    setWindowTitle(QStringLiteral("Import der Handfiles"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setMinimumWidth(480);

    // A framed panel, so the form stands out from the window behind it.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    outer->addWidget(panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(8);

    m_stage = makeLabel(QStringLiteral("lbl_stage"), panel);
    QFont bold = m_stage->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 1);
    m_stage->setFont(bold);
    m_stage->setText(QStringLiteral("Import wird vorbereitet"));
    layout->addWidget(m_stage);

    m_file = makeLabel(QStringLiteral("lbl_file"), panel);
    // Long names are elided instead of widening the form while it runs.
    m_file->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(m_file);

    m_bar = new QProgressBar(panel);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, kBarRange);
    m_bar->setValue(0);
    m_bar->setTextVisible(true);
    m_bar->setFormat(QStringLiteral("%p %"));
    layout->addWidget(m_bar);

    m_count = makeLabel(QStringLiteral("lbl_count"), panel);
    layout->addWidget(m_count);

    m_closeTimer.setObjectName(QStringLiteral("Timer1"));
    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(kCloseDelayMs);
    connect(&m_closeTimer, &QTimer::timeout, this, &QDialog::accept);
}

void Tfrm_main_2::showProgress(const ImportProgress& progress)
{
    if (m_finished)
        return;
    setStage(QString::fromStdString(progress.stage));
    const bool reading = !progress.file.empty();
    const QString file = reading ? QStringLiteral("Datei: ") + display(progress.file) : QString();
    m_file->setText(m_file->fontMetrics().elidedText(file, Qt::ElideMiddle, std::max(200, m_file->width())));
    m_file->setToolTip(file);
    QString count = QStringLiteral("Datei %1 von %2").arg(number(progress.fileIndex), number(progress.fileCount));
    count += QStringLiteral(" – %1 Spiele gelesen").arg(number(progress.games));
    m_count->setText(count);
    int value = kReadShare;
    if (reading && progress.fileCount > 0)
        value = static_cast<int>(static_cast<double>(progress.fileIndex - 1) * kReadShare
                                 / static_cast<double>(progress.fileCount));
    else if (progress.stage.find("Boards") != std::string::npos)
        value += kSaveStep;
    else if (progress.stage.find("Summeries") != std::string::npos)
        value += 2 * kSaveStep;
    else if (progress.stage.find("Spielabl") != std::string::npos)
        value += 3 * kSaveStep;
    else if (progress.stage.find("Liste") != std::string::npos)
        value += 4 * kSaveStep;
    m_bar->setValue(std::max(m_bar->value(), value));
}

void Tfrm_main_2::finish(const ImportResult& result)
{
    m_finished = true;
    if (result.ok) {
        setStage(QStringLiteral("Import beendet"));
        m_bar->setValue(kBarRange);
    } else {
        setStage(QStringLiteral("Import abgebrochen"));
        m_file->setText(display(result.error));
        m_file->setToolTip(m_file->text());
    }
    if (result.ok) {
        m_file->clear();
        m_file->setToolTip({});
    }
    m_count->setText(QStringLiteral("%1 Files, %2 Spiele gelesen")
                         .arg(number(result.files.size()), number(result.games))
                     + (result.skipped.empty()
                            ? QString()
                            : QStringLiteral(", %1 übersprungen").arg(number(result.skipped.size()))));
    m_closeTimer.start();
}

void Tfrm_main_2::setStage(const QString& stage)
{
    if (stage == m_stage->text())
        return;
    m_stage->setText(stage);
    emit stageChanged(stage);
}

QString Tfrm_main_2::stageText() const
{
    return m_stage->text();
}

QString Tfrm_main_2::fileText() const
{
    return m_file->toolTip(); // the whole text, never elided
}

QString Tfrm_main_2::countText() const
{
    return m_count->text();
}

int Tfrm_main_2::progressValue() const
{
    return m_bar->value();
}

void Tfrm_main_2::reject()
{
    // Escape must not end the form while the import still writes its files.
    if (m_finished)
        QDialog::reject();
}

void Tfrm_main_2::closeEvent(QCloseEvent* event)
{
    if (m_finished)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace tallyhand::app
