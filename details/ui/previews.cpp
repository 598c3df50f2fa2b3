#include "details/ui/previews.h"

#include <QFutureWatcher>
#include <QLabel>
#include <QPixmap>
#include <QtConcurrent/QtConcurrentRun>
#include <QThread>

namespace parkwen {

Previews::Previews(Pictures& pictures, QObject* parent) : QObject(parent), m_pictures(pictures)
{
    m_pool.setMaxThreadCount(qMax(2, QThread::idealThreadCount()));
}

void Previews::show(QLabel* image, const QString& path, const QString& failureText)
{
    Job& job = m_jobs[image];
    if (job.watcher) {
        // Its picture is no longer wanted; the worker finishes on its own.
        job.watcher->disconnect(this);
        job.watcher->deleteLater();
        job.watcher = nullptr;
    }
    image->clear();
    if (path.isEmpty())
        return;
    job.failureText = failureText;
    const QSize box = image->contentsRect().size();
    Pictures& pictures = m_pictures;
    auto* watcher = new Watcher(this);
    job.watcher = watcher;
    connect(watcher, &Watcher::finished, this, [this, image, watcher] { deliver(image, watcher); });
    watcher->setFuture(
        QtConcurrent::run(&m_pool, [&pictures, path, box] { return pictures.loadToFit(path, box); }));
}

void Previews::deliver(QLabel* image, Watcher* watcher)
{
    const auto it = m_jobs.find(image);
    if (it == m_jobs.end() || it->watcher != watcher)
        return;
    it->watcher = nullptr;
    watcher->deleteLater();
    const Result<QImage> picture = watcher->result();
    if (picture.ok())
        image->setPixmap(QPixmap::fromImage(picture.value()));
    else
        image->setText(it->failureText);
}

void Previews::finish()
{
    QList<std::pair<QLabel*, Watcher*>> running;
    for (auto it = m_jobs.cbegin(); it != m_jobs.cend(); ++it)
        if (it->watcher)
            running.append({it.key(), it->watcher});
    for (const auto& [image, watcher] : running) {
        watcher->waitForFinished();
        deliver(image, watcher);
    }
}

bool Previews::busy() const
{
    for (const Job& job : m_jobs)
        if (job.watcher)
            return true;
    return false;
}

} // namespace parkwen
