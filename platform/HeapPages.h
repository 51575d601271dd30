#pragma once

// Memory policy of the process, set once at the start of main.
namespace HeapPages {

// Lets the heap grow in large pages where the system offers them on request
// (transparent huge pages in "madvise" mode), and keeps buffers of up to
// 32 MiB on the heap. A fresh process touches some 20 MiB at start-up (a
// collection of 9999 titles, pictures, the window's backing store); in
// 4 KiB pages each first touch is a page fault, and those faults cost more
// than the rest of the start-up together. Without glibc's allocator, or
// where the system offers no large pages, nothing changes.
void preferLargePages();

} // namespace HeapPages
