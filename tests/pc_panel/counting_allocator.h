#pragma once

// Replaces the global operator new and delete of the test program that links
// counting_allocator.cpp, so that a test can read how much memory is allocated through them at
// the moment: all of the generated protocol classes' and libprotobuf's memory, and Qt's objects.
namespace testSupport {

// Bytes allocated through operator new and not yet deleted (as the allocator sized the blocks).
long long liveHeapBytes();

} // namespace testSupport
