#include "platform/qt/qtprogress.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QProgressDialog>

namespace parkwen {

namespace {

// Painting at about 30 frames a second is plenty; more would slow the work it reports.
constexpr int kPumpIntervalMs = 33;

// A progress dialog the user cannot dismiss: the work it shows cannot be stopped halfway.
class ProgressDialog : public QProgressDialog
{
public:
    using QProgressDialog::QProgressDialog;

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape)
            event->ignore();
        else
            QProgressDialog::keyPressEvent(event);
    }
};

} // namespace

QtProgress::QtProgress(QString title, int delayMs, QWidget* parent)
    : QtProgress(std::move(title), Look(), delayMs, parent)
{
}

QtProgress::QtProgress(QString title, Look look, int delayMs, QWidget* parent)
    : m_title(std::move(title)), m_look(std::move(look)), m_delayMs(delayMs), m_parent(parent)
{
}

QtProgress::~QtProgress()
{
    delete m_dialog.data();
}

QProgressDialog* QtProgress::dialog() const
{
    return m_dialog.data();
}

void QtProgress::begin(const QString& label, int total)
{
    if (m_phases.isEmpty())
        m_started.start();
    m_phases.push_back({label, qMax(0, total), 0});
    showPhase();
}

void QtProgress::step(int done)
{
    if (m_phases.isEmpty())
        return;
    m_phases.back().done = qBound(0, done, m_phases.back().total);
    if (!m_dialog && m_started.elapsed() >= m_delayMs)
        show();
    if (!m_dialog)
        return;
    m_dialog->setValue(m_phases.back().done);
    pump(false);
}

void QtProgress::end()
{
    if (m_phases.isEmpty())
        return;
    m_phases.pop_back();
    if (m_phases.isEmpty())
        delete m_dialog.data();
    else
        showPhase();
}

void QtProgress::showPhase()
{
    if (!m_dialog)
        return;
    const Phase& phase = m_phases.back();
    m_dialog->setLabelText(phase.label);
    m_dialog->setRange(0, phase.total);
    m_dialog->setValue(phase.done);
    pump(true);
}

void QtProgress::show()
{
    const bool cancellable = !m_look.cancelText.isEmpty();
    if (cancellable) {
        m_dialog = new QProgressDialog(QString(), m_look.cancelText, 0, 0, m_parent.data());
        m_dialog->setWindowModality(Qt::WindowModal);
        QObject::connect(m_dialog.data(), &QProgressDialog::canceled, [this] { m_cancelled = true; });
    } else {
        m_dialog = new ProgressDialog(QString(), QString(), 0, 0, m_parent.data());
        m_dialog->setCancelButton(nullptr);
        // Not modal: a modal progress dialog would process every pending event, user input
        // included, on each update.
        m_dialog->setWindowModality(Qt::NonModal);
    }
    m_dialog->setObjectName(m_look.objectName);
    m_dialog->setWindowTitle(m_title);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    if (m_look.countsInBar) {
        auto* bar = new QProgressBar(m_dialog);
        bar->setFormat(QCoreApplication::translate("Progress", "%v of %m"));
        bar->setTextVisible(true);
        m_dialog->setBar(bar);
    }
    m_dialog->setMinimumWidth(m_look.minimumWidth);
    m_dialog->show();
    showPhase();
}

void QtProgress::pump(bool force)
{
    if (!force && m_lastPump.isValid() && m_lastPump.elapsed() < kPumpIntervalMs)
        return;
    // A Cancel button must see its press; the window behind a window-modal dialog gets no input.
    if (m_look.cancelText.isEmpty())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    else
        QCoreApplication::processEvents();
    m_lastPump.start();
}

} // namespace parkwen
