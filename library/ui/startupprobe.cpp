#include "library/ui/startupprobe.h"

#include "library/carlibrary.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QListView>
#include <QTimer>

#include <cstdio>

namespace parkwen {

namespace {

// Waits for the first paint of each list's viewport.
class PaintWatch : public QObject
{
public:
    PaintWatch(QWidget* window, const CarLibrary& cars) : QObject(window), m_cars(cars)
    {
        for (const char* name : {"Cart3", "Gartery"})
            if (auto* view = window->findChild<QAbstractScrollArea*>(QString::fromLatin1(name))) {
                view->viewport()->installEventFilter(this);
                ++m_waiting;
            }
        if (m_waiting == 0)
            QTimer::singleShot(0, this, [this] { report(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Reported after the paint has finished.
            if (--m_waiting == 0)
                QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report()
    {
        std::printf("shown cars=%d garage=%d cam=%s gam=%s hwm_kb=%lld\n",
                    m_cars.folder(FolderRole::Cars).list().count(),
                    m_cars.folder(FolderRole::Garage).list().count(),
                    qPrintable(countText(m_cars.folder(FolderRole::Cars))),
                    qPrintable(countText(m_cars.folder(FolderRole::Garage))), peakMemoryKb());
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    const CarLibrary& m_cars;
    int m_waiting = 0;
};

} // namespace

void reportWhenShown(QWidget* window, const CarLibrary& cars)
{
    new PaintWatch(window, cars);
}

long long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace parkwen
