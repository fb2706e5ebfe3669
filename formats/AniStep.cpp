#include "formats/AniStep.h"

namespace kestrom {

AniStep::~AniStep() {
    std::unique_ptr<AniStep> next = std::move(Next);
    while (next)
        next = std::move(next->Next);
}

std::size_t ChainLength(const AniStep* head) {
    std::size_t n = 0;
    for (; head; head = head->Next.get())
        ++n;
    return n;
}

} // namespace kestrom
