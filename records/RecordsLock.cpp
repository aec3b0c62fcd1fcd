#include "RecordsLock.h"

namespace records {

namespace {
// Nothing holds the lock for more than a few file operations, so a lock this old was left by a
// copy that hung; one whose copy has died is taken over at once.
constexpr int kStaleMs = 10000;
}  // namespace

RecordsLock::RecordsLock(const QString &recordsPath) : m_file(recordsPath + QStringLiteral(".lock"))
{
    m_file.setStaleLockTime(kStaleMs);
    m_held = m_file.tryLock(kWaitMs);
}

}  // namespace records
