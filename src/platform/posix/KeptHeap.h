// While it lives, freed memory stays with the process and large blocks come from its heap. A print
// job builds and drops a buffer of a few hundred kilobytes for every page; without this, each of
// them is mapped afresh from the system and given back, which cost a third of the job's time.
// Afterwards the usual limits return and the free memory goes back to the system.
#pragma once

namespace mcb {

class KeptHeap {
public:
    KeptHeap();
    ~KeptHeap();
    KeptHeap(const KeptHeap&) = delete;
    KeptHeap& operator=(const KeptHeap&) = delete;
};

} // namespace mcb
