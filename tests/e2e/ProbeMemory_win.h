#pragma once
// The probe's look at another process's memory, as Windows reports it.

#include <string>

// Prints, for the process owning the first top-level window of the class: its counters from
// GetProcessMemoryInfo, its GDI and USER object counts, and its committed regions, one a line
// ("region BASE SIZE KIND ALLOCATIONBASE ALLOCATIONSIZE", hexadecimal addresses and decimal
// sizes; KIND private, image or mapped), so that a script can tell which resident pages are
// whose. Returns the probe's exit code.
int MemoryOfWindowOwner(const std::wstring& className);
