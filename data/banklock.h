#pragma once

#include <QString>

// Marks a question bank as in use. A running program holds it shared on its data.mdb for the
// whole run; the bank tool takes it exclusively before it replaces the file, and refuses while
// a program has it. The mark belongs to the process: it goes when the process ends, killed or
// not, so it never outlives a crash.
class BankLock
{
public:
    enum Kind { Shared, Exclusive };

    // Tries once, without waiting; `held()` tells whether it was granted. A missing file
    // gives no lock and no error.
    BankLock(const QString &path, Kind kind);
    ~BankLock();
    BankLock(const BankLock &) = delete;
    BankLock &operator=(const BankLock &) = delete;

    bool held() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};
