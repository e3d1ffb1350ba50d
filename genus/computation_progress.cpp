#include "computation_progress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

namespace genus {

namespace {

class DialogProgress final : public ComputationProgress {
public:
    explicit DialogProgress(QWidget* parent)
        : m_parent(parent) {}

    void begin(const QString& label, const QString& cancelCaption) override {
        m_dialog = std::make_unique<QProgressDialog>(label, cancelCaption, 0, 1000, m_parent);
        m_dialog->setObjectName(QStringLiteral("progress"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(300);
        m_dialog->setValue(0);
        m_sinceShown.start();
    }

    bool report(double done) override {
        if (!m_dialog)
            return true;
        if (m_sinceShown.elapsed() >= 40) {
            m_sinceShown.restart();
            m_dialog->setValue(static_cast<int>(done * 1000));
            QCoreApplication::processEvents();
        }
        return !m_dialog->wasCanceled();
    }

    void end() override { m_dialog.reset(); }

private:
    QWidget* m_parent;
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceShown;
};

} // namespace

std::unique_ptr<ComputationProgress> makeDialogProgress(QWidget* parent) {
    return std::make_unique<DialogProgress>(parent);
}

} // namespace genus
