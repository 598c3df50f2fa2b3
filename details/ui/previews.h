#pragma once

#include "platform/pictures.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QThreadPool>

class QLabel;
template <typename T> class QFutureWatcher;

namespace parkwen {

// Fills image controls with previews of picture files. Each picture is decoded on a worker thread,
// at the size of its control, so that a large texture never holds up the window; a control shows
// the picture it was asked for last, never an older one that happened to finish later.
class Previews : public QObject
{
public:
    Previews(Pictures& pictures, QObject* parent);

    // Clears `image` and shows the picture at `path` there once it is decoded, fitted inside the
    // control. An empty path leaves it clear; a file that does not decode shows `failureText`.
    void show(QLabel* image, const QString& path, const QString& failureText = QString());
    // Waits until every picture asked for is decoded and shown.
    void finish();
    bool busy() const;

private:
    using Watcher = QFutureWatcher<Result<QImage>>;
    struct Job
    {
        Watcher* watcher = nullptr;
        QString failureText;
    };
    void deliver(QLabel* image, Watcher* watcher);

    Pictures& m_pictures;
    QHash<QLabel*, Job> m_jobs;
    // Its own workers: Qt's image code hands work to the global pool and waits for it, which must
    // never queue behind a large texture. Destroyed first, it waits for the decoding still running,
    // since the workers use the picture reader handed in.
    QThreadPool m_pool;
};

} // namespace parkwen
