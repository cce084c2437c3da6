#pragma once

#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/types.h>

// What /proc tells about a running process: the processor time all its threads have had,
// and its peak resident memory.
namespace vlnobrod::bench {

// Nanoseconds on a processor, summed over the process's threads (their schedstat), which is
// finer than the clock ticks of /proc/<pid>/stat. -1 when the process is gone.
inline long long CpuNanoseconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    long long total = 0;
    while (const dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;
        std::ifstream in(tasks + "/" + e->d_name + "/schedstat");
        long long onCpu = 0;
        if (in >> onCpu)
            total += onCpu;
    }
    closedir(dir);
    return total;
}

// VmHWM, the most resident memory the process has had, in KiB; -1 when unknown.
inline long PeakMemoryKiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (in >> key) {
        if (key == "VmHWM:") {
            long kib = -1;
            in >> kib;
            return kib;
        }
        in.ignore(4096, '\n');
    }
    return -1;
}

} // namespace vlnobrod::bench
