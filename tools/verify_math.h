// Shared between the checking program and its counting stand-ins for the C math library.
#ifndef QVX_TOOLS_VERIFY_MATH_H
#define QVX_TOOLS_VERIFY_MATH_H

namespace verify {
// Calls of the C math library functions counted on this thread while t_counting holds.
extern thread_local long long t_calls;
extern thread_local bool t_counting;
// Looks up the C math library functions that the counting stand-ins pass calls on to.
void resolve();
}  // namespace verify

#endif
