#pragma once
// Memory that the system hands out zero-filled a page at a time, at the first touch of each
// page, and that can tell afterwards which of its pages may have been written. A large record
// that is mostly zeros then takes memory only for the pages that hold data.

#include <cstddef>
#include <vector>

namespace traxo {

// The system's page size: the unit of the two calls below.
std::size_t ZeroPageSize();

// Reserves bytes of zero-filled memory starting on a page; throws std::bad_alloc. The memory is
// never zeroed by hand, so the pages stay untouched until used.
void* AllocateZeroPages(std::size_t bytes);
void FreeZeroPages(void* pages, std::size_t bytes);

// One entry per page of [start, start + bytes): false only for a page that the system knows was
// never written since AllocateZeroPages, and so still holds zeros. Memory of any other origin,
// or a start that is not on a page, gives true for every page.
std::vector<bool> PagesThatMayHoldData(const void* start, std::size_t bytes);

} // namespace traxo
