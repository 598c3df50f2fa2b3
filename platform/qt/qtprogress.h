#pragma once

#include "platform/progress.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

namespace parkwen {

// Shows long work in a progress dialog ("done of total") once it has run for `delayMs`; shorter
// work shows nothing. The work itself runs on as before: the dialog has no cancel button, ignores
// being closed, and while it is up only window-system events (painting, exposure) are processed,
// never the user's input, which waits until the command has ended, as it would without a dialog.
// Work may nest (begin/end inside begin/end): the dialog shows the innermost work, returns to the
// outer work when the inner ends, and closes when the outermost ends, so that several scans in a
// row can share one dialog.
//
// A cancellable progress (a Cancel button captioned `cancelText`) is window-modal instead: only
// the dialog takes input while it is up, and the window behind it waits. The work asks
// `cancelled()` between steps.
class QtProgress : public Progress
{
public:
    struct Look
    {
        QString objectName = QStringLiteral("Progress");
        QString cancelText; // none: no Cancel button
        int minimumWidth = 360;
        bool countsInBar = true; // "3 of 10" in the bar, else a percentage
    };

    explicit QtProgress(QString title, int delayMs = 500, QWidget* parent = nullptr);
    QtProgress(QString title, Look look, int delayMs, QWidget* parent);
    ~QtProgress() override;
    void setParent(QWidget* parent) { m_parent = parent; }

    void begin(const QString& label, int total) override;
    void step(int done) override;
    void end() override;

    // The dialog while it is shown, else null.
    QProgressDialog* dialog() const;
    // A Cancel button was pressed.
    bool cancelled() const { return m_cancelled; }

private:
    struct Phase
    {
        QString label;
        int total = 0;
        int done = 0;
    };

    void show();
    void showPhase();
    void pump(bool force);

    QString m_title;
    Look m_look;
    int m_delayMs;
    QPointer<QWidget> m_parent;
    QPointer<QProgressDialog> m_dialog; // owned; a QPointer as its parent window may go first
    QElapsedTimer m_started;
    QElapsedTimer m_lastPump;
    QList<Phase> m_phases; // outermost first
    bool m_cancelled = false;
};

} // namespace parkwen
