#pragma once

#include <unistd.h>

namespace vlnobrod::testing {

// Permission bits do not stop root: for as long as it lives, a root run acts as the "nobody"
// user (another user stays who they are). `ok` tells whether that worked.
struct AsUnprivilegedUser {
    AsUnprivilegedUser() {
        if (dropped)
            ok = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~AsUnprivilegedUser() {
        if (dropped) {
            [[maybe_unused]] const int u = ::seteuid(0);
            [[maybe_unused]] const int g = ::setegid(0);
        }
    }
    AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
    AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;

    bool ok = true;
    bool dropped = ::geteuid() == 0;
};

} // namespace vlnobrod::testing
