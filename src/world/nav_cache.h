// nav_cache.h -- the navigation tables as last read from their text files, kept in the user's
// cache ($XDG_CACHE_HOME/vantorel/nav) so that a start-up with unchanged files copies them
// instead of parsing megabytes of text. An entry names the text file's path, size and
// modification time and carries a checksum of what it holds; an entry that does not match in
// every respect is passed over and the text is read as always.
//
// A table is a list of parallel arrays ("columns"); entry i of a column starts at
// data + i * entry_bytes.
#pragma once

namespace orv {

struct nav_cache_column {
    void* data;
    long  entry_bytes;
};

// Fills the first entries of every column from the cache entry `name` made from the text file
// `source` (native path). Answers how many entries it filled, or -1 (nothing usable; the
// columns' first `max_entries` entries are then as they were, or zero).
int  nav_cache_load(const char* name, const char* source, const nav_cache_column* cols, int ncols,
                    int max_entries);

// Keeps the first `count` entries of every column as the cache entry `name` of `source`.
// A cache that cannot be written is left alone: the next start reads the text again.
void nav_cache_store(const char* name, const char* source, const nav_cache_column* cols, int ncols,
                     int count);

}  // namespace orv
