#include "platform/dialogs.h"

#include <QElapsedTimer>
#include <QThread>

namespace parkwen {

int Dialogs::waitLimitSeconds()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("PARKWEN_LOCK_WAIT", &ok);
    return ok && seconds >= 0 ? seconds : 30;
}

bool Dialogs::waitUntil(const QString& /*text*/, const std::function<bool()>& ready)
{
    return pollUntil(ready);
}

bool Dialogs::pollUntil(const std::function<bool()>& ready)
{
    QElapsedTimer waited;
    waited.start();
    const qint64 limit = qint64(waitLimitSeconds()) * 1000;
    for (;;) {
        if (ready())
            return true;
        if (waited.elapsed() >= limit)
            return false;
        QThread::msleep(100);
    }
}

} // namespace parkwen
