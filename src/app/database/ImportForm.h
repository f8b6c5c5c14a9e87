#pragma once

#include "store/StoreImport.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace tallyhand::app {

// The import form: shows the stage, the file, the count and a progress bar
// while an import runs elsewhere, and closes itself a second after it ended.
// It cannot be closed by the user while the import runs.
class Tfrm_main_2 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCloseDelayMs = 1000;

    explicit Tfrm_main_2(QWidget* parent = nullptr);

    void showProgress(const ImportProgress& progress);
    // The import has ended: shows the outcome and arms Timer1.
    void finish(const ImportResult& result);
    bool finished() const { return m_finished; }

    QString stageText() const;
    QString fileText() const;
    QString countText() const;
    int progressValue() const;

public slots:
    void reject() override;

signals:
    void stageChanged(const QString& stage);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setStage(const QString& stage);

    QLabel* m_stage = nullptr;
    QLabel* m_file = nullptr;
    QLabel* m_count = nullptr;
    QProgressBar* m_bar = nullptr;
    QTimer m_closeTimer;
    bool m_finished = false;
};

} // namespace tallyhand::app
