// Flush-to-zero and denormals-are-zero for the calling thread: subnormal
// results become 0 and subnormal operands are read as 0, so the run's digits
// do not depend on how slowly or exactly a machine handles subnormals.
#pragma once

namespace turbchannel {

void enableFlushToZero();

} // namespace turbchannel
