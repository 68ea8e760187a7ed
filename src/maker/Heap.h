// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Giving the dictionaries' memory back to the system once they are dropped.
// glibc keeps freed memory in its heaps unless told otherwise: these two calls
// are how the maker tells it, and do nothing on other C libraries.
#pragma once

namespace lexiwren::maker {

// Keeps glibc's trim and mmap thresholds at their starting 128 KiB from now
// on, for the whole process. Left alone, glibc raises them to the largest
// block freed so far (a dictionary file read whole, several MiB); a worker
// thread's heap then never shrinks, and malloc_trim() cannot shrink it either.
void keepHeapsShrinking();

// Hands the whole free pages of every heap back to the system.
void giveBackFreedMemory();

} // namespace lexiwren::maker
