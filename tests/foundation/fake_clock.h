#pragma once
// The fake clock lives with the shared test helpers; this name stays for the tests that use it.
#include "fnd_fake_clock.h"
