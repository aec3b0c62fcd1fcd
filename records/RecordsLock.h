#pragma once

#include <QLockFile>
#include <QString>

namespace records {

// The lock that every copy of the game takes, beside the records file, for the moments in which
// it changes files rather than rows: setting a damaged file aside and changing the pending
// games. SQLite's own locks cover the rows. A lock left by a copy that died is taken over.
class RecordsLock
{
public:
    // How long the constructor waits for another copy to let go.
    static constexpr int kWaitMs = 2000;

    explicit RecordsLock(const QString &recordsPath);
    // Whether this copy holds the lock now; released on destruction.
    bool held() const { return m_held; }

private:
    QLockFile m_file;
    bool m_held = false;
};

}  // namespace records
