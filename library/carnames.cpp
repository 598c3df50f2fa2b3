#include "library/carnames.h"

namespace parkwen {

QString carKey(const QString& name)
{
    return name + QLatin1StringView("CAR");
}

} // namespace parkwen
