#include "support/permissionsenforced.h"

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int kOverrides[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH};

bool setEffective(bool keep)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (int capability : kOverrides) {
        const __u32 bit = __u32(1) << (capability % 32);
        if (keep)
            data[capability / 32].effective |= data[capability / 32].permitted & bit;
        else
            data[capability / 32].effective &= ~bit;
    }
    return ::syscall(SYS_capset, &header, data) == 0;
}

} // namespace

PermissionsEnforced::PermissionsEnforced()
    : m_dropped(setEffective(false))
{}

PermissionsEnforced::~PermissionsEnforced()
{
    if (m_dropped)
        setEffective(true);
}

void PermissionsEnforcedProcess::setupChildProcess()
{
    // Root regains every capability of the bounding set when it starts a program.
    for (int capability : kOverrides)
        ::prctl(PR_CAPBSET_DROP, capability, 0, 0, 0);
}
