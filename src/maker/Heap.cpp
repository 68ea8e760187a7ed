// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Heap.h"

#include <cstdlib> // defines __GLIBC__ on glibc

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace lexiwren::maker {

void keepHeapsShrinking()
{
#ifdef __GLIBC__
    constexpr int Threshold = 128 * 1024;
    mallopt(M_TRIM_THRESHOLD, Threshold);
    mallopt(M_MMAP_THRESHOLD, Threshold);
#endif
}

void giveBackFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace lexiwren::maker
