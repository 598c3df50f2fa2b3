#pragma once

#include <QString>

namespace parkwen {

// Reports progress of long work (scans, "All" moves). The window shows a progress dialog once the
// work has taken about half a second; tests and the benchmark use the silent default.
class Progress
{
public:
    virtual ~Progress() = default;
    virtual void begin(const QString& /*label*/, int /*total*/) {}
    virtual void step(int /*done*/) {}
    virtual void end() {}
};

} // namespace parkwen
