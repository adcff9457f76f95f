// The file faults a test injects, kept for every backend's durable replace.
#include "engine/file_writes.h"

namespace {
platform::FileFaults faults;
int writesSinceFaultsSet = 0;
}  // namespace

namespace platform {

void SetFileFaults(const FileFaults& newFaults) {
    faults = newFaults;
    writesSinceFaultsSet = 0;
}

const FileFaults& InjectedFileFaults() { return faults; }

bool WriteFaultDue() { return faults.failWrite != 0 && ++writesSinceFaultsSet == faults.failWrite; }

}  // namespace platform
