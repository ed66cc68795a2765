#pragma once
// Makes file permissions count for the calling thread while it lives, also
// when the tests run as root: the effective capabilities that override them
// (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH) are dropped and given back at the
// end. Capabilities belong to a thread, so other threads are not touched.
// Active() is false when permissions cannot be made to count (then a test
// of "permission denied" is skipped).

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace talvoren
{
class CWithoutFileOverride
{
public:
    CWithoutFileOverride()
    {
        if (::geteuid() != 0) {
            m_bActive = true;   // permissions count anyway
            return;
        }
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_bDropped = ::syscall(SYS_capset, &m_header, reduced) == 0;
        m_bActive = m_bDropped;
    }
    ~CWithoutFileOverride()
    {
        if (m_bDropped)
            ::syscall(SYS_capset, &m_header, m_saved);
    }
    CWithoutFileOverride(const CWithoutFileOverride&) = delete;
    CWithoutFileOverride& operator=(const CWithoutFileOverride&) = delete;

    bool Active() const { return m_bActive; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_bDropped = false;
    bool m_bActive = false;
};

} // namespace talvoren
