#pragma once
#include <QString>

// A full disk and a read-only folder, on a small file system of its own
// mounted in a user namespace, so that neither needs the machine's owner.
namespace stress {

inline constexpr int kLimitsUnavailable = 77;

// Runs program --limits-inside <folder> in a user and mount namespace with a
// small file system mounted on folder; its exit code, or kLimitsUnavailable
// when no such namespace can be made here.
int CheckLimits(const QString& program);

// Inside the namespace: fills the file system, then makes it read-only; each
// time a change must be reported, the old file stay as it was and the change
// be written once the file system takes it again. 0 when all holds.
int CheckLimitsInside(const QString& folder);

} // namespace stress
