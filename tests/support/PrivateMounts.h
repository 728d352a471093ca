#pragma once

namespace tarvo::test {

// A mount namespace of the test process's own, so it can mount a tiny disk or a read-only
// folder that vanishes with the process, whatever happens to it. Root gets one directly; anyone
// else through a user namespace, where the kernel allows it. Must run before any thread exists.
bool enterPrivateMountNamespace();

} // namespace tarvo::test
