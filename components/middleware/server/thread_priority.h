#pragma once
// The audit's writer and its checkpointer are the steps every call passes through in turn. On
// a busy machine a thread gets its share of a core, so the sixteen connection threads they
// serve would get sixteen shares and each of them one, and the calls would wait on them. A
// higher priority (where the process may take one: root or CAP_SYS_NICE; elsewhere the thread
// stays as it is) lets them keep up.
namespace ruzi::mwd {

void RaiseThisThreadsPriority();

}  // namespace ruzi::mwd
